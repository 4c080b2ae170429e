// The slope triangle: k units to the right, k*a units up, labelled, drawn
// step by step in light blue over the current picture.

#include <tuple>
#include <utility>

#include "lesson/app/Form1.h"
#include "lesson/constructions/TriangleGeometry.h"
#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

namespace {

float F(double v) {
  return NarrowToFloat(v);
}

void Write(Surface& pic, const PlacedText& t) {
  PrintAt(pic, t.x, t.y, t.text);
}

}  // namespace

// Every step reads the anchor, the scale, a, p, q and k afresh, so the rest
// of an interrupted drawing follows whatever a handler run during a wait
// changed.
void Form1::DrawSlopeTriangle(const std::int16_t& k) {
  const Colour blue = QBColor(9);
  const auto now = [this, &k] {
    const TriangleInputs in = TriangleInputsOf(state_, k);
    return std::pair{in, SlopeTriangle(in)};
  };
  Surface& pic = Picture();
  pic.SetForeColor(blue);

  auto [in, t] = now();
  pic.Line(in.anchorX, in.anchorY, F(t.endX), in.anchorY, blue);
  PacedWait(200);

  std::tie(in, t) = now();
  pic.LineStep(F(t.endX), in.anchorY, -10, -5, blue);
  pic.LineStep(F(t.endX), in.anchorY, -10, 5, blue);
  PacedWait(50);

  Write(pic, now().second.runLabel);
  PacedWait(300);

  std::tie(in, t) = now();
  pic.Line(F(t.endX), in.anchorY, F(t.endX), F(t.topY), blue);
  PacedWait(200);

  std::tie(in, t) = now();
  pic.LineStep(F(t.endX), F(t.topY), -5, F(t.headRise), blue);
  pic.LineStep(F(t.endX), F(t.topY), 5, F(t.headRise), blue);
  PacedWait(50);

  std::tie(in, t) = now();
  if (t.form == SlopeLabelForm::kFraction) {
    Write(pic, t.numerator);
    Write(pic, t.bar);
    Write(pic, t.denominator);
  } else {
    Write(pic, t.value);
  }

  pic.Line(F(t.endX), F(t.topY), in.anchorX, in.anchorY, blue);
  pic.SetForeColor(QBColor(0));
}

}  // namespace lesson
