#include "lesson/app/Form1.h"
#include "lesson/plane/PlaneGeometry.h"
#include "lesson/surface/Numeric.h"

namespace lesson {

// "小" "中" "大" "特大": 100, 50, 25 or 14 pixels per unit. The chosen button
// is marked in large bold type, and the whole picture is rebuilt at the new
// scale with whatever was shown.
void Form1::Command3_Click(std::int16_t index) {
  for (Button& b : Command3)
    b.SetFont(12, false);
  if (index >= 0 && index < static_cast<std::int16_t>(Command3.size())) {
    Command3[static_cast<std::size_t>(index)].SetFont(20, true);
  }
  if (index >= 0 && index < static_cast<std::int16_t>(kUnitsPerSize.size())) {
    state_.UnitPx = kUnitsPerSize[static_cast<std::size_t>(index)];
  }
  const Replaying replay(*this);
  DrawPlane();
  if (state_.GraphDrawn == 1)
    Command5_Click();
  if (state_.LineAState == 1) {
    ReplayLineA();
    SetQuick(false);
  }
  if (state_.TriangleState == 1) {
    // The enlarge handler adds the 1 back, so k stays (a k of 6 becomes 5).
    state_.TriangleScale = SaturatingAdd16(state_.TriangleScale, -1);
    Command8_Click(0);
  }
  Command2.SetFocus();
}

}  // namespace lesson
