#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>
#include <map>
#include <span>
#include <vector>

#include "lesson/supports/Palette.h"
#include "lesson/surface/DisplayList.h"

namespace lesson {

// Rasterises marks into an image, a whole run of them through one painter,
// and keeps what texts need (the font, its metrics, each text's width) built
// once per size and weight instead of once per text.
class MarkPainter {
 public:
  explicit MarkPainter(QString fontFamily) : fontFamily_(std::move(fontFamily)) {}

  // A text font of the plane and the measures the surface lays text out by.
  struct Face {
    QFont font;
    double ascent = 0;
    double lineHeight = 0;  // by which the text position moves down
    double leading = 0;     // room above the ascent in the text's cell
  };
  const Face& FaceFor(int pixelSize, bool bold);
  // The advance of the text in the face, measured once per distinct text.
  double Advance(int pixelSize, bool bold, const QString& text);

  void Paint(QImage& image, std::span<const Mark> marks);
  // The scheme every mark's colour is shown in.
  void SetScheme(Scheme scheme) { scheme_ = scheme; }
  Scheme CurrentScheme() const { return scheme_; }

  // The plane's font for texts of that size and weight.
  static QFont TextFont(const QString& family, int pixelSize, bool bold);
  // Room left above the face's ascent in a text's cell (TextLeading).
  static double InternalLeading(const QFont& font);

 private:
  static int Key(int pixelSize, bool bold) { return pixelSize * 2 + (bold ? 1 : 0); }

  QString fontFamily_;
  std::map<int, Face> faces_;  // a map keeps references to its faces valid
  QHash<int, QHash<QString, double>> advances_;
  Scheme scheme_ = Scheme::kLight;
};

}  // namespace lesson
