#pragma once

#include <optional>
#include <string_view>

namespace lesson::fuzz {

// A second, independent reading of a number text, to compare ReadNumber
// with: blanks, tabs and line feeds are dropped, the longest prefix of the
// number grammar is cut out and read by the C library's strtod in the "C"
// locale (decimal), or by exact integer arithmetic (&H, &O). Nothing when
// the number lies beyond the range of a double.
std::optional<double> ReferenceNumber(std::string_view text);

// Rounds half to the even neighbour, without the floating-point environment.
double RoundHalfEven(double v);

}  // namespace lesson::fuzz
