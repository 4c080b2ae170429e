#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsStandAsLaidOut_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("landscape") << QSize(kLandscapeSize.width, kLandscapeSize.height);
    QTest::newRow("portrait") << QSize(kPortraitSize.width, kPortraitSize.height);
  }
  // Every control stands as its model says at the start: the widget of its
  // kind, its text, font and state, row by row of the control table, each
  // in the place and of the size the tests expect of it in the arrangement
  // (support/places.json: any two controls swapped fail).
  void controlsStandAsLaidOut() {
    QFETCH(QSize, size);
    LessonWindow window;
    window.resize(size);
    window.show();
    QFile file(QFINDTESTDATA("../../support/places.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject places =
        QJsonDocument::fromJson(file.readAll())[QTest::currentDataTag()].toObject();
    QCOMPARE(window.Form().Fit().scale.factor, 1.0);
    const std::map<ControlKind, const char*> kinds{
        {kTextBox, "QLineEdit"},  {kButton, "QPushButton"}, {kLabel, "QLabel"},
        {kCheckBox, "QCheckBox"}, {kToggle, "QPushButton"}, {kPicture, "lesson::PictureBox"}};
    for (std::size_t row = 0; row < kControls.size(); ++row) {
      Control& control = window.Form().Controls().At(row);
      const ControlView v = window.Form().ViewOf(control);
      const QString name = QString::fromStdString(control.Name());
      const auto* w = window.findChild<QWidget*>(name);
      QVERIFY2(w != nullptr, qPrintable(name));
      QVERIFY(w->inherits(kinds.at(control.Entry().kind)));
      const QString text = QString::fromStdString(v.text.value_or(control.Entry().text));
      QCOMPARE(w->property("text").toString(), text);
      // A label its text outgrows in this face reaches as far as its text.
      const QJsonArray expected = places[name].toArray();
      QRect place(expected[0].toInt(), expected[1].toInt(), expected[2].toInt(),
                  expected[3].toInt());
      // The hidden rows have no place of their own; the axis names stand
      // where the plane's axes put them.
      if (!v.visible || name.startsWith("Label5"))
        place = QRect(v.place.left, v.place.top, v.place.width, v.place.height);
      if (const double advance = QFontMetricsF(w->font()).horizontalAdvance(text);
          control.Entry().kind == kLabel && advance > place.width()) {
        QVERIFY(w->width() >= advance);
        place.setWidth(w->width());
      }
      QCOMPARE(w->geometry(), place);
      if (v.font) {
        QCOMPARE(w->font().pixelSize(), FontPixels(v.font->points));
        QCOMPARE(w->font().bold(), v.font->bold);
        QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("IPAPGothic"));
      }
      QCOMPARE(w->isVisible(), v.visible);
      if (v.visible && v.enabled)
        QCOMPARE(w->isEnabled(), *v.enabled);
    }
  }

  // The window's caption and the tab order through the widgets; labels,
  // hidden and disabled controls are skipped. (Its size and colour on the
  // screen are e2e/window.sh's.)
  void startUp() {
    LessonWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("１次関数のグラフ(2)　　by r.Yorune"));
    const Form1& f = window.Form();
    QCOMPARE(QApplication::focusWidget(), window.WidgetOf(f.Text1));
    const std::vector<const Control*> order{
        &f.Text2,       &f.Command5,     &f.Command2,     &f.Command1,     &f.Picture1,
        &f.Command3[0], &f.Command3[1],  &f.Command3[2],  &f.Check2,       &f.Command3[3],
        &f.PenTool,     &f.PenColour[0], &f.PenColour[1], &f.PenColour[2], &f.EraserTool,
        &f.SavePicture, &f.Furigana,     &f.ReadAloud,    &f.ReadSlowly,   &f.DarkScheme,
        &f.Text1};
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

  // Ending from inside a wait of an animation: no further wait is made, the
  // window goes at once, and no event is handled afterwards.
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
    l.Clear();
    l.form.Click(l.form.Command3[0]);
    QVERIFY(l.surface.calls.empty());
  }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
