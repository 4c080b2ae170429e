#pragma once

#include <array>
#include <cstddef>

#include "lesson/app/ControlTable.h"
#include "lesson/scaling/WindowScale.h"

namespace lesson {

// The two arrangements of the window's controls. Both show the same rows of
// the control table with the same texts, fonts, sizes, names and tab order;
// only the places (left, top) differ.
//
// - kLandscape: the controls beside the plane, at the places of the control
//   table, in a window of 1024 x 687.
// - kPortrait: the controls beneath the plane, for a screen held upright
//   (a tablet), in a window of kPortraitSize. The plane keeps its place at
//   (16, 32), so that what is moved relative to it at run time (the axis
//   names "ｙ" and "χ") stands right in both.
enum class Arrangement { kLandscape, kPortrait };

// The arrangement for a client area: the controls beneath the plane where it
// is taller than wide, beside it otherwise (a square too).
constexpr Arrangement ArrangementFor(int width, int height) {
  return height > width ? Arrangement::kPortrait : Arrangement::kLandscape;
}

// The size of an arrangement's window in layout pixels.
struct BaseSize {
  int width = 0;
  int height = 0;
};
inline constexpr BaseSize kLandscapeSize{kFormWidth, kFormHeight};
// Wide enough for "χ" beside the plane and for the two columns of controls
// beneath it, tall enough for those columns with every hit area; shaped as a
// tablet held upright (810 x 1010 CSS pixels), which shows the plane there
// 680 pixels wide.
inline constexpr BaseSize kPortraitSize{760, 950};

constexpr BaseSize SizeOf(Arrangement arrangement) {
  return arrangement == Arrangement::kPortrait ? kPortraitSize : kLandscapeSize;
}

// The rows that take no part in the lesson and are never shown ("補助線B", a
// "消去" and a Quick box). Each arrangement still gives them a place, on free
// space, where they overlap nothing shown.
inline constexpr std::array<ControlId, 3> kHiddenForGood{ControlId::kCommand4, ControlId::kCommand6,
                                                         ControlId::kCheck1};
constexpr bool HiddenForGood(std::size_t row) {
  for (const ControlId hidden : kHiddenForGood) {
    if (RowOf(hidden) == row)
      return true;
  }
  return false;
}

// One row's place in an arrangement.
struct RowPlace {
  ControlId id;
  int left, top;
};

// The portrait arrangement, row for row of the control table (tab order).
// Beneath the plane, two columns read from top to bottom:
// - on the left what sets up the function: "座標平面の大きさ" above the four
//   size buttons; the instruction above the equation, whose boxes and notes
//   keep their offsets from "ｙ＝ … χ＋" as beside the plane; "グラフをかく"
//   with "初期画面(クリア)" beside it;
// - on the right what explains the slope, as beside the plane: "補助線A" with
//   its "消去" and the Quick box beneath it; "補助線C" with its "消去", and
//   beneath it "縮小" "拡大" "整数倍" over "1倍～５倍"; "終了" apart in the
//   bottom right corner.
// The ink's tools stand in a column in the free strip right of the plane,
// in their tab order; the rows never shown wait beneath them.
// Every control that takes a tap has room around it for a fingertip's hit
// area (layout/HitAreas.h), and every label room for its text where the face
// sets it wider than its box ("ｙ＝ … χ＋" runs on by up to 20 pixels,
// "1倍～５倍" by 6, "χ" by 4).
// clang-format off
inline constexpr std::array<RowPlace, kControlCount> kPortraitPlaces = [] {
  using enum ControlId;
  return std::array<RowPlace, kControlCount>{{
    {kText1,       72, 826},
    {kText2,      248, 826},
    {kCommand5,    16, 900},
    {kCommand2,   225, 900},
    {kCommand1,   663, 900},
    {kPicture1,    16,  32},
    {kCommand3_0,  16, 712},
    {kCommand3_1,  96, 712},
    {kCommand3_2, 176, 712},
    {kLabel1,     104, 688},
    {kLabel5_0,   312,   0},
    {kLabel5_1,   656, 352},
    {kLabel7,      32, 754},
    {kLabel8,      88, 786},
    {kCommand7,   634, 836},
    {kCommand8_0, 554, 836},
    {kCommand8_1, 482, 836},
    {kCommand9,   650, 788},
    {kLabel2,      16, 834},
    {kCommand4,   662, 420},
    {kCommand6,   680, 470},
    {kLabel3,     104, 876},
    {kLabel4,     280, 876},
    {kLabel6,     522, 876},
    {kCheck1,     684, 510},
    {kCheck2,     562, 732},
    {kCommand10,  442, 692},
    {kCommand3_3, 256, 712},
    {kCommand11,  650, 700},
    {kCommand12,  442, 780},
    {kPenTool,     689,  39},
    {kPenColour_0, 702,  86},
    {kPenColour_1, 702, 133},
    {kPenColour_2, 702, 180},
    {kEraserTool,  689, 227},
    {kUndoInk,     689, 274},
    {kClearInk,    689, 321},
    {kSavePicture, 689, 368},
  }};
}();
// clang-format on

constexpr bool PlacesFollowTheTable(const std::array<RowPlace, kControlCount>& places) {
  for (std::size_t row = 0; row < kControlCount; ++row) {
    if (RowOf(places[row].id) != row)
      return false;
  }
  return true;
}
static_assert(PlacesFollowTheTable(kPortraitPlaces), "one place per row, in the table's order");

// A row's box in an arrangement: its place there, its size from the table.
constexpr PixelRect BoxOf(Arrangement arrangement, std::size_t row) {
  const ControlRow& control = kControls.at(row);
  if (arrangement == Arrangement::kPortrait) {
    const RowPlace& place = kPortraitPlaces.at(row);
    return {place.left, place.top, control.width, control.height};
  }
  return {control.left, control.top, control.width, control.height};
}

// A control's box as its model holds it (the table's landscape place, or
// where the lesson moved it at run time) shown in an arrangement: moved by
// the row's displacement from the landscape place. The rows the lesson moves
// ("ｙ" and "χ", relative to the plane) keep their places in both, so their
// moves hold as they are.
constexpr PixelRect Arranged(Arrangement arrangement, std::size_t row, PixelRect modelBox) {
  const PixelRect from = BoxOf(Arrangement::kLandscape, row);
  const PixelRect to = BoxOf(arrangement, row);
  modelBox.left += to.left - from.left;
  modelBox.top += to.top - from.top;
  return modelBox;
}

// How a client area shows the lesson: the arrangement for its shape, and
// the scale at which that arrangement's window fits it.
struct WindowFit {
  Arrangement arrangement = Arrangement::kLandscape;
  WindowScale scale;
};
WindowFit FitWindow(int width, int height);

}  // namespace lesson
