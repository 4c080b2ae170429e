#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "surface/Clip.h"
#include "surface/Surface.h"

namespace lesson {

// The real drawing area: paints into an off-screen image of 640 x 640 pixels
// at the screen's device pixel ratio, so the picture survives covering and
// uncovering and stays sharp on a HiDPI screen.
//
// A coordinate (x, y) names the pixel whose top-left corner it is, so the
// centre of a stroke along x = 370 runs through the middle of pixel column 370
// and a 1-pixel line covers exactly that column. Every stroke is clipped in
// double precision before it reaches the rasteriser.
class ImageSurface final : public Surface {
 public:
  static constexpr int kSize = 640;

  explicit ImageSurface(QString fontFamily, qreal devicePixelRatio = 1.0);

  float Width() const override { return kSize; }
  float Height() const override { return kSize; }

  const QImage& Image() const { return image_; }
  qreal DevicePixelRatio() const { return image_.devicePixelRatio(); }
  // Repaints the picture for another device pixel ratio from what has been
  // drawn since the last Cls.
  void SetDevicePixelRatio(qreal ratio);

  // Told the area (in plane pixels) that each drawing call changed.
  void SetChangeListener(std::function<void(const QRectF&)> listener) {
    changed_ = std::move(listener);
  }

  // The stroke of a Line call after its coordinates have become doubles;
  // exposed so that callers and tests can draw end points beyond the float
  // range.
  void StrokeSegment(const Segment& s, Colour colour, int width);

  // Pixel size of a font given in points at 96 dots per inch.
  static int PointsToPixels(double points);

 protected:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

 private:
  // What has been drawn since the last Cls, to repaint at another pixel ratio.
  struct Mark {
    bool isText = false;
    Segment segment;  // clipped stroke, or the text's top-left corner in x1, y1
    Colour colour;
    int width = 1;
    QString text;
    QFont font;
  };

  QFont TextFont() const;
  void Paint(const Mark& mark);
  void Remember(Mark mark);
  void Notify(const QRectF& area);

  QString fontFamily_;
  QImage image_;
  std::vector<Mark> marks_;
  bool marksComplete_ = true;
  std::function<void(const QRectF&)> changed_;
};

}  // namespace lesson
