#pragma once

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "desktop/surface/Mark.h"
#include "desktop/surface/MarkPainter.h"

namespace lesson {

// The picture since the last clear as a sequence of marks, rasterised only
// when the image is read.
//
// A rebuild of the picture often repeats the previous one mark for mark up to
// some point: a drag moves only the triangle over the same plane, graph and
// line A. The cache therefore keeps the previous sequence and, at the point
// where a rebuild first went its own way, a snapshot of the image as it stood
// there. A rebuild is compared with the kept sequence mark by mark and costs
// nothing while it agrees; when it is read, it is rasterised from the latest
// snapshot inside the agreeing part. A snapshot is keyed by the marks that
// produced it, so it is never shown for another picture, and a change of
// pixel ratio drops them all.
class RasterCache {
 public:
  RasterCache(QString fontFamily, qreal ratio);

  // The picture becomes blank.
  void Clear();
  void Add(Mark mark);
  // The image of every mark since the last clear.
  const QImage& Image();
  qreal Ratio() const { return image_.devicePixelRatio(); }
  // Repaints the picture at another pixel ratio.
  void SetRatio(qreal ratio);
  MarkPainter& Painter() { return painter_; }
  // The image pixels changed since the last call, brought up to date first.
  QRect TakeDamage();

  static QImage BlankImage(qreal ratio);

 private:
  static constexpr std::size_t kUnknown = SIZE_MAX;

  void Flush();
  void Restore();
  void RewindTo(std::size_t index);
  void DropFrom(std::size_t index);
  void PaintUpTo(std::size_t end);
  QRect DeviceRect(const QRectF& planeArea) const;

  MarkPainter painter_;
  QImage image_;
  // marks_[0, cursor_) is the picture since the last clear; the marks after
  // the cursor are the rest of the previous picture, which the next ones may
  // repeat.
  std::vector<Mark> marks_;
  std::size_t cursor_ = 0;
  // image_ shows marks_[0, painted_); kUnknown when it shows something else.
  std::size_t painted_ = 0;
  // The image after the first n marks, by n.
  std::map<std::size_t, QImage> snapshots_;
  // Where the next rasterisation takes a snapshot.
  std::optional<std::size_t> wanted_;
  // False once the marks since the last clear grew too many to keep; the
  // image alone then holds the picture.
  bool complete_ = true;
  // Image pixels changed since the damage was last taken.
  QRect damage_;
};

}  // namespace lesson
