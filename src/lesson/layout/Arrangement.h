#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

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
// "消去" and a Quick box). They belong to no block and have no place of
// their own in either arrangement: they keep the control table's.
inline constexpr std::array<ControlId, 3> kHiddenForGood{ControlId::kCommand4, ControlId::kCommand6,
                                                         ControlId::kCheck1};
constexpr bool HiddenForGood(std::size_t row) {
  for (const ControlId hidden : kHiddenForGood) {
    if (RowOf(hidden) == row)
      return true;
  }
  return false;
}

// The side of the square that a control's hit area holds, in layout pixels:
// a fingertip's 44 CSS pixels at the smallest scale that a classroom's
// tablets and laptops show the lesson at. A Chromebook's 1366 x 657 shows
// the landscape window at 612/640, where 44 pixels are 46.0 layout pixels;
// 47 layout pixels there are 44.9 pixels (44.9 at 611/640 too), and rounding
// both edges to whole pixels takes less than one off: at least 44. An iPad
// shows them as 49.6 pixels held sideways (1080 x 740, landscape) and 49.9
// held upright (810 x 1010, portrait).
inline constexpr int kTargetSide = 47;

// The blocks of the window: rows that stand together. Each row of the
// control table that is shown belongs to one block. A block's hit areas are
// decided within it (layout/HitAreas.h), so that a block moved elsewhere
// takes its areas along and leaves its neighbours' as they were.
using Block = std::span<const ControlId>;

inline constexpr std::array kPlaneBlock{ControlId::kPicture1, ControlId::kLabel5_0,
                                        ControlId::kLabel5_1};  // with the axis names
inline constexpr std::array kSizeTitleBlock{ControlId::kLabel1};
inline constexpr std::array kSizeBlock = kSizeButtons;
inline constexpr std::array kEquationBlock{
    ControlId::kLabel7, ControlId::kLabel8, ControlId::kLabel2, ControlId::kText1,
    ControlId::kText2,  ControlId::kLabel3, ControlId::kLabel4};
// "補助線A" with its "消去" and the Quick box beneath it, "補助線C" with its "消去".
inline constexpr std::array kSlopeBlock{ControlId::kCommand10, ControlId::kCommand11,
                                        ControlId::kCheck2, ControlId::kCommand12,
                                        ControlId::kCommand9};
// "縮小" "拡大" "整数倍" over "1倍～５倍".
inline constexpr std::array kTriangleScaleBlock{ControlId::kCommand8_1, ControlId::kCommand8_0,
                                                ControlId::kCommand7, ControlId::kLabel6};
inline constexpr std::array kDrawBlock{ControlId::kCommand5};
inline constexpr std::array kResetBlock{ControlId::kCommand2};
inline constexpr std::array kEndBlock{ControlId::kCommand1};
inline constexpr std::array kInkBlock{ControlId::kPenTool,     ControlId::kPenColour_0,
                                      ControlId::kPenColour_1, ControlId::kPenColour_2,
                                      ControlId::kEraserTool,  ControlId::kUndoInk,
                                      ControlId::kClearInk,    ControlId::kSavePicture};
// "ふりがな" "読み上げ" "ゆっくり" "白黒反転", in a row beneath the ink's tools.
inline constexpr std::array kSupportsBlock{ControlId::kFurigana, ControlId::kReadAloud,
                                           ControlId::kReadSlowly, ControlId::kDarkScheme};
inline constexpr std::array<Block, 11> kBlocks{
    kPlaneBlock, kSizeTitleBlock, kSizeBlock, kEquationBlock, kSlopeBlock,   kTriangleScaleBlock,
    kDrawBlock,  kResetBlock,     kEndBlock,  kInkBlock,      kSupportsBlock};

constexpr bool BlocksHoldEachShownRowOnce() {
  std::array<int, kControlCount> count{};
  for (const Block block : kBlocks) {
    for (const ControlId id : block)
      ++count[RowOf(id)];
  }
  for (std::size_t row = 0; row < kControlCount; ++row) {
    if (count[row] != (HiddenForGood(row) ? 0 : 1))
      return false;
  }
  return true;
}
static_assert(BlocksHoldEachShownRowOnce());

// A row's place: the left and top of its box.
struct RowPlace {
  int left = 0;
  int top = 0;
};

namespace arrangement_rules {

constexpr PixelRect TableBox(ControlId id) {
  const ControlRow& row = kControls[RowOf(id)];
  return {row.left, row.top, row.width, row.height};
}

// The top left corner of the box around a block's rows in the table.
constexpr RowPlace TableCorner(Block block) {
  RowPlace corner = {TableBox(block[0]).left, TableBox(block[0]).top};
  for (const ControlId id : block) {
    corner.left = std::min(corner.left, TableBox(id).left);
    corner.top = std::min(corner.top, TableBox(id).top);
  }
  return corner;
}

}  // namespace arrangement_rules

// The portrait arrangement, computed from where each block stands. Beneath
// the plane, two columns read from top to bottom:
// - on the left, at the plane's left edge, what sets up the function:
//   "座標平面の大きさ" centred over the four size buttons; the instruction
//   above the equation; "グラフをかく" with "初期画面(クリア)" beside it;
// - on the right what explains the slope, as beside the plane; "終了" apart
//   in the bottom right corner, as far in from the window's right edge as
//   the plane is from its left.
// The ink's tools, and beneath them the reading supports, stand in a column
// in the free strip right of the plane, in their tab order, one fingertip's
// square apart.
// Every block but the ink's keeps its shape from the control table, and so
// its hit areas; every control that takes a tap has room around it for a
// fingertip's hit area, and every label room for its text where the face
// sets it wider than its box ("ｙ＝ … χ＋" runs on by up to 20 pixels,
// "1倍～５倍" by 6, "χ" by 4).
inline constexpr std::array<RowPlace, kControlCount> kPortraitPlaces = [] {
  using namespace arrangement_rules;
  using enum ControlId;
  std::array<RowPlace, kControlCount> places{};
  for (std::size_t row = 0; row < kControlCount; ++row)
    places[row] = {kControls[row].left, kControls[row].top};
  const auto box = [&places](ControlId id) {
    const RowPlace at = places[RowOf(id)];
    return PixelRect{at.left, at.top, TableBox(id).width, TableBox(id).height};
  };
  // Moves a block's rows together so that the corner of the box around them
  // stands at corner.
  const auto stand = [&places](Block block, RowPlace corner) {
    const RowPlace from = TableCorner(block);
    for (const ControlId id : block) {
      places[RowOf(id)].left += corner.left - from.left;
      places[RowOf(id)].top += corner.top - from.top;
    }
  };
  const PixelRect plane = box(kPicture1);  // where it stands in both
  const int margin = plane.left;
  const int beneathPlane = plane.top + plane.height;
  const int bottomRow = kPortraitSize.height - 50;  // its hit areas 10 clear of the edge
  const int besides = 8;                            // between two buttons in a row

  stand(kSizeBlock, {margin, beneathPlane + 40});
  const PixelRect small = box(kCommand3_0), largest = box(kCommand3_3);
  const int sizesWidth = largest.left + largest.width - small.left;
  const PixelRect title = box(kLabel1);
  stand(kSizeTitleBlock,
        {small.left + (sizesWidth - title.width + 1) / 2, small.top - besides - title.height});
  // The instruction and the equation beneath the size buttons, their notes
  // "分数可" and "整数" beneath the boxes as beside the plane.
  stand(kEquationBlock, {margin, small.top + small.height + 9});
  stand(kDrawBlock, {margin, bottomRow});
  const PixelRect draw = box(kCommand5);
  stand(kResetBlock, {draw.left + draw.width + besides, bottomRow});
  stand(kEndBlock, {kPortraitSize.width - margin - box(kCommand1).width, bottomRow});
  const PixelRect reset = box(kCommand2);
  // The right column starts two gaps right of "初期画面(クリア)".
  stand(kSlopeBlock, {reset.left + reset.width + 2 * besides, beneathPlane + 20});
  // Beneath "補助線C" as beside the plane, with "1倍～５倍" on the line of the
  // equation's notes "分数可" and "整数".
  const RowPlace slope = TableCorner(kSlopeBlock), scale = TableCorner(kTriangleScaleBlock);
  stand(kTriangleScaleBlock, {box(kCommand10).left + scale.left - slope.left,
                              box(kLabel3).top - (TableBox(kLabel6).top - scale.top)});
  // The column's middle is that of the strip between "χ" (as the face sets
  // it) and the window's right edge; each tool is centred in a square of
  // its own, the first level with the plane's top.
  const int columnMiddle = 722;
  int square = plane.top;  // the top of the next tool's square
  for (const Block column : {Block(kInkBlock), Block(kSupportsBlock)}) {
    for (const ControlId tool : column) {
      places[RowOf(tool)] = {columnMiddle - box(tool).width / 2,
                             square + (kTargetSide - box(tool).height) / 2};
      square += kTargetSide;
    }
  }
  return places;
}();

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
  bool operator==(const WindowFit&) const = default;
};
WindowFit FitWindow(int width, int height);

}  // namespace lesson
