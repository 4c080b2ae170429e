#include "lesson/graph/Coefficients.h"

#include <cmath>

#include "lesson/graph/ReadNumber.h"
#include "lesson/surface/Numeric.h"

namespace lesson {

namespace {

using Outcome = CoefficientReading::Outcome;

CoefficientReading Invalid(Outcome outcome) {
  CoefficientReading reading;
  reading.outcome = outcome;
  return reading;
}

// Rounds half to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0) into 16 bits.
std::optional<std::int16_t> RoundToInt16(double v) {
  if (!std::isfinite(v))
    return std::nullopt;
  const double whole = std::nearbyint(v);  // the default rounding mode rounds half to even
  return WholeToInt16(whole == 0 ? 0.0 : whole);
}

}  // namespace

CoefficientReading ReadCoefficients(std::string_view slopeText, std::string_view interceptText) {
  if (slopeText.empty() && interceptText.empty())
    return {};

  Coefficients c;
  const std::size_t bar = slopeText.find('/');
  if (bar != std::string_view::npos) {
    const auto numerator = ReadNumber(slopeText.substr(0, bar));
    const auto denominatorValue = ReadNumber(slopeText.substr(bar + 1));
    if (!numerator || !denominatorValue)
      return Invalid(Outcome::kSlopeInvalid);
    const auto denominator = RoundToInt16(*denominatorValue);
    if (!denominator || *denominator == 0)
      return Invalid(Outcome::kSlopeInvalid);
    c.slopeNum = *numerator;
    c.slopeDen = *denominator;
    c.slopeA = c.slopeNum / c.slopeDen;
  } else {
    const auto a = ReadNumber(slopeText);
    if (!a)
      return Invalid(Outcome::kSlopeInvalid);
    c.slopeA = *a;
  }

  const auto bValue = ReadNumber(interceptText);
  const auto b = bValue ? FloatInRange(*bValue) : std::nullopt;
  if (!b)
    return Invalid(Outcome::kInterceptInvalid);
  c.interceptB = *b;

  CoefficientReading reading;
  reading.outcome = Outcome::kRead;
  reading.coefficients = c;
  return reading;
}

}  // namespace lesson
