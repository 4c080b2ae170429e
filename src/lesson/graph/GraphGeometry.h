#pragma once

#include <cstdint>
#include <optional>

#include "lesson/plane/PixelMapping.h"

namespace lesson {

// The stroke of the graph of y = ax + b, in plane pixels.
struct GraphStroke {
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
};

// The graph from x = -40 to x = +40 under the pixel mapping: 40u in 16 bits,
// u*b in single precision, products with a and sums in double precision,
// each coordinate rounded to single precision.
//
// When a coordinate would leave the single-precision range (slopes of about
// 1e35 and steeper), the stroke is instead cut in double precision to the
// part that runs within a million pixels of the plane, which shows the same
// visible line. Nothing is returned when no part of the line comes that near.
std::optional<GraphStroke> GraphEndPoints(const PixelMapping& plane, double a, float b);

}  // namespace lesson
