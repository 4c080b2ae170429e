#include <QTest>

#include "desktop/input/QtInput.h"

using namespace lesson;
using Action = PointerEvent::Action;

// Qt's raw input as the lesson takes it.
class QtInputTest : public QObject {
  Q_OBJECT

 private slots:
  void pointerEvents() {
    const auto at = QPointF(10.25, 3e39);
    const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
    QVERIFY(PointerFromQt(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton,
                          Qt::ShiftModifier | Qt::AltModifier,
                          at) == (PointerEvent{Action::kPress, 4, 5, 10.25f, 3.4028235e38f}));
    // A double click's second press is a press.
    QCOMPARE(
        PointerFromQt(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {}, at)->action,
        Action::kPress);
    QVERIFY(PointerFromQt(QEvent::MouseMove, Qt::NoButton, both, Qt::ControlModifier, {}) ==
            (PointerEvent{Action::kMove, 3, 2, 0, 0}));
    QVERIFY(PointerFromQt(QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, {}, {}) ==
            (PointerEvent{Action::kRelease, 2, 0, 0, 0}));
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
