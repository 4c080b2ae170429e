#include <QTest>

#include "access/Announcer.h"
#include "access/PlaneDescription.h"
#include "support/Recording.h"
#include "surface/PictureBox.h"

using namespace lesson;
using namespace lesson::test;

class AccessTest : public QObject {
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
        l.form.Command10->click();
      if (step == 'C')
        l.form.Command12->click();
      if (step == 'I')
        l.form.Command7->click();
      if (step == 'S')
        l.form.Command3[3]->click();
      if (step == 'D') {
        l.form.Picture1_MouseDown(1, 0, 0, 0);
        l.form.Picture1_MouseMove(1, 0, 7, 0);
        l.form.Picture1_MouseUp(1, 0, 7, 0);
        l.form.Command3[3]->click();  // a handler ends: the description follows
      }
    }
    // Told to the reader at most a few times a second: the last change comes
    // once the interval has run out.
    QTRY_VERIFY2(l.form.Picture1->accessibleDescription().contains(parts.last()),
                 qPrintable(l.form.Picture1->accessibleDescription()));
    const QString description = l.form.Picture1->accessibleDescription();
    for (const QString& part : parts)
      QVERIFY2(description.contains(part), qPrintable(description));
    QCOMPARE(l.form.Picture1->accessibleName(), QStringLiteral("座標平面"));
  }

  // The size buttons say which one is selected, and follow a change.
  void sizeButtonsSayWhichIsSelected() {
    Lesson l;
    const auto selected = [&] {
      QString names;
      for (QPushButton* b : l.form.Command3) {
        if (b->accessibleDescription().contains(QStringLiteral("いま選ばれている")))
          names += b->text();
      }
      return names;
    };
    QCOMPARE(selected(), QStringLiteral("中"));
    l.form.Command3[0]->click();
    QCOMPARE(selected(), QStringLiteral("小"));
    QCOMPARE(l.form.Command3[0]->accessibleName(), QStringLiteral("座標平面の大きさ 小"));
  }

  // The focus on the plane shows as a frame on the window's background; the
  // picture stays pixel for pixel as it is without the focus.
  void focusFrameLeavesThePictureAlone() {
    Lesson l;
    l.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.form));
    l.Graph("2/3", "1");
    const QImage unfocused = l.form.grab().toImage();
    l.form.Picture1->setFocus();
    const QImage focused = l.form.grab().toImage();
    const QRect plane = l.form.Picture1->geometry();
    QVERIFY(focused.copy(plane) == unfocused.copy(plane));
    QCOMPARE(unfocused.pixelColor(plane.left() - 2, 400), QColor(192, 255, 192));
    QCOMPARE(focused.pixelColor(plane.left() - 2, 400), QColor(0, 0, 128));
  }

  // A burst of changes is told at once and then, once the interval has run
  // out, once more with the last description.
  void announcerCoalescesABurst() {
    QWidget control;
    Announcer announcer(control, std::chrono::milliseconds(200));
    for (int i = 0; i < 50; ++i)
      announcer.Describe(QString::number(i));
    QCOMPARE(control.accessibleDescription(), QStringLiteral("0"));
    QTest::qWait(50);
    QCOMPARE(control.accessibleDescription(), QStringLiteral("0"));
    QTRY_COMPARE(control.accessibleDescription(), QStringLiteral("49"));
  }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
