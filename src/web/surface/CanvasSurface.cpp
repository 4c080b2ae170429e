#include "web/surface/CanvasSurface.h"

#include <algorithm>
#include <cmath>

namespace lesson::web {

TextExtent CanvasSurface::Measure(std::string_view text, int pixelSize, bool) {
  const auto characters = static_cast<double>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  return {pixelSize * (characters + 0.5) + 2,
          std::round(pixelSize * 1.25) + TextLeading(pixelSize)};
}

// The list may have asked for pixels back from a snapshot as a rebuild
// parted from the picture before; those operations wait here for the rest.
void CanvasSurface::Flush() {
  // Names start afresh before any operation uses one: only painting does.
  if (texts_.size() >= kMaxTexts)
    texts_.clear();
  List().Flush();
  if (!ops_.empty())
    sink_.Draw(ops_.data(), ops_.size());
  ops_.clear();
}

void CanvasSurface::Blank() {
  ops_.push_back(kClearOp);
}

void CanvasSurface::Restore(std::size_t slot, const PlaneArea& a) {
  ops_.insert(ops_.end(),
              {kRestoreOp, static_cast<double>(slot), a.left, a.top, a.right, a.bottom});
}

void CanvasSurface::Save(std::size_t slot) {
  ops_.insert(ops_.end(), {kSaveOp, static_cast<double>(slot)});
}

void CanvasSurface::Paint(std::span<const Mark> marks) {
  for (const Mark& m : marks) {
    const double colour = m.colour.Rgb();
    const Segment& s = m.segment;
    if (m.isText) {
      ops_.insert(ops_.end(), {kTextOp, s.x1, s.y1 + TextLeading(m.pixelSize), colour,
                               static_cast<double>(m.pixelSize), m.bold ? 1.0 : 0.0,
                               static_cast<double>(TextId(m.text))});
    } else {
      ops_.insert(ops_.end(),
                  {kStrokeOp, s.x1, s.y1, s.x2, s.y2, colour, static_cast<double>(m.width)});
    }
  }
}

int CanvasSurface::TextId(const std::string& text) {
  if (const auto it = texts_.find(text); it != texts_.end())
    return it->second;
  const int id = static_cast<int>(texts_.size());
  texts_.emplace(text, id);
  sink_.Intern(id, text);
  return id;
}

}  // namespace lesson::web
