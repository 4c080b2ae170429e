#include <QTest>

#include "desktop/app/Options.h"
#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

// The program's options prepare the same lesson as the steps by hand, on
// the widgets; a command line the program cannot take is refused with a
// message in Japanese and English.
class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void optionsPrepareTheLesson_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("size");  // -1: not chosen
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("steps");  // Q Quick, G graph, A line A, C triangle
    QTest::addColumn<QString>("refused");
    QTest::newRow("everything") << QStringList{"--size", "大",      "--a",    "2/3",   "--b",
                                               "-1",     "--quick", "--draw", "--aux", "AC"}
                                << 2 << "2/3"
                                << "-1"
                                << "QGAC"
                                << "";
    QTest::newRow("joined values, the toolkit's own left to it")
        << QStringList{"-style", "Fusion", "--size=1", "--a=-3/4", "--b=2", "--draw", "--aux=C"}
        << 0 << "-3/4"
        << "2"
        << "GC"
        << "";
    QTest::newRow("unknown option") << QStringList{"--draw", "--colour", "red"} << -1 << ""
                                    << ""
                                    << ""
                                    << "unknown option: --colour";
    QTest::newRow("size out of range") << QStringList{"--size", "9"} << -1 << ""
                                       << ""
                                       << ""
                                       << "--size: cannot read the value \"9\"";
    QTest::newRow("aux unreadable") << QStringList{"--aux", "Z"} << -1 << ""
                                    << ""
                                    << ""
                                    << "--aux: cannot read the value \"Z\"";
    QTest::newRow("value missing") << QStringList{"--draw", "--a"} << -1 << ""
                                   << ""
                                   << ""
                                   << "--a needs a value";
    QTest::newRow("argument") << QStringList{"lesson.txt"} << -1 << ""
                              << ""
                              << ""
                              << "unexpected argument: lesson.txt";
  }
  void optionsPrepareTheLesson() {
    QFETCH(QStringList, arguments);
    QFETCH(int, size);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, steps);
    QFETCH(QString, refused);
    std::vector<std::string> args;
    for (const QString& argument : arguments)
      args.push_back(argument.toStdString());
    const Options options = ReadOptions(args);
    QCOMPARE(QString::fromStdString(options.error).contains(refused), true);
    QCOMPARE(options.error.empty(), refused.isEmpty());
    if (!refused.isEmpty())
      return;
    WindowLesson prepared;
    prepared.form.Prepare(options.preparation);
    WindowLesson byHand;
    if (size >= 0)
      QTest::mouseClick(byHand.W(byHand.form.Command3[std::size_t(size)]), Qt::LeftButton);
    QTest::keyClicks(byHand.W(byHand.form.Text1), a);
    QTest::keyClicks(byHand.W(byHand.form.Text2), b);
    const std::pair<QChar, QAbstractButton*> clicks[] = {{'Q', byHand.W(byHand.form.Check2)},
                                                         {'G', byHand.W(byHand.form.Command5)},
                                                         {'A', byHand.W(byHand.form.Command10)},
                                                         {'C', byHand.W(byHand.form.Command12)}};
    for (const auto& [step, button] : clicks) {
      if (steps.contains(step))
        button->click();
    }
    QCOMPARE(prepared.window.PictureImage().Image(), byHand.window.PictureImage().Image());
    QCOMPARE(prepared.form.State().UnitPx, byHand.form.State().UnitPx);
    QCOMPARE(prepared.form.Quick(), byHand.form.Quick());
  }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
