#include <QTest>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;
using Kind = DrawCall::Kind;

class PlaneTest : public QObject {
  Q_OBJECT

 private slots:
  // The whole recorded drawing of the empty plane at each size: the axes,
  // every grid line in order, "Ｏ", and every number with its position, also
  // those outside the area.
  void drawPlaneDrawsTheWorkedExample_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("gridCount");
    QTest::addColumn<QString>("numbers");  // x,y,text with _ for the blank
    QTest::newRow("100") << 100 << 6
                         << "409,318,_1 204,318,-1 295,208,_1 290,408,-1 509,318,_2 104,318,-2 "
                            "295,108,_2 290,508,-2 609,318,_3 4,318,-3 295,8,_3 290,608,-3";
    QTest::newRow("50") << 50 << 12
                        << "405,318,_2 200,318,-2 295,208,_2 290,408,-2 505,318,_4 100,318,-4 "
                           "295,108,_4 290,508,-4 605,318,_6 0,318,-6 295,8,_6 290,608,-6 "
                           "705,318,_8 -100,318,-8 295,-92,_8 290,708,-8 797,318,_10 "
                           "-208,318,-10 282,-192,_10 277,808,-10";
    QTest::newRow("25") << 25 << 25
                        << "430,318,_5 175,318,-5 295,183,_5 290,433,-5 547,318,_10 42,318,-10 "
                           "282,58,_10 277,558,-10 672,318,_15 -83,318,-15 282,-67,_15 "
                           "277,683,-15 797,318,_20 -208,318,-20 282,-192,_20 277,808,-20 "
                           "922,318,_25 -333,318,-25 282,-317,_25 277,933,-25";
    QTest::newRow("14") << 14 << 45
                        << "375,318,_5 230,318,-5 295,238,_5 290,378,-5 437,318,_10 152,318,-10 "
                           "282,168,_10 277,448,-10 507,318,_15 82,318,-15 282,98,_15 "
                           "277,518,-15 577,318,_20 12,318,-20 282,28,_20 277,588,-20 "
                           "647,318,_25 -58,318,-25 282,-42,_25 277,658,-25 717,318,_30 "
                           "-128,318,-30 282,-112,_30 277,728,-30 787,318,_35 -198,318,-35 "
                           "282,-182,_35 277,798,-35 857,318,_40 -268,318,-40 282,-252,_40 "
                           "277,868,-40";
  }
  void drawPlaneDrawsTheWorkedExample() {
    QFETCH(int, unit);
    QFETCH(int, gridCount);
    QFETCH(QString, numbers);
    Lesson l;
    l.form.State().UnitPx = static_cast<std::int16_t>(unit);
    l.surface.SetFontSize(12);  // the plane keeps whatever size is in force
    l.Clear();
    l.form.DrawPlane();

    const auto& calls = l.surface.calls;
    QCOMPARE(calls.front().kind, Kind::kCls);
    std::vector<std::array<float, 5>> lines{{0, 320, 640, 320, 3}, {320, 0, 320, 640, 3}};
    for (int i = 1; i <= gridCount; ++i) {
      const float d = static_cast<float>(i * unit);
      lines.push_back({0, 320 + d, 640, 320 + d, 1});
      lines.push_back({320 + d, 0, 320 + d, 640, 1});
      lines.push_back({0, 320 - d, 640, 320 - d, 1});
      lines.push_back({320 - d, 0, 320 - d, 640, 1});
    }
    const auto drawn = l.surface.Lines();
    QCOMPARE(drawn.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Stroke& s = drawn[i].stroke;
      QCOMPARE((std::array<float, 5>{s.x1, s.y1, s.x2, s.y2, float(s.width)}), lines[i]);
      QCOMPARE(s.colour, QBColor(0));
    }

    QStringList expected{QStringLiteral("300,318,Ｏ")};
    expected += numbers.split(' ');
    QStringList printed;
    for (const DrawCall& c : l.surface.Prints()) {
      QVERIFY(c.attributes.fontBold && c.attributes.fontSize == 12);
      printed << QStringLiteral("%1,%2,%3")
                     .arg(c.attributes.currentX)
                     .arg(c.attributes.currentY)
                     .arg(QString::fromStdString(c.text).replace(' ', '_'));
    }
    QCOMPARE(printed, expected);
    // Left behind: black, 3 pixels wide, bold, the size unchanged.
    QCOMPARE(l.surface.ForeColor(), QBColor(0));
    QCOMPARE(l.surface.DrawWidth(), std::int16_t{3});
    QVERIFY(l.surface.FontBold());
    QCOMPARE(l.surface.FontSize(), 12.0f);
    QCOMPARE(l.form.Label5[0].Left(), 324);
    QCOMPARE(l.form.Label5[1].Top(), 348);
  }

  void sizeButtonsSetTheScaleAndMarkThemselves_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("unit");
    QTest::newRow("小") << 0 << 100;
    QTest::newRow("中 again") << 1 << 50;
    QTest::newRow("大") << 2 << 25;
    QTest::newRow("特大") << 3 << 14;
  }
  void sizeButtonsSetTheScaleAndMarkThemselves() {
    QFETCH(int, index);
    QFETCH(int, unit);
    Lesson l;
    l.Clear();
    l.Click(l.form.Command3[index]);
    QCOMPARE(int(l.form.State().UnitPx), unit);
    for (int i = 0; i < 4; ++i) {
      const Button& b = l.form.Command3[i];
      QCOMPARE(PointsToPixels(b.FontPoints()), i == index ? 27 : 16);
      QCOMPARE(b.FontBold(), i == index);
    }
    // Nothing but the plane is shown: nothing but the plane is drawn.
    QCOMPARE(l.surface.Lines().size(), std::size_t(2 + 4 * (640 / unit)));
    QCOMPARE(l.Focus(), &l.form.Command2);
  }

  // The triangle keeps its k (a k of 6 becomes 5) and its pixel anchor.
  void sizeChangeKeepsTheTriangle_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("after");
    QTest::newRow("k = 1") << "2/3" << 1 << 1;
    QTest::newRow("k = 5") << "2/3" << 5 << 5;
    QTest::newRow("k = 6 from 1/6") << "1/6" << 6 << 5;
  }
  void sizeChangeKeepsTheTriangle() {
    QFETCH(QString, a);
    QFETCH(int, k);
    QFETCH(int, after);
    Lesson l;
    l.Graph(a.toUtf8(), "1");
    l.Click(l.form.Command12);
    l.form.State().TriangleScale = static_cast<std::int16_t>(k);
    l.Clear();
    l.Click(l.form.Command3[2]);
    QCOMPARE(int(l.form.State().TriangleScale), after);
    QVERIFY(Describe(l.surface.Lines())
                .contains(QStringLiteral("L 320,270-%1,270").arg(320 + 25 * after)));
    QVERIFY(!l.form.Command12.Enabled());
  }

  // Boxes emptied after drawing: the plane comes back without the graph.
  void sizeChangeWithEmptiedBoxes() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.Text1.SetText("");
    l.form.Text2.SetText("");
    l.Clear();
    l.Click(l.form.Command3[0]);
    QCOMPARE(l.surface.Lines().size(), std::size_t(2 + 4 * 6));
    QCOMPARE(l.form.State().GraphDrawn, std::int16_t{1});
    QCOMPARE(l.Focus(), &l.form.Command2);
  }
};

QTEST_APPLESS_MAIN(PlaneTest)
#include "tst_plane.moc"
