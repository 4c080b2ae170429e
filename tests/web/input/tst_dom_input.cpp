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
    QTest::addColumn<QList<double>>("raw");  // type, button, buttons, shift, ctrl, alt, x, y
    QTest::addColumn<bool>("taken");
    QTest::addColumn<PointerEvent>("event");
    QTest::newRow("main button down") << QList<double>{0, 0, 1, 0, 0, 0, 10.5, 20} << true
                                      << PointerEvent{Action::kPress, 1, 0, 10.5f, 20};
    QTest::newRow("middle down, Shift+Alt") << QList<double>{0, 1, 4, 1, 0, 1, 0, 0} << true
                                            << PointerEvent{Action::kPress, 4, 5, 0, 0};
    QTest::newRow("move, left and right held") << QList<double>{1, -1, 3, 0, 1, 0, 1, 2} << true
                                               << PointerEvent{Action::kMove, 3, 2, 1, 2};
    QTest::newRow("move, a pen's eraser bit dropped")
        << QList<double>{1, -1, 33, 0, 0, 0, 0, 0} << true
        << PointerEvent{Action::kMove, 1, 0, 0, 0};
    QTest::newRow("second button pressed during a drag")
        << QList<double>{1, 2, 3, 0, 0, 0, 5, 5} << true
        << PointerEvent{Action::kPress, 2, 0, 5, 5};
    QTest::newRow("second button released during a drag")
        << QList<double>{1, 2, 1, 0, 0, 0, 5, 5} << true
        << PointerEvent{Action::kRelease, 2, 0, 5, 5};
    QTest::newRow("up") << QList<double>{2, 0, 0, 0, 0, 0, -700, 9e40} << true
                        << PointerEvent{Action::kRelease, 1, 0, -700, 3.4028235e38f};
    QTest::newRow("cancel") << QList<double>{3, -1, 0, 0, 0, 0, 1, 1} << true
                            << PointerEvent{Action::kRelease, 0, 0, 1, 1};
    QTest::newRow("unknown type") << QList<double>{7, 0, 0, 0, 0, 0, 0, 0} << false
                                  << PointerEvent{};
  }
  void pointerEvents() {
    QFETCH(QList<double>, raw);
    QFETCH(bool, taken);
    QFETCH(PointerEvent, event);
    const auto e = PointerFromDom(int(raw[0]), int(raw[1]), int(raw[2]), raw[3] != 0, raw[4] != 0,
                                  raw[5] != 0, raw[6], raw[7]);
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
