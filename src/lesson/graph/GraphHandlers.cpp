// Entry of a and b and the graph of y = ax + b.

#include "lesson/access/Speech.h"
#include "lesson/app/Form1.h"
#include "lesson/graph/Coefficients.h"
#include "lesson/graph/GraphGeometry.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// Enter in the box for a moves on to the box for b.
void Form1::Text1_KeyPress(int keyAscii) {
  if (keyAscii == 13)
    Text2.SetFocus();
}

// Enter in the box for b moves on to "グラフをかく" without clicking it. While
// that button is disabled (a graph is shown) the caret stays where it is.
void Form1::Text2_KeyPress(int keyAscii) {
  if (keyAscii == 13 && Command5.Enabled())
    Command5.SetFocus();
}

// "グラフをかく", also called by every handler that rebuilds the picture: reads
// a and b afresh from the two boxes and draws the line from x = -40 to x = 40.
//
// A text that breaks a limit of the lesson (a zero or too large denominator,
// a number beyond the range of a double, b beyond single precision) changes
// nothing: the coefficients keep their last values. On a redraw of a shown
// graph the line is then drawn from those values, so that the picture always
// agrees with the lesson state; either way the caret goes to the offending
// box with its text selected.
void Form1::Command5_Click() {
  const std::string& slopeText = Text1.Text();
  const std::string& interceptText = Text2.Text();
  if (slopeText.empty() && interceptText.empty()) {
    Text1.SetFocus();
    return;
  }
  Picture().SetDrawWidth(3);
  const CoefficientReading reading = ReadCoefficients(slopeText, interceptText);
  TextBox* offending = nullptr;
  if (reading.outcome == CoefficientReading::Outcome::kRead) {
    state_.SlopeNum = reading.coefficients.slopeNum;
    state_.SlopeDen = reading.coefficients.slopeDen;
    state_.SlopeA = reading.coefficients.slopeA;
    state_.InterceptB = reading.coefficients.interceptB;
    graphSlopeText_ = slopeText;
    graphInterceptText_ = interceptText;
    Say({SayGraph(slopeText, interceptText)});
  } else {
    offending = reading.outcome == CoefficientReading::Outcome::kInterceptInvalid ? &Text2 : &Text1;
    Say({offending == &Text1 ? SayRefused(true, CheckSlopeText(slopeText))
                             : SayRefused(false, CheckInterceptText(interceptText))});
    if (state_.GraphDrawn != 1) {
      offending->SetFocus();
      offending->SelectAll();
      return;
    }
  }

  if (const auto line = GraphEndPoints(state_.Mapping(), state_.SlopeA, state_.InterceptB)) {
    Picture().Line(line->x1, line->y1, line->x2, line->y2);
  }
  if (state_.LineAState == 0) {
    Command10.SetEnabled(true);
    Command10.SetFocus();
  }
  if (state_.TriangleState == 0)
    Command12.SetEnabled(true);
  state_.GraphDrawn = 1;
  Command5.SetEnabled(false);
  if (offending != nullptr) {
    offending->SetFocus();
    offending->SelectAll();
  }
}

}  // namespace lesson
