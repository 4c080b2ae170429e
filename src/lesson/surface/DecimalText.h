#pragma once

#include <optional>
#include <string>

namespace lesson {

// Decimal and hexadecimal texts of doubles, read and written the same way
// whatever locale the program runs in (a toolkit may set the user's, whose
// decimal point may be a comma) and with any standard library.

// The C library's correctly rounded reading of a decimal or "0x" hexadecimal
// number, in the "C" locale: nothing when it lies above the double range; a
// number below it reads as 0, or as the nearest subnormal.
std::optional<double> ReadCNumber(const std::string& text);

// A finite, non-zero v as decimal digits: the first `significant` digits,
// correctly rounded (0: as few as read back as v exactly), and the decimal
// exponent of the first digit.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};
DecimalDigits Digits(double v, int significant = 0);

}  // namespace lesson
