#include "desktop/support/ReferenceSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>

#include "desktop/app/Fonts.h"
#include "desktop/surface/ImageSurface.h"

namespace lesson::test {

namespace {

using Wide = long double;

// The part of the segment within the square [lo, hi] x [lo, hi], from the
// line's parametric form: nothing when it misses the square or a coordinate
// is not finite. Each end is interpolated from the nearer end point, and the
// coordinate of the edge it was cut at is that edge's.
std::optional<QLineF> Clipped(const Stroke& s, double lo, double hi) {
  const double from[2] = {s.x1, s.y1};
  const double to[2] = {s.x2, s.y2};
  if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) || !std::isfinite(s.y2))
    return std::nullopt;
  struct End {
    Wide t;
    int axis = -1;  // the coordinate cut at an edge
    double edge = 0;
  };
  End ends[2] = {{0}, {1}};
  for (int axis = 0; axis < 2; ++axis) {
    const Wide d = Wide(to[axis]) - from[axis];
    if (d == 0) {
      if (from[axis] < lo || from[axis] > hi)
        return std::nullopt;
      continue;
    }
    const double in = d > 0 ? lo : hi;
    const double out = d > 0 ? hi : lo;
    if (const Wide t = (in - Wide(from[axis])) / d; t > ends[0].t)
      ends[0] = {t, axis, in};
    if (const Wide t = (out - Wide(from[axis])) / d; t < ends[1].t)
      ends[1] = {t, axis, out};
  }
  if (ends[0].t > ends[1].t)
    return std::nullopt;
  double p[2][2];
  for (int e = 0; e < 2; ++e) {
    for (int axis = 0; axis < 2; ++axis) {
      const Wide d = Wide(to[axis]) - from[axis];
      const Wide t = ends[e].t;
      const double v = ends[e].axis == axis ? ends[e].edge
                       : t <= 0.5L          ? double(from[axis] + t * d)
                                            : double(to[axis] + (t - 1) * d);
      p[e][axis] = std::clamp(v, lo, hi);
    }
  }
  return QLineF(p[0][0], p[0][1], p[1][0], p[1][1]);
}

}  // namespace

ReferenceSurface::ReferenceSurface(QString fontFamily, qreal ratio)
    : fontFamily_(std::move(fontFamily)), image_(RasterCache::BlankImage(ratio)) {}

void ReferenceSurface::DoCls() {
  image_.fill(Qt::white);
}

// Clipped a little beyond the picture, by the pen's reach and 2 pixels, so
// that a round end just outside still shows what reaches inside.
void ReferenceSurface::DoStroke(const Stroke& stroke) {
  const int width = std::clamp<int>(stroke.width, 1, 1000);
  const double margin = width / 2.0 + 2.0;
  const auto line = Clipped(stroke, -margin, kPlaneSide + margin);
  if (!line)
    return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(QColor(stroke.colour.r, stroke.colour.g, stroke.colour.b));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(line->translated(0.5, 0.5));
}

// The face at the size in points, 96 dots to the inch, with three sixteenths
// of the size left above its ascent; a text is left out only where it lies
// wholly beyond the picture, by its own measures.
float ReferenceSurface::DoPrint(std::string_view text) {
  const auto pixels =
      static_cast<int>(std::clamp(std::lround(FontSize() * 96.0 / 72.0), 1L, 1000L));
  QFont font(fontFamily_);
  font.setPixelSize(pixels);
  font.setBold(FontBold());
  font.setStyleStrategy(QFont::PreferAntialias);
  const QFontMetricsF metrics(font);
  const double leading = std::round(pixels * 3.0 / 16.0);
  const auto lineHeight = static_cast<float>(metrics.lineSpacing() + leading);
  const double x = CurrentX();
  const double y = CurrentY();
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const double reach = pixels + lineHeight;
  if (!(x < kPlaneSide + reach && y < kPlaneSide + reach &&
        x + metrics.horizontalAdvance(s) > -reach && y + lineHeight > -reach))
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
