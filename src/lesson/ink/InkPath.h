#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "lesson/ink/Ink.h"

namespace lesson {

// One step of a mark's outline, in plane pixels: a move to a point, a
// straight line to it, or a quadratic curve to it bent toward a control
// point.
struct PathOp {
  enum class Kind : std::uint8_t { kMove, kLine, kQuad };
  Kind kind = Kind::kMove;
  InkPoint control;  // kQuad only
  InkPoint to;

  friend bool operator==(const PathOp&, const PathOp&) = default;
};

// A mark as a front-end strokes it: round caps and joins, in its colour and
// width, along its ops.
struct InkPath {
  Colour colour;
  float width = 0;
  std::vector<PathOp> ops;
};

// The path of a stroke as the plane shows it at a scale. A fast stroke has
// its points far apart: they are joined smoothly by quadratic curves from
// the midpoint of one pair of points to the next, each bent toward the point
// between them, so that the direction never jumps; a straight line leads in
// from the first point and out to the last. A stroke of one point is a dot.
InkPath PathOf(const InkStroke& stroke, const InkScale& scale);

// What a front-end changes on its two layers of ink above the plane's
// picture: the layer of finished marks, and above it the layer of the mark
// being written.
struct InkUpdate {
  bool redraw = false;            // the finished layer is cleared first
  std::vector<InkPath> finished;  // stroked onto the finished layer, in order
  // The mark being written: the active layer is cleared and this stroked
  // onto it (nothing: the layer stays clear).
  std::optional<InkPath> active;
};

// Follows what a front-end has drawn of the ink, so that each update draws
// only what is new: a finished mark is stroked once, onto what is there; a
// change that takes marks away, a new scale or a front-end that has lost its
// layers has everything drawn afresh.
class InkPresenter {
 public:
  // The update that brings the front-end's layers to the ink as it stands,
  // or nothing when they show it already. What it returns counts as shown.
  std::optional<InkUpdate> Update(const Ink& ink, const InkScale& scale);
  // The front-end's layers are blank (a new size): the next update draws
  // every mark.
  void Lost() { drawn_ = false; }

 private:
  bool drawn_ = false;
  std::uint64_t revision_ = 0;
  std::int16_t unitPx_ = 0;
  std::uint64_t lastFinished_ = 0;  // the id of the last mark on the finished layer
  std::uint64_t activeId_ = 0;      // the mark on the active layer, and its points
  std::size_t activePoints_ = 0;
};

}  // namespace lesson
