#include "desktop/surface/ImageSurface.h"

#include <algorithm>
#include <cmath>

namespace lesson {

ImageSurface::ImageSurface(QString fontFamily, qreal devicePixelRatio)
    : raster_(std::move(fontFamily), devicePixelRatio > 0 ? devicePixelRatio : 1.0) {}

std::optional<Segment> ImageSurface::ClipStroke(const Segment& s, int width) {
  return lesson::ClipStroke(s, width, kSize);
}

bool ImageSurface::TextMayShow(double x, double y, double advance, double lineHeight) {
  return QRectF(x, y, advance + 2, lineHeight + 2).intersects(QRectF(0, 0, kSize, kSize));
}

void ImageSurface::SetDevicePixelRatio(qreal ratio) {
  if (!(ratio > 0) || ratio == raster_.Ratio())
    return;
  raster_.SetRatio(ratio);
  Notify(QRectF(0, 0, kSize, kSize));
}

QRectF ImageSurface::TakeChangedArea() {
  const QRect damage = raster_.TakeDamage();
  const qreal ratio = raster_.Ratio();
  return QRectF(damage.x() / ratio, damage.y() / ratio, damage.width() / ratio,
                damage.height() / ratio);
}

void ImageSurface::DoCls() {
  raster_.Clear();
  Notify(QRectF(0, 0, kSize, kSize));
}

void ImageSurface::DoStroke(const Stroke& stroke) {
  StrokeSegment(Segment{stroke.x1, stroke.y1, stroke.x2, stroke.y2}, stroke.colour, stroke.width);
}

void ImageSurface::StrokeSegment(const Segment& s, Colour colour, int width) {
  width = std::clamp(width, 1, 1000);
  const auto clipped = ClipStroke(s, width);
  if (!clipped)
    return;
  const double half = width / 2.0 + 1.0;
  const QRectF bounds(
      QPointF(std::min(clipped->x1, clipped->x2) - half, std::min(clipped->y1, clipped->y2) - half),
      QPointF(std::max(clipped->x1, clipped->x2) + half + 1,
              std::max(clipped->y1, clipped->y2) + half + 1));
  Mark mark;
  mark.segment = *clipped;
  mark.colour = colour;
  mark.width = width;
  mark.bounds = bounds;
  raster_.Add(std::move(mark));
  Notify(bounds);
}

float ImageSurface::DoPrint(std::string_view text) {
  MarkPainter& painter = raster_.Painter();
  const int pixelSize = PointsToPixels(FontSize());
  const bool bold = FontBold();
  const MarkPainter::Face& face = painter.FaceFor(pixelSize, bold);
  const auto lineHeight = static_cast<float>(face.lineHeight);
  const double x = CurrentX();
  const double y = CurrentY();
  if (!std::isfinite(x) || !std::isfinite(y))
    return lineHeight;
  Mark mark;
  mark.isText = true;
  mark.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // Texts that cannot reach the area are not handed to the rasteriser.
  const double advance = painter.Advance(pixelSize, bold, mark.text);
  if (!TextMayShow(x, y, advance, lineHeight))
    return lineHeight;
  mark.segment = Segment{x, y, x, y};
  mark.colour = ForeColor();
  mark.pixelSize = pixelSize;
  mark.bold = bold;
  const QRectF cell(x, y, advance + 2, lineHeight + 2);
  // Glyphs may reach a little beyond their cell (bearings, emboldening).
  const double overhang = pixelSize / 4.0 + 2.0;
  mark.bounds = cell.adjusted(-overhang, -overhang, overhang, overhang);
  raster_.Add(std::move(mark));
  Notify(cell);
  return lineHeight;
}

void ImageSurface::Notify(const QRectF& area) {
  if (changed_)
    changed_(area);
}

}  // namespace lesson
