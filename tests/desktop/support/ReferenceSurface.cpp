#include "desktop/support/ReferenceSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "desktop/app/Fonts.h"
#include "desktop/surface/ImageSurface.h"
#include "desktop/surface/MarkPainter.h"

namespace lesson::test {

ReferenceSurface::ReferenceSurface(QString fontFamily, qreal ratio)
    : fontFamily_(std::move(fontFamily)), image_(RasterCache::BlankImage(ratio)) {}

void ReferenceSurface::DoCls() {
  image_.fill(Qt::white);
}

// Clipped, and texts left out, by the lesson's own rule.
void ReferenceSurface::DoStroke(const Stroke& stroke) {
  const auto mark =
      StrokeMark(Segment{stroke.x1, stroke.y1, stroke.x2, stroke.y2}, stroke.colour, stroke.width);
  if (!mark)
    return;
  const Segment* s = &mark->segment;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(QColor(stroke.colour.r, stroke.colour.g, stroke.colour.b));
  pen.setWidthF(mark->width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(QLineF(s->x1 + 0.5, s->y1 + 0.5, s->x2 + 0.5, s->y2 + 0.5));
}

float ReferenceSurface::DoPrint(std::string_view text) {
  const QFont font = MarkPainter::TextFont(fontFamily_, PointsToPixels(FontSize()), FontBold());
  const QFontMetricsF metrics(font);
  const double leading = MarkPainter::InternalLeading(font);
  const auto lineHeight = static_cast<float>(metrics.lineSpacing() + leading);
  const double x = CurrentX();
  const double y = CurrentY();
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!TextMark(x, y, text, ForeColor(), font.pixelSize(), FontBold(),
                {metrics.horizontalAdvance(s), lineHeight}))
    return lineHeight;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setFont(font);
  painter.setPen(QColor(ForeColor().r, ForeColor().g, ForeColor().b));
  painter.drawText(QPointF(x, y + leading + metrics.ascent()), s);
  return lineHeight;
}

void ReplaySinceCls(const std::vector<DrawCall>& calls, Surface& surface) {
  auto from = calls.begin();
  for (auto it = calls.begin(); it != calls.end(); ++it) {
    if (it->kind == DrawCall::Kind::kCls)
      from = it;
  }
  for (auto it = from; it != calls.end(); ++it) {
    surface.SetAttributes(it->attributes);
    switch (it->kind) {
      case DrawCall::Kind::kCls:
        surface.Cls();
        break;
      case DrawCall::Kind::kLine:
        surface.Line(it->stroke.x1, it->stroke.y1, it->stroke.x2, it->stroke.y2, it->stroke.colour);
        break;
      case DrawCall::Kind::kPrint:
        surface.Print(it->text);
        break;
    }
  }
}

QImage PlainRendering(const std::vector<DrawCall>& calls, qreal ratio) {
  ReferenceSurface reference(JapaneseGothicFace(), ratio);
  ReplaySinceCls(calls, reference);
  return reference.Image();
}

}  // namespace lesson::test
