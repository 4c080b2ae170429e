#include "web/surface/CanvasSurface.h"

#include <cmath>

#include "lesson/text/Utf8.h"

namespace lesson::web {

TextExtent CanvasSurface::Measure(std::string_view text, int pixelSize, bool) {
  double characters = 0;
  for (std::size_t at = 0; at < text.size(); at += ReadUtf8(text, at).length)
    ++characters;
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
  Emit<kClearOp>();
}

void CanvasSurface::Restore(std::size_t slot, const PlaneArea& a) {
  Emit<kRestoreOp>(slot, a.left, a.top, a.right, a.bottom);
}

void CanvasSurface::Save(std::size_t slot) {
  Emit<kSaveOp>(slot);
}

void CanvasSurface::Paint(std::span<const Mark> marks) {
  for (const Mark& m : marks) {
    const double colour = m.colour.Rgb();
    const Segment& s = m.segment;
    if (m.isText) {
      Emit<kTextOp>(s.x1, s.y1 + TextLeading(m.pixelSize), colour, m.pixelSize, m.bold ? 1 : 0,
                    TextId(m.text));
    } else {
      Emit<kStrokeOp>(s.x1, s.y1, s.x2, s.y2, colour, m.width);
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
