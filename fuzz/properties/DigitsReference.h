#pragma once

#include "lesson/surface/DecimalText.h"

namespace lesson::fuzz {

// A second, independent writing of a double's decimal digits, to compare
// Digits with: the C library's correctly rounded "%.*e" for a given number
// of digits; for the shortest digits, the fewest for which printf's nearest
// digits or one of their neighbours reads back (strtod in the "C" locale)
// as the same double. Slow (up to 51 writings and readings), but built from
// nothing Digits uses.
DecimalDigits ReferenceDigits(double v, int significant = 0);

}  // namespace lesson::fuzz
