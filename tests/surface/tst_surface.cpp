#include <QTest>
#include <cfloat>
#include <cmath>

#include "support/Recording.h"
#include "surface/Clip.h"
#include "surface/Colour.h"
#include "surface/ImageSurface.h"
#include "surface/SignedText.h"

using namespace lesson;
using lesson::test::IsWhite;

Q_DECLARE_METATYPE(Segment)

class SurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void clipKeepsTheVisiblePart_data() {
    QTest::addColumn<Segment>("in");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<Segment>("out");
    const double inf = INFINITY;
    QTest::newRow("inside stays exact")
        << Segment{10.25, 20, 30, 40.5} << true << Segment{10.25, 20, 30, 40.5};
    QTest::newRow("graph of y = x")
        << Segment{-1680, 2320, 2320, -1680} << true << Segment{0, 640, 640, 0};
    QTest::newRow("diagonal 1e7 away")
        << Segment{-1e7, -1e7, 1e7, 1e7} << true << Segment{0, 0, 640, 640};
    QTest::newRow("steep, 1e300 away")
        << Segment{0, -1e300, 1, 1e300} << true << Segment{0.5, 0, 0.5, 640};
    QTest::newRow("wholly left") << Segment{-50, 0, -1, 640} << false << Segment{};
    QTest::newRow("infinite end") << Segment{0, 0, inf, 10} << false << Segment{};
    QTest::newRow("not a number") << Segment{NAN, 0, 10, 10} << false << Segment{};
  }
  void clipKeepsTheVisiblePart() {
    QFETCH(Segment, in);
    QFETCH(bool, visible);
    QFETCH(Segment, out);
    const auto clipped = ClipSegment(in, Box{0, 0, 640, 640});
    QCOMPARE(clipped.has_value(), visible);
    if (!visible)
      return;
    QVERIFY(std::fabs(clipped->x1 - out.x1) < 1e-9 && std::fabs(clipped->y1 - out.y1) < 1e-9);
    QVERIFY(std::fabs(clipped->x2 - out.x2) < 1e-9 && std::fabs(clipped->y2 - out.y2) < 1e-9);
  }

  void signedText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("tenDigits");
    QTest::addColumn<QString>("text");
    QTest::newRow("2") << 2.0 << false << " 2";
    QTest::newRow("-2") << -2.0 << false << "-2";
    QTest::newRow("0") << 0.0 << false << " 0";
    QTest::newRow("-0 is not negative") << -0.0 << false << " 0";
    QTest::newRow("10") << 10.0 << false << " 10";
    QTest::newRow("100000 in digits") << 100000.0 << false << " 100000";
    QTest::newRow("-0.5") << -0.5 << false << "-0.5";
    QTest::newRow("1e21 with exponent") << 1e21 << false << " 1e+21";
    QTest::newRow("3 x -0.1") << 3 * -0.1 << true << "-0.3";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << true << " 0.3";
    QTest::newRow("1/3") << 1.0 / 3 << true << " 0.3333333333";
    QTest::newRow("largest double") << DBL_MAX << true << " 1.7976931348623157e+308";
  }
  void signedText() {
    QFETCH(double, value);
    QFETCH(bool, tenDigits);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(tenDigits ? SignedTextTenDigits(value) : SignedText(value)),
             text);
  }

  void paletteColours() {
    QCOMPARE(QBColor(0), (Colour{0, 0, 0}));
    QCOMPARE(QBColor(1), (Colour{0, 0, 128}));
    QCOMPARE(QBColor(7), (Colour{192, 192, 192}));
    QCOMPARE(QBColor(9), (Colour{0, 0, 255}));
    QCOMPARE(QBColor(12), (Colour{255, 0, 0}));
    QCOMPARE(QBColor(15), (Colour{255, 255, 255}));
    QCOMPARE(QBColor(16), QBColor(0));  // never reads outside the table
    QCOMPARE(QBColor(-1), QBColor(15));
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
    surface.StrokeSegment(Segment{500, -1e300, 501, 1e300}, QBColor(0), 1);
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
