#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsStandAsLaidOut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("pixels");  // font height; 12 for the window's default
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("state");  // E enabled, D disabled, H hidden
    const auto row = [](const char* name, const char* kind, const char* text, QRect place,
                        int pixels, bool bold, const char* state) {
      QTest::newRow(name) << QString(name) << QString(kind) << QString::fromUtf8(text) << place
                          << pixels << bold << QString(state);
    };
    row("Text1", "QLineEdit", "", {744, 232, 105, 49}, 48, false, "E");
    row("Text2", "QLineEdit", "", {920, 232, 89, 49}, 48, false, "E");
    row("Command5", "QPushButton", "グラフをかく", {808, 320, 201, 33}, 19, true, "E");
    row("Command2", "QPushButton", "初期画面(クリア)", {760, 96, 201, 33}, 16, true, "E");
    row("Command1", "QPushButton", "終了", {928, 640, 81, 33}, 16, true, "E");
    row("Picture1", "lesson::PictureBox", "", {16, 32, 640, 640}, 12, false, "E");
    row("Command3(0)", "QPushButton", "小", {696, 48, 65, 33}, 16, false, "E");
    row("Command3(1)", "QPushButton", "中", {776, 48, 65, 33}, 27, true, "E");
    row("Command3(2)", "QPushButton", "大", {856, 48, 65, 33}, 16, false, "E");
    row("Label1", "QLabel", "座標平面の大きさ", {792, 16, 130, 16}, 16, true, "E");
    row("Label5(0)", "QLabel", "ｙ", {324, 0, 25, 33}, 27, true, "E");
    row("Label5(1)", "QLabel", "χ", {656, 348, 25, 33}, 27, true, "E");
    row("Label7", "QLabel", "１次関数 ｙ＝ａχ＋ｂで", {704, 160, 241, 24}, 24, true, "E");
    row("Label8", "QLabel", "ａとｂの値を入力せよ。", {760, 192, 187, 19}, 19, true, "E");
    row("Command7", "QPushButton", "整数倍", {928, 552, 81, 33}, 16, true, "D");
    row("Command8(0)", "QPushButton", "拡大", {848, 552, 65, 33}, 16, true, "D");
    row("Command8(1)", "QPushButton", "縮小", {776, 552, 65, 33}, 16, true, "D");
    row("Command9", "QPushButton", "消去", {944, 496, 57, 25}, 16, false, "D");
    row("Label2", "QLabel", "ｙ＝\u3000   \u3000\u3000 χ＋", {688, 240, 226, 33}, 32, true, "E");
    row("Command4", "QPushButton", "補助線B", {672, 648, 97, 33}, 21, true, "H");
    row("Command6", "QPushButton", "消去", {776, 656, 57, 25}, 16, false, "H");
    row("Label3", "QLabel", "分数可", {776, 282, 36, 12}, 12, false, "E");
    row("Label4", "QLabel", "整数", {952, 282, 24, 12}, 12, false, "E");
    row("Label6", "QLabel", "1倍～５倍", {816, 592, 50, 12}, 12, false, "E");
    row("Check1", "QCheckBox", "Quick", {840, 664, 49, 17}, 12, false, "H");
    row("Check2", "QCheckBox", "Quick", {856, 440, 49, 17}, 12, false, "E");
    row("Command10", "QPushButton", "補助線A", {736, 400, 185, 33}, 21, true, "D");
    row("Command3(3)", "QPushButton", "特大", {936, 48, 65, 33}, 16, false, "E");
    row("Command11", "QPushButton", "消去", {944, 408, 57, 25}, 16, false, "D");
    row("Command12", "QPushButton", "補助線C", {736, 488, 185, 33}, 21, true, "D");
  }
  void controlsStandAsLaidOut() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QString, state);
    LessonWindow window;
    window.show();
    QWidget* w = window.findChild<QWidget*>(name);
    QVERIFY(w != nullptr);
    QVERIFY(w->inherits(qPrintable(kind)));
    QString shown = w->property("text").toString();
    QCOMPARE(shown, text);
    // A label its text outgrows in this face reaches as far as its text.
    if (const double advance = QFontMetricsF(w->font()).horizontalAdvance(text);
        kind == "QLabel" && advance > place.width()) {
      QVERIFY(w->width() >= advance);
      place.setWidth(w->width());
    }
    QCOMPARE(w->geometry(), place);
    QCOMPARE(w->font().pixelSize(), pixels);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(w->isVisible(), state != "H");
    if (state != "H")
      QCOMPARE(w->isEnabled(), state == "E");
  }

  // The window's caption, size and colour, and the tab order through the
  // widgets; labels, hidden and disabled controls are skipped.
  void startUp() {
    LessonWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("１次関数のグラフ(2)　　by r.Yorune"));
    QCOMPARE(window.size(), QSize(1024, 687));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 255, 192));
    const Form1& f = window.Form();
    QCOMPARE(QApplication::focusWidget(), window.WidgetOf(f.Text1));
    const std::vector<const Control*> order{
        &f.Text2,       &f.Command5,    &f.Command2, &f.Command1,    &f.Picture1, &f.Command3[0],
        &f.Command3[1], &f.Command3[2], &f.Check2,   &f.Command3[3], &f.Text1};
    for (const Control* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), window.WidgetOf(*next));
      QCOMPARE(f.Focus(), next);  // the lesson follows the pupil's focus
    }
  }

  // Real keys: Enter moves on from a to b and on to "グラフをかく", the texts
  // reach the lesson, and a click draws.
  void enterMovesOnWithRealKeys() {
    WindowLesson l;
    l.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    QTest::keyClicks(l.W(l.form.Text1), "2/3");
    QTest::keyClick(l.W(l.form.Text1), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), l.W(l.form.Text2));
    QTest::keyClicks(l.W(l.form.Text2), "1");
    QTest::keyClick(l.W(l.form.Text2), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), l.W(l.form.Command5));
    QCOMPARE(l.form.State().GraphDrawn, std::int16_t{0});  // Enter does not draw
    QCOMPARE(l.form.Text2.Text(), std::string("1"));
    QTest::mouseClick(l.W(l.form.Command5), Qt::LeftButton);
    QCOMPARE(l.form.State().SlopeA, 2.0 / 3);
    QCOMPARE(QApplication::focusWidget(), l.W(l.form.Command10));
    // With the draw button disabled, Enter in the box for b stays there.
    l.W(l.form.Text2)->setFocus();
    QTest::keyClick(l.W(l.form.Text2), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), l.W(l.form.Text2));
  }

  // Full-width digits, signs, point and slash typed, or composed by an
  // input method, reach the box as ASCII; the lesson reads what it shows.
  void fullWidthTypingReachesTheBoxAsAscii() {
    WindowLesson l;
    for (const QChar c : QStringLiteral("－１／２")) {
      QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(l.W(l.form.Text1), &typed);
    }
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("３．５"));
    QCoreApplication::sendEvent(l.W(l.form.Text2), &composed);
    QCOMPARE(l.W(l.form.Text1)->text(), QStringLiteral("-1/2"));
    QCOMPARE(l.form.Text2.Text(), std::string("3.5"));
    l.W(l.form.Command5)->click();
    QCOMPARE(l.form.State().SlopeA, -0.5);
    QCOMPARE(l.form.State().InterceptB, 3.5f);
  }

  // A text the lesson cannot read comes back selected in its box, and the
  // reset empties the boxes on the screen too.
  void theLessonsChangesReachTheWidgets() {
    WindowLesson l;
    l.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    l.Graph("1/0", "1");
    QLineEdit* a = l.W(l.form.Text1);
    QCOMPARE(QApplication::focusWidget(), a);
    QCOMPARE(a->selectedText(), QStringLiteral("1/0"));
    l.W(l.form.Command2)->click();
    QVERIFY(a->text().isEmpty() && l.W(l.form.Text2)->text().isEmpty());
    QVERIFY(l.W(l.form.Command5)->isEnabled() && !l.W(l.form.Command10)->isEnabled());
    QCOMPARE(l.W(l.form.Label5[0])->x(), 324);
    QCOMPARE(l.W(l.form.Label5[1])->y(), 348);
  }

  // The real wait: at least the time asked for, with pending events handled;
  // a wait of 0 handles none.
  void pauseWaitsAndHandlesEvents_data() {
    QTest::addColumn<int>("ms");
    QTest::newRow("50 ms") << 50;
    QTest::newRow("0 ms") << 0;
  }
  void pauseWaitsAndHandlesEvents() {
    QFETCH(int, ms);
    LessonWindow window;
    bool handled = false;
    QMetaObject::invokeMethod(
        &window, [&] { handled = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    window.Form().Pause(ms);
    QVERIFY(clock.elapsed() >= ms);
    QCOMPARE(handled, ms > 0);
  }

  // Ending from inside a wait of an animation: no further wait is made and the
  // window goes at once.
  void quitEndsAtOnceEvenDuringAnAnimation_data() {
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("終了") << false;
    QTest::newRow("closing the window") << true;
  }
  void quitEndsAtOnceEvenDuringAnAnimation() {
    QFETCH(bool, byClosing);
    WindowLesson l;
    bool ended = false;
    l.window.SetEndAction([&] { ended = true; });
    l.window.show();
    l.Graph("2/3", "1");
    l.pacer.At(3, [&] { byClosing ? void(l.window.close()) : l.W(l.form.Command1)->click(); });
    l.W(l.form.Command10)->click();
    QVERIFY(ended && l.form.Ending() && !l.window.isVisible());
    QCOMPARE(l.pacer.waits.size(), std::size_t{4});
  }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
