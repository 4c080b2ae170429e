#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "desktop/app/ControlWidgets.h"
#include "desktop/app/Speaker.h"
#include "desktop/support/Window.h"
#include "desktop/surface/QtColour.h"
#include "lesson/access/SpeechTexts.h"

using namespace lesson;
using namespace lesson::test;

namespace {

// A widget's box (without the room above it for readings), in the window.
QRect BoxOf(const QWidget* w) {
  return QRect(w->mapToParent(w->contentsRect().topLeft()), w->contentsRect().size());
}

// The window's pixels outside the four toggles of the supports.
QImage Outside(LessonWindow& window) {
  QImage image = window.grab().toImage();
  QPainter painter(&image);
  const Form1& f = window.Form();
  for (const ToggleButton* t : {&f.Furigana, &f.ReadAloud, &f.ReadSlowly, &f.DarkScheme})
    painter.fillRect(window.WidgetOf(*t)->geometry(), Qt::magenta);
  return image;
}

}  // namespace

class SupportsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // 白黒反転: the paper black and the grid, axes and graph white, pixel for
  // pixel where the light picture has them; the window's background and a
  // label's olive as the scheme has them.
  void darkSchemeMapsEveryPixel() {
    WindowLesson l;
    l.window.show();
    l.Graph("2/3", "1");
    const QImage light = l.window.PictureImage().Image().copy();
    l.W(l.form.DarkScheme)->click();
    const QImage dark = l.window.PictureImage().Image();
    int paper = 0;
    for (int y = 0; y < light.height(); ++y) {
      for (int x = 0; x < light.width(); ++x) {
        const QRgb p = light.pixel(x, y);
        if (p == qRgb(255, 255, 255) || p == qRgb(0, 0, 0)) {
          QCOMPARE(dark.pixel(x, y), (p ^ 0xffffffU) | 0xff000000U);
          paper += p == qRgb(255, 255, 255) ? 1 : 0;
        }
      }
    }
    QVERIFY(paper > light.width() * light.height() / 2);
    QCOMPARE(l.window.grab().toImage().pixelColor(2, 2), ToQColor(Scheme::kDark, kLightGreen));
    QCOMPARE(l.W(l.form.Label7)->palette().color(QPalette::WindowText),
             ToQColor(Scheme::kDark, kOlive));
  }

  // ふりがな: readings stand over "座標平面の大きさ", in its strip that was
  // bare before, and no reading lies over another control or reading.
  void readingsStandClearOfEveryControl_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("landscape") << QSize(kFormWidth, kFormHeight);
    QTest::newRow("portrait, scaled") << QSize(760, 1200);
  }
  void readingsStandClearOfEveryControl() {
    QFETCH(QSize, size);
    LessonWindow window;
    window.resize(size);
    window.show();
    const QImage before = window.grab().toImage();
    window.WidgetOf(window.Form().Furigana)->click();
    const QImage after = window.grab().toImage();
    const QWidget* label = window.WidgetOf(window.Form().Label1);
    QCOMPARE(BoxOf(label), label->geometry().adjusted(0, label->contentsMargins().top(), 0, 0));
    int ink = 0;
    std::vector<std::pair<QRect, const QWidget*>> readings;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
      for (const ReadingPlace& r : w->isVisible() ? ReadingsOf(w) : std::vector<ReadingPlace>{})
        readings.emplace_back(r.box.toAlignedRect().translated(w->pos()), w);
    }
    for (const auto& [box, owner] : readings) {
      for (int y = box.top(); owner == label && y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          QCOMPARE(before.pixel(x, y), before.pixel(box.left(), box.top()));
          ink += after.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
        }
      }
      for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w != owner && w->parentWidget() == &window && w->isVisible())
          QVERIFY2(!BoxOf(w).intersects(box.adjusted(1, 1, -1, -1)),
                   qPrintable(owner->objectName() + " over " + w->objectName()));
      }
      for (const auto& [other, by] : readings)
        QVERIFY(&other == &box || !other.intersects(box.adjusted(1, 1, -1, -1)));
    }
    QVERIFY(ink > 20);
  }

  // Each support on and off again leaves every pixel outside the toggles
  // as it was.
  void offAgainIsAsBefore_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("ふりがな") << static_cast<int>(RowOf(ControlId::kFurigana));
    QTest::newRow("白黒反転") << static_cast<int>(RowOf(ControlId::kDarkScheme));
  }
  void offAgainIsAsBefore() {
    QFETCH(int, row);
    WindowLesson l;
    l.window.show();
    l.Graph("-1/2", "2");
    const QImage before = Outside(l.window);
    Control& model = l.form.Controls().At(static_cast<std::size_t>(row));
    l.form.Click(model);
    l.form.Click(model);
    QCOMPARE(Outside(l.window), before);
  }

  // 読み上げ on a machine without a Japanese voice: the toggle's
  // description and a note beside it say so, and the lesson goes on.
  void noJapaneseVoiceIsSaidOnce() {
    if (Speaker().HasJapaneseVoice())
      QSKIP("this machine has a Japanese voice");
    WindowLesson l;
    l.window.show();
    l.W(l.form.ReadAloud)->click();
    const QString missing = QString::fromUtf8(kNoJapaneseVoice);
    QTRY_COMPARE(l.W(l.form.ReadAloud)->accessibleDescription(), missing);
    const auto* note = l.window.findChild<QLabel*>(QStringLiteral("Note"));
    QVERIFY(note != nullptr && note->isVisible() && note->text() == missing);
    l.Graph("2", "1");
    QVERIFY(l.form.SupportsInForce().voice && l.form.State().GraphDrawn != 0);
  }

  // Each support turned on is on again in a new window on the same
  // settings, from its first picture on.
  void supportsAreKeptForTheDevice_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kSupportNames.size(); ++i)
      QTest::newRow(kSupportNames[i].data()) << static_cast<int>(i);
  }
  void supportsAreKeptForTheDevice() {
    QFETCH(int, index);
    QSettings kept(QStringLiteral("lesson-tests"), QStringLiteral("supports"));
    kept.clear();
    Supports on;
    SupportAt(on, static_cast<std::size_t>(index)) = true;
    LessonWindow(nullptr, &kept).Form().SetSupports(on);
    LessonWindow again(nullptr, &kept);
    QCOMPARE(again.Form().SupportsInForce(), on);
    QCOMPARE(IsWhite(again.PictureImage().Image(), 5, 5), !on.dark);
  }
};

QTEST_MAIN(SupportsWindowTest)
#include "tst_supports_window.moc"
