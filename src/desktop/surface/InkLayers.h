#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

#include <optional>

#include "lesson/ink/InkPath.h"
#include "lesson/supports/Palette.h"

class QPainter;

namespace lesson {

// The marks written on the plane, as the desktop shows them above the
// picture: two transparent images at the picture's resolution, the finished
// marks and above them the mark being written. They only rasterise what the
// lesson's updates say; the picture beneath stays as it is.
class InkLayers {
 public:
  explicit InkLayers(qreal ratio = 1.0);

  // Image pixels per plane pixel. Another ratio makes the layers blank at
  // the new resolution: true when they were made anew, and the marks must be
  // drawn on them again.
  bool SetRatio(qreal ratio);
  qreal Ratio() const { return finished_.devicePixelRatio(); }
  // The scheme the marks' colours are shown in. Another scheme makes the
  // layers blank, as another ratio does: true when the marks must be drawn
  // on them again.
  bool SetScheme(Scheme scheme);

  // Brings the layers up to date: the finished layer cleared if asked and
  // the new finished marks stroked onto it, the active layer cleared and the
  // mark being written stroked onto it. Returns the area, in plane pixels,
  // whose pixels may have changed.
  QRectF Apply(const InkUpdate& update);

  const QImage& Finished() const { return finished_; }
  const QImage& Active() const { return active_; }

  // Paints the image pixels in source of both layers over target, as the
  // picture's pixels are painted.
  void PaintOver(QPainter& painter, const QRectF& target, const QRect& source) const;

 private:
  // The active layer made to show the mark being written (or none); returns
  // the area that changed.
  QRectF ShowActive(const std::optional<InkPath>& next);

  QImage finished_;
  QImage active_;
  std::optional<InkPath> activePath_;  // the mark on the active layer
  QRectF activeArea_;                  // plane pixels where the active layer may have ink
  Scheme scheme_ = Scheme::kLight;
};

}  // namespace lesson
