#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

#include "desktop/surface/RasterCache.h"
#include "lesson/surface/Clip.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// The real drawing area: paints into an off-screen image of 640 x 640 pixels
// at the screen's device pixel ratio, so the picture survives covering and
// uncovering and stays sharp on a HiDPI screen.
//
// A coordinate (x, y) names the pixel whose top-left corner it is, so the
// centre of a stroke along x = 370 runs through the middle of pixel column 370
// and a 1-pixel line covers exactly that column. Every stroke is clipped in
// double precision before it reaches the rasteriser.
//
// Drawing calls are rasterised when the image is read, through a cache that
// reuses what a rebuild repeats of the previous picture (RasterCache); the
// image read is always exactly that of drawing every call in turn.
class ImageSurface final : public Surface {
 public:
  static constexpr int kSize = 640;

  explicit ImageSurface(QString fontFamily, qreal devicePixelRatio = 1.0);

  float Width() const override { return kSize; }
  float Height() const override { return kSize; }

  // The picture of every call since the last Cls.
  const QImage& Image() const { return raster_.Image(); }
  qreal DevicePixelRatio() const { return raster_.Ratio(); }
  // Repaints the picture for another device pixel ratio from what has been
  // drawn since the last Cls.
  void SetDevicePixelRatio(qreal ratio);

  // The area (in plane pixels) whose pixels changed since the last call:
  // often much less than the calls touched, as a rebuild repeats most of the
  // picture before.
  QRectF TakeChangedArea();

  // Told the area (in plane pixels) that each drawing call changed.
  void SetChangeListener(std::function<void(const QRectF&)> listener) {
    changed_ = std::move(listener);
  }

  // The stroke of a Line call after its coordinates have become doubles;
  // exposed so that callers and tests can draw end points beyond the float
  // range.
  void StrokeSegment(const Segment& s, Colour colour, int width);

  // The part of a stroke that is handed to the rasteriser: clipped a little
  // outside the area so that round ends just beyond the edge still show
  // their visible part.
  static std::optional<Segment> ClipStroke(const Segment& s, int width);
  // Whether a text whose cell has this top-left corner, advance and line
  // height can reach the area.
  static bool TextMayShow(double x, double y, double advance, double lineHeight);

 protected:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

 private:
  void Notify(const QRectF& area);

  mutable RasterCache raster_;
  std::function<void(const QRectF&)> changed_;
};

}  // namespace lesson
