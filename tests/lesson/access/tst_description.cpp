#include <QTest>

#include "lesson/access/AccessibleTexts.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// What a screen reader is told of the lesson: the plane's description and
// the size buttons' descriptions, as the lesson keeps them.
class DescriptionTest : public QObject {
  Q_OBJECT

 private slots:
  // The plane's description after the steps of a lesson: the parts that a
  // pupil must hear, as the plane writes them.
  void planeDescribesWhatItShows_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("steps");  // G graph, A line A, C triangle, I integer multiple,
                                         // S "特大", D drag by (7, 0)
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("start") << ""
                           << ""
                           << ""
                           << QStringList{"1 目盛り 50 ピクセル（大きさ 中）", "-6.4 から 6.4",
                                          "グラフはまだない", "補助線A なし",
                                          "補助線C（傾きの三角形）なし"};
    QTest::newRow("2/3 and 1, line A, triangle")
        << "2/3"
        << " 1"
        << "GAC"
        << QStringList{"グラフ y = 2/3 x + 1。", "補助線A あり", "横に 1、縦に 2/3、始点 (0, 1)"};
    QTest::newRow("integer multiple") << "2/3"
                                      << "1"
                                      << "GCI" << QStringList{"横に 3、縦に 2、"};
    QTest::newRow("negative fraction, minus b, 特大, dragged")
        << "-1/2"
        << "-3"
        << "GCSD"
        << QStringList{"1 目盛り 14 ピクセル（大きさ 特大）", "約 -22.86 から 約 22.86",
                       "y = -1/2 x - 3。", "縦に -1/2、始点 (0.5, -10.71)"};
    QTest::newRow("decimal") << "0.5"
                             << ""
                             << "GC" << QStringList{"y = 0.5 x。", "縦に 0.5、"};
  }
  void planeDescribesWhatItShows() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, steps);
    QFETCH(QStringList, parts);
    Lesson l;
    l.form.SetQuick(true);
    for (QChar step : steps) {
      if (step == 'G')
        l.Graph(a.toUtf8().constData(), b.toUtf8().constData());
      if (step == 'A')
        l.Click(l.form.Command10);
      if (step == 'C')
        l.Click(l.form.Command12);
      if (step == 'I')
        l.Click(l.form.Command7);
      if (step == 'S')
        l.Click(l.form.Command3[3]);
      if (step == 'D') {
        l.form.Picture1_MouseDown(1, 0, 0, 0);
        l.form.Picture1_MouseMove(1, 0, 7, 0);
        l.form.Picture1_MouseUp(1, 0, 7, 0);
        l.Click(l.form.Command3[3]);  // a handler ends: the description follows
      }
    }
    const QString description = QString::fromStdString(l.form.Picture1.Description());
    for (const QString& part : parts)
      QVERIFY2(description.contains(part), qPrintable(description));
    QCOMPARE(l.form.Picture1.AccessibleName(), std::string_view("座標平面"));
  }

  // The size buttons say which one is selected, and follow a change.
  void sizeButtonsSayWhichIsSelected() {
    Lesson l;
    const auto selected = [&] {
      QString names;
      for (const Button& b : l.form.Command3) {
        if (QString::fromStdString(b.Description()).contains(QStringLiteral("いま選ばれている")))
          names += QString::fromUtf8(b.Entry().text);
      }
      return names;
    };
    QCOMPARE(selected(), QStringLiteral("中"));
    l.Click(l.form.Command3[0]);
    QCOMPARE(selected(), QStringLiteral("小"));
    QCOMPARE(l.form.Command3[0].AccessibleName(), std::string_view("座標平面の大きさ 小"));
  }

  // A drag changes the plane's description at every move: the reader hears
  // the first change at once and, once the quiet interval has run out, the
  // last of those that came meanwhile; nothing for a change back to what it
  // was told last.
  void theReaderHearsABurstTwice() {
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    l.Pass(kDescriptionIntervalMs);  // what waited is told,
    l.Pass(kDescriptionIntervalMs);  // and the interval it began runs out
    l.host.announced.clear();
    const int asked = l.host.quietIntervals;
    for (float x = 300; x < 350; x += 5) {
      l.form.Pointer({PointerEvent::Action::kPress, 1, 0, x, 300});
      l.form.Pointer({PointerEvent::Action::kMove, 1, 0, x + 5, 300});
      l.form.Pointer({PointerEvent::Action::kRelease, 1, 0, x + 5, 300});
    }
    QCOMPARE(l.host.announced.size(), std::size_t{1});
    QVERIFY(l.host.announced[0].find("移動中") != std::string::npos);
    l.Pass(kDescriptionIntervalMs - 1);  // a timer that fires early tells nothing
    QCOMPARE(l.host.announced.size(), std::size_t{1});
    l.form.QuietIntervalEnded();
    QCOMPARE(l.host.announced.size(), std::size_t{1});
    l.Pass(1);
    QCOMPARE(l.host.announced.size(), std::size_t{2});
    QCOMPARE(l.host.announced[1], l.form.Picture1.Description());
    QVERIFY(l.host.announced[1].find("始点 (1, 1)") != std::string::npos);
    QCOMPARE(l.host.quietIntervals, asked + 3);  // the early timer's rest too
    l.form.Pointer({PointerEvent::Action::kPress, 1, 0, 350, 300});
    l.form.Pointer({PointerEvent::Action::kRelease, 1, 0, 350, 300});
    l.Pass(kDescriptionIntervalMs);
    QCOMPARE(l.host.announced.size(), std::size_t{2});
  }

  // A drag of three seconds, a move every 16 ms between two places: the
  // reader hears the plane once per quiet interval, never twice within one.
  void aDragIsHeardOncePerInterval() {
    Lesson l;
    l.Graph("2/3", "1");
    l.Click(l.form.Command12);
    l.Pass(kDescriptionIntervalMs);
    l.Pass(kDescriptionIntervalMs);
    std::vector<double> heard;  // when each description was told
    auto listen = [&l, &heard, told = l.host.announced.size()]() mutable {
      for (; told < l.host.announced.size(); ++told)
        heard.push_back(l.host.NowMs());
    };
    l.form.Pointer({PointerEvent::Action::kPress, 1, 0, 305, 300});
    listen();
    for (int i = 1; i * 16 <= 3000; ++i) {
      l.Pass(16);
      listen();
      l.form.Pointer({PointerEvent::Action::kMove, 1, 0, i % 2 ? 355.0f : 305.0f, 300});
      listen();
    }
    QVERIFY2(heard.size() >= 3000 / (kDescriptionIntervalMs + 16),
             qPrintable(QString::number(heard.size())));
    for (std::size_t i = 1; i < heard.size(); ++i)
      QVERIFY(heard[i] - heard[i - 1] >= kDescriptionIntervalMs);
  }
};

QTEST_APPLESS_MAIN(DescriptionTest)
#include "tst_description.moc"
