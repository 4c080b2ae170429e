#pragma once

#include <string>

namespace lesson {

// The text in which numbers are written on the plane: one leading blank when
// the number is not negative, "-" when it is, then its shortest decimal form
// that reads back as the same double ("2" -> " 2", -0.5 -> "-0.5").
std::string SignedText(double v);

// The same for a number rounded to 10 significant digits first, so that
// products such as 3 x -0.1 are written "-0.3" and not with 17 digits.
std::string SignedTextTenDigits(double v);

}  // namespace lesson
