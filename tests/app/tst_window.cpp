#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/Recording.h"
#include "surface/PictureBox.h"

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
    Form1 form;
    form.show();
    QWidget* w = form.findChild<QWidget*>(name);
    QVERIFY(w != nullptr);
    QCOMPARE(QString(w->metaObject()->className()), kind);
    QString shown = w->property("text").toString();
    QCOMPARE(shown, text);
    QCOMPARE(w->geometry(), place);
    QCOMPARE(w->font().pixelSize(), pixels);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(w->isVisible(), state != "H");
    if (state != "H")
      QCOMPARE(w->isEnabled(), state == "E");
  }

  void startUp() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QString::fromUtf8("１次関数のグラフ(2)　　by r.Yorune"));
    QCOMPARE(form.size(), QSize(1024, 687));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 255, 192));
    const LessonState& s = form.State();
    QCOMPARE((std::array<int, 8>{s.OriginX, s.OriginY, s.UnitPx, s.TriangleScale, s.GraphDrawn,
                                 s.LineAState, s.TriangleState, int(s.TriangleX)}),
             (std::array<int, 8>{320, 320, 50, 1, 0, 0, 0, 0}));
    QCOMPARE(form.Picture().FontSize(), 20.0f);
    QCOMPARE(QApplication::focusWidget(), form.Text1);
    // Tab skips the labels and every hidden or disabled control.
    const std::vector<QWidget*> order{form.Text2,       form.Command5,    form.Command2,
                                      form.Command1,    form.Picture1,    form.Command3[0],
                                      form.Command3[1], form.Command3[2], form.Check2,
                                      form.Command3[3], form.Text1};
    for (QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  // The initial screen empties the plane and the boxes but keeps the plane
  // size, the coefficients, the anchor and the state of "補助線C".
  void resetKeepsSizeCoefficientsAndAnchor_data() {
    QTest::addColumn<bool>("withTriangle");
    QTest::newRow("graph only: 補助線C stays enabled") << false;
    QTest::newRow("triangle shown: 補助線C stays disabled") << true;
  }
  void resetKeepsSizeCoefficientsAndAnchor() {
    QFETCH(bool, withTriangle);
    Lesson l;
    l.form.Command3_Click(2);
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.form.Command10->click();
    if (withTriangle)
      l.form.Command12->click();
    l.form.Command2->click();
    const LessonState& s = l.form.State();
    QCOMPARE((std::array<int, 8>{s.OriginX, s.OriginY, s.TriangleScale, s.GraphDrawn, s.LineAState,
                                 s.TriangleState, s.UnitPx, s.SlopeDen}),
             (std::array<int, 8>{320, 320, 1, 0, 0, 0, 25, 3}));
    QVERIFY(s.SlopeA == 2.0 / 3 && s.SlopeNum == 2 && s.InterceptB == 1);
    QCOMPARE(s.TriangleY, withTriangle ? 295.0f : 0.0f);
    QVERIFY(l.form.Text1->text().isEmpty() && l.form.Text2->text().isEmpty());
    QCOMPARE(l.surface.calls.back().kind, DrawCall::Kind::kPrint);  // the plane came last
    for (QPushButton* b : {l.form.Command10, l.form.Command11, l.form.Command7, l.form.Command8[0],
                           l.form.Command8[1], l.form.Command9}) {
      QVERIFY(!b->isEnabled());
    }
    QVERIFY(l.form.Command5->isEnabled() && !l.form.Quick());
    QCOMPARE(l.form.Command12->isEnabled(), !withTriangle);
    QCOMPARE(l.Focus(), l.form.Text1);
    QVERIFY(l.form.Command3[2]->font().bold() && !l.form.Command3[1]->font().bold());
  }

  // A reset clicked during an animation lets it finish at once, then resets:
  // nothing of the animation is left on the fresh plane.
  void resetDuringAnAnimationComesAfterIt() {
    Lesson l;
    l.Graph("2/3", "1");
    l.pacer.At(2, [&] { l.form.Command2->click(); });
    l.form.Command10->click();
    for (std::size_t i = 3; i < l.pacer.waits.size(); ++i)
      QVERIFY2(l.pacer.waits[i].ms == 0, qPrintable(QString::number(i)));
    l.Clear();
    QCoreApplication::processEvents();
    QCOMPARE(Describe(l.surface.calls).first(), QString("Cls"));
    QVERIFY(l.surface.Prints().back().text == "-10");  // the plane's last number
    QVERIFY(!l.form.Command11->isEnabled() && !l.form.Quick() && l.form.Command5->isEnabled());
    QCOMPARE(l.form.State().LineAState, std::int16_t{0});
    QCOMPARE(l.Focus(), l.form.Text1);
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
    Lesson l;
    bool ended = false;
    l.form.SetEndAction([&] { ended = true; });
    l.form.show();
    l.Graph("2/3", "1");
    l.pacer.At(3, [&] { byClosing ? void(l.form.close()) : l.form.Command1->click(); });
    l.form.Command10->click();
    QVERIFY(ended && l.form.Ending() && !l.form.isVisible());
    QCOMPARE(l.pacer.waits.size(), std::size_t{4});
  }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
