#include "lesson/constructions/TriangleGeometry.h"

#include <cmath>

#include "lesson/app/LessonState.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

TriangleGeometry SlopeTriangle(const TriangleInputs& in) {
  TriangleGeometry t;
  const double x0 = in.anchorX;
  const double y0 = in.anchorY;
  const int k = in.k;
  t.run = k * in.unitPx;
  t.rise = static_cast<double>(in.unitPx * k) * in.a;
  t.endX = x0 + t.run;
  t.topY = y0 - t.rise;
  t.headRise = in.a >= 0 ? 10 : -10;
  t.runLabel = {x0 + t.run / 2.0 - 10, y0 + 2 - 30 * (k < 0) - 28 * (in.a < 0), SignedText(k)};

  const double ka = k * in.a;
  const int minusShift = 15 * (in.p < 0);
  const double labelX = t.endX + minusShift;
  const double middle = y0 - t.rise / 2 - 20;
  t.form = ChooseSlopeLabel(ka, in.p, in.q);
  if (t.form == SlopeLabelForm::kFraction) {
    const double numerator = k * std::fabs(in.p);
    const int wide = numerator > 9 ? 6 : 0;  // a two-digit numerator moves bar and denominator
    t.numerator = {labelX, middle, SignedText(numerator)};
    t.bar = {t.endX + wide, middle + 13, FractionBar(in.p)};
    t.denominator = {t.endX + wide + minusShift, middle + 24, SignedText(in.q)};
  } else {
    t.value = {labelX, middle, SlopeValueText(t.form, ka)};
  }
  return t;
}

TriangleInputs TriangleInputsOf(const LessonState& state, std::int16_t k) {
  TriangleInputs in;
  in.anchorX = state.TriangleX;
  in.anchorY = state.TriangleY;
  in.unitPx = state.UnitPx;
  in.a = state.SlopeA;
  in.p = state.SlopeNum;
  in.q = state.SlopeDen;
  in.k = k;
  return in;
}

}  // namespace lesson
