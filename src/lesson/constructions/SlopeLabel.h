#pragma once

#include <cstdint>
#include <string>

namespace lesson {

// How a slope (a, or the rise k*a of the triangle) is written beside its
// arrow.
enum class SlopeLabelForm {
  kWhole,     // the value is a whole number: its signed text
  kFraction,  // typed as a fraction p/q: numerator over a bar over the denominator
  kDecimal,   // typed as a decimal that is not whole: its signed decimal text
};

// value: the slope being labelled; numerator, denominator: p and q as typed
// (0 and 1 when a was typed without a fraction bar). The whole-number test has
// no tolerance: the value is whole when it equals its floor.
SlopeLabelForm ChooseSlopeLabel(double value, double numerator, std::int16_t denominator);

// The text of a whole or decimal label.
std::string SlopeValueText(SlopeLabelForm form, double value);

// The fraction bar: a fullwidth hyphen-minus, with an ASCII minus in front of
// it when the numerator is negative.
std::string FractionBar(double numerator);

}  // namespace lesson
