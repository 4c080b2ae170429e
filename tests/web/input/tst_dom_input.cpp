#include <QTest>

#include "web/input/DomInput.h"
#include "web/input/EventQueue.h"

using namespace lesson;
using namespace lesson::web;
using Action = PointerEvent::Action;

Q_DECLARE_METATYPE(PointerEvent)

// The browser's raw input as the lesson takes it.
class DomInputTest : public QObject {
  Q_OBJECT

 private slots:
  void pointerEvents_data() {
    QTest::addColumn<QString>("type");
    // button, buttons, shift, ctrl, alt, clientX, clientY[, pointerId, trail...]
    QTest::addColumn<QList<double>>("raw");
    QTest::addColumn<QList<double>>("box");  // the canvas's left, top, width
    QTest::addColumn<bool>("taken");
    QTest::addColumn<PointerEvent>("event");
    const QList<double> plane{0, 0, 640};  // the canvas at 640 CSS pixels in the corner
    const auto up = [](PointerEvent e) {
      e.up = true;
      return e;
    };
    PointerEvent pen{Action::kMove, 1, 0, 5, 6};
    pen.kind = PointerKind::kPen;
    pen.id = 3;
    pen.trail = {{1, 2}, {3, 4}};
    QTest::newRow("main button down")
        << "pointerdown" << QList<double>{0, 1, 0, 0, 0, 10.5, 20} << plane << true
        << PointerEvent{Action::kPress, 1, 0, 10.5f, 20};
    QTest::newRow("middle down, Shift+Alt")
        << "pointerdown" << QList<double>{1, 4, 1, 0, 1, 0, 0} << plane << true
        << PointerEvent{Action::kPress, 4, 5, 0, 0};
    QTest::newRow("move, left and right held")
        << "pointermove" << QList<double>{-1, 3, 0, 1, 0, 1, 2} << plane << true
        << PointerEvent{Action::kMove, 3, 2, 1, 2};
    QTest::newRow("move, a pen's eraser bit dropped")
        << "pointermove" << QList<double>{-1, 33, 0, 0, 0, 0, 0} << plane << true
        << PointerEvent{Action::kMove, 1, 0, 0, 0};
    QTest::newRow("second button pressed during a drag")
        << "pointermove" << QList<double>{2, 3, 0, 0, 0, 5, 5} << plane << true
        << PointerEvent{Action::kPress, 2, 0, 5, 5};
    QTest::newRow("second button released during a drag")
        << "pointermove" << QList<double>{2, 1, 0, 0, 0, 5, 5} << plane << true
        << PointerEvent{Action::kRelease, 2, 0, 5, 5};
    QTest::newRow("up, far beyond the plane")
        << "pointerup" << QList<double>{0, 0, 0, 0, 0, -700, 9e40} << plane << true
        << up(PointerEvent{Action::kRelease, 1, 0, -700, 3.4028235e38f});
    QTest::newRow("cancel") << "pointercancel" << QList<double>{-1, 0, 0, 0, 0, 1, 1} << plane
                            << true << up(PointerEvent{Action::kRelease, 0, 0, 1, 1});
    // The pointer's kind and id follow the type; a move's coalesced points,
    // client x and y in turn, come before its own.
    QTest::newRow("a pen's move with its coalesced points")
        << "pointermove pen" << QList<double>{-1, 1, 0, 0, 0, 5, 6, 3, 1, 2, 3, 4} << plane << true
        << pen;
    QTest::newRow("the plane shown at half size, beside a margin")
        << "pointermove" << QList<double>{-1, 1, 0, 0, 0, 260, 210} << QList<double>{100, 50, 320}
        << true << PointerEvent{Action::kMove, 1, 0, 320, 320};
    QTest::newRow("a canvas of no width: CSS pixels as they are")
        << "pointerdown" << QList<double>{0, 1, 0, 0, 0, 30, 40} << QList<double>{10, 20, 0} << true
        << PointerEvent{Action::kPress, 1, 0, 20, 20};
    QTest::newRow("unknown type") << "pointerover" << QList<double>{0, 0, 0, 0, 0, 0, 0} << plane
                                  << false << PointerEvent{};
  }
  void pointerEvents() {
    QFETCH(QString, type);
    QFETCH(QList<double>, raw);
    QFETCH(QList<double>, box);
    QFETCH(bool, taken);
    QFETCH(PointerEvent, event);
    const auto e =
        PointerFromDom(type.toStdString(), int(raw[0]), int(raw[1]), raw[2] != 0, raw[3] != 0,
                       raw[4] != 0, raw[5], raw[6], CanvasBox{box[0], box[1], box[2]}, raw.value(7),
                       std::vector<double>(raw.begin() + std::min(8, int(raw.size())), raw.end()));
    QCOMPARE(e.has_value(), taken);
    if (taken)
      QVERIFY(*e == event);
  }

  void keys() {
    QVERIFY(ArrowFromDom("ArrowUp", true, false, false) == (ArrowKey{Arrow::kUp, 1}));
    QVERIFY(ArrowFromDom("ArrowLeft", false, true, true) == (ArrowKey{Arrow::kLeft, 6}));
    QVERIFY(!ArrowFromDom("Enter", false, false, false));
    QVERIFY(BoxKeyFromDom("Enter", false, 13) == BoxKey{13});
    // The Enter that finishes a composition is the input method's.
    QVERIFY(!BoxKeyFromDom("Enter", true, 13));
    QVERIFY(!BoxKeyFromDom("Enter", false, 229));
    QVERIFY(BoxKeyFromDom("/", false, 191) == BoxKey{'/'});
    QVERIFY(BoxKeyFromDom("１", false, 0) == BoxKey{0xFF11});
    QVERIFY(!BoxKeyFromDom("Shift", false, 16));
    QVERIFY(!BoxKeyFromDom("", false, 0));
  }

  void origins() {
    QCOMPARE(OriginFromDom("insertText", false), TextOrigin::kTyped);
    QCOMPARE(OriginFromDom("insertCompositionText", true), TextOrigin::kComposing);
    QCOMPARE(OriginFromDom("insertFromComposition", false), TextOrigin::kTyped);
    QCOMPARE(OriginFromDom("deleteContentBackward", false), TextOrigin::kTyped);
    QCOMPARE(OriginFromDom("insertFromPaste", false), TextOrigin::kPasted);
    QCOMPARE(OriginFromDom("insertFromDrop", false), TextOrigin::kPasted);
  }
  // The page's queue as the lesson takes it, for a script of events: d, m,
  // u, c (down, move, up, cancel) of pointer 1 or 2 at x, with i for an
  // edit of box 0 between them; each string is what comes out, by x.
  void queueOfThePage_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("taken");
    QTest::newRow("moves of no pressed pointer dropped") << "m1:1 d1:2 m1:3 u1:4 m1:5"
                                                         << "2 3 4";
    QTest::newRow("a pointer's moves merge, its points kept") << "d1:1 m1:2 m1:3 m1:4 u1:5"
                                                              << "1 4(2,3) 5";
    QTest::newRow("two pointers' moves stay apart") << "d1:1 d2:2 m1:3 m2:4 m1:5"
                                                    << "1 2 3 4 5";
    QTest::newRow("a cancel releases") << "d1:1 c1:2 m1:3"
                                       << "1 2";
    QTest::newRow("an edit stops a merge") << "d1:1 m1:2 i m1:3"
                                           << "1 2 i 3";
  }
  void queueOfThePage() {
    QFETCH(QString, script);
    QFETCH(QString, taken);
    EventQueue queue;
    bool edit = false;
    for (const QString& step : script.split(' ')) {
      PageEvent e;
      if (step == "i") {
        e.kind = kInputEvent.id;
        e.numbers[SlotOf(kInputEvent, "row")] = 0;
        queue.Push(std::move(e));
        edit = true;
        continue;
      }
      const char* types[] = {"pointerdown", "pointermove", "pointerup", "pointercancel"};
      const auto type = std::string(types[QString("dmuc").indexOf(step[0])]);
      e.kind = kPointerEvent.id;
      e.numbers[SlotOf(kPointerEvent, "pointerId")] = step.mid(1, 1).toDouble();
      e.numbers[SlotOf(kPointerEvent, "clientX")] = step.section(':', 1).toDouble();
      e.numbers[SlotOf(kPointerEvent, "button")] = step[0] == 'm' ? -1 : 0;
      e.numbers[SlotOf(kPointerEvent, "type")] = static_cast<double>(type.size());
      e.numbers[SlotOf(kPointerEvent, "pointerType")] = 5;
      e.texts = type + "mouse";
      queue.Push(std::move(e));
    }
    QCOMPARE(queue.EditPending(0), edit);
    QCOMPARE(queue.EditPending(1), false);
    QStringList out;
    while (const auto e = queue.Pop()) {
      if (e->kind == kInputEvent.id) {
        out << "i";
        continue;
      }
      QString x =
          QString::number(web::Received<kPointerEvent>(e->numbers, e->texts).Number<"clientX">());
      QStringList points;
      for (std::size_t i = 0; i < e->points.size(); i += 2)
        points << QString::number(e->points[i]);
      out << (points.isEmpty() ? x : x + "(" + points.join(',') + ")");
    }
    QCOMPARE(out.join(' '), taken);
  }
};

QTEST_APPLESS_MAIN(DomInputTest)
#include "tst_dom_input.moc"
