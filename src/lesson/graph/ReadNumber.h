#pragma once

#include <optional>
#include <string_view>

namespace lesson {

// Reads a number from the start of a text the way the entry boxes are read:
// blanks, tabs and line feeds are ignored anywhere; then an optional sign,
// digits with at most one decimal point and an optional exponent (E or D, in
// either case, with an optional sign), or a hexadecimal (&H) or octal (&O)
// whole number. Reading stops at the first character that cannot continue the
// number; a text without digits at its start reads as 0.
//
// The result is the correctly rounded double, or nothing when the number lies
// beyond the range of a double.
std::optional<double> ReadNumber(std::string_view text);

// How much of a text ReadNumber reads, blanks aside: no number (it reads 0
// for want of digits), a number with characters after it that it stops at,
// or the whole text.
enum class NumberExtent { kNone, kPart, kWhole };
NumberExtent ReadExtent(std::string_view text);

// The value of a hexadecimal digit (either case), or -1 for any other
// character.
int HexValue(char c);

}  // namespace lesson
