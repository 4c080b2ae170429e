#include "desktop/surface/RasterCache.h"

#include <cmath>
#include <cstring>

#include "desktop/surface/QtColour.h"

namespace lesson {

QImage RasterCache::BlankImage(qreal ratio, Scheme scheme) {
  const int side = static_cast<int>(std::lround(kPlaneSide * ratio));
  QImage image(side, side, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(scheme, kBlankColour));
  return image;
}

RasterCache::RasterCache(QString fontFamily, qreal ratio)
    : painter_(std::move(fontFamily)), image_(BlankImage(ratio)) {}

void RasterCache::SetRatio(qreal ratio) {
  image_ = BlankImage(ratio, CurrentScheme());
  snapshots_ = {};
}

void RasterCache::SetScheme(Scheme scheme) {
  painter_.SetScheme(scheme);
  image_ = BlankImage(Ratio(), scheme);
  snapshots_ = {};
}

void RasterCache::Blank() {
  image_ = BlankImage(Ratio(), CurrentScheme());
}

// Only the image pixels within the area (and one more each way, for the
// rounding at a fractional ratio) are copied; a snapshot of the whole
// picture is shared instead.
void RasterCache::Restore(std::size_t slot, const PlaneArea& a) {
  const QImage& snapshot = snapshots_.at(slot);
  if (a == PlaneArea::WholePlane()) {
    image_ = snapshot;
    return;
  }
  const qreal r = Ratio();
  const QRect area = QRectF(QPointF(a.left * r, a.top * r), QPointF(a.right * r, a.bottom * r))
                         .toAlignedRect()
                         .adjusted(-1, -1, 1, 1) &
                     image_.rect();
  if (area.isEmpty())
    return;
  const auto bytes = static_cast<std::size_t>(area.width()) * 4;
  const auto left = static_cast<std::ptrdiff_t>(area.left()) * 4;
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::memcpy(image_.scanLine(y) + left, snapshot.constScanLine(y) + left, bytes);
}

// The painter has ended, so the snapshot shares the finished pixels; the
// next painting gives the picture its own copy.
void RasterCache::Save(std::size_t slot) {
  snapshots_.at(slot) = image_;
}

void RasterCache::Paint(std::span<const Mark> marks) {
  // A shared image would be painted through to a snapshot.
  image_.detach();
  painter_.Paint(image_, marks);
}

}  // namespace lesson
