// The buttons of the slope triangle: show, enlarge and shrink, integer
// multiple, erase.

#include "lesson/access/Speech.h"
#include "lesson/app/Form1.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// The triangle starts at the graph's point on the y axis, (0, b). A b so large
// that this row leaves the float range puts the anchor at the largest float of
// that side instead of at infinity: like every coordinate of the lesson it
// stays finite.
void Form1::SetAnchorByRule() {
  state_.TriangleX = state_.OriginX;
  const float row = state_.OriginY + (state_.InterceptB * -1.0f * state_.UnitPx);
  state_.TriangleY = NarrowToFloat(row);
}

void Form1::ReplayLineA() {
  const Replaying replay(*this);
  SetQuick(true);
  Command10_Click();
}

// "補助線C": the triangle with k = 1, over the current picture.
void Form1::Command12_Click() {
  if (state_.TriangleState == 0)
    SetAnchorByRule();
  state_.TriangleScale = 1;
  DrawSlopeTriangle(state_.TriangleScale);
  state_.TriangleState = 1;
  Command12.SetEnabled(false);
  for (Button* b : {&Command9, &Command8[0], &Command8[1], &Command7})
    b->SetEnabled(true);
  Say({SayTriangle(state_)});
}

// "拡大" (index 0) and "縮小" (index 1) step k within 1 to 5 and redraw the
// whole picture. A k beyond that range (from "整数倍") steps on by one; at the
// ends of the 16-bit range it stays put instead of wrapping.
void Form1::Command8_Click(std::int16_t index) {
  std::int16_t& k = state_.TriangleScale;
  if (index == 0)
    k = SaturatingAdd16(k, 1);
  if (k == 6)
    k = 5;
  if (index == 1)
    k = SaturatingAdd16(k, -1);
  if (k == 0)
    k = 1;
  {
    const Replaying replay(*this);
    DrawPlane();
    Command5_Click();
    if (state_.LineAState == 1) {
      ReplayLineA();
      SetQuick(false);
    }
  }
  DrawSlopeTriangle(state_.TriangleScale);
  Command12.SetEnabled(false);
  Say({SayTriangle(state_)});
}

// "整数倍": k becomes the denominator of a, so the rise is the whole number p.
void Form1::Command7_Click() {
  {
    const Replaying replay(*this);
    DrawPlane();
    Command5_Click();
    // Quick stays ticked after this replay, so the triangle is drawn at once.
    if (state_.LineAState == 1)
      ReplayLineA();
    if (state_.TriangleState == 0)
      SetAnchorByRule();
    state_.TriangleScale = state_.SlopeDen;
    DrawSlopeTriangle(state_.TriangleScale);
    state_.TriangleState = 1;
    if (state_.LineAState == 1) {
      // Line A once more, now over the triangle.
      ReplayLineA();
      SetQuick(false);
    }
  }
  for (Button* b : {&Command8[0], &Command8[1], &Command9})
    b->SetEnabled(true);
  Say({SayTriangle(state_)});
}

// "消去" of the triangle: the picture is rebuilt without it. k and the anchor
// stay; the next "補助線C" starts afresh at (0, b) with k = 1.
void Form1::Command9_Click() {
  const Replaying replay(*this);
  for (Button* b : {&Command8[0], &Command8[1], &Command7})
    b->SetEnabled(false);
  Picture().Cls();
  DrawPlane();
  state_.TriangleState = 0;
  if (state_.LineAState == 1) {
    ReplayLineA();  // Quick is left ticked here
    Command10.SetEnabled(false);
  }
  Command5_Click();
  Command12.SetEnabled(true);
  Command12.SetFocus();
  Command9.SetEnabled(false);
}

}  // namespace lesson
