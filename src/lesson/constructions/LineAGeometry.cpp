#include "lesson/constructions/LineAGeometry.h"

#include <cmath>

#include "lesson/plane/PlaneTexts.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

namespace {

double Column(const LineAInputs& in, int i) {
  return in.plane.X(i);
}

// The graph's pixel row at x = i; U*b is a single-precision product.
double Row(const LineAInputs& in, int i) {
  const float ub = static_cast<float>(in.plane.unitPx) * in.b;
  return in.plane.originY + (-in.a) * (static_cast<double>(in.plane.unitPx) * i) - ub;
}

}  // namespace

bool LineAInRange(const LineAInputs& in, int i) {
  // U*q in 32 bits: no denominator can make it wrap.
  const double left = -static_cast<double>(static_cast<int>(in.plane.unitPx) * in.q);
  const double margin = std::fabs(static_cast<double>(in.plane.unitPx) * in.q * in.a);
  const double x0 = Column(in, i);
  const double y0 = Row(in, i);
  return left < x0 && x0 < in.width && -margin < y0 && y0 < in.height + margin;
}

LineAStep LineAStepAt(const LineAInputs& in, int i) {
  LineAStep s;
  const double u = in.plane.unitPx;
  s.x0 = Column(in, i);
  s.x1 = Column(in, i + 1);
  s.y0 = Row(in, i);
  s.y1 = Row(in, i + 1);
  s.n = in.a < 0 ? 1 : 0;
  s.rise = u * (-in.a);
  s.headRise = 10 - 20 * s.n;
  s.unitLabel = {s.x0 + 0.5 * u - 10, s.y0 - 1 - 16 * s.n, kUnitLabel};

  s.form = ChooseSlopeLabel(in.a, in.p, in.q);
  const double labelX = s.x1 + 10 * s.n;
  if (s.form == SlopeLabelForm::kFraction) {
    const double top = s.y0 - (0.7 - s.n) * u * in.a;
    s.numerator = {labelX, top, SignedText(std::fabs(in.p))};
    s.bar = {s.x1 + 2 + s.n, top + 10, FractionBar(in.p)};
    s.denominator = {labelX, top + 16, SignedText(in.q)};
  } else {
    s.value = {labelX, s.y0 - u * in.a / 2 - 20, SlopeValueText(s.form, in.a)};
  }
  return s;
}

}  // namespace lesson
