// Auxiliary line A: a staircase along the graph, one unit to the right and a
// units up at every whole x, drawn step by step in light red.

#include "lesson/access/Speech.h"
#include "lesson/app/Form1.h"
#include "lesson/constructions/LineAGeometry.h"
#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

namespace {

LineAInputs ReadLineAInputs(const LessonState& s, const Surface& pic) {
  LineAInputs in;
  in.plane = s.Mapping();
  in.a = s.SlopeA;
  in.b = s.InterceptB;
  in.p = s.SlopeNum;
  in.q = s.SlopeDen;
  in.width = pic.Width();
  in.height = pic.Height();
  return in;
}

float F(double v) {
  return NarrowToFloat(v);
}

void Write(Surface& pic, const PlacedText& t) {
  PrintAt(pic, t.x, t.y, t.text);
}

}  // namespace

// "補助線A". Every stroke re-reads the lesson, so a handler that runs during a
// wait (a new plane size, say) is followed by the rest of the staircase.
void Form1::Command10_Click() {
  Command10.SetEnabled(false);
  Command12.SetEnabled(false);
  state_.LineAState = 1;
  Picture().SetForeColor(QBColor(12));
  Picture().SetFontSize(12);
  const auto step = [this](int i) { return LineAStepAt(ReadLineAInputs(state_, Picture()), i); };
  for (int i = kLineAFirstStep; i <= kLineALastStep; ++i) {
    if (!LineAInRange(ReadLineAInputs(state_, Picture()), i))
      continue;
    if (!Quick())
      Say({SayLineAStep(state_)});
    LineAStep s = step(i);
    Picture().Line(F(s.x0), F(s.y0), F(s.x0 + state_.UnitPx), F(s.y0));
    PacedWait(200);
    s = step(i);
    Picture().LineStep(F(s.x1), F(s.y0), -10, -5);
    Picture().LineStep(F(s.x1), F(s.y0), -10, 5);
    PacedWait(50);
    Write(Picture(), step(i).unitLabel);
    PacedWait(300);
    s = step(i);
    Picture().LineStep(F(s.x1), F(s.y0), 0, F(s.rise));
    PacedWait(200);
    s = step(i);
    Picture().LineStep(F(s.x1), F(s.y1), -5, F(s.headRise));
    Picture().LineStep(F(s.x1), F(s.y1), 5, F(s.headRise));
    PacedWait(50);
    s = step(i);
    if (s.form == SlopeLabelForm::kFraction) {
      Write(Picture(), s.numerator);
      Write(Picture(), s.bar);
      Write(Picture(), s.denominator);
    } else {
      Write(Picture(), s.value);
    }
    PacedWait(300);
  }
  Picture().SetForeColor(QBColor(0));
  Picture().SetFontSize(20);
  // Drawn at once, the staircase is said once.
  if (Quick())
    Say({SayLineAStep(state_)});
  Command11.SetEnabled(true);
  if (state_.TriangleState == 0) {
    Command12.SetEnabled(true);
    Command12.SetFocus();
  }
}

// "消去" of line A: the picture is rebuilt without it.
void Form1::Command11_Click() {
  const Replaying replay(*this);
  Picture().Cls();
  DrawPlane();
  state_.LineAState = 0;
  Command5_Click();
  if (state_.TriangleState == 1)
    DrawSlopeTriangle(state_.TriangleScale);
  Command10.SetEnabled(true);
  Command12.SetEnabled(false);
}

}  // namespace lesson
