#include "lesson/surface/DisplayList.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lesson {

PlaneArea PlaneArea::operator|(const PlaneArea& o) const {
  if (o.Empty())
    return *this;
  if (Empty())
    return o;
  return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
          std::max(bottom, o.bottom)};
}

bool Mark::operator==(const Mark& o) const {
  return isText == o.isText && segment == o.segment && colour == o.colour && width == o.width &&
         pixelSize == o.pixelSize && bold == o.bold && text == o.text;
}

namespace {

bool MayShow(const PlaneArea& a) {
  return a.right >= 0 && a.bottom >= 0 && a.left <= kPlaneSide && a.top <= kPlaneSide;
}

}  // namespace

// A stroke touches the pixels within half its pen of its path, and one more
// where antialiasing covers a pixel in part; one pixel beyond that allows for
// a rasteriser that rounds at a fractional pixel ratio. A pixel at n covers
// n to n + 1.
std::optional<Mark> StrokeMark(const Segment& segment, Colour colour, int width) {
  width = std::clamp(width, 1, 1000);
  const auto clipped = ClipStroke(segment, width, kPlaneSide);
  if (!clipped)
    return std::nullopt;
  const double margin = width / 2.0 + 2.0;
  Mark mark;
  mark.segment = *clipped;
  mark.colour = colour;
  mark.width = width;
  mark.bounds = {std::min(clipped->x1, clipped->x2) - margin,
                 std::min(clipped->y1, clipped->y2) - margin,
                 std::max(clipped->x1, clipped->x2) + margin + 1,
                 std::max(clipped->y1, clipped->y2) + margin + 1};
  return mark;
}

// A text's cell is its advance wide and one text line high, with a pixel to
// spare each way; its glyphs may reach a little beyond (bearings, emboldening).
std::optional<Mark> TextMark(double x, double y, std::string_view text, Colour colour,
                             int pixelSize, bool bold, const TextExtent& extent) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(extent.advance) ||
      !std::isfinite(extent.lineHeight))
    return std::nullopt;
  const double overhang = pixelSize / 4.0 + 2.0;
  Mark mark;
  mark.isText = true;
  mark.segment = Segment{x, y, x, y};
  mark.colour = colour;
  mark.text = std::string(text);
  mark.pixelSize = pixelSize;
  mark.bold = bold;
  mark.bounds = {x - overhang, y - overhang, x + extent.advance + 2 + overhang,
                 y + extent.lineHeight + 2 + overhang};
  // Texts that cannot reach the plane are not handed on.
  if (!MayShow(mark.bounds))
    return std::nullopt;
  return mark;
}

// Every handler that can run again and again starts its picture with a
// clear, and those that draw over the picture are disabled while what they
// drew is shown: the marks between two clears stay a few thousand at most.
void DisplayList::Clear() {
  cursor_ = 0;
}

void DisplayList::Add(Mark mark) {
  if (cursor_ < marks_.size()) {
    if (marks_[cursor_] == mark) {
      ++cursor_;
      return;
    }
    // From here on the picture goes its own way: the rest of the previous
    // one, and every snapshot taken after this point, no longer apply.
    DropFrom(cursor_);
    const Snapshot* kept = LatestUpTo(cursor_);
    if (cursor_ >= kMinSnapshotMarks && (kept == nullptr || kept->marks != cursor_))
      wanted_ = cursor_;
  }
  marks_.push_back(std::move(mark));
  ++cursor_;
}

PlaneArea DisplayList::Flush() {
  if (shown_ == kUnknown || shown_ > cursor_)
    Restore();
  if (wanted_ && *wanted_ > shown_ && *wanted_ <= cursor_) {
    PaintUpTo(*wanted_);
    Save(*wanted_);
    wanted_.reset();
  }
  PaintUpTo(cursor_);
  return std::exchange(changed_, PlaneArea{});
}

void DisplayList::Repaint() {
  changed_ = PlaneArea::WholePlane();
  snapshots_.clear();
  wanted_.reset();
  shown_ = kUnknown;
}

const DisplayList::Snapshot* DisplayList::LatestUpTo(std::size_t index) const {
  const Snapshot* latest = nullptr;
  for (const Snapshot& s : snapshots_) {
    if (s.marks <= index && (latest == nullptr || s.marks > latest->marks))
      latest = &s;
  }
  return latest;
}

// Takes the pixels back to the latest snapshot within the picture so far,
// or to blank.
void DisplayList::Restore() {
  if (shown_ != kUnknown)
    RewindTo(cursor_);
  if (shown_ != kUnknown && shown_ <= cursor_)
    return;
  changed_ = PlaneArea::WholePlane();
  if (const Snapshot* s = LatestUpTo(cursor_)) {
    raster_.Restore(s->slot, PlaneArea::WholePlane());
    shown_ = s->marks;
  } else {
    raster_.Blank();
    shown_ = 0;
  }
}

// While the pixels show more marks than the first index ones, takes them
// back to the latest snapshot at or before index, only where the marks
// painted since may have touched them.
void DisplayList::RewindTo(std::size_t index) {
  if (shown_ == kUnknown || shown_ <= index)
    return;
  const Snapshot* s = LatestUpTo(index);
  if (s == nullptr) {
    shown_ = kUnknown;
    return;
  }
  PlaneArea area;
  for (std::size_t i = s->marks; i < shown_; ++i)
    area |= marks_[i].bounds;
  if (!area.Empty()) {
    changed_ |= area;
    raster_.Restore(s->slot, area);
  }
  shown_ = s->marks;
}

void DisplayList::DropFrom(std::size_t index) {
  std::erase_if(snapshots_, [index](const Snapshot& s) { return s.marks > index; });
  RewindTo(index);
  marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(index), marks_.end());
  if (wanted_ && *wanted_ > index)
    wanted_.reset();
  if (shown_ != kUnknown && shown_ > index)
    shown_ = kUnknown;
}

void DisplayList::PaintUpTo(std::size_t end) {
  if (end <= shown_)
    return;
  const auto run = std::span(marks_).subspan(shown_, end - shown_);
  for (const Mark& mark : run)
    changed_ |= mark.bounds;
  raster_.Paint(run);
  shown_ = end;
}

// The new snapshot takes a free slot; when none is free, the snapshot of the
// fewest marks makes room.
void DisplayList::Save(std::size_t marks) {
  if (snapshots_.size() >= kSnapshots) {
    snapshots_.erase(
        std::min_element(snapshots_.begin(), snapshots_.end(),
                         [](const Snapshot& a, const Snapshot& b) { return a.marks < b.marks; }));
  }
  std::size_t slot = 0;
  while (std::any_of(snapshots_.begin(), snapshots_.end(),
                     [slot](const Snapshot& s) { return s.slot == slot; }))
    ++slot;
  raster_.Save(slot);
  snapshots_.push_back({marks, slot});
}

void ListSurface::DoCls() {
  list_.Clear();
}

void ListSurface::DoStroke(const Stroke& s) {
  if (auto mark = StrokeMark(Segment{s.x1, s.y1, s.x2, s.y2}, s.colour, s.width))
    list_.Add(std::move(*mark));
}

float ListSurface::DoPrint(std::string_view text) {
  const int pixelSize = PointsToPixels(FontSize());
  const bool bold = FontBold();
  const TextExtent extent = Measure(text, pixelSize, bold);
  if (auto mark = TextMark(CurrentX(), CurrentY(), text, ForeColor(), pixelSize, bold, extent)) {
    list_.Add(std::move(*mark));
  }
  return static_cast<float>(extent.lineHeight);
}

}  // namespace lesson
