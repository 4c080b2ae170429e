#include <QAccessible>
#include <QTest>

#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

class AccessTest : public QObject {
  Q_OBJECT

 private slots:
  // The window's widgets carry the lesson's names and descriptions; the
  // plane's description reaches the reader once the interval has run out,
  // and the size buttons follow a change at once.
  void widgetsCarryTheLessonsTexts() {
    WindowLesson l;
    l.Graph("2/3", "1");
    l.W(l.form.Command12)->click();
    QTRY_COMPARE(l.W(l.form.Picture1)->accessibleDescription(),
                 QString::fromStdString(l.form.Picture1.Description()));
    QCOMPARE(l.W(l.form.Picture1)->accessibleName(), QStringLiteral("座標平面"));
    QCOMPARE(l.W(l.form.Text1)->accessibleName(), QStringLiteral("傾き a"));
    // A tool's button reads as a button, pressed while its mode is on.
    l.W(l.form.PenColour[1])->click();
    for (const auto& [tool, on] :
         {std::pair{&l.form.PenColour[1], true}, {&l.form.EraserTool, false}}) {
      const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(l.W(*tool));
      QCOMPARE(reader->role(), QAccessible::Button);
      QVERIFY(reader->state().checkable);
      QCOMPARE(reader->state().pressed, on);
    }
    l.W(l.form.Command3[0])->click();
    for (const Button& b : l.form.Command3) {
      QCOMPARE(l.W(b)->accessibleDescription(), QString::fromStdString(b.Description()));
      QCOMPARE(l.W(b)->accessibleName(),
               QString::fromUtf8(b.AccessibleName().data(), qsizetype(b.AccessibleName().size())));
    }
  }

  // The focus on the plane shows as a frame on the window's background; the
  // picture stays pixel for pixel as it is without the focus.
  void focusFrameLeavesThePictureAlone() {
    WindowLesson l;
    l.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.window));
    l.Graph("2/3", "1");
    const QImage unfocused = l.window.grab().toImage();
    l.W(l.form.Picture1)->setFocus();
    const QImage focused = l.window.grab().toImage();
    const QRect plane = l.W(l.form.Picture1)->geometry();
    QVERIFY(focused.copy(plane) == unfocused.copy(plane));
    QCOMPARE(unfocused.pixelColor(plane.left() - 2, 400), QColor(192, 255, 192));
    QCOMPARE(focused.pixelColor(plane.left() - 2, 400), QColor(0, 0, 128));
  }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
