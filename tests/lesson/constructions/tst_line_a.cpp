#include <QTest>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

namespace {

// Runs "補助線A" after drawing the graph and returns the texts written as the
// unit label " 1 ", one per drawn step, in order.
QStringList UnitLabels(const QStringList& calls) {
  return calls.filter(",_1_");
}

}  // namespace

class LineATest : public QObject {
  Q_OBJECT

 private slots:
  // The drawn steps (first and count) and every call of step 0.
  void drawsTheStaircase_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("firstUnitLabel");
    QTest::addColumn<QStringList>("stepZero");  // empty: not checked
    QTest::newRow("2/3") << "2/3"
                         << "1" << 50 << 16 << "T -115,569,_1_"
                         << QStringList{"L 320,270-370,270",       "L 370,270-360,265",
                                        "L 370,270-360,275",       "T 335,269,_1_",
                                        "L 370,270-370,236.67",    "L 370,236.67-365,246.67",
                                        "L 370,236.67-375,246.67", "T 370,246.67,_2",
                                        "T 372,256.67,－",         "T 370,262.67,_3"};
    QTest::newRow("-2") << "-2"
                        << "1" << 50 << 8 << "T 185,-47,_1_"
                        << QStringList{"L 320,270-370,270", "L 370,270-360,265",
                                       "L 370,270-360,275", "T 335,253,_1_",
                                       "L 370,270-370,370", "L 370,370-365,360",
                                       "L 370,370-375,360", "T 380,300,-2"};
    QTest::newRow("-2/3") << "-2/3"
                          << "1" << 50 << 16 << "T -115,-47,_1_"
                          << QStringList{"L 320,270-370,270",       "L 370,270-360,265",
                                         "L 370,270-360,275",       "T 335,253,_1_",
                                         "L 370,270-370,303.33",    "L 370,303.33-365,293.33",
                                         "L 370,303.33-375,293.33", "T 380,260,_2",
                                         "T 373,270,-－",           "T 380,276,_3"};
    QTest::newRow("2/-3 starts at x = 170") << "2/-3"
                                            << "1" << 50 << 10 << "T 185,153,_1_" << QStringList{};
    QTest::newRow("4/2 is whole") << "4/2"
                                  << "0" << 50 << 11 << "T 85,819,_1_" << QStringList{};
    QTest::newRow("a = 0") << "0"
                           << "0" << 50 << 14 << "T -15,319,_1_" << QStringList{};
    QTest::newRow("a = 0, b = 10: no step") << "0"
                                            << "10" << 50 << 0 << "" << QStringList{};
    QTest::newRow("at 14 pixels per unit") << "2/3"
                                           << "1" << 14 << 47 << "T -19,529,_1_" << QStringList{};
    QTest::newRow("at 100 pixels per unit")
        << "2/3"
        << "1" << 100 << 10 << "T -240,619,_1_" << QStringList{};
  }
  void drawsTheStaircase() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, unit);
    QFETCH(int, steps);
    QFETCH(QString, firstUnitLabel);
    QFETCH(QStringList, stepZero);
    Lesson l;
    l.form.State().UnitPx = static_cast<std::int16_t>(unit);
    l.Graph(a.toUtf8(), b.toUtf8());
    l.Clear();
    l.Click(l.form.Command10);
    const QStringList calls = Describe(l.surface.calls);
    const QStringList labels = UnitLabels(calls);
    QCOMPARE(labels.size(), steps);
    if (steps > 0)
      QCOMPARE(labels.first(), firstUnitLabel);
    if (!stepZero.isEmpty()) {
      const int start = calls.indexOf(stepZero.first());
      QCOMPARE(calls.mid(start, stepZero.size()), stepZero);
    }
    std::vector<int> waits;
    for (int i = 0; i < steps; ++i)
      waits.insert(waits.end(), {200, 50, 300, 200, 50, 300});
    QCOMPARE(l.WaitTimes(), waits);
    // Every mark as a pupil sees it: red, lines 3 pixels wide, labels in
    // 12-point bold.
    for (const DrawCall& c : l.surface.calls) {
      QCOMPARE(c.attributes.foreColor, QBColor(12));
      if (c.kind == DrawCall::Kind::kLine)
        QCOMPARE(std::pair(c.stroke.colour, c.stroke.width),
                 std::pair(QBColor(12), std::int16_t{3}));
      else
        QCOMPARE(std::pair(c.attributes.fontSize, c.attributes.fontBold), std::pair(12.0f, true));
    }
    QCOMPARE(l.form.Picture().ForeColor(), QBColor(0));
    QCOMPARE(l.form.Picture().FontSize(), 20.0f);
    QCOMPARE(l.form.State().LineAState, std::int16_t{1});
  }

  void slopeLabels_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QStringList>("texts");  // the texts of step 0 after " 1 "
    QTest::newRow("2/-3") << "2/-3" << QStringList{"T 380,260,_2", "T 373,270,－", "T 380,276,-3"};
    QTest::newRow("4/2") << "4/2" << QStringList{"T 370,200,_2"};
    QTest::newRow("0") << "0" << QStringList{"T 370,250,_0"};
    QTest::newRow("decimal 0.5") << "0.5" << QStringList{"T 370,237.5,_0.5"};
  }
  void slopeLabels() {
    QFETCH(QString, a);
    QFETCH(QStringList, texts);
    Lesson l;
    l.Graph(a.toUtf8(), "1");
    l.form.SetQuick(true);
    l.Clear();
    l.Click(l.form.Command10);
    const QStringList calls = Describe(l.surface.calls);
    const int label = calls.indexOf(QRegularExpression("^T 335,2\\d\\d,_1_$"));
    QVERIFY(label > 0);
    QCOMPARE(calls.mid(label + 4, texts.size()), texts);
  }

  // With a triangle shown, line A leaves "補助線C" off and the focus where
  // it was. (The buttons during and after line A alone are the phase
  // table's.)
  void withATriangleShown() {
    Lesson t;
    t.Graph("2/3", "1");
    t.form.SetQuick(true);
    t.Click(t.form.Command12);
    t.form.Command2.SetFocus();
    t.Click(t.form.Command10);
    QVERIFY(!t.form.Command12.Enabled() && t.form.Command11.Enabled());
    QCOMPARE(t.Focus(), &t.form.Command2);
  }

  void eraseRebuildsWithoutLineA_data() {
    QTest::addColumn<bool>("triangle");
    QTest::newRow("no triangle") << false;
    QTest::newRow("triangle shown") << true;
  }
  void eraseRebuildsWithoutLineA() {
    QFETCH(bool, triangle);
    Lesson l;
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.Click(l.form.Command10);
    if (triangle)
      l.Click(l.form.Command12);
    l.Clear();
    l.Click(l.form.Command11);
    const QStringList calls = Describe(l.surface.calls);
    QCOMPARE(calls.mid(0, 2), (QStringList{"Cls", "Cls"}));  // the erase, then the plane's own
    QVERIFY(UnitLabels(calls).isEmpty());
    QCOMPARE(calls.contains("L 320,270-370,270"), triangle);  // the triangle's run
    QCOMPARE(l.form.State().LineAState, std::int16_t{0});
    QVERIFY(l.form.Command10.Enabled() && !l.form.Command12.Enabled());
    QVERIFY(l.form.Command11.Enabled());
    QCOMPARE(l.Focus(), &l.form.Command10);
  }

  // Quick ticked during a wait: that wait runs out, the rest draws without
  // waiting.
  void tickingQuickFinishesAtOnce() {
    Lesson l;
    l.Graph("2/3", "1");
    l.pacer.At(0, [&] { l.form.SetQuick(true); });
    l.Click(l.form.Command10);
    const auto& waits = l.pacer.waits;
    QCOMPARE(waits.size(), std::size_t{1});
    QVERIFY(waits[0].ms == 200 && !waits[0].quick);
    QCOMPARE(UnitLabels(Describe(l.surface.calls)).size(), 16);  // every step drawn
  }

  // "消去" during the animation clears the picture; the remaining steps go on
  // on the fresh plane.
  void eraseDuringTheAnimation() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.Click(l.form.Command10);
    l.Click(l.form.Command11);
    l.form.SetQuick(false);
    l.Clear();
    l.pacer.At(std::size_t{5} * 6, [&] { l.Click(l.form.Command11); });  // during step i = -4
    l.Click(l.form.Command10);
    const QStringList calls = Describe(l.surface.calls);
    const int cleared = calls.indexOf("Cls");
    QVERIFY(cleared > 0);
    QCOMPARE(UnitLabels(calls.mid(cleared)).size(), 16 - 5);
    QCOMPARE(UnitLabels(calls.mid(cleared)).first(), QString("T 135,402.33,_1_"));
  }
};

QTEST_APPLESS_MAIN(LineATest)
#include "tst_line_a.moc"
