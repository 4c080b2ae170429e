#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "lesson/app/LessonState.h"
#include "lesson/constructions/TriangleGeometry.h"
#include "lesson/surface/SignedText.h"

// What the plane's written description and its spoken sentences both tell,
// in the digits the plane writes; each composes them in its own words.
namespace lesson::plane_parts {

// The text without the blanks around it.
inline std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// A number as a pupil reads it: no leading blank, at most two decimals.
inline std::string Short(double v) {
  const double rounded = std::round(v * 100) / 100;
  std::string text = SignedTextTenDigits(rounded == 0 ? 0.0 : rounded);
  return text.front() == ' ' ? text.substr(1) : text;
}

// How far x and y reach on either side of the origin of the 640-pixel
// plane, and whether that bound is rounded.
struct Reach {
  std::string bound;
  bool rounded = false;
};
inline std::optional<Reach> PlaneReach(const LessonState& s) {
  if (s.UnitPx <= 0)
    return std::nullopt;
  const double reach = 320.0 / s.UnitPx;
  return Reach{Short(reach), std::round(reach * 100) / 100 != reach};
}

// The triangle's rise as it is written beside it: a whole or decimal value,
// or a numerator k|p| over the denominator q as typed, with a minus in front
// of the bar when p is negative.
struct WrittenRise {
  bool fraction = false;
  bool barMinus = false;
  std::string value;  // whole or decimal, signed
  std::string numerator;
  std::string denominator;  // signed, as typed
};
inline WrittenRise RiseAsWritten(const LessonState& s) {
  const TriangleGeometry t = SlopeTriangle(TriangleInputsOf(s, s.TriangleScale));
  if (t.form != SlopeLabelForm::kFraction)
    return {false, false, Trimmed(t.value.text), {}, {}};
  return {
      true, t.bar.text.front() == '-', {}, Trimmed(t.numerator.text), Trimmed(t.denominator.text)};
}

// The triangle's anchor in lesson units, x and y as a pupil reads them.
struct Point {
  std::string x;
  std::string y;
};
inline std::optional<Point> TriangleStart(const LessonState& s) {
  if (s.UnitPx <= 0)
    return std::nullopt;
  return Point{Short((static_cast<double>(s.TriangleX) - s.OriginX) / s.UnitPx),
               Short((static_cast<double>(s.OriginY) - s.TriangleY) / s.UnitPx)};
}

}  // namespace lesson::plane_parts
