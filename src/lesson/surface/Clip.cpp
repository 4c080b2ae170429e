#include "lesson/surface/Clip.h"

#include <cmath>

namespace lesson {

namespace {

using Wide = long double;

// Where the segment enters or leaves the box: the parameter t along it, and
// which boundary (if any) decided t, so that coordinate can be set to the
// boundary's value exactly instead of being computed with rounding.
struct Cut {
  Wide t;
  int boundary = -1;  // 0 left, 1 right, 2 top, 3 bottom; -1 the end point itself
};

// One Liang-Barsky boundary: narrows [enter, leave] to where p * t <= q.
bool Narrow(Wide p, Wide q, int boundary, Cut& enter, Cut& leave) {
  if (p == 0)
    return q >= 0;
  const Wide t = q / p;
  if (p < 0) {
    if (t > leave.t)
      return false;
    if (t > enter.t)
      enter = {t, boundary};
  } else {
    if (t < enter.t)
      return false;
    if (t < leave.t)
      leave = {t, boundary};
  }
  return true;
}

}  // namespace

std::optional<Segment> ClipSegment(const Segment& s, const Box& box) {
  if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
      !std::isfinite(s.y2)) {
    return std::nullopt;
  }
  // Most strokes lie inside already: they stay exactly as they are.
  const auto inside = [&box](double x, double y) {
    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
  };
  if (inside(s.x1, s.y1) && inside(s.x2, s.y2))
    return s;
  // Extended precision keeps the differences finite even for end points at the
  // ends of the double range and gives extra digits to the interpolation.
  const Wide x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
  const Wide dx = x2 - x1;
  const Wide dy = y2 - y1;
  Cut enter{0};
  Cut leave{1};
  if (!Narrow(-dx, x1 - box.left, 0, enter, leave) ||
      !Narrow(dx, box.right - x1, 1, enter, leave) || !Narrow(-dy, y1 - box.top, 2, enter, leave) ||
      !Narrow(dy, box.bottom - y1, 3, enter, leave)) {
    return std::nullopt;
  }
  const double bounds[4] = {box.left, box.right, box.top, box.bottom};
  // A point at parameter t, interpolated from the nearer end point, with the
  // deciding boundary's coordinate exact.
  auto pointAt = [&](const Cut& cut, double ex, double ey, double& px, double& py) {
    if (cut.boundary < 0) {
      px = ex;
      py = ey;
    } else {
      const bool fromStart = cut.t <= 0.5L;
      const Wide along = fromStart ? cut.t : cut.t - 1;
      px = static_cast<double>((fromStart ? x1 : x2) + along * dx);
      py = static_cast<double>((fromStart ? y1 : y2) + along * dy);
      if (cut.boundary <= 1) {
        px = bounds[cut.boundary];
      } else {
        py = bounds[cut.boundary];
      }
    }
    // Rounding must not carry a coordinate outside the box. That holds for an
    // end point kept as it is, too: with ends near the end of the double
    // range a cut's parameter can round onto the end, which then passes as
    // inside.
    px = px < box.left ? box.left : (px > box.right ? box.right : px);
    py = py < box.top ? box.top : (py > box.bottom ? box.bottom : py);
  };
  Segment out;
  pointAt(enter, s.x1, s.y1, out.x1, out.y1);
  pointAt(leave, s.x2, s.y2, out.x2, out.y2);
  return out;
}

std::optional<Segment> ClipStroke(const Segment& s, int width, double side) {
  const double margin = width / 2.0 + 2.0;
  return ClipSegment(s, Box{-margin, -margin, side + margin, side + margin});
}

}  // namespace lesson
