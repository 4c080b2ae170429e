#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// The controls, each by its row of the control table (tab order).
enum class ControlId : std::size_t {
  kText1,
  kText2,
  kCommand5,
  kCommand2,
  kCommand1,
  kPicture1,
  kCommand3_0,
  kCommand3_1,
  kCommand3_2,
  kLabel1,
  kLabel5_0,
  kLabel5_1,
  kLabel7,
  kLabel8,
  kCommand7,
  kCommand8_0,
  kCommand8_1,
  kCommand9,
  kLabel2,
  kCommand4,
  kCommand6,
  kLabel3,
  kLabel4,
  kLabel6,
  kCheck1,
  kCheck2,
  kCommand10,
  kCommand3_3,
  kCommand11,
  kCommand12,
  // The ink's tools, after the lesson's own controls.
  kPenTool,
  kPenColour_0,
  kPenColour_1,
  kPenColour_2,
  kEraserTool,
  kUndoInk,
  kClearInk,
  kSavePicture,
  // The reading supports, last in the tab order.
  kFurigana,
  kReadAloud,
  kReadSlowly,
  kDarkScheme,
};
inline constexpr std::size_t kControlCount = 42;

// kToggle: a push button that stays pressed while its mode is on.
enum class ControlKind { kTextBox, kButton, kLabel, kCheckBox, kPicture, kToggle };

// One control of the window: its name (with the index for members of a
// control array), kind, text, place in client-area pixels, font and colours,
// and what a screen reader says of it. The table lists the controls in tab
// order. A label's text is shown whole: where the face makes it wider than
// the label's box, it runs on beyond the box, beneath the controls there.
struct ControlRow {
  ControlId id;  // its row
  const char* name;
  int index;  // -1 for a control that is not part of an array
  ControlKind kind;
  const char* text;
  int left, top, width, height;
  double fontPoints;  // 0: the window's default font
  bool bold;
  std::optional<Colour> textColour;
  std::optional<Colour> background;
  // The name a screen reader gives it where its text does not say enough
  // (nullptr: its text), and its description. The size buttons' names and
  // descriptions follow from their text and scale (access/AccessibleTexts.h).
  const char* accessibleName;
  const char* description;
};

inline constexpr Colour kLightGreen{192, 255, 192};  // the window's background
inline constexpr Colour kOlive{64, 64, 0};
inline constexpr Colour kBlack{0, 0, 0};

// The face the controls ask for; a front-end maps it to the Japanese gothic
// face it has (IPAPGothic, shipped with the lesson).
inline constexpr const char* kControlFace = "ＭＳ Ｐゴシック";
// The name of the subset of that face a browser's page ships and asks for
// (a font made from it may not carry its name).
inline constexpr const char* kPageFace = "LessonGothic";
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
using ControlKind::kToggle;

// clang-format off
inline constexpr std::array<ControlRow, kControlCount> kControls = [] {
  using enum ControlId;
  return std::array<ControlRow, kControlCount>{{
    {kText1,      "Text1",     -1, kTextBox,  "",                       744, 232, 105,        49,         36,    false, {},     {},
     "傾き a", "a の値。整数、小数、分数 p/q で入力できる。Enter で b の入力へ進む。"},
    {kText2,      "Text2",     -1, kTextBox,  "",                       920, 232, 89,         49,         36,    false, {},     {},
     "切片 b", "b の値。Enter で「グラフをかく」へ進む。"},
    {kCommand5,   "Command5",  -1, kButton,   "グラフをかく",           808, 320, 201,        33,         14.25, true,  {},     {},
     nullptr, "入力した a と b で、y = ax + b のグラフを座標平面にかく。"},
    {kCommand2,   "Command2",  -1, kButton,   "初期画面(クリア)",       760, 96,  201,        33,         12,    true,  {},     {},
     nullptr, "座標平面と a、b の入力を消して、初めの画面に戻す。"},
    {kCommand1,   "Command1",  -1, kButton,   "終了",                   928, 640, 81,         33,         12,    true,  {},     {},
     nullptr, "プログラムを終了する。"},
    {kPicture1,   "Picture1",  -1, kPicture,  "",                       16,  32,  kPlaneSide, kPlaneSide, 0,     false, {},     Colour{255, 255, 255},
     "座標平面", ""},
    {kCommand3_0, "Command3",  0,  kButton,   "小",                     696, 48,  65,         33,         12,    false, {},     {},
     nullptr, ""},
    {kCommand3_1, "Command3",  1,  kButton,   "中",                     776, 48,  65,         33,         20.25, true,  {},     {},
     nullptr, ""},
    {kCommand3_2, "Command3",  2,  kButton,   "大",                     856, 48,  65,         33,         12,    false, {},     {},
     nullptr, ""},
    {kLabel1,     "Label1",    -1, kLabel,    "座標平面の大きさ",       792, 16,  130,        16,         12,    true,  kBlack, kLightGreen,
     nullptr, ""},
    {kLabel5_0,   "Label5",    0,  kLabel,    "ｙ",                     312, 0,   25,         33,         20.25, true,  kBlack, kLightGreen,
     "y 軸", ""},
    {kLabel5_1,   "Label5",    1,  kLabel,    "χ",                      656, 352, 25,         33,         20.25, true,  kBlack, kLightGreen,
     "x 軸", ""},
    {kLabel7,     "Label7",    -1, kLabel,    "１次関数 ｙ＝ａχ＋ｂで", 704, 160, 241,        24,         18,    true,  kOlive, kLightGreen,
     nullptr, ""},
    {kLabel8,     "Label8",    -1, kLabel,    "ａとｂの値を入力せよ。", 760, 192, 187,        19,         14.25, true,  kOlive, kLightGreen,
     nullptr, ""},
    {kCommand7,   "Command7",  -1, kButton,   "整数倍",                 928, 552, 81,         33,         12,    true,  {},     {},
     nullptr, "傾きの三角形を a の分母の倍にして、縦の長さを整数にする。"},
    {kCommand8_0, "Command8",  0,  kButton,   "拡大",                   848, 552, 65,         33,         12,    true,  {},     {},
     nullptr, "傾きの三角形を 1 倍大きくする（5 倍まで）。"},
    {kCommand8_1, "Command8",  1,  kButton,   "縮小",                   776, 552, 65,         33,         12,    true,  {},     {},
     nullptr, "傾きの三角形を 1 倍小さくする（1 倍まで）。"},
    {kCommand9,   "Command9",  -1, kButton,   "消去",                   944, 496, 57,         25,         12,    false, {},     {},
     "補助線Cを消去", "傾きの三角形（補助線C）を消す。"},
    {kLabel2,     "Label2",    -1, kLabel,    "ｙ＝　   　　 χ＋",      688, 240, 226,        33,         24,    true,  kBlack, kLightGreen,
     "ｙ＝ ａχ＋ ｂ", "左の入力欄が a、右の入力欄が b。"},
    {kCommand4,   "Command4",  -1, kButton,   "補助線B",                672, 648, 97,         33,         15.75, true,  {},     {},
     nullptr, ""},
    {kCommand6,   "Command6",  -1, kButton,   "消去",                   776, 656, 57,         25,         12,    false, {},     {},
     nullptr, ""},
    {kLabel3,     "Label3",    -1, kLabel,    "分数可",                 776, 282, 36,         12,         0,     false, {},     kLightGreen,
     nullptr, ""},
    {kLabel4,     "Label4",    -1, kLabel,    "整数",                   952, 282, 24,         12,         0,     false, {},     kLightGreen,
     nullptr, ""},
    {kLabel6,     "Label6",    -1, kLabel,    "1倍～５倍",              816, 592, 50,         12,         0,     false, {},     kLightGreen,
     nullptr, ""},
    {kCheck1,     "Check1",    -1, kCheckBox, "Quick",                  840, 664, 49,         17,         0,     false, {},     kLightGreen,
     nullptr, ""},
    {kCheck2,     "Check2",    -1, kCheckBox, "Quick",                  856, 440, 49,         17,         0,     false, {},     kLightGreen,
     nullptr, "チェックすると、アニメーションの待ち時間を飛ばしてすぐにかく。"},
    {kCommand10,  "Command10", -1, kButton,   "補助線A",                736, 400, 185,        33,         15.75, true,  {},     {},
     nullptr, "グラフに沿って、右へ 1、上へ a の階段（補助線A）をかく。"},
    {kCommand3_3, "Command3",  3,  kButton,   "特大",                   936, 48,  65,         33,         12,    false, {},     {},
     nullptr, ""},
    {kCommand11,  "Command11", -1, kButton,   "消去",                   944, 408, 57,         25,         12,    false, {},     {},
     "補助線Aを消去", "階段（補助線A）を消す。"},
    {kCommand12,  "Command12", -1, kButton,   "補助線C",                736, 488, 185,        33,         15.75, true,  {},     {},
     nullptr, "グラフの y 切片から、傾きの三角形（補助線C）をかく。"},
    {kPenTool,     "PenTool",     -1, kToggle, "ペン",       663, 400, 66, 33, 9, true,  {}, {},
     nullptr, "オンのあいだ、指やマウスで座標平面に書き込める。タッチペンはいつでも書ける。"},
    {kPenColour_0, "PenColour",   0,  kToggle, "",           690, 302, 40, 33, 9, false, {}, {},
     "ペンの色 黒", "ペンの色を黒にして、ペンをオンにする。"},
    {kPenColour_1, "PenColour",   1,  kToggle, "",           737, 302, 40, 33, 9, false, {}, {},
     "ペンの色 緑", "ペンの色を緑にして、ペンをオンにする。"},
    {kPenColour_2, "PenColour",   2,  kToggle, "",           690, 349, 40, 33, 9, false, {}, {},
     "ペンの色 オレンジ", "ペンの色をオレンジにして、ペンをオンにする。"},
    {kEraserTool,  "EraserTool",  -1, kToggle, "消しゴム",   663, 447, 66, 33, 9, true,  {}, {},
     nullptr, "オンのあいだ、なぞった書き込みを 1 本ずつ消す。"},
    {kUndoInk,     "UndoInk",     -1, kButton, "元に戻す",   663, 494, 66, 33, 9, true,  {}, {},
     nullptr, "最後の書き込み、消しゴム、全部消すを 1 つ取り消す。"},
    {kClearInk,    "ClearInk",    -1, kButton, "全部消す",   663, 541, 66, 33, 9, true,  {}, {},
     "書き込みを全部消す", "座標平面の書き込みをすべて消す（元に戻すで戻せる）。"},
    {kSavePicture, "SavePicture", -1, kButton, "画像で保存", 663, 588, 66, 33, 9, true,  {}, {},
     nullptr, "書き込みを含めた座標平面を PNG 画像にして、共有または保存する。"},
    {kFurigana,    "Furigana",    -1, kToggle, "ふりがな",   663, 640, 56, 33, 9, true,  {}, {},
     nullptr, "漢字の上に読みがなを表示する。"},
    {kReadAloud,   "ReadAloud",   -1, kToggle, "読み上げ",   725, 640, 56, 33, 9, true,  {}, {},
     nullptr, "したことと、かかれたグラフや補助線を声で読み上げる。オンにすると、座標平面の様子を読む。"},
    {kReadSlowly,  "ReadSlowly",  -1, kToggle, "ゆっくり",   787, 640, 56, 33, 9, true,  {}, {},
     nullptr, "読み上げをゆっくりにする。"},
    {kDarkScheme,  "DarkScheme",  -1, kToggle, "白黒反転",   849, 640, 56, 33, 9, true,  {}, {},
     nullptr, "黒い地に明るい線と文字で表示する。"},
  }};
}();
// clang-format on

// Each row's control is the one its enumerator names.
constexpr bool RowsFollowTheirEnumerators() {
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    if (static_cast<std::size_t>(kControls[row].id) != row)
      return false;
  }
  return true;
}
static_assert(RowsFollowTheirEnumerators());

inline constexpr std::size_t RowOf(ControlId id) {
  return static_cast<std::size_t>(id);
}

// The caption a control shows.
constexpr std::string_view ControlCaption(ControlId id) {
  return kControls[RowOf(id)].text;
}

// The size buttons 小 中 大 特大, the members of the control array Command3 by
// their index.
inline constexpr std::array<ControlId, 4> kSizeButtons{
    ControlId::kCommand3_0, ControlId::kCommand3_1, ControlId::kCommand3_2, ControlId::kCommand3_3};

// The pen's colours, each shown by its button: black for writing, and a green
// and an orange of the colour-universal-design set, which neither line A
// (red) nor the triangle (blue) use.
inline constexpr std::array<ControlId, 3> kPenColourButtons{
    ControlId::kPenColour_0, ControlId::kPenColour_1, ControlId::kPenColour_2};
inline constexpr std::array<Colour, 3> kInkColours{{{0, 0, 0}, {3, 175, 122}, {246, 170, 0}}};

// The colour a control shows as a swatch: a pen colour's button's.
constexpr std::optional<Colour> SwatchOf(ControlId id) {
  for (std::size_t i = 0; i < kPenColourButtons.size(); ++i) {
    if (kPenColourButtons[i] == id)
      return kInkColours[i];
  }
  return std::nullopt;
}

}  // namespace lesson
