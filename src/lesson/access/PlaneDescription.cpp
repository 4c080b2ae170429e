#include "lesson/access/PlaneDescription.h"

#include "lesson/access/PlaneParts.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

namespace {

using plane_parts::Trimmed;

std::string Scale(const LessonState& s) {
  std::string out = "1 目盛り " + std::to_string(s.UnitPx) + " ピクセル";
  const std::string_view size = SizeName(s.UnitPx);
  if (!size.empty())
    out += "（大きさ " + std::string(size) + "）";
  if (const auto reach = plane_parts::PlaneReach(s)) {
    const std::string about = reach->rounded ? "約 " : "";
    out += "、x と y は " + about + "-" + reach->bound + " から " + about + reach->bound + " まで";
  }
  return out + "。";
}

std::string Graph(const LessonState& s, std::string_view slopeText,
                  std::string_view interceptText) {
  if (s.GraphDrawn != 1)
    return "グラフはまだない。";
  std::string a = Trimmed(slopeText);
  std::string b = Trimmed(interceptText);
  std::string out = "グラフ y = " + (a.empty() ? std::string("0") : a) + " x";
  if (!b.empty()) {
    const bool minus = b.front() == '-';
    if (minus || b.front() == '+')
      b = Trimmed(b.substr(1));
    out += (minus ? " - " : " + ") + b;
  }
  return out + "。";
}

// The rise as the triangle writes it: a whole number, a fraction k|p|/q with
// the sign in front, or a decimal.
std::string Rise(const LessonState& s) {
  const plane_parts::WrittenRise rise = plane_parts::RiseAsWritten(s);
  if (!rise.fraction)
    return rise.value;
  return (rise.barMinus ? "-" : "") + rise.numerator + "/" + rise.denominator;
}

std::string Triangle(const LessonState& s) {
  if (s.TriangleState == 0)
    return "補助線C（傾きの三角形）なし。";
  std::string out =
      s.TriangleState == 2 ? "補助線C（傾きの三角形）移動中" : "補助線C（傾きの三角形）あり";
  out += "：横に " + Trimmed(SignedText(s.TriangleScale)) + "、縦に " + Rise(s);
  if (const auto start = plane_parts::TriangleStart(s))
    out += "、始点 (" + start->x + ", " + start->y + ")";
  return out + "。矢印キーで動かせる（Shift で 1 ピクセルずつ）。";
}

}  // namespace

std::string_view SizeName(int unitPx) {
  switch (unitPx) {
    case 100:
      return "小";
    case 50:
      return "中";
    case 25:
      return "大";
    case 14:
      return "特大";
    default:
      return {};
  }
}

std::string DescribePlane(const LessonState& state, std::string_view slopeText,
                          std::string_view interceptText) {
  return Scale(state) + Graph(state, slopeText, interceptText) +
         (state.LineAState == 1 ? "補助線A あり。" : "補助線A なし。") + Triangle(state);
}

}  // namespace lesson
