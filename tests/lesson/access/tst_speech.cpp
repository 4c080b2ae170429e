#include <QTest>

#include "lesson/access/Speech.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// What the lesson says aloud after the steps a pupil takes, and what must
// hold of every sentence it says.
class SpeechTest : public QObject {
  Q_OBJECT

  // Nothing a synthesiser would spell out or misread, and sentences short
  // enough to follow by ear.
  static void CheckHeard(const std::vector<std::string>& sentences) {
    for (const std::string& s : sentences)
      QVERIFY2(s.find_first_of("xyabXYAB/-") == std::string::npos &&
                   QString::fromStdString(s).toUcs4().size() <= 60,
               s.c_str());
  }

  static void CheckSaid(const std::vector<std::string>& heard, const QStringList& expected) {
    QStringList said;
    for (const std::string& s : heard)
      said << QString::fromStdString(s);
    QVERIFY2(said == expected,
             qPrintable("said:\n" + said.join('\n') + "\nexpected:\n" + expected.join('\n')));
  }

 private slots:
  // One row a line: a | b | what is said after グラフをかく, 補助線A, 補助線C and
  // 整数倍 (the graph, a step of line A, the triangle at k = 1 and at k = q),
  // or the refusal alone when the graph is not drawn.
  void aLessonSaysWhatItDraws_data() {
    QTest::addColumn<QStringList>("row");
    const QString table = QString::fromUtf8(R"(
2/3|-1|ワイ イコール 3分の2 エックス マイナス 1 の グラフ。|右へ 1、上へ 3分の2。|傾きの三角形、横 1、たて 3分の2。|傾きの三角形、横 3、たて 2。
 -2/3|+1|ワイ イコール マイナス 3分の2 エックス プラス 1 の グラフ。|右へ 1、下へ 3分の2。|傾きの三角形、横 1、たて マイナス 3分の2。|傾きの三角形、横 3、たて マイナス 2。
2/-4||ワイ イコール マイナス 4分の2 エックス の グラフ。|右へ 1、下へ 4分の2。|傾きの三角形、横 1、たて マイナス 4分の2。|傾きの三角形、横 マイナス 4、たて 2。
3||ワイ イコール 3 エックス の グラフ。|右へ 1、上へ 3。|傾きの三角形、横 1、たて 3。|傾きの三角形、横 1、たて 3。
-0.5|0.0|ワイ イコール マイナス れいてんご エックス の グラフ。|右へ 1、下へ れいてんご。|傾きの三角形、横 1、たて マイナス れいてんご。|傾きの三角形、横 1、たて マイナス れいてんご。
1.25|2.05|ワイ イコール 1てんにご エックス プラス 2てんれいご の グラフ。|右へ 1、上へ 1てんにご。|傾きの三角形、横 1、たて 1てんにご。|傾きの三角形、横 1、たて 1てんにご。
0|-3|ワイ イコール 0 エックス マイナス 3 の グラフ。|右へ 1、上へ 0。|傾きの三角形、横 1、たて 0。|傾きの三角形、横 1、たて 0。
1/0|1|ａ が読めません。分母は、0 でない整数にしてください。
2|1e99|ｂ が読めません。数が大きすぎます。
)");
    for (const QString& line : table.split('\n', Qt::SkipEmptyParts))
      QTest::newRow(qPrintable(line.section('|', 0, 1))) << line.split('|');
  }
  void aLessonSaysWhatItDraws() {
    QFETCH(QStringList, row);
    Lesson l;
    l.Graph(qPrintable(row[0]), qPrintable(row[1]));
    const std::string &a = l.form.Text1.Text(), &b = l.form.Text2.Text();
    if (l.form.State().GraphDrawn == 0) {
      const bool slopeBox = l.Focus() == &l.form.Text1;
      const TextCheck why = slopeBox ? CheckSlopeText(a) : CheckInterceptText(b);
      return CheckSaid({SayRefused(slopeBox, why)}, row.mid(2));
    }
    std::vector<std::string> heard{SayGraph(a, b)};
    l.Click(l.form.Command10);
    heard.push_back(SayLineAStep(l.form.State()));
    for (const Button* button : {&l.form.Command12, &l.form.Command7}) {
      l.Click(*button);
      heard.push_back(SayTriangle(l.form.State()));
      CheckHeard(SayPlane(l.form.State(), a, b));
    }
    CheckSaid(heard, row.mid(2));
  }

  // Fractions and decimals a pupil might type, every scale, every k from 1
  // to 5 and every refusal: nothing spelt out, no sentence too long.
  void everySentenceIsHeardAsWords() {
    for (int p = -13; p <= 13; p += 2) {
      const std::string a = std::to_string(p) + "/" + std::to_string(p % 7 + 8);
      const std::string b = std::to_string(p) + "." + std::to_string(p * p);
      for (std::size_t size = 0; size < kSizeButtons.size(); ++size) {
        Lesson l;
        l.Click(l.form.Command3[size]);
        CheckHeard(SayPlane(l.form.State(), a, b));  // no graph yet
        l.Graph(a.c_str(), b.c_str());
        l.Click(l.form.Command12);
        for (int k = 1; k <= 5; ++k, l.Click(l.form.Command8[0]))  // 拡大 up to k = 5
          CheckHeard(SayPlane(l.form.State(), a, b));
      }
    }
    for (std::size_t why = 0; why < kTextChecks; ++why)
      CheckHeard({SayRefused(why % 2, static_cast<TextCheck>(why))});
  }
};

QTEST_APPLESS_MAIN(SpeechTest)
#include "tst_speech.moc"
