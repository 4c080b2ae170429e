#include <QTest>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

class GraphTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsTheLineFromBorderToBorder_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<float>>("line");
    QTest::newRow("y = x") << "1"
                           << "0" << 50 << QList<float>{-1680, 2320, 2320, -1680};
    QTest::newRow("y = 3, a typed 0") << "0"
                                      << "3" << 50 << QList<float>{-1680, 170, 2320, 170};
    QTest::newRow("y = 3, a empty") << ""
                                    << "3" << 50 << QList<float>{-1680, 170, 2320, 170};
    QTest::newRow("y = 2x, b empty") << "2"
                                     << "" << 50 << QList<float>{-1680, 4320, 2320, -3680};
    QTest::newRow("y = 2/3 x + 1") << "2/3"
                                   << "1" << 50
                                   << QList<float>{-1680, float(320 + (2000 * (2.0 / 3) - 50)),
                                                   2320, float(320 + (-2000 * (2.0 / 3) - 50))};
    QTest::newRow("a = 1000") << "1000"
                              << "1" << 50 << QList<float>{-1680, 2000270, 2320, -1999730};
    QTest::newRow("y = x at 100") << "1"
                                  << "0" << 100 << QList<float>{-3680, 4320, 4320, -3680};
  }
  void drawsTheLineFromBorderToBorder() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, unit);
    QFETCH(QList<float>, line);
    Lesson l;
    l.form.State().UnitPx = static_cast<std::int16_t>(unit);
    l.Clear();
    l.Graph(a.toUtf8(), b.toUtf8());
    QCOMPARE(l.surface.calls.size(), std::size_t{1});
    const DrawCall& c = l.surface.calls[0];
    QCOMPARE((QList<float>{c.stroke.x1, c.stroke.y1, c.stroke.x2, c.stroke.y2}), line);
    QCOMPARE(c.stroke.width, std::int16_t{3});
    QCOMPARE(c.stroke.colour, QBColor(0));
    QCOMPARE(l.form.State().GraphDrawn, std::int16_t{1});
    QCOMPARE(l.form.Picture().DrawWidth(), std::int16_t{3});
  }

  // Slopes so steep that the end points leave the single-precision range still
  // give the nearly vertical line through (0, b).
  void steepSlopesPassThroughTheIntercept() {
    for (const char* a : {"1e6", "1e36", "1e300", "-1e300"}) {
      Lesson l;
      l.Clear();
      l.Graph(a, "1");
      const Stroke s = l.surface.calls.at(0).stroke;
      const double atRow270 = s.x1 + (270 - s.y1) * (s.x2 - s.x1) / (s.y2 - s.y1);
      QVERIFY2(std::fabs(atRow270 - 320) < 1e-3, a);
      QVERIFY2(std::min(s.y1, s.y2) < 0 && std::max(s.y1, s.y2) > 640, a);
    }
  }

  void bothBoxesEmptyOnlyMovesTheCaret() {
    Lesson l;
    l.form.Command5.SetFocus();
    l.Clear();
    l.Click(l.form.Command5);
    QVERIFY(l.surface.calls.empty());
    QCOMPARE(l.Focus(), &l.form.Text1);
    QVERIFY(l.form.Command5.Enabled() && !l.form.Command10.Enabled());
    QCOMPARE(l.form.State().GraphDrawn, std::int16_t{0});
  }

  // A text that breaks a limit changes nothing and puts the caret, with the
  // text selected, into the box that holds it.
  void invalidTextsChangeNothing_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("inB");
    for (const char* a : {"1/0", "2/", "1/0.4", "1/40000", "1e400"}) {
      QTest::newRow(a) << a << "1" << false;
    }
    QTest::newRow("b beyond single") << "2"
                                     << "1e39" << true;
  }
  void invalidTextsChangeNothing() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, inB);
    Lesson l;
    l.Clear();
    l.Graph(a.toUtf8(), b.toUtf8());
    QVERIFY(l.surface.Lines().empty());
    TextBox& box = inB ? l.form.Text2 : l.form.Text1;
    QCOMPARE(l.Focus(), &box);
    QCOMPARE(l.host.selected, std::vector{box.Row()});
    QVERIFY(l.form.Command5.Enabled());
    const LessonState& s = l.form.State();
    QVERIFY(s.SlopeA == 0 && s.SlopeDen == 0 && s.InterceptB == 0 && s.GraphDrawn == 0);

    // On a redraw of a shown graph the line comes from the kept values.
    l.Graph("2/3", "1");
    const Stroke drawn = l.surface.Lines().back().stroke;
    l.form.Text1.SetText(a.toStdString());
    l.form.Text2.SetText(b.toStdString());
    l.Clear();
    l.form.Command3_Click(1);
    QCOMPARE(l.surface.Lines().back().stroke.y1, drawn.y1);
    QCOMPARE(s.SlopeDen, std::int16_t{3});
    QCOMPARE(l.host.selected, std::vector{box.Row()});
  }

  void redrawsLeaveTheShownConstructionsAlone() {
    Lesson l;
    l.Graph("2", "1");
    l.form.SetQuick(true);
    l.Click(l.form.Command10);
    l.Click(l.form.Command12);
    l.form.Command2.SetFocus();
    l.form.Command5_Click();
    QVERIFY(!l.form.Command10.Enabled() && !l.form.Command12.Enabled());
    QCOMPARE(l.Focus(), &l.form.Command2);
  }
};

QTEST_APPLESS_MAIN(GraphTest)
#include "tst_graph.moc"
