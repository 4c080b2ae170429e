#include <QTest>

#include "web/input/DomInput.h"

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
};

QTEST_APPLESS_MAIN(DomInputTest)
#include "tst_dom_input.moc"
