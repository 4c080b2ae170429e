#include <QTest>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// The enabled state of the lesson's buttons, the Quick box and the focus after
// each course of actions.
class PhasesTest : public QObject {
  Q_OBJECT

 private:
  static void Do(Lesson& l, const QString& action) {
    Form1& f = l.form;
    if (action == "graph")
      l.Graph("2/3", "1");
    if (action == "quick")
      f.SetQuick(true);
    if (action == "A")
      l.Click(f.Command10);
    if (action == "eraseA")
      l.Click(f.Command11);
    if (action == "C")
      l.Click(f.Command12);
    if (action == "+")
      l.Click(f.Command8[0]);
    if (action == "int")
      l.Click(f.Command7);
    if (action == "eraseC")
      l.Click(f.Command9);
    if (action == "reset")
      l.Click(f.Command2);
    if (action == "large")
      l.Click(f.Command3[2]);
  }

 private slots:
  void buttonsFollowTheLesson_data() {
    QTest::addColumn<QString>("actions");
    // Enabled (E) or disabled (D): Command5, 10, 11, 12, 9, 8(0) and 8(1), 7;
    // then Q when Quick is ticked, - when not.
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("focus");  // "" where it is not checked
    QTest::newRow("start") << ""
                           << "EDDDDDD-"
                           << "Text1";
    QTest::newRow("graph drawn") << "graph"
                                 << "DEDEDDD-"
                                 << "Command10";
    QTest::newRow("line A drawn") << "graph quick A"
                                  << "DDEEDDDQ"
                                  << "Command12";
    QTest::newRow("triangle after line A") << "graph quick A C"
                                           << "DDEDEEEQ"
                                           << "";
    QTest::newRow("triangle without line A") << "graph quick C"
                                             << "DEDDEEEQ"
                                             << "";
    QTest::newRow("reset after the graph") << "graph reset"
                                           << "EDDEDDD-"
                                           << "Text1";
    QTest::newRow("reset after the triangle") << "graph quick C reset"
                                              << "EDDDDDD-"
                                              << "Text1";
    QTest::newRow("enlarge without line A") << "graph quick C +"
                                            << "DEDDEEEQ"
                                            << "Command10";
    QTest::newRow("enlarge with line A") << "graph quick A C +"
                                         << "DDEDEEE-"
                                         << "";
    QTest::newRow("integer multiple with line A") << "graph quick A C int"
                                                  << "DDEDEEE-"
                                                  << "";
    QTest::newRow("integer multiple without line A") << "graph quick C int"
                                                     << "DEDDEEEQ"
                                                     << "Command10";
    QTest::newRow("erase triangle") << "graph quick C eraseC"
                                    << "DEDEDDDQ"
                                    << "Command12";
    QTest::newRow("erase triangle with line A") << "graph quick A C eraseC"
                                                << "DDEEDDDQ"
                                                << "Command12";
    QTest::newRow("erase line A") << "graph quick A eraseA"
                                  << "DEEDDDDQ"
                                  << "Command10";
    QTest::newRow("erase line A with triangle") << "graph quick A C eraseA"
                                                << "DEEDEEEQ"
                                                << "Command10";
    QTest::newRow("size with line A unticks Quick") << "graph quick A large"
                                                    << "DDEEDDD-"
                                                    << "Command2";
    QTest::newRow("size without line A keeps Quick") << "graph quick large"
                                                     << "DEDEDDDQ"
                                                     << "Command2";
  }
  void buttonsFollowTheLesson() {
    QFETCH(QString, actions);
    QFETCH(QString, states);
    QFETCH(QString, focus);
    Lesson l;
    for (const QString& action : actions.split(' ', Qt::SkipEmptyParts))
      Do(l, action);
    Form1& f = l.form;
    QString got;
    for (const Button* b : {&f.Command5, &f.Command10, &f.Command11, &f.Command12, &f.Command9,
                            &f.Command8[0], &f.Command7}) {
      got += b->Enabled() ? 'E' : 'D';
    }
    QCOMPARE(f.Command8[1].Enabled(), f.Command8[0].Enabled());
    got += f.Quick() ? 'Q' : '-';
    QCOMPARE(got, states);
    if (focus == "window") {
      QCOMPARE(l.Focus(), nullptr);
    } else if (!focus.isEmpty()) {
      QVERIFY(l.Focus() != nullptr);
      QCOMPARE(QString::fromStdString(l.Focus()->Name()), focus);
    }
    for (const Control* c :
         {static_cast<const Control*>(&f.Text1), static_cast<const Control*>(&f.Text2),
          static_cast<const Control*>(&f.Command1), static_cast<const Control*>(&f.Command2),
          static_cast<const Control*>(&f.Check2)}) {
      QVERIFY(c->Enabled());
    }
  }

  // While line A is drawn, its button and "補助線C" are off.
  void whileLineAAnimates() {
    Lesson l;
    l.Graph("2/3", "1");
    QString during;
    l.pacer.At(0, [&] {
      for (const Button* b : {&l.form.Command5, &l.form.Command10, &l.form.Command11,
                              &l.form.Command12, &l.form.Command9, &l.form.Command7}) {
        during += b->Enabled() ? 'E' : 'D';
      }
    });
    l.Click(l.form.Command10);
    QCOMPARE(during, QString("DDDDDD"));
  }
};

QTEST_APPLESS_MAIN(PhasesTest)
#include "tst_phases.moc"
