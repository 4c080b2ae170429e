#include "lesson/access/AccessibleTexts.h"

#include <string_view>

#include "lesson/plane/PlaneGeometry.h"

namespace lesson {

namespace {

struct AccessibleText {
  std::string_view control;
  int index;
  const char* name;  // nullptr: the control's own text
  const char* description;
};

// clang-format off
constexpr AccessibleText kTexts[] = {
    {"Text1",     -1, "傾き a", "a の値。整数、小数、分数 p/q で入力できる。Enter で b の入力へ進む。"},
    {"Text2",     -1, "切片 b", "b の値。Enter で「グラフをかく」へ進む。"},
    {"Command5",  -1, nullptr,  "入力した a と b で、y = ax + b のグラフを座標平面にかく。"},
    {"Command2",  -1, nullptr,  "座標平面と a、b の入力を消して、初めの画面に戻す。"},
    {"Command1",  -1, nullptr,  "プログラムを終了する。"},
    {"Picture1",  -1, "座標平面", ""},
    {"Label5",     0, "y 軸",   ""},
    {"Label5",     1, "x 軸",   ""},
    {"Label2",    -1, "ｙ＝ ａχ＋ ｂ", "左の入力欄が a、右の入力欄が b。"},
    {"Command7",  -1, nullptr,  "傾きの三角形を a の分母の倍にして、縦の長さを整数にする。"},
    {"Command8",   0, nullptr,  "傾きの三角形を 1 倍大きくする（5 倍まで）。"},
    {"Command8",   1, nullptr,  "傾きの三角形を 1 倍小さくする（1 倍まで）。"},
    {"Command9",  -1, "補助線Cを消去", "傾きの三角形（補助線C）を消す。"},
    {"Command10", -1, nullptr,  "グラフに沿って、右へ 1、上へ a の階段（補助線A）をかく。"},
    {"Command11", -1, "補助線Aを消去", "階段（補助線A）を消す。"},
    {"Command12", -1, nullptr,  "グラフの y 切片から、傾きの三角形（補助線C）をかく。"},
    {"Check2",    -1, nullptr,  "チェックすると、アニメーションの待ち時間を飛ばしてすぐにかく。"},
};
// clang-format on

const AccessibleText* Find(const ControlSpec& control) {
  for (const AccessibleText& text : kTexts) {
    if (text.control == control.name && text.index == control.index)
      return &text;
  }
  return nullptr;
}

bool IsSizeButton(const ControlSpec& control) {
  return std::string_view(control.name) == "Command3";
}

}  // namespace

std::string AccessibleName(const ControlSpec& control) {
  if (IsSizeButton(control))
    return std::string("座標平面の大きさ ") + control.text;
  const AccessibleText* text = Find(control);
  return text != nullptr && text->name != nullptr ? text->name : control.text;
}

std::string AccessibleDescription(const ControlSpec& control, int unitPx) {
  if (IsSizeButton(control) && control.index >= 0 &&
      static_cast<std::size_t>(control.index) < kUnitsPerSize.size()) {
    const int unit = kUnitsPerSize[static_cast<std::size_t>(control.index)];
    std::string description = std::string("座標平面の大きさを「") + control.text +
                              "」にする（1 目盛り " + std::to_string(unit) + " ピクセル）。";
    if (unitPx == unit)
      description += "いま選ばれている大きさ。";
    return description;
  }
  const AccessibleText* text = Find(control);
  return text != nullptr ? text->description : "";
}

}  // namespace lesson
