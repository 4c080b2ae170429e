#include <QPushButton>

#include "app/ControlTable.h"
#include "app/Fonts.h"
#include "app/Form1.h"
#include "scaling/ScaledLayout.h"
#include "surface/Numeric.h"

namespace lesson {

// "小" "中" "大" "特大": 100, 50, 25 or 14 pixels per unit. The chosen button
// is marked in large bold type, and the whole picture is rebuilt at the new
// scale with whatever was shown.
void Form1::Command3_Click(std::int16_t index) {
  for (QPushButton* b : Command3)
    layout_->SetFont(b, ControlFont(12, false));
  if (index >= 0 && index < static_cast<std::int16_t>(Command3.size())) {
    layout_->SetFont(Command3[static_cast<std::size_t>(index)], ControlFont(20, true));
  }
  static constexpr std::array<std::int16_t, 4> kUnits{100, 50, 25, 14};
  if (index >= 0 && index < static_cast<std::int16_t>(kUnits.size())) {
    state_.UnitPx = kUnits[static_cast<std::size_t>(index)];
  }
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
  Command2->setFocus();
}

}  // namespace lesson
