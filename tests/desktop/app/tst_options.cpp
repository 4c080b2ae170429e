#include <QTest>

#include "desktop/app/Options.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// The program's options prepare the same lesson as a link with the same
// settings (which prepares what the steps by hand give: tst_preparation);
// a command line the program cannot take is refused with a message in
// Japanese and English.
class OptionsTest : public QObject {
  Q_OBJECT

 private:
  static QStringList Prepared(const Preparation& example) {
    Lesson l;
    l.form.Prepare(example);
    return Shown(l);
  }

 private slots:
  void optionsPrepareTheLesson_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("query");  // the link with the same settings
    QTest::addColumn<QString>("refused");
    QTest::newRow("everything") << QStringList{"--size", "大",      "--a",    "2/3",   "--b",
                                               "-1",     "--quick", "--draw", "--aux", "AC"}
                                << "size=3&a=2/3&b=-1&quick=1&draw=1&aux=AC"
                                << "";
    QTest::newRow("joined values, the toolkit's own left to it")
        << QStringList{"-style", "Fusion", "--size=1", "--a=-3/4", "--b=2", "--draw", "--aux=C"}
        << "size=1&a=-3/4&b=2&draw=1&aux=C"
        << "";
    QTest::newRow("unknown option") << QStringList{"--draw", "--colour", "red"} << ""
                                    << "unknown option: --colour";
    QTest::newRow("size out of range") << QStringList{"--size", "9"} << ""
                                       << "--size: cannot read the value \"9\"";
    QTest::newRow("aux unreadable") << QStringList{"--aux", "Z"} << ""
                                    << "--aux: cannot read the value \"Z\"";
    QTest::newRow("value missing") << QStringList{"--draw", "--a"} << ""
                                   << "--a needs a value";
    QTest::newRow("argument") << QStringList{"lesson.txt"} << ""
                              << "unexpected argument: lesson.txt";
  }
  void optionsPrepareTheLesson() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, query);
    QFETCH(QString, refused);
    std::vector<std::string> args;
    for (const QString& argument : arguments)
      args.push_back(argument.toStdString());
    const Options options = ReadOptions(args);
    QCOMPARE(QString::fromStdString(options.error).contains(refused), true);
    QCOMPARE(options.error.empty(), refused.isEmpty());
    if (refused.isEmpty()) {
      QCOMPARE(Prepared(options.preparation),
               Prepared(Preparation::FromQuery(query.toStdString())));
    }
  }
};

QTEST_APPLESS_MAIN(OptionsTest)
#include "tst_options.moc"
