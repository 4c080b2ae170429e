#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lesson {

// Pixels per unit of the four plane sizes, "小" "中" "大" "特大", by the
// index of their button.
inline constexpr std::array<std::int16_t, 4> kUnitsPerSize{100, 50, 25, 14};

// Number of grid lines on each side of an axis: Int(width / unitPx), or 0
// for a scale that is not positive.
std::int16_t GridLineCount(float width, std::int16_t unitPx);

// A scale number written next to an axis: its text and the top-left corner
// of that text in plane pixels.
struct ScaleNumber {
  float x = 0;
  float y = 0;
  std::string text;
};

// The scale numbers of the plane in the order they are written: for each
// i = 1..M the positive and negative x number, then the positive and
// negative y number. Scales other than 100, 50, 25 and 14 pixels per unit
// get none.
std::vector<ScaleNumber> ScaleNumbers(std::int16_t originX, std::int16_t originY,
                                      std::int16_t unitPx);

}  // namespace lesson
