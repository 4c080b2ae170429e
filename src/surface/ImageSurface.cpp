#include "surface/ImageSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace lesson {

namespace {

// Beyond this many marks since the last Cls the picture is no longer kept as
// marks; a change of pixel ratio then scales the image instead.
constexpr std::size_t kMaxMarks = 200000;

QColor ToQColor(Colour c) {
  return QColor(c.r, c.g, c.b);
}

// Room left above the face's ascent in a text's cell. The Japanese gothic
// face draws its digits up to the very top of its ascent; with this leading
// a digit written just below a 3-pixel stroke (the unit label of line A, the
// scale numbers under the x axis) stays clear of it, as the layout expects.
double InternalLeading(const QFont& font) {
  return std::round(font.pixelSize() * 3.0 / 16.0);
}

QImage BlankImage(qreal ratio) {
  const int side = static_cast<int>(std::lround(ImageSurface::kSize * ratio));
  QImage image(side, side, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

}  // namespace

ImageSurface::ImageSurface(QString fontFamily, qreal devicePixelRatio)
    : fontFamily_(std::move(fontFamily)),
      image_(BlankImage(devicePixelRatio > 0 ? devicePixelRatio : 1.0)) {}

int ImageSurface::PointsToPixels(double points) {
  const double pixels = std::round(points * 96.0 / 72.0);
  return static_cast<int>(std::clamp(pixels, 1.0, 1000.0));
}

void ImageSurface::SetDevicePixelRatio(qreal ratio) {
  if (!(ratio > 0) || ratio == image_.devicePixelRatio())
    return;
  if (!marksComplete_) {
    QImage scaled =
        image_.scaled(BlankImage(ratio).size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    image_ = scaled;
  } else {
    image_ = BlankImage(ratio);
    for (const Mark& mark : marks_)
      Paint(mark);
  }
  Notify(QRectF(0, 0, kSize, kSize));
}

void ImageSurface::DoCls() {
  image_.fill(Qt::white);
  marks_.clear();
  marksComplete_ = true;
  Notify(QRectF(0, 0, kSize, kSize));
}

void ImageSurface::DoStroke(const Stroke& stroke) {
  StrokeSegment(Segment{stroke.x1, stroke.y1, stroke.x2, stroke.y2}, stroke.colour, stroke.width);
}

void ImageSurface::StrokeSegment(const Segment& s, Colour colour, int width) {
  width = std::clamp(width, 1, 1000);
  // Clip a little outside the area so that round ends just beyond the edge
  // still show their visible part.
  const double margin = width / 2.0 + 2.0;
  const auto clipped = ClipSegment(s, Box{-margin, -margin, kSize + margin, kSize + margin});
  if (!clipped)
    return;
  Mark mark;
  mark.segment = *clipped;
  mark.colour = colour;
  mark.width = width;
  Paint(mark);
  Remember(std::move(mark));
  const double half = width / 2.0 + 1.0;
  const QRectF bounds(
      QPointF(std::min(clipped->x1, clipped->x2) - half, std::min(clipped->y1, clipped->y2) - half),
      QPointF(std::max(clipped->x1, clipped->x2) + half + 1,
              std::max(clipped->y1, clipped->y2) + half + 1));
  Notify(bounds);
}

QFont ImageSurface::TextFont() const {
  QFont font(fontFamily_);
  font.setPixelSize(PointsToPixels(FontSize()));
  font.setBold(FontBold());
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

float ImageSurface::DoPrint(std::string_view text) {
  const QFont font = TextFont();
  const QFontMetricsF metrics(font);
  const float lineHeight = static_cast<float>(metrics.lineSpacing() + InternalLeading(font));
  const double x = CurrentX();
  const double y = CurrentY();
  if (!std::isfinite(x) || !std::isfinite(y))
    return lineHeight;
  Mark mark;
  mark.isText = true;
  mark.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // Texts that cannot reach the area are not handed to the rasteriser.
  const QRectF bounds(x, y, metrics.horizontalAdvance(mark.text) + 2, lineHeight + 2);
  if (!bounds.intersects(QRectF(0, 0, kSize, kSize)))
    return lineHeight;
  mark.segment = Segment{x, y, x, y};
  mark.colour = ForeColor();
  mark.font = font;
  Paint(mark);
  Remember(std::move(mark));
  Notify(bounds);
  return lineHeight;
}

void ImageSurface::Paint(const Mark& mark) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  if (mark.isText) {
    painter.setFont(mark.font);
    painter.setPen(ToQColor(mark.colour));
    const QFontMetricsF metrics(mark.font);
    const double baseline = mark.segment.y1 + InternalLeading(mark.font) + metrics.ascent();
    painter.drawText(QPointF(mark.segment.x1, baseline), mark.text);
    return;
  }
  QPen pen(ToQColor(mark.colour));
  pen.setWidthF(mark.width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  // The centre of pixel (x, y) lies at (x + 0.5, y + 0.5).
  const Segment& s = mark.segment;
  painter.drawLine(QLineF(s.x1 + 0.5, s.y1 + 0.5, s.x2 + 0.5, s.y2 + 0.5));
}

void ImageSurface::Remember(Mark mark) {
  if (!marksComplete_)
    return;
  if (marks_.size() >= kMaxMarks) {
    marks_.clear();
    marksComplete_ = false;
    return;
  }
  marks_.push_back(std::move(mark));
}

void ImageSurface::Notify(const QRectF& area) {
  if (changed_)
    changed_(area);
}

}  // namespace lesson
