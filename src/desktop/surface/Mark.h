#pragma once

#include <QRectF>
#include <QString>

#include "lesson/surface/Clip.h"
#include "lesson/surface/Colour.h"

namespace lesson {

// One stroke or text as it reaches the image, after clipping: everything that
// decides its pixels, and nothing else, so that two equal marks drawn over
// equal pictures give equal pictures.
struct Mark {
  bool isText = false;
  Segment segment;  // the clipped stroke, or the text's top-left corner in x1, y1
  Colour colour;
  int width = 1;  // pen width in pixels
  QString text;
  int pixelSize = 0;  // the text's font
  bool bold = false;
  // Plane pixels that hold every pixel the mark may touch; it follows from
  // the fields above.
  QRectF bounds;

  friend bool operator==(const Mark&, const Mark&) = default;
};

}  // namespace lesson
