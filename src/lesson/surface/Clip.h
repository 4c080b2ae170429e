#pragma once

#include <optional>

namespace lesson {

struct Segment {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;

  friend constexpr bool operator==(const Segment&, const Segment&) = default;
};

struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The part of the segment that lies inside the box (edges included), computed
// in double precision, or nothing when no part does or a coordinate is not
// finite. End points may lie any distance away; the result is exact to
// double rounding, so a stroke ending millions of pixels away still draws
// the right visible piece.
std::optional<Segment> ClipSegment(const Segment& s, const Box& box);

// The part of a stroke of that width which a picture of side x side pixels
// draws: clipped a little outside the picture, so that round ends just beyond
// its edge still show their visible part.
std::optional<Segment> ClipStroke(const Segment& s, int width, double side);

}  // namespace lesson
