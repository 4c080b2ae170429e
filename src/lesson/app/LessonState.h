#pragma once

#include <cstdint>

#include "lesson/plane/PixelMapping.h"

namespace lesson {

// Everything the lesson remembers between events. One record, owned by the
// window; every handler reads and writes it directly.
struct LessonState {
  std::int16_t OriginX = 0;  // pixel position of (0, 0) on the plane
  std::int16_t OriginY = 0;
  std::int16_t UnitPx = 0;  // pixels per unit: 100, 50, 25 or 14
  float DragLastX = 0;      // pointer position at the last press or move of a drag
  float DragLastY = 0;
  double SlopeA = 0;          // a
  float InterceptB = 0;       // b
  double SlopeNum = 0;        // p when a was typed as p/q, else 0
  std::int16_t SlopeDen = 0;  // q when a was typed as p/q, else 1
  float TriangleX = 0;        // anchor of the slope triangle, in plane pixels
  float TriangleY = 0;
  std::int16_t TriangleScale = 0;  // the triangle's multiple k
  std::int16_t LineAState = 0;     // 1 while auxiliary line A is shown
  std::int16_t TriangleState = 0;  // 0 none, 1 shown, 2 being dragged
  std::int16_t GraphDrawn = 0;     // 1 once the graph has been drawn

  PixelMapping Mapping() const { return {OriginX, OriginY, UnitPx}; }
};

}  // namespace lesson
