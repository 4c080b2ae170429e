#include "web/surface/CanvasSurface.h"

#include <algorithm>
#include <cmath>

#include "lesson/surface/Clip.h"

namespace lesson::web {

namespace {

std::uint32_t Rgb(Colour c) {
  return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

// Code points of a UTF-8 text.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

bool CanvasSurface::Mark::operator==(const Mark& o) const {
  return isText == o.isText && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 &&
         colour == o.colour && width == o.width && pixelSize == o.pixelSize && bold == o.bold &&
         text == o.text;
}

void CanvasSurface::DoCls() {
  previous_ = std::move(frame_);
  frame_.clear();
  shown_ = 0;
  newFrame_ = true;
  if (texts_.size() >= kMaxTexts) {
    // The names start afresh; what was kept under the old ones is dropped.
    texts_.clear();
    previous_.clear();
    snapshot_.clear();
    hasSnapshot_ = false;
    overSnapshot_ = false;
  }
}

void CanvasSurface::DoStroke(const Stroke& stroke) {
  const int width = std::clamp<int>(stroke.width, 1, 1000);
  const auto s = ClipStroke(Segment{stroke.x1, stroke.y1, stroke.x2, stroke.y2}, width, kSize);
  if (!s)
    return;
  Mark mark;
  mark.x1 = s->x1;
  mark.y1 = s->y1;
  mark.x2 = s->x2;
  mark.y2 = s->y2;
  mark.colour = Rgb(stroke.colour);
  mark.width = width;
  const double half = width / 2.0 + 2.0;
  mark.bounds[0] = std::min(s->x1, s->x2) - half;
  mark.bounds[1] = std::min(s->y1, s->y2) - half;
  mark.bounds[2] = std::max(s->x1, s->x2) + half + 1;
  mark.bounds[3] = std::max(s->y1, s->y2) + half + 1;
  Add(mark);
}

float CanvasSurface::DoPrint(std::string_view text) {
  const int pixelSize = PointsToPixels(FontSize());
  const auto lineHeight = static_cast<float>(std::round(pixelSize * 1.25) + TextLeading(pixelSize));
  const double x = CurrentX();
  const double y = CurrentY();
  if (!std::isfinite(x) || !std::isfinite(y))
    return lineHeight;
  // Wider than any glyph of the face can reach, emboldened, with room for its
  // bearings: the canvas measures the text itself.
  const double reach = pixelSize * (static_cast<double>(Characters(text)) + 0.5) + 4;
  const double overhang = pixelSize / 4.0 + 2.0;
  const double bounds[4] = {x - overhang, y - overhang, x + reach, y + 2.0 * pixelSize + overhang};
  // Texts that cannot reach the area are not handed on.
  if (bounds[2] < 0 || bounds[0] > kSize || bounds[3] < 0 || bounds[1] > kSize)
    return lineHeight;
  Mark mark;
  mark.isText = true;
  mark.x1 = x;
  mark.y1 = y;
  mark.colour = Rgb(ForeColor());
  mark.pixelSize = pixelSize;
  mark.bold = FontBold();
  mark.text = TextId(text);
  std::copy(std::begin(bounds), std::end(bounds), std::begin(mark.bounds));
  Add(mark);
  return lineHeight;
}

int CanvasSurface::TextId(std::string_view text) {
  const std::string key(text);
  if (const auto it = texts_.find(key); it != texts_.end())
    return it->second;
  const int id = static_cast<int>(texts_.size());
  texts_.emplace(key, id);
  sink_.Intern(id, text);
  return id;
}

void CanvasSurface::Add(const Mark& mark) {
  frame_.push_back(mark);
}

void CanvasSurface::Emit(const Mark& mark) {
  if (mark.isText) {
    ops_.insert(ops_.end(), {kTextOp, mark.x1, mark.y1 + TextLeading(mark.pixelSize),
                             static_cast<double>(mark.colour), static_cast<double>(mark.pixelSize),
                             mark.bold ? 1.0 : 0.0, static_cast<double>(mark.text)});
  } else {
    ops_.insert(ops_.end(), {kStrokeOp, mark.x1, mark.y1, mark.x2, mark.y2,
                             static_cast<double>(mark.colour), static_cast<double>(mark.width)});
  }
  Grow(mark);
}

void CanvasSurface::Grow(const Mark& mark) {
  if (!hasDirty_) {
    std::copy(std::begin(mark.bounds), std::end(mark.bounds), std::begin(dirty_));
    hasDirty_ = true;
    return;
  }
  dirty_[0] = std::min(dirty_[0], mark.bounds[0]);
  dirty_[1] = std::min(dirty_[1], mark.bounds[1]);
  dirty_[2] = std::max(dirty_[2], mark.bounds[2]);
  dirty_[3] = std::max(dirty_[3], mark.bounds[3]);
}

void CanvasSurface::Repaint() {
  newFrame_ = true;
  shown_ = 0;
  hasSnapshot_ = false;
  overSnapshot_ = false;
  snapshot_.clear();
}

void CanvasSurface::Flush() {
  ops_.clear();
  if (newFrame_) {
    newFrame_ = false;
    const bool repeatsSnapshot = hasSnapshot_ && frame_.size() >= snapshot_.size() &&
                                 std::equal(snapshot_.begin(), snapshot_.end(), frame_.begin());
    if (repeatsSnapshot) {
      // Only what was drawn over the snapshot since needs taking back.
      if (!overSnapshot_) {
        ops_.insert(ops_.end(), {kRestoreOp, 0, 0, kSize, kSize});
      } else if (hasDirty_) {
        ops_.insert(ops_.end(), {kRestoreOp, dirty_[0], dirty_[1], dirty_[2], dirty_[3]});
      }
      shown_ = snapshot_.size();
      overSnapshot_ = true;
    } else {
      const auto shared = static_cast<std::size_t>(
          std::mismatch(frame_.begin(), frame_.end(), previous_.begin(), previous_.end()).first -
          frame_.begin());
      ops_.push_back(kClearOp);
      overSnapshot_ = false;
      if (shared >= kWorthASnapshot) {
        for (; shown_ < shared; ++shown_)
          Emit(frame_[shown_]);
        ops_.push_back(kSaveOp);
        snapshot_.assign(frame_.begin(), frame_.begin() + static_cast<std::ptrdiff_t>(shared));
        hasSnapshot_ = true;
        overSnapshot_ = true;
      }
    }
    hasDirty_ = false;
  }
  for (; shown_ < frame_.size(); ++shown_)
    Emit(frame_[shown_]);
  if (!ops_.empty())
    sink_.Draw(ops_.data(), ops_.size());
}

}  // namespace lesson::web
