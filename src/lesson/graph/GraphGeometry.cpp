#include "lesson/graph/GraphGeometry.h"

#include <algorithm>
#include <cmath>

#include "lesson/surface/Numeric.h"

namespace lesson {

namespace {

constexpr double kReach = 1e6;  // pixels beyond the plane's edges that a cut stroke keeps
constexpr double kPlane = 640;

std::optional<GraphStroke> CutStroke(double originX, double originY, double unitPx, double a,
                                     double b) {
  const double halfRun = 40.0 * std::fabs(unitPx);
  const double py = originY - unitPx * b;  // pixel row of the graph at x = 0
  double lo = -halfRun;                    // offsets from originX still kept
  double hi = halfRun;
  if (a == 0) {
    if (!(py >= -kReach && py <= kPlane + kReach))
      return std::nullopt;
  } else {
    // Pixel row at offset t is py - a * t; keep the rows within reach.
    const double t1 = (py - (-kReach)) / a;
    const double t2 = (py - (kPlane + kReach)) / a;
    lo = std::max(lo, std::min(t1, t2));
    hi = std::min(hi, std::max(t1, t2));
    if (!(lo <= hi))
      return std::nullopt;
  }
  const auto row = [&](double t) { return NarrowToFloat(py - a * t); };
  return GraphStroke{NarrowToFloat(originX + lo), row(lo), NarrowToFloat(originX + hi), row(hi)};
}

}  // namespace

std::optional<GraphStroke> GraphEndPoints(const PixelMapping& plane, double a, float b) {
  const int fortyU = 40 * plane.unitPx;  // at most 4000 in size for the plane sizes offered
  const float ub = static_cast<float>(plane.unitPx) * b;
  const double x1 = plane.X(-40);
  const double y1 = plane.originY + (fortyU * a - ub);
  const double x2 = plane.X(40);
  const double y2 = plane.originY + (-fortyU * a - ub);
  const auto fx1 = FloatInRange(x1);
  const auto fy1 = FloatInRange(y1);
  const auto fx2 = FloatInRange(x2);
  const auto fy2 = FloatInRange(y2);
  if (fx1 && fy1 && fx2 && fy2)
    return GraphStroke{*fx1, *fy1, *fx2, *fy2};
  return CutStroke(plane.originX, plane.originY, plane.unitPx, a, b);
}

}  // namespace lesson
