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
};

QTEST_MAIN(RasterCacheTest)
#include "tst_raster_cache.moc"
