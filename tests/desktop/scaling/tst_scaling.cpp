#include <QTest>
#include <tuple>

#include "desktop/scaling/ScaledLayout.h"
#include "desktop/support/Window.h"
#include "lesson/scaling/WindowScale.h"

using namespace lesson;
using namespace lesson::test;

class ScalingTest : public QObject {
  Q_OBJECT

 private slots:
  // Over a spread of client areas: the layout fits, is centred, the plane is
  // a whole number of pixels, and one pixel more of plane would not fit.
  void scaleFitsCentresAndIsLargest() {
    QCOMPARE(WindowScale::Fit(1024, 687).Map({16, 32, 640, 640}), (PixelRect{16, 32, 640, 640}));
    for (int w = 400; w <= 4000; w += 37) {
      for (int h = 300; h <= 2200; h += 29) {
        const WindowScale s = WindowScale::Fit(w, h);
        const QString at = QStringLiteral("%1x%2").arg(w).arg(h);
        const PixelRect form = s.Map({0, 0, 1024, 687});
        QVERIFY2(form.left >= 0 && form.top >= 0 && form.left + form.width <= w &&
                     form.top + form.height <= h,
                 qPrintable(at));
        QVERIFY2(std::abs(2 * form.left + form.width - w) <= 1 ||
                     std::abs(2 * form.top + form.height - h) <= 1,
                 qPrintable(at));
        const PixelRect plane = s.Map({16, 32, 640, 640});
        QVERIFY2(plane.width == s.PlaneSide() && plane.height == s.PlaneSide(), qPrintable(at));
        QCOMPARE(s.PlaneSide() / 640.0, s.factor);
        const double larger = (s.PlaneSide() + 1) / 640.0;
        QVERIFY2(1024 * larger > w || 687 * larger > h, qPrintable(at));
      }
    }
  }

  // At 1920 x 1080 every control stands at its scaled place with its font
  // scaled and the plane's image is painted afresh at the plane's size.
  // Back at 1024 x 687 the picture is the one of before, pixel for pixel.
  // (A drag at that size, with real input, is e2e/projector.sh's.)
  void wholeWindowScalesAndComesBack() {
    WindowLesson l;
    l.window.show();
    l.Graph("2/3", "1");
    l.W(l.form.Command12)->click();
    const QImage before = l.window.PictureImage().Image();
    const QRect baseCommand5 = l.W(l.form.Command5)->geometry();
    l.window.resize(1920, 1080);
    const WindowScale s = WindowScale::Fit(1920, 1080);
    QCOMPARE(s.PlaneSide(), 1006);
    for (QWidget* w : l.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const PixelRect r = s.Map(l.window.Layout().Base(w));
      QCOMPARE(w->geometry(), QRect(r.left, r.top, r.width, r.height));
    }
    QCOMPARE(l.W(l.form.Command5)->font().pixelSize(), s.Length(19));
    QCOMPARE(l.W(l.form.Label3)->font().pixelSize(), s.Length(12));
    QCOMPARE(l.W(l.form.Check2)->font().pixelSize(), s.Length(12));
    QCOMPARE(l.window.PictureImage().Image().size(), QSize(1006, 1006));
    l.window.resize(1024, 687);
    QCOMPARE(l.W(l.form.Command5)->geometry(), baseCommand5);
    QCOMPARE(l.W(l.form.Check2)->font().pixelSize(), 12);
    QVERIFY(l.window.PictureImage().Image() == before);
  }

  // After "終了" a new size reaches nothing the window shows: no widget
  // moves, no font or picture is scaled.
  void aResizeAfterTheEndChangesNothing() {
    WindowLesson l;
    l.window.show();
    const auto shown = [&l] {
      QList<QRect> places;
      for (QWidget* w : l.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        places << w->geometry();
      return std::tuple(places, l.W(l.form.Command5)->font(), l.window.PictureImage().Image());
    };
    const auto before = shown();
    l.W(l.form.Command1)->click();
    l.window.resize(810, 1010);
    l.window.show();
    QCOMPARE(l.window.size(), QSize(810, 1010));
    QVERIFY(shown() == before);
  }

  // The equation "ｙ＝ a χ＋ b" reads whole: the right arm of its "＋" shows
  // between the label's box and the box for b, at the base size and larger.
  void theEquationsPlusShowsWhole_data() {
    QTest::addColumn<QSize>("room");
    QTest::newRow("scale 1") << QSize(1024, 687);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
  }
  void theEquationsPlusShowsWhole() {
    QFETCH(QSize, room);
    WindowLesson l;
    l.window.resize(room);
    l.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.window));
    const WindowScale s = WindowScale::Fit(room.width(), room.height());
    const QImage shot = l.window.grab().toImage();
    const PixelRect arm = s.Map({914, 252, 5, 10});  // right of the label's 226 pixels
    int ink = 0;
    for (int y = arm.top; y < arm.top + arm.height; ++y) {
      for (int x = arm.left; x < arm.left + arm.width; ++x)
        ink += qGray(shot.pixel(x, y)) < 100 ? 1 : 0;
    }
    QVERIFY2(ink >= arm.width, qPrintable(QString("%1 ink pixels").arg(ink)));
  }
};

QTEST_MAIN(ScalingTest)
#include "tst_scaling.moc"
