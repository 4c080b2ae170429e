#include "lesson/ink/InkPath.h"

#include <algorithm>

namespace lesson {

namespace {

InkPoint Mid(InkPoint a, InkPoint b) {
  return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// A dot is a line a hundredth of a pixel long: its round caps make the dot,
// where a line of no length would be left out.
constexpr float kDotLength = 0.01f;

}  // namespace

InkPath PathOf(const InkStroke& stroke, const InkScale& scale) {
  using Kind = PathOp::Kind;
  InkPath path{stroke.colour, stroke.width, {}};
  const std::vector<InkPoint>& raw = stroke.points;
  if (raw.empty())
    return path;
  std::vector<InkPoint> p;
  p.reserve(raw.size());
  for (const InkPoint& point : raw)
    p.push_back(Placed(stroke, point, scale));
  std::vector<PathOp>& ops = path.ops;
  ops.reserve(p.size() + 2);
  ops.push_back({Kind::kMove, {}, p.front()});
  if (p.size() == 1) {
    ops.push_back({Kind::kLine, {}, {p.front().x + kDotLength, p.front().y}});
    return path;
  }
  if (p.size() > 2)
    ops.push_back({Kind::kLine, {}, Mid(p[0], p[1])});
  for (std::size_t i = 1; i + 1 < p.size(); ++i)
    ops.push_back({Kind::kQuad, p[i], Mid(p[i], p[i + 1])});
  ops.push_back({Kind::kLine, {}, p.back()});
  return path;
}

std::optional<InkUpdate> InkPresenter::Update(const Ink& ink, const InkScale& scale) {
  const InkStroke* active = ink.Active();
  InkUpdate update;
  update.redraw = !drawn_ || ink.Revision() != revision_ || scale.unitPx != unitPx_;
  if (update.redraw)
    lastFinished_ = 0;
  // The marks are in the order of writing: the new ones are the last.
  const std::vector<InkStroke>& strokes = ink.Strokes();
  const auto first =
      std::upper_bound(strokes.begin(), strokes.end(), lastFinished_,
                       [](std::uint64_t id, const InkStroke& stroke) { return id < stroke.id; });
  for (auto it = first; it != strokes.end(); ++it) {
    if (&*it != active) {
      update.finished.push_back(PathOf(*it, scale));
      lastFinished_ = it->id;
    }
  }
  const std::uint64_t activeId = active != nullptr ? active->id : 0;
  const std::size_t activePoints = active != nullptr ? active->points.size() : 0;
  if (!update.redraw && update.finished.empty() && activeId == activeId_ &&
      activePoints == activePoints_)
    return std::nullopt;
  if (active != nullptr)
    update.active = PathOf(*active, scale);
  drawn_ = true;
  revision_ = ink.Revision();
  unitPx_ = scale.unitPx;
  activeId_ = activeId;
  activePoints_ = activePoints;
  return update;
}

}  // namespace lesson
