#include <QTest>

#include "lesson/app/Preparation.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// A prepared example, from a link's query, applied to a lesson that has
// started as ever: what a pupil would have after the same steps by hand, and
// nothing of what the lesson cannot read.
class PreparationTest : public QObject {
  Q_OBJECT

 private slots:
  void linksPrepareTheLesson_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("unitPx");
    QTest::addColumn<QString>("shown");  // Q quick, G graph, A line A, C triangle
    QTest::newRow("none") << ""
                          << ""
                          << "" << 50 << "";
    QTest::newRow("all of them") << "?size=%E5%A4%A7&a=2/3&b=-1&quick=1&draw=1&aux=AC"
                                 << "2/3"
                                 << "-1" << 25 << "QGAC";
    QTest::newRow("escaped, blanks as +, full-width as typed")
        << "a=%EF%BC%8D3%2F4&b=+2&size=4&draw=1&aux=c"
        << "-3/4"
        << " 2" << 14 << "GC";
    QTest::newRow("the graph only after draw") << "a=1&aux=A&quick=1"
                                               << "1"
                                               << "" << 50 << "Q";
    QTest::newRow("unreadable values and names left out")
        << "size=9&aux=Z&draw=yes&quick=on&colour=red&a=<b>&=1&b"
        << "<b>"
        << "" << 50 << "";
    QTest::newRow("a later setting wins; a lone % stays") << "a=1&a=5%&size=1&size=%"
                                                          << "5%"
                                                          << "" << 100 << "";
    QTest::newRow("a text the lesson cannot read draws nothing") << "a=1/0&b=1&draw=1&aux=AC"
                                                                 << "1/0"
                                                                 << "1" << 50 << "";
  }
  void linksPrepareTheLesson() {
    QFETCH(QString, query);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, unitPx);
    QFETCH(QString, shown);
    // The link the lesson writes of the same settings prepares the same.
    const std::string written = Preparation::FromQuery(query.toStdString()).Query();
    for (const std::string& link : {query.toStdString(), written}) {
      Lesson l;
      l.form.Prepare(Preparation::FromQuery(link));
      const LessonState& s = l.form.State();
      QCOMPARE(QString::fromStdString(l.form.Text1.Text()), a);
      QCOMPARE(QString::fromStdString(l.form.Text2.Text()), b);
      QCOMPARE(int(s.UnitPx), unitPx);
      QCOMPARE(l.form.Quick(), shown.contains('Q'));
      QCOMPARE(s.GraphDrawn == 1, shown.contains('G'));
      QCOMPARE(s.LineAState == 1, shown.contains('A'));
      QCOMPARE(s.TriangleState == 1, shown.contains('C'));
    }
  }

  // How a text for a or b reads, as typed into its box: whole, or the
  // reason it does not; a link of whole texts only leaves the others out.
  void textsReadWholeOrNot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("check");
    const auto row = [](const char* name, const char* text, TextCheck check) {
      QTest::addRow("%s=%s", name, text) << name << QString::fromUtf8(text) << int(check);
    };
    using enum TextCheck;
    for (const char* text : {"2/3", " -3 / 2 ", "&HFF/-3", "1.5e1", "２／３", "1/2.0", ".5"})
      row("a", text, kWhole);
    row("a", "", kEmpty);
    row("a", "2x", kTrailing);
    row("a", "1.5.3", kTrailing);
    row("a", "<img src=x>", kNoNumber);
    row("a", " ", kNoNumber);
    row("a", "1e400", kBeyondRange);
    row("a", "/2", kNoNumerator);
    row("a", "2x/3", kNumeratorTrailing);
    row("a", "2//3", kNoDenominator);
    row("a", "1/2/3", kDenominatorTrailing);
    for (const char* text : {"1/2.5", "1/0", "1/40000", "1/1e400"})
      row("a", text, kDenominatorNotAllowed);
    row("b", "-1", kWhole);
    row("b", "1/2", kFractionForB);
    row("b", "1e39", kBeyondRange);
    row("b", "2e", kTrailing);
  }
  void textsReadWholeOrNot() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, check);
    QCOMPARE(int(Preparation::Check(name.toStdString(), text.toStdString())), check);
    const Preparation link =
        Preparation::FromQuery(name.toStdString() + "=" + text.replace("&", "%26").toStdString())
            .WholeTextsOnly();
    const bool kept = check == int(TextCheck::kWhole);
    QCOMPARE(link.Query().empty(), !kept);
  }

  // A text longer than a box takes is cut where the box would cut it, in
  // UTF-16 units and never inside a character.
  void textsAreCutAsABoxCutsThem() {
    Lesson l;
    const std::string many = std::string(kBoxMaxLength - 1, '1') + "🙂🙂";
    l.form.Prepare(Preparation::FromQuery("a=" + many));
    QCOMPARE(l.form.Text1.Text(), std::string(kBoxMaxLength - 1, '1'));
  }
};

QTEST_APPLESS_MAIN(PreparationTest)
#include "tst_preparation.moc"
