#pragma once

#include <cstddef>
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

// Whether a text for a or for b reads whole as the lesson reads it, or why
// not. Whole: every character of it (blanks aside) belongs to the number, or
// to p and q of a fraction p/q for a, and the value lies within the lesson's
// limits, q a whole number, not 0, in 16 bits. A text that does not read
// whole may still be read, as far as it goes (2x reads as 2): a link holds
// none, so that what it shows is what the lesson draws.
enum class TextCheck {
  kWhole,
  kEmpty,                  // nothing at all: the box stays empty
  kNoNumber,               // no digits where the number starts
  kTrailing,               // characters after the number
  kBeyondRange,            // beyond a double, or for b beyond single precision
  kNoNumerator,            // p of p/q: no digits
  kNumeratorTrailing,      // p of p/q: characters after it
  kNoDenominator,          // q of p/q: no digits
  kDenominatorTrailing,    // q of p/q: characters after it (a second "/")
  kDenominatorNotAllowed,  // q not a whole number, 0, or beyond 16 bits
  kFractionForB,           // b is one number, never a fraction
};
inline constexpr std::size_t kTextChecks = 11;
static_assert(static_cast<std::size_t>(TextCheck::kFractionForB) + 1 == kTextChecks);
TextCheck CheckSlopeText(std::string_view text);
TextCheck CheckInterceptText(std::string_view text);

}  // namespace lesson
