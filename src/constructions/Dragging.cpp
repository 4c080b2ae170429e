// Dragging the slope triangle over the plane with the pointer.

#include <QPushButton>

#include "app/Form1.h"

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
  DrawPlane();
  Command5_Click();
  if (state_.LineAState == 1)
    Command10_Click();
  DrawSlopeTriangle(state_.TriangleScale);
  Command2->setFocus();
}

void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float, float) {
  if (state_.TriangleState == 2)
    state_.TriangleState = 1;
  SetQuick(false);
}

}  // namespace lesson
