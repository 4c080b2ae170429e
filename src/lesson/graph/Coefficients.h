#pragma once

#include <cstdint>
#include <string_view>

namespace lesson {

// The coefficients of y = ax + b as the pupil typed them.
struct Coefficients {
  double slopeA = 0;          // a
  double slopeNum = 0;        // p when a was typed as p/q, else 0
  std::int16_t slopeDen = 1;  // q when a was typed as p/q, else 1
  float interceptB = 0;       // b, in single precision
};

struct CoefficientReading {
  enum class Outcome {
    kBothEmpty,         // nothing typed at all
    kRead,              // coefficients holds the numbers
    kSlopeInvalid,      // the text for a breaks a limit (zero or out-of-range denominator, ...)
    kInterceptInvalid,  // the text for b lies beyond the single-precision range
  };
  Outcome outcome = Outcome::kBothEmpty;
  Coefficients coefficients;
};

// Reads a from the text of the slope box and b from the text of the intercept
// box (UTF-8). An empty box counts as 0 unless both are empty. The first "/"
// in the slope text makes a fraction p/q; q is rounded half to even to a
// 16-bit whole number that must not be 0.
CoefficientReading ReadCoefficients(std::string_view slopeText, std::string_view interceptText);

}  // namespace lesson
