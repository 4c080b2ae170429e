#include <QTest>
#include <cmath>

#include "lesson/surface/DisplayList.h"

using namespace lesson;

// A mark's bounds hold every pixel it may touch. (That the display list
// shows each picture exactly as its calls drawn in turn is checked through
// both front-ends: tst_canvas_surface and the desktop's storm.)
class DisplayListTest : public QObject {
  Q_OBJECT

 private slots:
  // Strokes touch the pixels within half their pen of their path and texts
  // their cell, and a mark that cannot reach the plane is left out.
  void boundsHoldEveryPixelAMarkTouches() {
    const Mark stroke = *StrokeMark({100, 200, 300, 200}, QBColor(0), 3);
    QVERIFY(stroke.bounds.left <= 100 - 1.5 - 1 && stroke.bounds.right >= 300 + 1.5 + 2);
    QVERIFY(stroke.bounds.top <= 200 - 2.5 && stroke.bounds.bottom >= 200 + 2.5 + 1);
    const Mark wide = *StrokeMark({0, 0, 0, 10}, QBColor(0), 5000);
    QCOMPARE(wide.width, 1000);
    const Mark text = *TextMark(10, 20, "Ｏ", QBColor(0), 27, true, {27, 36});
    QVERIFY(text.bounds.left < 10 && text.bounds.right > 10 + 27 + 2);
    QVERIFY(text.bounds.top < 20 && text.bounds.bottom > 20 + 36 + 2);
    QVERIFY(!StrokeMark({-50, -50, -10, -40}, QBColor(0), 3));
    QVERIFY(!StrokeMark({NAN, 0, 10, 10}, QBColor(0), 3));
    QVERIFY(!TextMark(700, 20, " 25", QBColor(0), 27, true, {40, 36}));
    QVERIFY(!TextMark(20, INFINITY, " 2", QBColor(0), 27, true, {40, 36}));
    QVERIFY(TextMark(-50, 20, " -10", QBColor(0), 27, true, {54, 36}));
  }
};

QTEST_APPLESS_MAIN(DisplayListTest)
#include "tst_display_list.moc"
