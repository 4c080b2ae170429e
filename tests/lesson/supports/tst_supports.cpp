#include <QTest>

#include "lesson/access/Speech.h"
#include "lesson/access/SpeechTexts.h"
#include "lesson/app/Preparation.h"
#include "lesson/layout/RubyRoom.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

namespace {

// What was said since the mark, each utterance as its sentences joined.
QStringList SaidSince(const TestHost& host, std::size_t mark) {
  QStringList out;
  for (std::size_t i = mark; i < host.spoken.size(); ++i)
    out << QString::fromStdString(host.spoken[i].sentences.front());
  return out;
}

}  // namespace

// The reading supports: what the lesson says aloud for what the pupil does
// (and nothing for how a handler rebuilds the picture), and the supports as
// the toggles, a link and the host have them.
class SupportsTest : public QObject {
  Q_OBJECT

 private slots:
  void aLessonSaysWhatThePupilDid() {
    Lesson l;
    Form1& f = l.form;
    l.Click(f.Command8[0]);  // disabled: nothing happens, and nothing is said
    QVERIFY(l.host.spoken.empty());
    l.Click(f.ReadAloud);
    QCOMPARE(l.host.spoken.size(), std::size_t{1});
    QCOMPARE(l.host.spoken[0].sentences, SayPlane(f.State(), "", ""));
    QCOMPARE(l.host.spoken[0].rate, kSpeechRates[0]);
    l.Click(f.ReadSlowly);
    std::size_t mark = l.host.spoken.size();
    l.Graph("2/3", "-1");
    QCOMPARE(SaidSince(l.host, mark), QStringList{QString::fromStdString(SayGraph("2/3", "-1"))});
    QCOMPARE(l.host.spoken.back().rate, kSpeechRates[1]);
    // Line A: one sentence a step, as each is drawn.
    mark = l.host.spoken.size();
    l.Click(f.Command10);
    const QStringList steps = SaidSince(l.host, mark);
    QVERIFY(steps.size() > 5);
    QCOMPARE(steps.count(QString::fromStdString(SayLineAStep(f.State()))), steps.size());
    // The triangle, enlarged (the replays of the graph and line A say
    // nothing), dragged and dropped.
    for (const Control* button : {&f.Command12, &f.Command8[0], &f.Command7}) {
      mark = l.host.spoken.size();
      l.Click(*button);
      QCOMPARE(SaidSince(l.host, mark),
               QStringList{QString::fromStdString(SayTriangle(f.State()))});
    }
    mark = l.host.spoken.size();
    using A = PointerEvent::Action;
    for (const PointerEvent& e :
         {PointerEvent(A::kPress, 1, 0, 330, 300), PointerEvent(A::kMove, 1, 0, 380, 280),
          PointerEvent(A::kRelease, 1, 0, 380, 280)})
      f.Pointer(e);
    QCOMPARE(SaidSince(l.host, mark), QStringList{QString::fromStdString(SayTriangle(f.State()))});
    // A text refused, and why.
    l.Click(f.Command2);
    mark = l.host.spoken.size();
    l.Graph("1/0", "");
    QCOMPARE(
        SaidSince(l.host, mark),
        QStringList{QString::fromStdString(SayRefused(true, TextCheck::kDenominatorNotAllowed))});
    // Off: nothing more is said.
    l.Click(f.ReadAloud);
    mark = l.host.spoken.size();
    l.Graph("2", "");
    l.Click(f.Command10);
    QCOMPARE(l.host.spoken.size(), mark);
  }

  // A link sets the supports it names and leaves the others; the toggles
  // and the host follow; readings give the rows beneath others their room.
  void supportsComeFromALinkAndTheToggles() {
    Lesson l;
    Form1& f = l.form;
    f.Prepare(Preparation::FromQuery("ruby=1&dark=1&voice=2"));
    QCOMPARE(l.host.supports.back(), (Supports{.ruby = true, .dark = true}));
    QVERIFY(f.Furigana.Pressed() && f.DarkScheme.Pressed() && !f.ReadAloud.Pressed());
    QVERIFY(l.host.spoken.empty());
    for (const Arrangement arrangement : {Arrangement::kLandscape, Arrangement::kPortrait}) {
      f.Resize(SizeOf(arrangement).width, SizeOf(arrangement).height);
      for (std::size_t row = 0; row < kControlCount; ++row) {
        const Control& c = f.Controls().At(row);
        QCOMPARE(f.ViewOf(c).place.top,
                 Arranged(arrangement, row, ModelView(c).place).top + RubyRoomOf(arrangement, row));
      }
    }
    const int notices = l.host.controlNotices;
    l.Click(f.Furigana);
    QCOMPARE(l.host.supports.back(), (Supports{.dark = true}));
    QVERIFY(l.host.controlNotices >= notices + int(kControlCount));  // every row shown anew
    QCOMPARE(f.ViewOf(f.Label3).place,
             Arranged(f.Fit().arrangement, f.Label3.Row(), ModelView(f.Label3).place));
    f.NoJapaneseVoice();
    QCOMPARE(f.ReadAloud.Description(), std::string(kNoJapaneseVoice));
  }
};

QTEST_APPLESS_MAIN(SupportsTest)
#include "tst_supports.moc"
