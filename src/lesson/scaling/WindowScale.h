#pragma once

#include "lesson/app/ControlTable.h"

namespace lesson {

// A rectangle in whole pixels: left, top, width, height.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// How a layout of the window (1024 x 687 with the controls beside the plane,
// or another base size) is shown in a client area of another size: every
// length multiplied by one factor, the whole centred.
//
// The factor is chosen so that the plane's 640 pixels become a whole number
// of pixels: the plane's image then maps pixel for pixel onto the screen.
struct WindowScale {
  double factor = 1.0;
  int offsetX = 0;  // the margins left and above the scaled layout
  int offsetY = 0;
  bool operator==(const WindowScale&) const = default;

  // The largest scale at which the 1024 x 687 layout fits a client area of
  // that size.
  static WindowScale Fit(int width, int height);
  // The same for a layout of base size baseWidth x baseHeight.
  static WindowScale Fit(int width, int height, int baseWidth, int baseHeight);

  // A rectangle of the layout in client-area pixels. Edges are rounded, not
  // sizes, so that controls that touch in the layout still touch.
  PixelRect Map(PixelRect base) const;
  // A length of the layout (a font's pixel size, a frame), at least 1.
  int Length(int base) const;
  // The plane's side in client-area pixels.
  int PlaneSide() const;
};

}  // namespace lesson
