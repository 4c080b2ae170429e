#include "lesson/access/PlaneDescription.h"

#include <cmath>

#include "lesson/constructions/TriangleGeometry.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

namespace {

// A number as a pupil reads it: no leading blank, at most two decimals.
std::string Short(double v) {
  const double rounded = std::round(v * 100) / 100;
  std::string text = SignedTextTenDigits(rounded == 0 ? 0.0 : rounded);
  return text.front() == ' ' ? text.substr(1) : text;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Scale(const LessonState& s) {
  std::string out = "1 目盛り " + std::to_string(s.UnitPx) + " ピクセル";
  const std::string_view size = SizeName(s.UnitPx);
  if (!size.empty())
    out += "（大きさ " + std::string(size) + "）";
  if (s.UnitPx > 0) {
    const double reach = 320.0 / s.UnitPx;
    const std::string bound = Short(reach);
    const std::string about = std::round(reach * 100) / 100 == reach ? "" : "約 ";
    out += "、x と y は " + about + "-" + bound + " から " + about + bound + " まで";
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
std::string Rise(const TriangleGeometry& t) {
  if (t.form != SlopeLabelForm::kFraction)
    return Trimmed(t.value.text);
  const bool minus = t.bar.text.front() == '-';
  return (minus ? "-" : "") + Trimmed(t.numerator.text) + "/" + Trimmed(t.denominator.text);
}

std::string Triangle(const LessonState& s) {
  if (s.TriangleState == 0)
    return "補助線C（傾きの三角形）なし。";
  const TriangleGeometry t = SlopeTriangle(TriangleInputsOf(s, s.TriangleScale));
  std::string out =
      s.TriangleState == 2 ? "補助線C（傾きの三角形）移動中" : "補助線C（傾きの三角形）あり";
  out += "：横に " + Trimmed(SignedText(s.TriangleScale)) + "、縦に " + Rise(t);
  if (s.UnitPx > 0) {
    const double x = (static_cast<double>(s.TriangleX) - s.OriginX) / s.UnitPx;
    const double y = (static_cast<double>(s.OriginY) - s.TriangleY) / s.UnitPx;
    out += "、始点 (" + Short(x) + ", " + Short(y) + ")";
  }
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
