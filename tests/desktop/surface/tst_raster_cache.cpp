#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include "desktop/support/ReferenceSurface.h"
#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

namespace {

// Whether the window's picture is exactly what the calls since the last Cls
// give when drawn the plain way.
bool MatchesPlainRendering(WindowLesson& l) {
  ImageSurface& image = l.window.PictureImage();
  return image.Image() == PlainRendering(l.surface.calls, image.DevicePixelRatio());
}

// Whether the picture differs from the one shown before only inside the
// area the surface reports as changed, which is all that the plane repaints.
bool ChangesWereReported(WindowLesson& l, QImage& shown) {
  ImageSurface& surface = l.window.PictureImage();
  const qreal r = surface.DevicePixelRatio();
  const QRect logical = surface.TakeChangedArea().toAlignedRect();
  const QRect device =
      QRectF(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r)
          .toAlignedRect();
  QImage now = surface.Image().copy();
  const QImage current = now;
  for (QImage* image : {&now, &shown}) {
    image->setDevicePixelRatio(1);
    QPainter(image).fillRect(device, Qt::black);
  }
  const bool same = now == shown;
  shown = current;
  return same;
}

void Drag(WindowLesson& l, float dx, float dy) {
  l.form.Picture1_MouseDown(1, 0, 300, 300);
  l.form.Picture1_MouseMove(1, 0, 300 + dx, 300 + dy);
  l.form.Picture1_MouseUp(1, 0, 300 + dx, 300 + dy);
}

}  // namespace

class RasterCacheTest : public QObject {
  Q_OBJECT

 private slots:
  // Lesson states across every plane size, fractions, negative and whole
  // slopes, line A, the triangle at several k and anchors, and pixel ratios
  // whole and not.
  void lessonStatesArePixelExact_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("slope");
    QTest::addColumn<bool>("lineA");
    QTest::addColumn<int>("triangle");  // 0 none, 1 shown, 2 enlarged, 3 integer multiple
    QTest::addColumn<float>("drag");
    QTest::addColumn<qreal>("ratio");
    const QStringList slopes{"2/3", "-3/4", "2", "-1", "0.5", "7/2"};
    const qreal ratios[] = {1.0, 2.0, 1.875};
    for (int i = 0; i < 24; ++i) {
      const int size = i % 4;
      const QString& slope = slopes[(i / 4 + i) % slopes.size()];
      const bool lineA = (i / 2) % 2 == 0;
      const int triangle = (i * 5 / 3) % 4;
      const float drag = triangle == 0 ? 0.0f : static_cast<float>((i % 5) * 37 - 60);
      const qreal ratio = ratios[i % 3];
      QTest::addRow("%d: size %d, a = %s%s, triangle %d, drag %g, ratio %g", i, size,
                    qPrintable(slope), lineA ? ", line A" : "", triangle, drag, ratio)
          << size << slope << lineA << triangle << drag << ratio;
    }
  }
  void lessonStatesArePixelExact() {
    QFETCH(int, size);
    QFETCH(QString, slope);
    QFETCH(bool, lineA);
    QFETCH(int, triangle);
    QFETCH(float, drag);
    QFETCH(qreal, ratio);
    WindowLesson l;
    l.window.PictureImage().SetDevicePixelRatio(ratio);
    l.form.Command3_Click(static_cast<std::int16_t>(size));
    l.Graph(slope.toUtf8().constData(), "1");
    if (lineA)
      l.W(l.form.Command10)->click();
    if (triangle > 0)
      l.form.Command12_Click();
    if (triangle == 2)
      l.form.Command8_Click(0);
    if (triangle == 3)
      l.form.Command7_Click();
    QVERIFY(MatchesPlainRendering(l));
    if (drag != 0) {
      Drag(l, drag, -drag / 2);
      QVERIFY(MatchesPlainRendering(l));
      Drag(l, 3, 1);
      QVERIFY(MatchesPlainRendering(l));
    }
  }

  // A seeded random lesson of drags, size changes, erasures and redraws,
  // with the picture also read in the middle of animations: after every step
  // it is exactly the plain drawing of what was drawn since the last Cls, so
  // no reused pixel is ever stale, and it changed only where the surface
  // says, so no repaint leaves a stale pixel on the screen.
  void randomLessonNeverShowsStalePixels_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 8u << 1.0;
    QTest::newRow("ratio 1.875") << 88u << 1.875;
  }
  void randomLessonNeverShowsStalePixels() {
    QFETCH(quint32, seed);
    QFETCH(qreal, ratio);
    QRandomGenerator rng(seed);
    WindowLesson l;
    l.window.PictureImage().SetDevicePixelRatio(ratio);
    l.W(l.form.Command2)->click();  // the plane, drawn where it is recorded
    l.Graph("2/3", "1");
    QImage shown = l.window.PictureImage().Image().copy();
    const auto exact = [&l, &shown] {
      return MatchesPlainRendering(l) && ChangesWereReported(l, shown);
    };
    const char* slopes[] = {"2/3", "-5/4", "3", "0.25"};
    for (int step = 0; step < 60; ++step) {
      const int action = rng.bounded(12);
      // Reads the picture during one of the next waits of an animation.
      l.pacer.At(l.pacer.waits.size() + rng.bounded(12),
                 [&l] { (void)l.window.PictureImage().Image(); });
      switch (action) {
        case 0:
        case 1:
        case 2:
        case 3: {
          l.form.Picture1_MouseDown(1, 0, 300, 300);
          for (int move = 0, n = 1 + rng.bounded(3); move < n; ++move) {
            l.form.Picture1_MouseMove(1, 0, 300 + rng.bounded(-80, 80), 300 + rng.bounded(-80, 80));
            QVERIFY2(exact(), qPrintable(QString("step %1, move").arg(step)));
          }
          l.form.Picture1_MouseUp(1, 0, 300, 300);
          break;
        }
        case 4:
          l.form.Command3_Click(static_cast<std::int16_t>(rng.bounded(4)));
          break;
        case 5:
          l.form.Command11_Click();
          break;
        case 6:
          l.form.Command9_Click();
          break;
        case 7:
          l.form.Command10_Click();
          break;
        case 8:
          l.form.Command12_Click();
          break;
        case 9:
          l.form.Command8_Click(static_cast<std::int16_t>(rng.bounded(2)));
          break;
        case 10:
          l.form.Command7_Click();
          break;
        default:
          l.W(l.form.Command2)->click();
          l.Graph(slopes[rng.bounded(4)], "1");
          break;
      }
      QVERIFY2(exact(), qPrintable(QString("step %1, action %2").arg(step).arg(action)));
    }
  }
};

QTEST_MAIN(RasterCacheTest)
#include "tst_raster_cache.moc"
