// Entry of a and b and the graph of y = ax + b.

#include <QLineEdit>
#include <QPushButton>

#include "app/Form1.h"
#include "graph/Coefficients.h"
#include "graph/GraphGeometry.h"
#include "surface/Surface.h"

namespace lesson {

// Enter in the box for a moves on to the box for b.
void Form1::Text1_KeyPress(int keyAscii) {
  if (keyAscii == 13)
    Text2->setFocus();
}

// Enter in the box for b moves on to "グラフをかく" without clicking it. While
// that button is disabled (a graph is shown) the caret stays where it is.
void Form1::Text2_KeyPress(int keyAscii) {
  if (keyAscii == 13 && Command5->isEnabled())
    Command5->setFocus();
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
  const QString slopeText = Text1->text();
  const QString interceptText = Text2->text();
  if (slopeText.isEmpty() && interceptText.isEmpty()) {
    Text1->setFocus();
    return;
  }
  Picture().SetDrawWidth(3);
  const CoefficientReading reading =
      ReadCoefficients(slopeText.toStdString(), interceptText.toStdString());
  QLineEdit* offending = nullptr;
  if (reading.outcome == CoefficientReading::Outcome::kRead) {
    state_.SlopeNum = reading.coefficients.slopeNum;
    state_.SlopeDen = reading.coefficients.slopeDen;
    state_.SlopeA = reading.coefficients.slopeA;
    state_.InterceptB = reading.coefficients.interceptB;
    graphSlopeText_ = slopeText;
    graphInterceptText_ = interceptText;
  } else {
    offending = reading.outcome == CoefficientReading::Outcome::kInterceptInvalid ? Text2 : Text1;
    if (state_.GraphDrawn != 1) {
      offending->setFocus();
      offending->selectAll();
      return;
    }
  }

  if (const auto line = GraphEndPoints(state_.Mapping(), state_.SlopeA, state_.InterceptB)) {
    Picture().Line(line->x1, line->y1, line->x2, line->y2);
  }
  if (state_.LineAState == 0) {
    Command10->setEnabled(true);
    Command10->setFocus();
  }
  if (state_.TriangleState == 0)
    Command12->setEnabled(true);
  state_.GraphDrawn = 1;
  Command5->setEnabled(false);
  if (offending != nullptr) {
    offending->setFocus();
    offending->selectAll();
  }
}

}  // namespace lesson
