#include <QTest>
#include <cfloat>
#include <cmath>

#include "lesson/surface/Clip.h"
#include "lesson/surface/Colour.h"
#include "lesson/surface/SignedText.h"

using namespace lesson;

Q_DECLARE_METATYPE(Segment)

// What the drawing area is given: strokes clipped in double precision, the
// texts of numbers, the palette.
class DrawingValuesTest : public QObject {
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
};

QTEST_APPLESS_MAIN(DrawingValuesTest)
#include "tst_drawing_values.moc"
