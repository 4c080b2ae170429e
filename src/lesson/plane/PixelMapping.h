#pragma once

#include <cstdint>

namespace lesson {

// Where a point in lesson units lies on the plane: one unit is unitPx pixels,
// x grows to the right and y upwards on the screen, and (0, 0) lies at the
// origin pixel. Rows that need a rounding of their own (the graph, line A,
// the triangle's anchor keep b in single precision) are worked out from the
// same three values beside their use.
struct PixelMapping {
  std::int16_t originX = 320;
  std::int16_t originY = 320;
  std::int16_t unitPx = 50;

  double X(double x) const { return originX + x * unitPx; }
  double Y(double y) const { return originY - y * unitPx; }
};

}  // namespace lesson
