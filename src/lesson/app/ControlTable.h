#pragma once

#include <array>
#include <optional>

#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

enum class ControlKind { kTextBox, kButton, kLabel, kCheckBox, kPicture };

// One control of the window: its name (with the index for members of a
// control array), kind, text, place in client-area pixels, font and colours.
// The table lists the controls in tab order. A label's text is shown whole:
// where the face makes it wider than the label's box, it runs on beyond the
// box, beneath the controls there.
struct ControlSpec {
  const char* name;
  int index;  // -1 for a control that is not part of an array
  ControlKind kind;
  const char* text;
  int left, top, width, height;
  double fontPoints;  // 0: the window's default font
  bool bold;
  std::optional<Colour> textColour;
  std::optional<Colour> background;
};

inline constexpr Colour kLightGreen{192, 255, 192};  // the window's background
inline constexpr Colour kOlive{64, 64, 0};
inline constexpr Colour kBlack{0, 0, 0};

// The face the controls ask for; a front-end maps it to the Japanese gothic
// face it has (IPAPGothic, shipped with the lesson).
inline constexpr const char* kControlFace = "ＭＳ Ｐゴシック";
// The window's font for controls without one of their own (fontPoints 0).
inline constexpr double kDefaultFontPoints = 9;
// The pixel size of a control's font given in points (0: the window's).
inline int FontPixels(double points) {
  return PointsToPixels(points > 0 ? points : kDefaultFontPoints);
}

inline constexpr const char* kCaption = "１次関数のグラフ(2)　　by r.Yorune";
// The program's name where a system lists it (an installed web app).
inline constexpr const char* kProgramName = "１次関数のグラフ";
inline constexpr const char* kShortName = "１次関数";
// The characters a text box takes; a longer paste is cut there.
inline constexpr int kBoxMaxLength = 32767;
inline constexpr int kFormWidth = 1024;
inline constexpr int kFormHeight = 687;

// The frame that shows the keyboard focus on the plane: drawn around it, on
// the window's background, so the picture itself stays as it is.
inline constexpr Colour kFocusFrameColour{0, 0, 128};
inline constexpr int kFocusFrameWidth = 3;

using ControlKind::kButton;
using ControlKind::kCheckBox;
using ControlKind::kLabel;
using ControlKind::kPicture;
using ControlKind::kTextBox;

// clang-format off
inline constexpr std::array<ControlSpec, 30> kControls{{
    {"Text1",     -1, kTextBox,  "",                      744, 232, 105, 49, 36,    false, {}, {}},
    {"Text2",     -1, kTextBox,  "",                      920, 232,  89, 49, 36,    false, {}, {}},
    {"Command5",  -1, kButton,   "グラフをかく",          808, 320, 201, 33, 14.25, true,  {}, {}},
    {"Command2",  -1, kButton,   "初期画面(クリア)",      760,  96, 201, 33, 12,    true,  {}, {}},
    {"Command1",  -1, kButton,   "終了",                  928, 640,  81, 33, 12,    true,  {}, {}},
    {"Picture1",  -1, kPicture,  "",                       16,  32, kPlaneSide, kPlaneSide, 0, false, {}, Colour{255, 255, 255}},
    {"Command3",   0, kButton,   "小",                    696,  48,  65, 33, 12,    false, {}, {}},
    {"Command3",   1, kButton,   "中",                    776,  48,  65, 33, 20.25, true,  {}, {}},
    {"Command3",   2, kButton,   "大",                    856,  48,  65, 33, 12,    false, {}, {}},
    {"Label1",    -1, kLabel,    "座標平面の大きさ",      792,  16, 130, 16, 12,    true,  kBlack, kLightGreen},
    {"Label5",     0, kLabel,    "ｙ",                    312,   0,  25, 33, 20.25, true,  kBlack, kLightGreen},
    {"Label5",     1, kLabel,    "χ",                     656, 352,  25, 33, 20.25, true,  kBlack, kLightGreen},
    {"Label7",    -1, kLabel,    "１次関数 ｙ＝ａχ＋ｂで", 704, 160, 241, 24, 18,    true,  kOlive, kLightGreen},
    {"Label8",    -1, kLabel,    "ａとｂの値を入力せよ。", 760, 192, 187, 19, 14.25, true,  kOlive, kLightGreen},
    {"Command7",  -1, kButton,   "整数倍",                928, 552,  81, 33, 12,    true,  {}, {}},
    {"Command8",   0, kButton,   "拡大",                  848, 552,  65, 33, 12,    true,  {}, {}},
    {"Command8",   1, kButton,   "縮小",                  776, 552,  65, 33, 12,    true,  {}, {}},
    {"Command9",  -1, kButton,   "消去",                  944, 496,  57, 25, 12,    false, {}, {}},
    {"Label2",    -1, kLabel,    "ｙ＝　   　　 χ＋",    688, 240, 226, 33, 24,    true,  kBlack, kLightGreen},
    {"Command4",  -1, kButton,   "補助線B",               672, 648,  97, 33, 15.75, true,  {}, {}},
    {"Command6",  -1, kButton,   "消去",                  776, 656,  57, 25, 12,    false, {}, {}},
    {"Label3",    -1, kLabel,    "分数可",                776, 282,  36, 12, 0,     false, {}, kLightGreen},
    {"Label4",    -1, kLabel,    "整数",                  952, 282,  24, 12, 0,     false, {}, kLightGreen},
    {"Label6",    -1, kLabel,    "1倍～５倍",             816, 592,  50, 12, 0,     false, {}, kLightGreen},
    {"Check1",    -1, kCheckBox, "Quick",                 840, 664,  49, 17, 0,     false, {}, kLightGreen},
    {"Check2",    -1, kCheckBox, "Quick",                 856, 440,  49, 17, 0,     false, {}, kLightGreen},
    {"Command10", -1, kButton,   "補助線A",               736, 400, 185, 33, 15.75, true,  {}, {}},
    {"Command3",   3, kButton,   "特大",                  936,  48,  65, 33, 12,    false, {}, {}},
    {"Command11", -1, kButton,   "消去",                  944, 408,  57, 25, 12,    false, {}, {}},
    {"Command12", -1, kButton,   "補助線C",               736, 488, 185, 33, 15.75, true,  {}, {}},
}};
// clang-format on

}  // namespace lesson
