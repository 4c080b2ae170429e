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
  Record<kClearOp> clear;
  clear.Set<"colour">(Shown(kBlankColour));
  clear.AppendTo(ops_);
}

void CanvasSurface::Restore(std::size_t slot, const PlaneArea& a) {
  Record<kRestoreOp> restore;
  restore.Set<"slot">(static_cast<double>(slot));
  restore.Set<"left">(a.left);
  restore.Set<"top">(a.top);
  restore.Set<"right">(a.right);
  restore.Set<"bottom">(a.bottom);
  restore.AppendTo(ops_);
}

void CanvasSurface::Save(std::size_t slot) {
  Record<kSaveOp> save;
  save.Set<"slot">(static_cast<double>(slot));
  save.AppendTo(ops_);
}

void CanvasSurface::Paint(std::span<const Mark> marks) {
  for (const Mark& m : marks) {
    const double colour = Shown(m.colour);
    const Segment& s = m.segment;
    if (m.isText) {
      Record<kTextOp> text;
      text.Set<"x">(s.x1);
      text.Set<"top">(s.y1 + TextLeading(m.pixelSize));
      text.Set<"colour">(colour);
      text.Set<"pixelSize">(static_cast<double>(m.pixelSize));
      text.Set<"bold">(m.bold ? 1.0 : 0.0);
      text.Set<"textId">(static_cast<double>(TextId(m.text)));
      text.AppendTo(ops_);
    } else {
      Record<kStrokeOp> stroke;
      stroke.Set<"x1">(s.x1);
      stroke.Set<"y1">(s.y1);
      stroke.Set<"x2">(s.x2);
      stroke.Set<"y2">(s.y2);
      stroke.Set<"colour">(colour);
      stroke.Set<"width">(static_cast<double>(m.width));
      stroke.AppendTo(ops_);
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
