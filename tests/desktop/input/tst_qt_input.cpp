#include <QTest>
#include <tuple>

#include "desktop/input/QtInput.h"

using namespace lesson;
using Action = PointerEvent::Action;

namespace {

PointerEvent Event(Action action, std::int16_t button, std::int16_t shift, float x = 0, float y = 0,
                   PointerKind kind = PointerKind::kMouse, std::int32_t id = 0, bool up = false) {
  PointerEvent e;
  std::tie(e.action, e.button, e.shift, e.x, e.y, e.kind, e.id, e.up) =
      std::tuple(action, button, shift, x, y, kind, id, up);
  return e;
}

}  // namespace

// Qt's raw input as the lesson takes it.
class QtInputTest : public QObject {
  Q_OBJECT

 private slots:
  void pointerEvents() {
    const auto at = QPointF(10.25, 3e39);
    const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
    QVERIFY(PointerFromQt(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton,
                          Qt::ShiftModifier | Qt::AltModifier,
                          at) == Event(Action::kPress, 4, 5, 10.25f, 3.4028235e38f));
    // A double click's second press is a press.
    QCOMPARE(
        PointerFromQt(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {}, at)->action,
        Action::kPress);
    QVERIFY(PointerFromQt(QEvent::MouseMove, Qt::NoButton, both, Qt::ControlModifier, {}) ==
            Event(Action::kMove, 3, 2));
    // The mouse is up once no button stays held; a pen once lifted.
    QVERIFY(PointerFromQt(QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, {}, {}) ==
            Event(Action::kRelease, 2, 0));
    QVERIFY(PointerFromQt(QEvent::MouseButtonRelease, Qt::LeftButton, {}, {}, {}) ==
            Event(Action::kRelease, 1, 0, 0, 0, PointerKind::kMouse, kMouseId, true));
    QVERIFY(PointerFromQt(QEvent::TabletPress, Qt::LeftButton, Qt::LeftButton, {}, {}) ==
            Event(Action::kPress, 1, 0, 0, 0, PointerKind::kPen, kPenId));
    QVERIFY(PointerFromQt(QEvent::TabletRelease, Qt::LeftButton, Qt::RightButton, {}, {}) ==
            Event(Action::kRelease, 1, 0, 0, 0, PointerKind::kPen, kPenId, true));
    QVERIFY(!PointerFromQt(QEvent::Wheel, Qt::NoButton, {}, {}, at));
  }

  void keys() {
    QVERIFY(ArrowFromQt(Qt::Key_Down, Qt::ShiftModifier) == (ArrowKey{Arrow::kDown, 1}));
    QVERIFY(!ArrowFromQt(Qt::Key_Tab, {}));
    QVERIFY(BoxKeyFromQt(Qt::Key_Return, QStringLiteral("\r")) == BoxKey{13});
    QVERIFY(BoxKeyFromQt(Qt::Key_Enter, QString()) == BoxKey{13});
    QVERIFY(BoxKeyFromQt(Qt::Key_Slash, QStringLiteral("/")) == BoxKey{'/'});
    QVERIFY(BoxKeyFromQt(0, QStringLiteral("🙂")) == BoxKey{0x1F642});
    QVERIFY(!BoxKeyFromQt(Qt::Key_Shift, QString()));
  }
};

QTEST_APPLESS_MAIN(QtInputTest)
#include "tst_qt_input.moc"
