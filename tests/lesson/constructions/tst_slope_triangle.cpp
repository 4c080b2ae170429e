#include <QTest>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

class SlopeTriangleTest : public QObject {
  Q_OBJECT

 private slots:
  // Every stroke and text of DrawSlopeTriangle(k); with "lines" empty only
  // the texts are compared.
  void drawsTheTriangle_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("k");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2/3, k = 1") << "2/3"
                                << "1" << 1
                                << QStringList{"L 320,270-370,270",       "L 370,270-360,265",
                                               "L 370,270-360,275",       "T 335,272,_1",
                                               "L 370,270-370,236.67",    "L 370,236.67-365,246.67",
                                               "L 370,236.67-375,246.67", "T 370,233.33,_2",
                                               "T 370,246.33,－",         "T 370,257.33,_3",
                                               "L 370,236.67-320,270"};
    QTest::newRow("2/3, k = 3: the rise is whole")
        << "2/3"
        << "1" << 3 << QStringList{"L 320,270-470,270", "L 470,270-460,265", "L 470,270-460,275",
                                   "T 385,272,_3",      "L 470,270-470,170", "L 470,170-465,180",
                                   "L 470,170-475,180", "T 470,200,_2",      "L 470,170-320,270"};
    QTest::newRow("-1/2, k = 1") << "-1/2"
                                 << "0" << 1
                                 << QStringList{"L 320,320-370,320", "L 370,320-360,315",
                                                "L 370,320-360,325", "T 335,294,_1",
                                                "L 370,320-370,345", "L 370,345-365,335",
                                                "L 370,345-375,335", "T 385,312.5,_1",
                                                "T 370,325.5,-－",   "T 385,336.5,_2",
                                                "L 370,345-320,320"};
    QTest::newRow("-1/2, k = 2") << "-1/2"
                                 << "0" << 2 << QStringList{"T 360,294,_2", "T 435,325,-1"};
    QTest::newRow("a = 0") << "0"
                           << "0" << 1
                           << QStringList{
                                  "L 320,320-370,320", "L 370,320-360,315", "L 370,320-360,325",
                                  "T 335,322,_1",      "L 370,320-370,320", "L 370,320-365,330",
                                  "L 370,320-375,330", "T 370,300,_0",      "L 370,320-320,320"};
    QTest::newRow("a = 2") << "2"
                           << "0" << 1 << QStringList{"T 335,322,_1", "T 370,250,_2"};
    QTest::newRow("a = -2") << "-2"
                            << "0" << 1 << QStringList{"T 335,294,_1", "T 370,350,-2"};
    QTest::newRow("3/5, k = 5") << "3/5"
                                << "0" << 5 << QStringList{"T 435,322,_5", "T 570,225,_3"};
    QTest::newRow("3/5, k = 3") << "3/5"
                                << "0" << 3
                                << QStringList{"T 385,322,_3", "T 470,255,_9", "T 470,268,－",
                                               "T 470,279,_5"};
    QTest::newRow("1/49, k = 49: not whole, two-digit numerator")
        << "1/49"
        << "0" << 49
        << QStringList{"T 1535,322,_49", "T 2770,275,_49", "T 2776,288,－", "T 2776,299,_49"};
    QTest::newRow("negative k from 1/-2")
        << "1/-2"
        << "0" << -2 << QStringList{"L 320,320-220,320", "L 220,320-210,315", "L 220,320-210,325",
                                    "T 260,264,-2",      "L 220,320-220,270", "L 220,270-215,260",
                                    "L 220,270-225,260", "T 220,275,_1",      "L 220,270-320,320"};
    QTest::newRow("negative denominator 2/-3")
        << "2/-3"
        << "0" << 1
        << QStringList{"T 335,294,_1", "T 370,316.67,_2", "T 370,329.67,－", "T 370,340.67,-3"};
    QTest::newRow("decimal 0.5") << "0.5"
                                 << "0" << 1 << QStringList{"T 335,322,_1", "T 370,287.5,_0.5"};
    QTest::newRow("decimal 0.5, k = 3")
        << "0.5"
        << "0" << 3 << QStringList{"T 385,322,_3", "T 470,262.5,_1.5"};
    QTest::newRow("decimal -0.1, k = 3")
        << "-0.1"
        << "0" << 3 << QStringList{"T 385,294,_3", "T 470,307.5,-0.3"};
  }
  void drawsTheTriangle() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, k);
    QFETCH(QStringList, expected);
    Lesson l;
    l.Graph(a.toUtf8(), b.toUtf8());
    LessonState& s = l.form.State();
    s.TriangleX = 320;
    s.TriangleY = 320 - 50 * s.InterceptB;
    s.TriangleScale = static_cast<std::int16_t>(k);
    l.Clear();
    l.form.DrawSlopeTriangle(s.TriangleScale);
    const bool textsOnly = expected.size() < 9;
    QCOMPARE(Describe(textsOnly ? l.surface.Prints() : l.surface.calls), expected);
    // Every mark as a pupil sees it: blue, lines 3 pixels wide, labels in
    // 20-point bold.
    for (const DrawCall& c : l.surface.calls) {
      QCOMPARE(c.attributes.foreColor, QBColor(9));
      if (c.kind == DrawCall::Kind::kLine)
        QCOMPARE(std::pair(c.stroke.colour, c.stroke.width),
                 std::pair(QBColor(9), std::int16_t{3}));
      else
        QCOMPARE(std::pair(c.attributes.fontSize, c.attributes.fontBold), std::pair(20.0f, true));
    }
    QCOMPARE(l.form.Picture().ForeColor(), QBColor(0));
    QCOMPARE(l.WaitTimes(), (std::vector<int>{200, 50, 300, 200, 50}));
  }

  void quickSkipsEveryWait() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.Clear();
    l.form.DrawSlopeTriangle(l.form.State().TriangleScale);
    QVERIFY(l.WaitTimes().empty());
  }

  // A handler run during a wait changes k: the rest of the drawing follows.
  void everyStepReadsTheLessonAfresh() {
    Lesson l;
    l.Graph("2/3", "1");
    LessonState& s = l.form.State();
    s.TriangleX = 320;
    s.TriangleY = 270;
    l.pacer.At(1, [&] { s.TriangleScale = 3; });
    l.Clear();
    l.form.DrawSlopeTriangle(s.TriangleScale);
    const QStringList calls = Describe(l.surface.calls);
    QCOMPARE(calls.first(), QString("L 320,270-370,270"));
    QCOMPARE(calls.mid(3, 2), (QStringList{"T 385,272,_3", "L 470,270-470,170"}));
  }
};

QTEST_APPLESS_MAIN(SlopeTriangleTest)
#include "tst_slope_triangle.moc"
