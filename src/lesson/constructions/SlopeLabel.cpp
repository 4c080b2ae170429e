#include "lesson/constructions/SlopeLabel.h"

#include <cmath>

#include "lesson/plane/PlaneTexts.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

SlopeLabelForm ChooseSlopeLabel(double value, double numerator, std::int16_t denominator) {
  if (std::floor(value) == value)
    return SlopeLabelForm::kWhole;
  // A decimal typed without a fraction bar has no numerator and denominator
  // of its own; a fraction bar with numerator 0 always gives a whole slope.
  if (numerator == 0 && denominator == 1)
    return SlopeLabelForm::kDecimal;
  return SlopeLabelForm::kFraction;
}

std::string SlopeValueText(SlopeLabelForm form, double value) {
  return form == SlopeLabelForm::kDecimal ? SignedTextTenDigits(value) : SignedText(value);
}

std::string FractionBar(double numerator) {
  return numerator < 0 ? std::string("-") + kFractionBar : std::string(kFractionBar);
}

}  // namespace lesson
