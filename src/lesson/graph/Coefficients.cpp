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

// One number's text: whole and within the double's range, or why not.
TextCheck CheckNumber(std::string_view text, TextCheck none, TextCheck part) {
  switch (ReadExtent(text)) {
    case NumberExtent::kNone:
      return none;
    case NumberExtent::kPart:
      return part;
    case NumberExtent::kWhole:
      break;
  }
  return ReadNumber(text) ? TextCheck::kWhole : TextCheck::kBeyondRange;
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

TextCheck CheckSlopeText(std::string_view text) {
  if (text.empty())
    return TextCheck::kEmpty;
  const std::size_t bar = text.find('/');
  if (bar == std::string_view::npos)
    return CheckNumber(text, TextCheck::kNoNumber, TextCheck::kTrailing);
  const TextCheck numerator =
      CheckNumber(text.substr(0, bar), TextCheck::kNoNumerator, TextCheck::kNumeratorTrailing);
  if (numerator != TextCheck::kWhole)
    return numerator;
  const std::string_view q = text.substr(bar + 1);
  const TextCheck denominator =
      CheckNumber(q, TextCheck::kNoDenominator, TextCheck::kDenominatorTrailing);
  if (denominator == TextCheck::kBeyondRange)
    return TextCheck::kDenominatorNotAllowed;
  if (denominator != TextCheck::kWhole)
    return denominator;
  // The lesson rounds q to a whole number: 1/2.5 would be read as 1/2.
  const double value = *ReadNumber(q);
  const auto whole = RoundToInt16(value);
  return whole && *whole != 0 && *whole == value ? TextCheck::kWhole
                                                 : TextCheck::kDenominatorNotAllowed;
}

TextCheck CheckInterceptText(std::string_view text) {
  if (text.empty())
    return TextCheck::kEmpty;
  if (text.find('/') != std::string_view::npos)
    return TextCheck::kFractionForB;
  const TextCheck check = CheckNumber(text, TextCheck::kNoNumber, TextCheck::kTrailing);
  if (check != TextCheck::kWhole)
    return check;
  return FloatInRange(*ReadNumber(text)) ? TextCheck::kWhole : TextCheck::kBeyondRange;
}

}  // namespace lesson
