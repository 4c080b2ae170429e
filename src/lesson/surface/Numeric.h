#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Checked narrowing between the number types of the lesson: doubles become the
// 32-bit floats the drawing area takes, and the 16-bit integers of the lesson
// state, only through these helpers.
namespace lesson {

// Rounds a double to the nearest float. Finite values beyond the float range
// saturate at the largest float of that sign, so a finite coordinate never
// turns into an infinity; NaN stays NaN.
inline float NarrowToFloat(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (v > kMax)
    return std::numeric_limits<float>::max();
  if (v < -kMax)
    return -std::numeric_limits<float>::max();
  return static_cast<float>(v);
}

// The float nearest to v when v lies within the float range, else nothing.
inline std::optional<float> FloatInRange(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (!(std::fabs(v) <= kMax))
    return std::nullopt;
  return static_cast<float>(v);
}

// v when it is a whole number within the 16-bit range, else nothing.
inline std::optional<std::int16_t> WholeToInt16(double v) {
  if (!(v >= -32768.0 && v <= 32767.0) || std::floor(v) != v)
    return std::nullopt;
  return static_cast<std::int16_t>(v);
}

// Adds two 16-bit values, holding the result at the ends of the 16-bit range
// instead of wrapping.
inline std::int16_t SaturatingAdd16(std::int16_t a, int delta) {
  const long sum = static_cast<long>(a) + delta;
  if (sum > 32767)
    return 32767;
  if (sum < -32768)
    return -32768;
  return static_cast<std::int16_t>(sum);
}

// The pixel size of a font given in points, at 96 dots per inch: rounded,
// and held between 1 and 1000 pixels.
inline int PointsToPixels(double points) {
  const double pixels = std::round(points * 96.0 / 72.0);
  if (!(pixels >= 1))
    return 1;
  return pixels > 1000 ? 1000 : static_cast<int>(pixels);
}

}  // namespace lesson
