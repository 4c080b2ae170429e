#include <QClipboard>
#include <QPushButton>
#include <QTabletEvent>
#include <QTest>
#include <cmath>

#include "desktop/support/Window.h"

using namespace lesson;
using namespace lesson::test;

// Whether a pixel has the colour, give or take the antialiasing's rounding.
static bool Near(QColor got, Colour want) {
  return std::abs(got.red() - want.r) + std::abs(got.green() - want.g) +
             std::abs(got.blue() - want.b) <=
         6;
}

class InkLayersTest : public QObject {
  Q_OBJECT

 private slots:
  // A mark written across the plane shows in its colour along the way, above
  // the picture, which stays pixel for pixel that of the same lesson without
  // it; the picture handed in is the plane as shown, ink and all; shown
  // larger, the marks are drawn again where they were. The tools stay
  // pressed as the lesson has them, a second click on a colour included; a
  // tablet's pen writes without any tool, its events taken.
  void aMarkShowsAboveThePictureAndIsHandedIn_data() {
    QTest::addColumn<int>("tool");  // the row of the tool clicked, -1: none
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("colour");
    QTest::newRow("mouse, ペン") << int(ControlId::kPenTool) << 1 << 0;
    QTest::newRow("mouse, green clicked twice") << int(ControlId::kPenColour_1) << 2 << 1;
    QTest::newRow("tablet pen, no tool") << -1 << 0 << 0;
  }
  void aMarkShowsAboveThePictureAndIsHandedIn() {
    QFETCH(int, tool);
    QFETCH(int, clicks);
    QFETCH(int, colour);
    WindowLesson plain;
    WindowLesson l;
    for (WindowLesson* lesson : {&plain, &l}) {
      lesson->window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&lesson->window));
      lesson->Graph("2/3", "1");
    }
    if (tool >= 0) {
      auto* button = qobject_cast<QPushButton*>(
          l.window.WidgetOf(l.form.Controls().At(static_cast<std::size_t>(tool))));
      for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
      QVERIFY(button->isChecked() && l.W(l.form.PenTool)->isChecked());
    }
    PictureBox* plane = l.W(l.form.Picture1);
    const int y = 300;
    const auto pointer = [&](QTest::MouseAction mouse, QEvent::Type pen, int x) {
      if (tool >= 0)
        return QTest::mouseEvent(mouse, plane, Qt::LeftButton, {}, {x, y});
      QTabletEvent event(pen, QPointingDevice::primaryPointingDevice(), QPointF(x, y), {}, 0.5, 0,
                         0, 0, 0, 0, {}, Qt::LeftButton,
                         pen == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton);
      QCoreApplication::sendEvent(plane, &event);
      QVERIFY(event.isAccepted());  // no mouse event is made of it
    };
    pointer(QTest::MousePress, QEvent::TabletPress, 100);
    for (int x = 120; x <= 300; x += 20)
      pointer(QTest::MouseMove, QEvent::TabletMove, x);
    pointer(QTest::MouseRelease, QEvent::TabletRelease, 300);
    QCOMPARE(l.form.Marks().Strokes().size(), std::size_t{1});

    const QImage picture = l.window.PictureImage().Image().convertToFormat(QImage::Format_RGB32);
    QVERIFY(picture == plain.window.PictureImage().Image().convertToFormat(QImage::Format_RGB32));
    const QImage shown = plane->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int x = 100; x <= 300; x += 10)
      QVERIFY2(Near(shown.pixelColor(x, y), kInkColours.at(std::size_t(colour))),
               qPrintable(QStringLiteral("x %1").arg(x)));
    const QRect above(0, 0, kPlaneSide, y - 10);
    QVERIFY(shown.copy(above) == picture.copy(above));

    std::pair<QImage, QString> saved;
    l.window.SetSaveAction([&](const QImage& image, const QString& name) {
      saved = {image, name};
    });
    QTest::mouseClick(l.W(l.form.SavePicture), Qt::LeftButton);
    QVERIFY(saved.first == shown);
    QCOMPARE(saved.second, QString::fromStdString(l.form.PictureFileName()));
    QVERIFY(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == shown);

    l.window.resize(1920, 1080);
    const double scale = plane->Scale();
    QCOMPARE(plane->Ink().Ratio(), l.window.PictureImage().DevicePixelRatio());
    const QImage larger = plane->grab().toImage();
    QVERIFY(scale > 1.5 && Near(larger.pixelColor(int(200 * scale), int(y * scale)),
                                kInkColours.at(std::size_t(colour))));
  }

  // The mark being written is stroked only where it changed at each move,
  // looping back over itself too: the layer is pixel for pixel the whole
  // mark stroked afresh, and so is the finished layer once it is finished.
  void aMarkGrowsAsIfStrokedAfresh() {
    const qreal ratio = 1.5;
    InkLayers growing(ratio);
    InkStroke stroke{1, kInkColours[1], 4, 50, {}};
    const InkScale scale{50, 320, 320};
    for (int i = 0; i < 300; ++i) {
      const double t = i / 20.0;
      stroke.points.push_back({float(320 + 150 * std::sin(t)), float(320 + 100 * std::sin(2 * t))});
      growing.Apply(InkUpdate{false, {}, PathOf(stroke, scale)});
    }
    InkLayers afresh(ratio);
    afresh.Apply(InkUpdate{false, {}, PathOf(stroke, scale)});
    QVERIFY(growing.Active() == afresh.Active());
    growing.Apply(InkUpdate{false, {PathOf(stroke, scale)}, std::nullopt});
    QVERIFY(growing.Finished() == afresh.Active());
    QVERIFY(growing.Active() == InkLayers(ratio).Active());
  }
};

QTEST_MAIN(InkLayersTest)
#include "tst_ink_layers.moc"
