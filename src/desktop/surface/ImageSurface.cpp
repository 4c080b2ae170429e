#include "desktop/surface/ImageSurface.h"

#include <utility>

namespace lesson {

ImageSurface::ImageSurface(QString fontFamily, qreal devicePixelRatio)
    : ListSurface(raster_),
      raster_(std::move(fontFamily), devicePixelRatio > 0 ? devicePixelRatio : 1.0) {}

const QImage& ImageSurface::Image() {
  Flush();
  return raster_.Image();
}

void ImageSurface::SetDevicePixelRatio(qreal ratio) {
  if (!(ratio > 0) || ratio == raster_.Ratio())
    return;
  // The marks are painted afresh at the new ratio.
  Flush();
  raster_.SetRatio(ratio);
  List().Repaint();
}

void ImageSurface::SetScheme(Scheme scheme) {
  if (scheme == raster_.CurrentScheme())
    return;
  Flush();
  raster_.SetScheme(scheme);
  List().Repaint();
}

QRectF ImageSurface::TakeChangedArea() {
  Flush();
  const PlaneArea a = std::exchange(area_, PlaneArea{});
  return a.Empty() ? QRectF() : QRectF(QPointF(a.left, a.top), QPointF(a.right, a.bottom));
}

TextExtent ImageSurface::Measure(std::string_view text, int pixelSize, bool bold) {
  MarkPainter& painter = raster_.Painter();
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return {painter.Advance(pixelSize, bold, s), painter.FaceFor(pixelSize, bold).lineHeight};
}

}  // namespace lesson
