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
      f.Command10->click();
    if (action == "eraseA")
      f.Command11->click();
    if (action == "C")
      f.Command12->click();
    if (action == "+")
      f.Command8[0]->click();
    if (action == "int")
      f.Command7->click();
    if (action == "eraseC")
      f.Command9->click();
    if (action == "reset")
      f.Command2->click();
    if (action == "large")
      f.Command3[2]->click();
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
    for (QPushButton* b : {f.Command5, f.Command10, f.Command11, f.Command12, f.Command9,
                           f.Command8[0], f.Command7}) {
      got += b->isEnabled() ? 'E' : 'D';
    }
    QCOMPARE(f.Command8[1]->isEnabled(), f.Command8[0]->isEnabled());
    got += f.Quick() ? 'Q' : '-';
    QCOMPARE(got, states);
    if (focus == "window") {
      QCOMPARE(l.Focus(), &l.form);
    } else if (!focus.isEmpty()) {
      QCOMPARE(l.Focus()->objectName(), focus);
    }
    for (QWidget* w : {static_cast<QWidget*>(f.Text1), static_cast<QWidget*>(f.Text2),
                       static_cast<QWidget*>(f.Command1), static_cast<QWidget*>(f.Command2),
                       static_cast<QWidget*>(f.Check2)}) {
      QVERIFY(w->isEnabled());
    }
  }

  // While line A is drawn, its button and "補助線C" are off.
  void whileLineAAnimates() {
    Lesson l;
    l.Graph("2/3", "1");
    QString during;
    l.pacer.At(0, [&] {
      for (QPushButton* b : {l.form.Command5, l.form.Command10, l.form.Command11, l.form.Command12,
                             l.form.Command9, l.form.Command7}) {
        during += b->isEnabled() ? 'E' : 'D';
      }
    });
    l.form.Command10->click();
    QCOMPARE(during, QString("DDDDDD"));
  }
};

QTEST_MAIN(PhasesTest)
#include "tst_phases.moc"
