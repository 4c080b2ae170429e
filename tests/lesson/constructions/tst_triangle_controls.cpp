#include <QTest>
#include <limits>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

Q_DECLARE_METATYPE(lesson::Arrow)

namespace {

// The triangle's run as drawn last: "L x1,y1-x2,y2".
QString LastRun(const Lesson& l) {
  const auto lines = l.surface.Lines();
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    if (it->stroke.colour == QBColor(9) && it->stroke.y1 == it->stroke.y2) {
      return Describe({*it}).first();
    }
  }
  return {};
}

}  // namespace

class TriangleControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void showStartsAtTheInterceptWithKOne() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.State().TriangleScale = 4;
    l.Clear();
    l.Click(l.form.Command12);
    const LessonState& s = l.form.State();
    QVERIFY(s.TriangleX == 320 && s.TriangleY == 270 && s.TriangleScale == 1);
    QCOMPARE(s.TriangleState, std::int16_t{1});
    QCOMPARE(l.surface.calls.front().kind, DrawCall::Kind::kLine);  // drawn over the picture
    QCOMPARE(LastRun(l), QString("L 320,270-370,270"));
  }

  // An intercept whose pixel row lies beyond the float range puts the anchor
  // at the largest float of that side, not at infinity.
  void anchorBeyondTheFloatRangeStaysFinite() {
    Lesson l;
    l.Click(l.form.Command3[0]);  // 100 pixels per unit
    l.Graph("1", "3e38");
    l.form.SetQuick(true);
    l.Click(l.form.Command12);
    QCOMPARE(l.form.State().TriangleY, -std::numeric_limits<float>::max());
  }

  void enlargeAndShrinkStepK_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");
    QTest::newRow("enlarge 3") << 3 << 0 << 4;
    QTest::newRow("enlarge at 5 keeps 5") << 5 << 0 << 5;
    QTest::newRow("shrink at 1 keeps 1") << 1 << 1 << 1;
    QTest::newRow("enlarge 7") << 7 << 0 << 8;
    QTest::newRow("shrink 7") << 7 << 1 << 6;
    QTest::newRow("shrink 6: cut to 5 first") << 6 << 1 << 4;
    QTest::newRow("enlarge 6") << 6 << 0 << 7;
    QTest::newRow("enlarge -3") << -3 << 0 << -2;
    QTest::newRow("enlarge -1 jumps to 1") << -1 << 0 << 1;
    QTest::newRow("shrink -3") << -3 << 1 << -4;
    QTest::newRow("enlarge at the top end") << 32767 << 0 << 32767;
    QTest::newRow("shrink at the bottom end") << -32768 << 1 << -32768;
  }
  void enlargeAndShrinkStepK() {
    QFETCH(int, k);
    QFETCH(int, index);
    QFETCH(int, after);
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    l.form.State().TriangleScale = static_cast<std::int16_t>(k);
    l.Clear();
    l.Click(l.form.Command8[index]);
    QCOMPARE(int(l.form.State().TriangleScale), after);
    QCOMPARE(Describe(l.surface.calls).first(), QString("Cls"));  // the whole picture again
    QCOMPARE(LastRun(l), QStringLiteral("L 320,270-%1,270").arg(320 + 50 * after));
    QCOMPARE(l.WaitTimes(), (std::vector<int>{200, 50, 300, 200, 50}));  // animated again
    QVERIFY(!l.form.Command12.Enabled());
  }

  // "整数倍" makes k the denominator as typed, so the rise is written whole;
  // with line A shown it is drawn twice and Quick ends unticked.
  void integerMultiple_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<bool>("lineA");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("rise");
    QTest::newRow("2/3") << "2/3" << false << 3 << "T 470,200,_2";
    QTest::newRow("2/3 with line A") << "2/3" << true << 3 << "T 470,200,_2";
    QTest::newRow("no fraction bar: k = 1") << "0.5" << false << 1 << "T 370,237.5,_0.5";
    QTest::newRow("negative denominator") << "2/-3" << false << -3 << "T 170,200,_2";
  }
  void integerMultiple() {
    QFETCH(QString, a);
    QFETCH(bool, lineA);
    QFETCH(int, k);
    QFETCH(QString, rise);
    Lesson l;
    l.Graph(a.toUtf8(), "1");
    if (lineA) {
      l.form.SetQuick(true);
      l.Click(l.form.Command10);
      l.form.SetQuick(false);
    }
    l.Click(l.form.Command12);
    l.Clear();
    l.Click(l.form.Command7);
    QCOMPARE(int(l.form.State().TriangleScale), k);
    QVERIFY(Describe(l.surface.Prints()).contains(rise));
    QCOMPARE(Describe(l.surface.Prints()).filter(",_1_").size(), lineA ? 32 : 0);
    QCOMPARE(l.form.Quick(), false);
    for (const auto& w : l.pacer.waits)
      QCOMPARE(w.ms == 0, lineA);
  }

  void eraseRemovesTheTriangleUntilShownAgain() {
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    l.form.Picture1_MouseDown(1, 0, 100, 100);
    l.form.Picture1_MouseMove(1, 0, 150, 80);  // dragged away
    l.form.Picture1_MouseUp(1, 0, 150, 80);
    l.Click(l.form.Command8[0]);
    l.Clear();
    l.Click(l.form.Command9);
    QCOMPARE(LastRun(l), QString());
    QCOMPARE(l.form.State().TriangleScale, std::int16_t{2});  // kept, as is the anchor
    QCOMPARE(l.form.State().TriangleX, 370.0f);
    // Neither a press, a new size nor erasing line A brings it back.
    l.form.Picture1_MouseDown(1, 0, 100, 100);
    l.form.Picture1_MouseMove(1, 0, 120, 100);
    l.form.Picture1_MouseUp(1, 0, 120, 100);
    l.form.Command3_Click(1);
    QCOMPARE(LastRun(l), QString());
    l.Clear();
    l.Click(l.form.Command12);
    QCOMPARE(LastRun(l), QString("L 320,270-370,270"));
  }

  // The drag of the worked example, then a later redraw at the new place.
  void dragMovesTheAnchorByThePointer() {
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    LessonState& s = l.form.State();
    l.form.Picture1_MouseDown(1, 0, 330, 268);
    QVERIFY(s.TriangleState == 2 && l.form.Quick() && s.DragLastX == 330 && s.DragLastY == 268);
    l.Clear();
    l.form.Picture1_MouseMove(1, 0, 345, 250);
    QVERIFY(s.TriangleX == 335 && s.TriangleY == 252 && s.DragLastX == 345);
    QCOMPARE(Describe(l.surface.calls).first(), QString("Cls"));
    QCOMPARE(LastRun(l), QString("L 335,252-385,252"));
    QVERIFY(l.WaitTimes().empty());
    QCOMPARE(l.Focus(), &l.form.Command2);
    l.form.Picture1_MouseMove(1, 0, 340, 251);
    QVERIFY(s.TriangleX == 330 && s.TriangleY == 253);
    l.form.Picture1_MouseUp(1, 0, 340, 251);
    QVERIFY(s.TriangleState == 1 && !l.form.Quick());
    l.form.Command3_Click(2);
    QCOMPARE(LastRun(l), QString("L 330,253-355,253"));
  }

  void pressAndReleaseWithoutATriangle() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.SetQuick(true);  // ticked by the user
    l.Clear();
    l.form.Picture1_MouseDown(2, 1, 10, 10);
    l.form.Picture1_MouseMove(2, 1, 50, 50);
    l.form.Picture1_MouseUp(2, 1, 50, 50);
    QVERIFY(l.surface.calls.empty());
    QVERIFY(!l.form.Quick() && l.form.State().TriangleState == 0);
  }

  // A second button during a drag updates the last position; the first
  // release ends the drag.
  void secondButtonDuringADrag() {
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    LessonState& s = l.form.State();
    l.form.Picture1_MouseDown(1, 0, 600, 600);  // far from the triangle
    l.form.Picture1_MouseDown(2, 0, 610, 590);
    QVERIFY(s.TriangleState == 2 && s.DragLastX == 610);
    l.form.Picture1_MouseMove(3, 0, 620, 600);
    QVERIFY(s.TriangleX == 330 && s.TriangleY == 280);
    l.form.Picture1_MouseUp(1, 0, 620, 600);
    l.form.Picture1_MouseMove(2, 0, 700, 700);
    QVERIFY(s.TriangleX == 330 && s.TriangleState == 1 && !l.form.Quick());
  }

  // Every move redraws line A at once and takes a and b afresh from the boxes.
  void dragWithLineAAndEditedBoxes() {
    Lesson l;
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.Click(l.form.Command10);
    l.Click(l.form.Command12);
    l.form.SetQuick(false);
    l.form.Text1.SetText("1");
    l.form.Picture1_MouseDown(1, 0, 300, 300);
    l.Clear();
    l.form.Picture1_MouseMove(1, 0, 310, 300);
    const QStringList calls = Describe(l.surface.calls);
    QCOMPARE(calls.filter(",_1_").size(), 14);  // line A of a = 1
    QCOMPARE(l.form.State().SlopeA, 1.0);
    QCOMPARE(LastRun(l), QString("L 330,270-380,270"));
    QVERIFY(l.WaitTimes().empty());
  }

  // A press on the plane during line A's animation lets it finish at once.
  void pressDuringLineA() {
    Lesson l;
    l.Graph("2/3", "1");
    l.pacer.At(2, [&] { l.form.Picture1_MouseDown(1, 0, 5, 5); });
    l.Click(l.form.Command10);
    QCOMPARE(l.pacer.waits.size(), std::size_t{3});
    QCOMPARE(l.pacer.waits[2].ms, 300);
    l.form.Picture1_MouseUp(1, 0, 5, 5);
    QVERIFY(!l.form.Quick());
  }

  // An arrow key on the focused plane draws exactly what a pointer drag by
  // one unit (with Shift one pixel) draws, and ends with Quick unticked and
  // the focus still on the plane. With no triangle it does nothing.
  void arrowKeysDragTheTriangle_data() {
    QTest::addColumn<bool>("triangle");
    QTest::addColumn<Arrow>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPointF>("moved");  // the anchor's displacement
    QTest::newRow("right: one unit") << true << Arrow::kRight << false << QPointF(25, 0);
    QTest::newRow("up: one unit") << true << Arrow::kUp << false << QPointF(0, -25);
    QTest::newRow("Shift+left: one pixel") << true << Arrow::kLeft << true << QPointF(-1, 0);
    QTest::newRow("Shift+down: one pixel") << true << Arrow::kDown << true << QPointF(0, 1);
    QTest::newRow("no triangle: nothing") << false << Arrow::kRight << false << QPointF();
  }
  void arrowKeysDragTheTriangle() {
    QFETCH(bool, triangle);
    QFETCH(Arrow, key);
    QFETCH(bool, shift);
    QFETCH(QPointF, moved);
    Lesson byKey;
    Lesson byPointer;
    for (Lesson* l : {&byKey, &byPointer}) {
      l->Click(l->form.Command3[2]);  // 25 pixels per unit
      l->Graph("2/3", "1");
      if (triangle)
        l->Click(l->form.Command12);
      l->form.SetQuick(true);  // ticked by the user
      l->Clear();
    }
    byKey.form.Picture1.SetFocus();
    byKey.form.PlaneKey({key, std::int16_t(shift ? 1 : 0)});
    if (triangle) {
      byPointer.form.Picture1_MouseDown(1, 0, 100, 100);
      byPointer.form.Picture1_MouseMove(1, 0, 100 + moved.x(), 100 + moved.y());
      byPointer.form.Picture1_MouseUp(1, 0, 100 + moved.x(), 100 + moved.y());
    }
    QCOMPARE(Describe(byKey.surface.calls), Describe(byPointer.surface.calls));
    const LessonState& s = byKey.form.State();
    QCOMPARE(QPointF(s.TriangleX, s.TriangleY), triangle ? QPointF(320, 295) + moved : QPointF());
    QCOMPARE(byKey.form.Quick(), !triangle);
    QCOMPARE(s.TriangleState, std::int16_t(triangle ? 1 : 0));
    QCOMPARE(byKey.Focus(), &byKey.form.Picture1);
  }

  // "大" clicked while the triangle is being drawn: the rest of it follows the
  // new scale on the new plane.
  void sizeChangeDuringTheTriangle() {
    Lesson l;
    l.Graph("2/3", "1");
    l.pacer.At(0, [&] { l.Click(l.form.Command3[2]); });
    l.Clear();
    l.Click(l.form.Command12);
    const QStringList calls = Describe(l.surface.calls);
    const QStringList after = calls.mid(calls.lastIndexOf("Cls"));
    QVERIFY(after.contains("L 345,270-335,265"));  // the run's arrowhead at 25 pixels per unit
    QVERIFY(after.contains("T 322.5,272,_1"));
    QCOMPARE(l.form.State().TriangleState, std::int16_t{1});
  }
};

QTEST_APPLESS_MAIN(TriangleControlsTest)
#include "tst_triangle_controls.moc"
