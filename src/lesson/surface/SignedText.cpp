#include "lesson/surface/SignedText.h"

#include <cmath>
#include <cstdio>

#include "lesson/surface/DecimalText.h"

namespace lesson {

namespace {

// The magnitude in plain decimal notation: 12.5, 0.0001, 100000. A whole
// number is written with its exact digits, which are as many as the shortest
// digits followed by zeros and nearer (none nearer than exact).
std::string Fixed(double magnitude, const DecimalDigits& d) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= count - 1) {
    char whole[400];
    std::snprintf(whole, sizeof whole, "%.0f", magnitude);
    return whole;
  }
  if (d.exponent >= 0) {
    const std::size_t point = static_cast<std::size_t>(d.exponent) + 1;
    return d.digits.substr(0, point) + "." + d.digits.substr(point);
  }
  return "0." + std::string(static_cast<std::size_t>(-d.exponent) - 1, '0') + d.digits;
}

// The digits with an exponent of at least two digits: 1e+21, 1.5e-07.
std::string WithExponent(const DecimalDigits& d) {
  std::string out = d.digits.substr(0, 1);
  if (d.digits.size() > 1)
    out += "." + d.digits.substr(1);
  const int e = d.exponent < 0 ? -d.exponent : d.exponent;
  return out + (d.exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
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
  const char* sign = v < 0 ? "-" : " ";
  // Most numbers on the plane are small whole numbers: their exact digits.
  if (magnitude < 1e15 && std::floor(magnitude) == magnitude)
    return sign + std::to_string(static_cast<long long>(magnitude));
  // Plain digits for the numbers a pupil meets; powers of ten beyond that
  // would need dozens of zeros, so they are written with an exponent.
  const bool plain = magnitude >= 1e-7 && magnitude < 1e21;
  const DecimalDigits digits = Digits(magnitude);
  return sign + (plain ? Fixed(magnitude, digits) : WithExponent(digits));
}

std::string SignedTextTenDigits(double v) {
  if (!std::isfinite(v) || v == 0)
    return SignedText(v);
  const DecimalDigits ten = Digits(v, 10);
  const auto rounded = ReadCNumber(WithExponent(ten));
  // Rounding the largest doubles up can leave the double range: keep v then.
  return SignedText(rounded ? std::copysign(*rounded, v) : v);
}

}  // namespace lesson
