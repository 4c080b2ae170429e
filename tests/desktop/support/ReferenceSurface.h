#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "lesson/surface/Surface.h"
#include "support/Recording.h"

namespace lesson::test {

// The plain way to draw the plane, kept to compare the real surface with:
// every stroke and text painted at once through a painter of its own, with a
// font and metrics made for each text, nothing cached. It clips, leaves out
// and places texts by its own arithmetic, not the display list's, so a fault
// in a mark's clipping, bounds or text placement shows as a difference.
class ReferenceSurface final : public Surface {
 public:
  ReferenceSurface(QString fontFamily, qreal ratio);

  const QImage& Image() const { return image_; }
  float Width() const override { return 640; }
  float Height() const override { return 640; }

 protected:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

 private:
  QString fontFamily_;
  QImage image_;
};

// Replays the calls since the last Cls among them into the surface, with the
// attributes each was made with.
void ReplaySinceCls(const std::vector<DrawCall>& calls, Surface& surface);

// The picture the calls since their last Cls give when drawn the plain way.
QImage PlainRendering(const std::vector<DrawCall>& calls, qreal ratio);

}  // namespace lesson::test
