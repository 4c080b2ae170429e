#include "lesson/surface/Surface.h"

namespace lesson {

void Surface::Cls() {
  ++drawn_;
  DoCls();
  attributes_.currentX = 0;
  attributes_.currentY = 0;
}

void Surface::Line(float x1, float y1, float x2, float y2) {
  Draw(x1, y1, x2, y2, attributes_.foreColor);
}

void Surface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  Draw(x1, y1, x2, y2, colour);
}

// The end point is summed in double and saturates at the float range, so
// that a step from a point near that range's end stays finite.
void Surface::LineStep(float x1, float y1, float dx, float dy) {
  Draw(x1, y1, NarrowToFloat(double{x1} + dx), NarrowToFloat(double{y1} + dy),
       attributes_.foreColor);
}

void Surface::LineStep(float x1, float y1, float dx, float dy, Colour colour) {
  Draw(x1, y1, NarrowToFloat(double{x1} + dx), NarrowToFloat(double{y1} + dy), colour);
}

void Surface::Print(std::string_view text) {
  ++drawn_;
  const float lineHeight = DoPrint(text);
  attributes_.currentX = 0;
  attributes_.currentY += lineHeight;
}

void Surface::Draw(float x1, float y1, float x2, float y2, Colour colour) {
  ++drawn_;
  DoStroke(Stroke{x1, y1, x2, y2, colour, attributes_.drawWidth});
}

}  // namespace lesson
