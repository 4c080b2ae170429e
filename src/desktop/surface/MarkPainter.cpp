#include "desktop/surface/MarkPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "desktop/surface/QtColour.h"
#include "lesson/surface/Surface.h"

namespace lesson {

namespace {

// Distinct texts measured per face before the measures are forgotten; a
// lesson writes a few dozen, typed coefficients add a few more.
constexpr qsizetype kMaxAdvances = 4096;

}  // namespace

QFont MarkPainter::TextFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

double MarkPainter::InternalLeading(const QFont& font) {
  return TextLeading(font.pixelSize());
}

const MarkPainter::Face& MarkPainter::FaceFor(int pixelSize, bool bold) {
  const auto [it, added] = faces_.try_emplace(Key(pixelSize, bold));
  Face& face = it->second;
  if (added) {
    face.font = TextFont(fontFamily_, pixelSize, bold);
    const QFontMetricsF metrics(face.font);
    face.ascent = metrics.ascent();
    face.leading = InternalLeading(face.font);
    face.lineHeight = metrics.lineSpacing() + face.leading;
  }
  return face;
}

double MarkPainter::Advance(int pixelSize, bool bold, const QString& text) {
  QHash<QString, double>& known = advances_[Key(pixelSize, bold)];
  if (const auto it = known.constFind(text); it != known.constEnd())
    return *it;
  if (known.size() >= kMaxAdvances)
    known.clear();
  const double advance = QFontMetricsF(FaceFor(pixelSize, bold).font).horizontalAdvance(text);
  known.insert(text, advance);
  return advance;
}

void MarkPainter::Paint(QImage& image, std::span<const Mark> marks) {
  if (marks.empty())
    return;
  QPainter painter(&image);
  // The painter scales by the image's pixel ratio only when that exceeds 1;
  // a window smaller than its base size needs the scale below 1 as well, or
  // only the top-left part of the plane would be drawn.
  const qreal ratio = image.devicePixelRatio();
  if (ratio < 1)
    painter.scale(ratio, ratio);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  int fontKey = -1;
  for (const Mark& mark : marks) {
    const Segment& s = mark.segment;
    if (mark.isText) {
      const Face& face = FaceFor(mark.pixelSize, mark.bold);
      if (Key(mark.pixelSize, mark.bold) != fontKey) {
        painter.setFont(face.font);
        fontKey = Key(mark.pixelSize, mark.bold);
      }
      painter.setPen(ToQColor(scheme_, mark.colour));
      painter.drawText(QPointF(s.x1, s.y1 + face.leading + face.ascent),
                       QString::fromStdString(mark.text));
      continue;
    }
    QPen pen(ToQColor(scheme_, mark.colour));
    pen.setWidthF(mark.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    // The centre of pixel (x, y) lies at (x + 0.5, y + 0.5).
    painter.drawLine(QLineF(s.x1 + 0.5, s.y1 + 0.5, s.x2 + 0.5, s.y2 + 0.5));
  }
}

}  // namespace lesson
