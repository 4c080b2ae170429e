#include "lesson/ink/Ink.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lesson {

namespace {

std::size_t PointsOf(const std::vector<InkStroke>& strokes) {
  std::size_t n = 0;
  for (const InkStroke& s : strokes)
    n += s.points.size();
  return n;
}

// The distance from p to the segment from a to b.
float Distance(InkPoint p, InkPoint a, InkPoint b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float length2 = dx * dx + dy * dy;
  float t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The distance between the segments a0-a1 and b0-b1 (0 where they cross).
float Distance(InkPoint a0, InkPoint a1, InkPoint b0, InkPoint b1) {
  const auto cross = [](InkPoint o, InkPoint p, InkPoint q) {
    return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
  };
  const float d1 = cross(b0, b1, a0);
  const float d2 = cross(b0, b1, a1);
  const float d3 = cross(a0, a1, b0);
  const float d4 = cross(a0, a1, b1);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return 0;
  return std::min(
      {Distance(a0, b0, b1), Distance(a1, b0, b1), Distance(b0, a0, a1), Distance(b1, a0, a1)});
}

}  // namespace

InkPoint Placed(const InkStroke& stroke, InkPoint p, const InkScale& scale) {
  if (stroke.unitPx == scale.unitPx || stroke.unitPx <= 0 || scale.unitPx <= 0)
    return p;
  const float ratio = static_cast<float>(scale.unitPx) / static_cast<float>(stroke.unitPx);
  return {scale.originX + (p.x - scale.originX) * ratio,
          scale.originY + (p.y - scale.originY) * ratio};
}

void Ink::Begin(InkPoint at, Colour colour, float width, std::int16_t unitPx) {
  End();
  erasing_ = false;
  MakeRoom();
  strokes_.push_back(InkStroke{nextId_++, colour, width, unitPx, {at}});
  ++points_;
  writing_ = true;
  Record(Action{Kind::kAdded, strokes_.back().id, {}});
}

void Ink::Extend(InkPoint to) {
  if (!writing_)
    return;
  InkStroke& stroke = strokes_.back();
  if (stroke.points.back() == to)
    return;
  if (stroke.points.size() >= kMaxStrokePoints)
    Begin(stroke.points.back(), stroke.colour, stroke.width, stroke.unitPx);
  MakeRoom();
  strokes_.back().points.push_back(to);
  ++points_;
}

void Ink::End() {
  writing_ = false;
}

bool Ink::Erase(InkPoint from, InkPoint to, float radius, const InkScale& scale) {
  End();
  std::vector<InkStroke> removed;
  std::vector<InkStroke> kept;
  for (InkStroke& stroke : strokes_) {
    bool touched = false;
    const float reach = radius + stroke.width / 2;
    InkPoint previous = Placed(stroke, stroke.points.front(), scale);
    for (std::size_t i = 0; i < stroke.points.size() && !touched; ++i) {
      const InkPoint p = Placed(stroke, stroke.points[i], scale);
      touched = Distance(from, to, previous, p) <= reach;
      previous = p;
    }
    (touched ? removed : kept).push_back(std::move(stroke));
  }
  strokes_ = std::move(kept);
  if (removed.empty())
    return false;
  points_ -= PointsOf(removed);
  // One gesture is one action: what it removes next joins what it removed.
  if (erasing_ && !history_.empty() && history_.back().kind == Kind::kErased) {
    historyPoints_ += PointsOf(removed);
    auto& all = history_.back().removed;
    all.insert(all.end(), std::make_move_iterator(removed.begin()),
               std::make_move_iterator(removed.end()));
    TrimHistory();
  } else {
    Record(Action{Kind::kErased, 0, std::move(removed)});
  }
  erasing_ = true;
  Changed();
  return true;
}

void Ink::Clear() {
  End();
  erasing_ = false;
  if (strokes_.empty())
    return;
  points_ = 0;
  Record(Action{Kind::kCleared, 0, std::move(strokes_)});
  strokes_.clear();
  Changed();
}

void Ink::Undo() {
  End();
  erasing_ = false;
  while (!history_.empty()) {
    Action action = std::move(history_.back());
    history_.pop_back();
    if (action.kind == Kind::kAdded) {
      const auto it = std::find_if(strokes_.begin(), strokes_.end(),
                                   [&](const InkStroke& s) { return s.id == action.added; });
      // A stroke removed at the cap is gone already: the next action is undone.
      if (it == strokes_.end())
        continue;
      points_ -= it->points.size();
      strokes_.erase(it);
    } else {
      historyPoints_ -= PointsOf(action.removed);
      Restore(std::move(action.removed));
    }
    Changed();
    return;
  }
}

// Marks come back where they lay among the others: in the order of writing.
void Ink::Restore(std::vector<InkStroke> strokes) {
  points_ += PointsOf(strokes);
  std::vector<InkStroke> all;
  all.reserve(strokes_.size() + strokes.size());
  std::sort(strokes.begin(), strokes.end(),
            [](const InkStroke& a, const InkStroke& b) { return a.id < b.id; });
  std::merge(std::make_move_iterator(strokes_.begin()), std::make_move_iterator(strokes_.end()),
             std::make_move_iterator(strokes.begin()), std::make_move_iterator(strokes.end()),
             std::back_inserter(all),
             [](const InkStroke& a, const InkStroke& b) { return a.id < b.id; });
  strokes_ = std::move(all);
  while (points_ > kMaxPoints && strokes_.size() > 1) {
    points_ -= strokes_.front().points.size();
    strokes_.erase(strokes_.begin());
  }
}

// Room for one more point: the oldest marks go whole, never the one being
// written, until a tenth of the room is free, so that the marks are drawn
// afresh once in so many points rather than at every one.
void Ink::MakeRoom() {
  if (points_ + 1 <= kMaxPoints)
    return;
  const std::size_t keep = writing_ ? 1 : 0;
  std::size_t drop = 0;
  while (points_ > kMaxPoints - kMaxPoints / 10 && strokes_.size() - drop > keep) {
    points_ -= strokes_[drop].points.size();
    ++drop;
  }
  strokes_.erase(strokes_.begin(), strokes_.begin() + static_cast<std::ptrdiff_t>(drop));
  Changed();
}

void Ink::Record(Action action) {
  historyPoints_ += PointsOf(action.removed);
  history_.push_back(std::move(action));
  TrimHistory();
}

void Ink::TrimHistory() {
  std::size_t drop = 0;
  while (drop + 1 < history_.size() &&
         (history_.size() - drop > kMaxHistory || historyPoints_ > kMaxPoints)) {
    historyPoints_ -= PointsOf(history_[drop].removed);
    ++drop;
  }
  history_.erase(history_.begin(), history_.begin() + static_cast<std::ptrdiff_t>(drop));
}

}  // namespace lesson
