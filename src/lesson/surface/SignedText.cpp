#include "lesson/surface/SignedText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace lesson {

namespace {

std::string Chars(double v, std::chars_format format) {
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, format);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string SignedText(double v) {
  if (std::isnan(v))
    return " NaN";
  if (std::isinf(v))
    return v > 0 ? " Infinity" : "-Infinity";
  if (v == 0)
    return " 0";  // also -0, which is not negative
  const double magnitude = std::fabs(v);
  // Plain digits for the numbers a pupil meets; powers of ten beyond that
  // would need dozens of zeros, so they are written with an exponent.
  const bool plain = magnitude >= 1e-7 && magnitude < 1e21;
  const std::string digits =
      Chars(magnitude, plain ? std::chars_format::fixed : std::chars_format::scientific);
  return (v < 0 ? "-" : " ") + digits;
}

std::string SignedTextTenDigits(double v) {
  if (!std::isfinite(v) || v == 0)
    return SignedText(v);
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, v,
                                    std::chars_format::scientific, 9);
  *result.ptr = '\0';
  double rounded = 0;
  const auto read = std::from_chars(buffer.data(), result.ptr, rounded);
  // Rounding the largest doubles up can leave the double range: keep v then.
  return SignedText(read.ec == std::errc{} ? rounded : v);
}

}  // namespace lesson
