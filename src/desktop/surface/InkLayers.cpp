#include "desktop/surface/InkLayers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <span>

#include "desktop/surface/QtColour.h"
#include "lesson/surface/Surface.h"

namespace lesson {

namespace {

QImage BlankLayer(qreal ratio) {
  const int side = static_cast<int>(std::lround(kPlaneSide * ratio));
  QImage layer(side, side, QImage::Format_ARGB32_Premultiplied);
  layer.setDevicePixelRatio(ratio);
  layer.fill(Qt::transparent);
  return layer;
}

QPointF ToQPoint(InkPoint p) {
  return {p.x, p.y};
}

void AddOp(QPainterPath& outline, const PathOp& op) {
  switch (op.kind) {
    case PathOp::Kind::kMove:
      outline.moveTo(ToQPoint(op.to));
      break;
    case PathOp::Kind::kLine:
      outline.lineTo(ToQPoint(op.to));
      break;
    case PathOp::Kind::kQuad:
      outline.quadTo(ToQPoint(op.control), ToQPoint(op.to));
      break;
  }
}

QPainterPath OutlineOf(const InkPath& path) {
  QPainterPath outline;
  for (const PathOp& op : path.ops)
    AddOp(outline, op);
  return outline;
}

// How far a mark's pixels reach beyond its line: half its width, and a
// pixel for the antialiasing.
qreal Reach(const InkPath& path) {
  return path.width / 2 + 1;
}

// The area an op of a path covers, from the point where it starts (a curve
// lies within the triangle of its points).
QRectF OpBounds(InkPoint from, const PathOp& op, qreal reach) {
  qreal left = std::min(from.x, op.to.x);
  qreal right = std::max(from.x, op.to.x);
  qreal top = std::min(from.y, op.to.y);
  qreal bottom = std::max(from.y, op.to.y);
  if (op.kind == PathOp::Kind::kQuad) {
    left = std::min<qreal>(left, op.control.x);
    right = std::max<qreal>(right, op.control.x);
    top = std::min<qreal>(top, op.control.y);
    bottom = std::max<qreal>(bottom, op.control.y);
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-reach, -reach, reach, reach);
}

// The area the ops of a path from the first on cover.
QRectF BoundsFrom(const InkPath& path, std::size_t first) {
  QRectF area;
  const qreal reach = Reach(path);
  for (std::size_t i = first; i < path.ops.size(); ++i) {
    const InkPoint from = i > 0 ? path.ops[i - 1].to : path.ops[i].to;
    area |= OpBounds(from, path.ops[i], reach);
  }
  return area;
}

// The ops of a path that reach into an area, each run of them a subpath of
// its own. Within the area it strokes as the whole path does: where a run
// is cut, the cap lies beyond the area, within the op left out.
QPainterPath OutlineWithin(const InkPath& path, const QRectF& area) {
  QPainterPath outline;
  const qreal reach = Reach(path);
  InkPoint at;
  bool open = false;
  for (const PathOp& op : path.ops) {
    if (op.kind != PathOp::Kind::kMove && OpBounds(at, op, reach).intersects(area)) {
      if (!open)
        outline.moveTo(ToQPoint(at));
      open = true;
      AddOp(outline, op);
    } else {
      open = false;
    }
    at = op.to;
  }
  return outline;
}

QPen PenOf(const InkPath& path, Scheme scheme) {
  return QPen(ToQColor(scheme, path.colour), path.width, Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
}

// Strokes the marks onto a layer, in plane pixels (the layer's pixel ratio
// scales them); returns the area they cover.
QRectF StrokeOnto(QImage& layer, std::span<const InkPath> paths, Scheme scheme) {
  QRectF area;
  if (paths.empty())
    return area;
  QPainter painter(&layer);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const InkPath& path : paths) {
    painter.strokePath(OutlineOf(path), PenOf(path, scheme));
    area |= BoundsFrom(path, 0);
  }
  return area;
}

// The mark on the layer goes on as the next one: the same colour and width,
// and the same first point.
bool GoesOn(const InkPath& shown, const InkPath& next) {
  return shown.colour == next.colour && shown.width == next.width && !shown.ops.empty() &&
         !next.ops.empty() && shown.ops.front() == next.ops.front();
}

}  // namespace

InkLayers::InkLayers(qreal ratio)
    : finished_(BlankLayer(ratio > 0 ? ratio : 1.0)),
      active_(BlankLayer(ratio > 0 ? ratio : 1.0)) {}

bool InkLayers::SetRatio(qreal ratio) {
  if (!(ratio > 0) || ratio == Ratio())
    return false;
  finished_ = BlankLayer(ratio);
  active_ = BlankLayer(ratio);
  activePath_.reset();
  activeArea_ = QRectF();
  return true;
}

bool InkLayers::SetScheme(Scheme scheme) {
  if (scheme == scheme_)
    return false;
  scheme_ = scheme;
  finished_ = BlankLayer(Ratio());
  active_ = BlankLayer(Ratio());
  activePath_.reset();
  activeArea_ = QRectF();
  return true;
}

QRectF InkLayers::Apply(const InkUpdate& update) {
  QRectF changed;
  if (update.redraw) {
    finished_.fill(Qt::transparent);
    changed = QRectF(0, 0, kPlaneSide, kPlaneSide);
  }
  changed |= StrokeOnto(finished_, update.finished, scheme_);
  return changed | ShowActive(update.active);
}

// The active layer shows the mark being written as if cleared and stroked
// afresh, but only where it changed: as a pointer moves, only the last ops of
// the mark differ, and the area they cover (before and now) is cleared and
// the mark stroked within it. A mark stroked whole at every move would cost
// more the longer it grows.
QRectF InkLayers::ShowActive(const std::optional<InkPath>& next) {
  QRectF changed;
  if (next && activePath_ && GoesOn(*activePath_, *next)) {
    const std::vector<PathOp>& before = activePath_->ops;
    const std::vector<PathOp>& now = next->ops;
    std::size_t same = 0;
    while (same < before.size() && same < now.size() && before[same] == now[same])
      ++same;
    changed = BoundsFrom(*activePath_, same) | BoundsFrom(*next, same);
    activeArea_ |= changed;
  } else {
    changed = activeArea_ | (next ? BoundsFrom(*next, 0) : QRectF());
    activeArea_ = next ? BoundsFrom(*next, 0) : QRectF();
  }
  activePath_ = next;
  // Whole image pixels, so that the pixels within are those of the whole
  // mark stroked and the ones around stay as they are.
  const qreal r = Ratio();
  const QRect pixels =
      QRectF(changed.topLeft() * r, changed.size() * r).toAlignedRect() & active_.rect();
  if (pixels.isEmpty())
    return QRectF();
  const QRectF area(pixels.x() / r, pixels.y() / r, pixels.width() / r, pixels.height() / r);
  QPainter painter(&active_);
  painter.setClipRect(area);
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  painter.fillRect(area, Qt::transparent);
  if (next) {
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.strokePath(OutlineWithin(*next, area), PenOf(*next, scheme_));
  }
  return area;
}

void InkLayers::PaintOver(QPainter& painter, const QRectF& target, const QRect& source) const {
  painter.drawImage(target, finished_, QRectF(source));
  painter.drawImage(target, active_, QRectF(source));
}

}  // namespace lesson
