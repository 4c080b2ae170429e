#include <QTest>

#include "lesson/app/Preparation.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// A prepared example, from a link's query, applied to a lesson that has
// started as ever: the same drawing, boxes, scale, Quick and constructions
// as the same steps by hand, and nothing of what the lesson cannot read.
class PreparationTest : public QObject {
  Q_OBJECT

 private slots:
  void linksPrepareTheLesson_data() {
    QTest::addColumn<QString>("query");
    // By hand: the size button (-1 none), the texts typed, then the steps:
    // Q Quick ticked, G the graph, A line A, C the triangle.
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("steps");
    const auto row = [](const char* name, const char* query, int size, const char* a, const char* b,
                        const char* steps) {
      QTest::newRow(name) << QString::fromUtf8(query) << size << QString::fromUtf8(a)
                          << QString::fromUtf8(b) << QString(steps);
    };
    row("none", "", -1, "", "", "");
    row("all of them", "?size=%E5%A4%A7&a=2/3&b=-1&quick=1&draw=1&aux=AC", 2, "2/3", "-1", "QGAC");
    row("escaped, blanks as +, full-width as typed", "a=%EF%BC%8D3%2F4&b=+2&size=4&draw=1&aux=c", 3,
        "－3/4", " 2", "GC");
    row("the graph only after draw", "a=1&aux=A&quick=1", -1, "1", "", "Q");
    row("unreadable values and names left out",
        "size=9&aux=Z&draw=yes&quick=on&colour=red&a=<b>&=1&b", -1, "<b>", "", "");
    row("a later setting wins; a lone % stays", "a=1&a=5%&size=1&size=%", 0, "5%", "", "");
    row("a text the lesson cannot read draws nothing", "a=1/0&b=1&draw=1&aux=AC", -1, "1/0", "1",
        "GAC");
  }
  void linksPrepareTheLesson() {
    QFETCH(QString, query);
    QFETCH(int, size);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, steps);
    Lesson byHand;
    Form1& f = byHand.form;
    if (size >= 0)
      byHand.Click(f.Command3[static_cast<std::size_t>(size)]);
    f.TextReceived(f.Text1, a.toStdString(), TextOrigin::kTyped);
    f.TextReceived(f.Text2, b.toStdString(), TextOrigin::kTyped);
    f.Check2.Toggled(steps.contains('Q'));
    const std::pair<QChar, const Control*> clicks[] = {
        {'G', &f.Command5}, {'A', &f.Command10}, {'C', &f.Command12}};
    for (const auto& [step, control] : clicks) {
      if (steps.contains(step))
        byHand.Click(*control);
    }
    // The link the lesson writes of the same settings prepares the same.
    const std::string written = Preparation::FromQuery(query.toStdString()).Query();
    for (const std::string& link : {query.toStdString(), written}) {
      Lesson prepared;
      prepared.form.Prepare(Preparation::FromQuery(link));
      QCOMPARE(Shown(prepared), Shown(byHand));
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

  // The teacher's page's form offers each size and each construction as a
  // choice of its own: the fields it starts from and the link it gives.
  void aFormsFieldsAreALinksSettings_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("link");
    QTest::newRow("none: the starting size") << ""
                                             << "size=2"
                                             << "size=2";
    QTest::newRow("both constructions") << "aux=ac&draw=1&size=4"
                                        << "size=4&draw=1&aux=A&aux=C"
                                        << "size=4&draw=1&aux=AC";
    QTest::newRow("supports: those on, after the rest") << "dark=1&voice=0&ruby=1&slow=x&size=1"
                                                        << "size=1&ruby=1&dark=1"
                                                        << "size=1&ruby=1&dark=1";
    QTest::newRow("a construction without the graph") << "aux=C&a=1"
                                                      << "size=2&a=1"
                                                      << "size=2&a=1";
  }
  void aFormsFieldsAreALinksSettings() {
    QFETCH(QString, query);
    QFETCH(QString, fields);
    QFETCH(QString, link);
    QCOMPARE(QString::fromStdString(Preparation::FromQuery(query.toStdString()).Fields()), fields);
    QCOMPARE(QString::fromStdString(Preparation::FromFields(fields.toStdString()).Query()), link);
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
