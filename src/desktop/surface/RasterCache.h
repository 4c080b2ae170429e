#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "desktop/surface/MarkPainter.h"
#include "lesson/surface/DisplayList.h"

namespace lesson {

// The picture's pixels as the display list has them made: an image at the
// screen's pixel ratio, painted through one painter per run of marks, and
// the snapshots the list asks to keep.
class RasterCache final : public Raster {
 public:
  RasterCache(QString fontFamily, qreal ratio);

  const QImage& Image() const { return image_; }
  qreal Ratio() const { return image_.devicePixelRatio(); }
  // A blank image at another ratio, the snapshots gone.
  void SetRatio(qreal ratio);
  // A blank image whose marks are to be painted in another scheme, the
  // snapshots gone.
  void SetScheme(Scheme scheme);
  Scheme CurrentScheme() const { return painter_.CurrentScheme(); }
  MarkPainter& Painter() { return painter_; }

  // The blank paper at a ratio, as the scheme shows it.
  static QImage BlankImage(qreal ratio, Scheme scheme = Scheme::kLight);

  void Blank() override;
  void Restore(std::size_t slot, const PlaneArea& area) override;
  void Save(std::size_t slot) override;
  void Paint(std::span<const Mark> marks) override;

 private:
  MarkPainter painter_;
  QImage image_;
  std::array<QImage, DisplayList::kSnapshots> snapshots_;
};

}  // namespace lesson
