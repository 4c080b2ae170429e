#include <QTest>
#include <random>

#include "lesson/ink/InkTexts.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

namespace {

using Kind = PointerKind;
using Action = PointerEvent::Action;

PointerEvent At(Action action, Kind kind, int id, float x, float y) {
  PointerEvent e{action, kLeftButton, 0, x, y};
  e.kind = kind;
  e.id = id;
  e.up = action == Action::kRelease;
  return e;
}

// A pointer pressed at from, moved to to in one move, and lifted there
// unless held.
void Swipe(Form1& form, Kind kind, int id, InkPoint from, InkPoint to, bool hold = false) {
  form.Pointer(At(Action::kPress, kind, id, from.x, from.y));
  form.Pointer(At(Action::kMove, kind, id, to.x, to.y));
  if (!hold)
    form.Pointer(At(Action::kRelease, kind, id, to.x, to.y));
}

void Write(Ink& ink, float y, std::size_t points = 3) {
  ink.Begin({0, y}, {}, 4, 50);
  for (std::size_t i = 1; i < points; ++i)
    ink.Extend({static_cast<float>(i % 600), y});
  ink.End();
}

QString Ids(const Ink& ink) {
  QStringList ids;
  for (const InkStroke& s : ink.Strokes())
    ids << QString::number(s.id);
  return ids.join(' ');
}

}  // namespace

class InkTest : public QObject {
  Q_OBJECT

 private slots:
  // Marks written, erased by a touch, cleared, and each undone, last first:
  // every mark comes back where it lay among the others.
  void marksAndUndo_data() {
    QTest::addColumn<QString>("script");  // w: write at y = 100 * n; eN: erase at y = 100 * N
    QTest::addColumn<QString>("ids");
    // clang-format off
    QTest::newRow("written") << "w w w" << "1 2 3";
    QTest::newRow("the last undone") << "w w u" << "1";
    QTest::newRow("erased by a touch") << "w w w e2" << "1 3";
    QTest::newRow("an erasure undone") << "w w w e2 u" << "1 2 3";
    QTest::newRow("cleared") << "w w c" << "";
    QTest::newRow("a clearing undone") << "w w c u" << "1 2";
    QTest::newRow("back through all") << "w w e1 c u u u u" << "";
    QTest::newRow("nothing to undo") << "u w" << "1";
    // clang-format on
  }
  void marksAndUndo() {
    QFETCH(QString, script);
    Ink ink;
    int written = 0;
    for (const QString& step : script.split(' ')) {
      if (step == "w")
        Write(ink, 100.f * ++written);
      else if (step.startsWith('e')) {
        const InkPoint at{1, 100 * step.mid(1).toFloat()};
        ink.Erase(at, at, 5, {50, 320, 320});
      } else if (step == "u")
        ink.Undo();
      else if (step == "c")
        ink.Clear();
    }
    QTEST(Ids(ink), "ids");
  }

  // The cap: a long stroke goes on seamlessly as new strokes, and the
  // marks' points stay bounded, the oldest going first, the newest whole.
  void cap() {
    Ink ink;
    Write(ink, 1, 3 * Ink::kMaxStrokePoints + 5);
    QCOMPARE(ink.Strokes().size(), std::size_t{4});
    for (std::size_t i = 1; i < ink.Strokes().size(); ++i)
      QCOMPARE(ink.Strokes()[i].points.front(), ink.Strokes()[i - 1].points.back());
    for (int i = 0; i < 200; ++i) {
      Write(ink, static_cast<float>(i), 1500);
      ink.Clear();
      ink.Undo();
      QVERIFY(ink.PointCount() <= Ink::kMaxPoints);
    }
    QCOMPARE(ink.Strokes().back().points.size(), std::size_t{1500});
    QCOMPARE(ink.Strokes().back().points.back().y, 199.f);
  }

  // A path goes from the first point to the last, and wherever two of its
  // pieces meet they go on in the same direction: no corner however fast
  // the stroke.
  void pathsAreSmooth() {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(0, 640);
    for (int n = 1; n < 40; ++n) {
      InkStroke stroke{1, {}, 4, 50, {}};
      for (int i = 0; i < n; ++i)
        stroke.points.push_back({coordinate(random), coordinate(random)});
      const InkPath path = PathOf(stroke, {50, 320, 320});
      QCOMPARE(path.ops.front().to, stroke.points.front());
      QVERIFY(std::hypot(path.ops.back().to.x - stroke.points.back().x,
                         path.ops.back().to.y - stroke.points.back().y) < 0.02);
      for (std::size_t i = 1; i + 1 < path.ops.size(); ++i) {
        const InkPoint in =
            path.ops[i].kind == PathOp::Kind::kQuad ? path.ops[i].control : path.ops[i - 1].to;
        const InkPoint at = path.ops[i].to;
        const PathOp& next = path.ops[i + 1];
        const InkPoint out = next.kind == PathOp::Kind::kQuad ? next.control : next.to;
        const float cross = (at.x - in.x) * (out.y - at.y) - (at.y - in.y) * (out.x - at.x);
        const float dot = (at.x - in.x) * (out.x - at.x) + (at.y - in.y) * (out.y - at.y);
        QVERIFY2(std::fabs(cross) <= 1e-2f * std::max(1.f, std::fabs(dot)) && dot >= 0,
                 qPrintable(QString::number(n)));
      }
    }
  }

  // What each pointer does on the plane with the triangle shown: a pen
  // writes, a finger drags, a palm under the pen is ignored, the pen takes
  // the plane from a finger; with ペン on the mouse writes, with 消しゴム on
  // it erases. The picture's drawing never holds a mark.
  void pointers() {
    Lesson l;
    l.Graph("1", "0");
    l.Click(l.form.Command12);
    const float x0 = l.form.State().TriangleX;
    l.Clear();
    Swipe(l.form, Kind::kPen, 2, {100, 100}, {200, 120});
    QCOMPARE(l.form.Marks().Strokes().size(), std::size_t{1});
    QCOMPARE(l.form.State().TriangleX, x0);
    QVERIFY(l.surface.calls.empty());
    Swipe(l.form, Kind::kTouch, 5, {300, 300}, {310, 300});
    QCOMPARE(l.form.State().TriangleX, x0 + 10);
    Swipe(l.form, Kind::kPen, 2, {100, 500}, {150, 500}, true);
    Swipe(l.form, Kind::kTouch, 6, {300, 300}, {330, 300});  // a palm
    QCOMPARE(l.form.State().TriangleX, x0 + 10);
    l.form.Pointer(At(Action::kRelease, Kind::kPen, 2, 150, 500));
    Swipe(l.form, Kind::kTouch, 7, {300, 300}, {320, 300}, true);
    Swipe(l.form, Kind::kPen, 2, {500, 100}, {500, 200});  // takes the plane
    QCOMPARE(l.form.State().TriangleState, std::int16_t{1});
    QCOMPARE(l.form.Marks().Strokes().size(), std::size_t{3});
    l.Click(l.form.PenTool);
    Swipe(l.form, Kind::kMouse, 0, {20, 600}, {60, 600});
    l.Click(l.form.EraserTool);
    Swipe(l.form, Kind::kMouse, 0, {40, 590}, {40, 610});
    QCOMPARE(l.form.Marks().Strokes().size(), std::size_t{3});
    QVERIFY(l.form.Picture1.Description().ends_with("書き込み 3 本。"));
    QVERIFY(l.form.PenTool.Pressed() == false && l.form.EraserTool.Pressed());
  }

  // The marks stay where they were written on the grid when the plane's size
  // changes; 初期画面 takes them away, 元に戻す brings them back.
  void sizesAndReset() {
    Lesson l;
    Swipe(l.form, Kind::kPen, 1, {420, 320}, {470, 320});  // (2, 0) to (3, 0)
    Swipe(l.form, Kind::kPen, 1, {100, 100}, {120, 100});
    // A mark finished is stroked once onto what the layer holds: only the
    // very first update draws the layer afresh.
    QCOMPARE(std::count_if(l.host.inkUpdates.begin(), l.host.inkUpdates.end(),
                           [](const InkUpdate& u) { return u.redraw; }),
             1);
    l.Click(l.form.Command3[2]);  // 25 pixels per unit
    const InkPath path = l.host.inkUpdates.back().finished.front();
    QCOMPARE(path.ops.back().to, (InkPoint{395, 320}));
    QVERIFY(l.host.inkUpdates.back().redraw);
    l.Click(l.form.Command2);
    QVERIFY(l.form.Marks().Strokes().empty());
    l.Click(l.form.UndoInk);
    QCOMPARE(l.form.Marks().Strokes().size(), std::size_t{2});
  }

  // The picture's name: the equation as typed, valid on every system.
  void pictureNames_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("name");
    QTest::newRow("a fraction, b negative") << "2/3"
                                            << "-1"
                                            << "y=2／3x-1.png";
    QTest::newRow("decimals") << "0.5"
                              << "2"
                              << "y=0.5x+2.png";
    QTest::newRow("what no system takes") << "1:2?"
                                          << "\\*<|>\"\t"
                                          << "y=1_2_x+_______.png";
    QTest::newRow("a long text") << QString(100, '7') << "1"
                                 << "y=" + QString(58, '7') + ".png";
  }
  void pictureNames() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST(QString::fromStdString(PictureName(true, a.toStdString(), b.toStdString())), "name");
    QCOMPARE(QString::fromStdString(PictureName(false, "", "")), QStringLiteral("座標平面.png"));
  }
};

QTEST_APPLESS_MAIN(InkTest)
#include "tst_ink.moc"
