#include <QTest>
#include <cfloat>
#include <cmath>

#include "desktop/support/Window.h"
#include "lesson/surface/Colour.h"

using namespace lesson;
using namespace lesson::test;

class SurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  // The plane as the window starts: axes 3 wide, grid lines 1 wide, "Ｏ" and
  // the numbers below the x axis.
  void planePixels() {
    LessonWindow window;
    const QImage& img = window.PictureImage().Image();
    QVERIFY(IsWhite(img, 5, 5));
    for (int y : {319, 320, 321})
      QVERIFY(!IsWhite(img, 100, y));  // x axis, 3 wide
    QVERIFY(IsWhite(img, 100, 318) && IsWhite(img, 100, 322));
    QVERIFY(!IsWhite(img, 320, 568));  // the y axis
    QVERIFY(!IsWhite(img, 370, 100));  // a grid line, 1 wide
    QVERIFY(IsWhite(img, 369, 100) && IsWhite(img, 371, 100));
    const auto inkIn = [&](int x0, int y0, int w, int h) {
      for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
          if (!IsWhite(img, x, y) && y != 319 && y != 320 && y != 321 && x != 320)
            return true;
        }
      }
      return false;
    };
    QVERIFY(inkIn(300, 322, 20, 22));  // "Ｏ"
    QVERIFY(inkIn(413, 322, 14, 22));  // the digit of " 2"
  }

  void drawPlaneLeavesOnlyThePlane() {
    LessonWindow window;
    Form1& form = window.Form();
    const QImage empty = window.PictureImage().Image();
    form.Text1.SetText("2/3");
    form.Command5_Click();
    form.SetQuick(true);
    form.Command10_Click();
    form.Command12_Click();
    QVERIFY(window.PictureImage().Image() != empty);
    form.DrawPlane();
    QCOMPARE(window.PictureImage().Image(), empty);
  }

  // A 1-pixel line along x = 370 darkens exactly column 370, at any pixel
  // ratio; a 3-pixel line along y = 320 exactly rows 319 to 321.
  void strokesAreSharp_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
  }
  void strokesAreSharp() {
    QFETCH(qreal, ratio);
    ImageSurface surface(QStringLiteral("IPAPGothic"), ratio);
    QCOMPARE(surface.Image().width(), qRound(640 * ratio));
    surface.SetDrawWidth(1);
    surface.Line(370, 0, 370, 640);
    surface.SetDrawWidth(3);
    surface.Line(0, 320, 640, 320);
    const QImage& img = surface.Image();
    const int r = qRound(ratio);
    for (int d = 0; d < r; ++d) {
      QCOMPARE(img.pixelColor(370 * r + d, 100 * r), QColor(Qt::black));
      QCOMPARE(img.pixelColor(100 * r, 319 * r + d), QColor(Qt::black));
      QCOMPARE(img.pixelColor(100 * r, 321 * r + d), QColor(Qt::black));
    }
    QCOMPARE(img.pixelColor(370 * r - 1, 100 * r), QColor(Qt::white));
    QCOMPARE(img.pixelColor(371 * r, 100 * r), QColor(Qt::white));
    QCOMPARE(img.pixelColor(100 * r, 319 * r - 1), QColor(Qt::white));
    QCOMPARE(img.pixelColor(100 * r, 322 * r), QColor(Qt::white));
  }

  void changingThePixelRatioRepaintsSharply() {
    ImageSurface surface(QStringLiteral("IPAPGothic"), 1.0);
    surface.Line(370, 0, 370, 640);
    surface.SetDevicePixelRatio(2.0);
    QCOMPARE(surface.Image().width(), 1280);
    QCOMPARE(surface.Image().pixelColor(741, 10), QColor(Qt::black));
    QCOMPARE(surface.Image().pixelColor(742, 10), QColor(Qt::white));
  }

  // A window smaller than its base size gives the picture a pixel ratio below
  // 1: the whole plane is still drawn, scaled down, not its top-left part.
  void aPixelRatioBelowOneShowsTheWholePlane() {
    ImageSurface surface(QStringLiteral("IPAPGothic"), 0.5);
    surface.SetDrawWidth(3);
    surface.Line(600, 0, 600, 640);
    QCOMPARE(surface.Image().width(), 320);
    QVERIFY(qGray(surface.Image().pixel(300, 10)) < 100);
    QCOMPARE(surface.Image().pixelColor(150, 10), QColor(Qt::white));
  }

  void extremeStrokesDrawTheirVisiblePart() {
    ImageSurface surface(QStringLiteral("IPAPGothic"));
    surface.Line(-1e7f, -1e7f, 1e7f, 1e7f);
    surface.Line(0, -FLT_MAX, 600, FLT_MAX);  // vertical at x = 300 on the plane
    surface.SetDrawWidth(1);
    surface.Line(500, -FLT_MAX, 501, FLT_MAX);
    const QImage& img = surface.Image();
    QVERIFY(!IsWhite(img, 100, 100) && !IsWhite(img, 600, 600));
    QVERIFY(IsWhite(img, 100, 140) && IsWhite(img, 140, 100));
    QVERIFY(!IsWhite(img, 300, 50) && !IsWhite(img, 300, 590));
    QVERIFY(!IsWhite(img, 500, 320) || !IsWhite(img, 501, 320));
    QVERIFY(IsWhite(img, 497, 320) && IsWhite(img, 504, 320));
  }

  void nonFiniteStrokesAndTextsDrawNothing() {
    ImageSurface surface(QStringLiteral("IPAPGothic"));
    const QImage before = surface.Image();
    surface.Line(NAN, 0, 100, 100);
    surface.Line(0, 0, INFINITY, 100);
    surface.SetCurrentX(NAN);
    surface.Print("1");
    surface.SetCurrentX(1e30f);
    surface.Print("1");
    QCOMPARE(surface.Image(), before);
  }

  void printWritesBelowAndRightOfTheTextPosition() {
    ImageSurface surface(QStringLiteral("IPAPGothic"));
    surface.SetFontSize(20);
    surface.SetFontBold(true);
    surface.SetCurrentX(300);
    surface.SetCurrentY(318);
    surface.Print("Ｏ");
    const QImage& img = surface.Image();
    int dark = 0;
    for (int y = 300; y < 360; ++y) {
      for (int x = 280; x < 340; ++x) {
        if (IsWhite(img, x, y))
          continue;
        QVERIFY2(x >= 300 && y >= 318, "ink above or left of the text position");
        ++dark;
      }
    }
    QVERIFY(dark > 40);
    QCOMPARE(surface.CurrentX(), 0.0f);  // the text position moves to the next line
    QVERIFY(surface.CurrentY() > 318 + 20);
  }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
