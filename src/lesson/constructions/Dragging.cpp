// Dragging the slope triangle over the plane with the pointer.

#include "lesson/access/Speech.h"
#include "lesson/app/Form1.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// A press anywhere on the plane picks the triangle up. Quick is ticked on
// every press, so the redraws of a drag (and the rest of an animation the
// press interrupts) run without waits.
void Form1::Picture1_MouseDown(std::int16_t, std::int16_t, float x, float y) {
  if (state_.TriangleState == 1)
    state_.TriangleState = 2;
  SetQuick(true);
  state_.DragLastX = x;
  state_.DragLastY = y;
}

// While dragging, the anchor moves by the pointer's displacement since the
// last press or move, and the whole picture is rebuilt at once.
void Form1::Picture1_MouseMove(std::int16_t, std::int16_t, float x, float y) {
  if (state_.TriangleState != 2)
    return;
  state_.TriangleX = state_.TriangleX - (state_.DragLastX - x);
  state_.TriangleY = state_.TriangleY - (state_.DragLastY - y);
  state_.DragLastX = x;
  state_.DragLastY = y;
  const Replaying replay(*this);
  DrawPlane();
  Command5_Click();
  if (state_.LineAState == 1)
    Command10_Click();
  DrawSlopeTriangle(state_.TriangleScale);
  Command2.SetFocus();
}

void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float, float) {
  const bool dropped = state_.TriangleState == 2;
  if (dropped)
    state_.TriangleState = 1;
  SetQuick(false);
  if (dropped)
    Say({SayTriangle(state_)});
}

// An arrow key on the focused plane moves the shown triangle one unit of the
// current scale (with Shift one pixel) through a press, a move by that
// displacement and a release, so that it ends exactly as after a drag. The
// press lies at the plane's centre, where the displacement stays exact.
// The focus stays on the plane, ready for the next key.
void Form1::Picture1_KeyDown(Arrow key, std::int16_t shift) {
  if (state_.TriangleState != 1)
    return;
  const float step = (shift & 1) != 0 ? 1.0f : static_cast<float>(state_.UnitPx);
  float dx = 0;
  float dy = 0;
  switch (key) {
    case Arrow::kLeft:
      dx = -step;
      break;
    case Arrow::kRight:
      dx = step;
      break;
    case Arrow::kUp:
      dy = -step;
      break;
    case Arrow::kDown:
      dy = step;
      break;
  }
  const float x = Picture().Width() / 2;
  const float y = Picture().Height() / 2;
  Picture1_MouseDown(1, shift, x, y);
  Picture1_MouseMove(1, shift, x + dx, y + dy);
  Picture1_MouseUp(1, shift, x + dx, y + dy);
  if (!ending_)
    Picture1.SetFocus();
}

}  // namespace lesson
