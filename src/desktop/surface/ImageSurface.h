#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include "desktop/surface/RasterCache.h"
#include "lesson/surface/DisplayList.h"

namespace lesson {

// The real drawing area: paints into an off-screen image of 640 x 640 pixels
// at the screen's device pixel ratio, so the picture survives covering and
// uncovering and stays sharp on a HiDPI screen.
//
// A coordinate (x, y) names the pixel whose top-left corner it is, so the
// centre of a stroke along x = 370 runs through the middle of pixel column 370
// and a 1-pixel line covers exactly that column.
//
// Drawing calls become the lesson's display list, rasterised when the image
// is read; the image read is always exactly that of drawing every call in
// turn.
class ImageSurface final : public ListSurface {
 public:
  explicit ImageSurface(QString fontFamily, qreal devicePixelRatio = 1.0);

  // The picture of every call since the last Cls.
  const QImage& Image();
  qreal DevicePixelRatio() const { return raster_.Ratio(); }
  // Repaints the picture for another device pixel ratio from what has been
  // drawn since the last Cls.
  void SetDevicePixelRatio(qreal ratio);
  // Repaints the picture in another scheme from what has been drawn since
  // the last Cls: the same calls, every colour shown as the scheme has it.
  void SetScheme(Scheme scheme);
  Scheme CurrentScheme() const { return raster_.CurrentScheme(); }

  // The area (in plane pixels) whose pixels changed since the last call:
  // often much less than the calls touched, as a rebuild repeats most of the
  // picture before.
  QRectF TakeChangedArea();

 protected:
  TextExtent Measure(std::string_view text, int pixelSize, bool bold) override;

 private:
  void Flush() { area_ |= List().Flush(); }

  RasterCache raster_;
  PlaneArea area_;
};

}  // namespace lesson
