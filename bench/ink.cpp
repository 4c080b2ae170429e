// Prints what writing on the plane costs: from a pointer move with the pen
// on to its ink painted (the move handler, the layers rasterised and the
// plane's paint of what changed), and a whole frame of the plane while
// writing, each against a floor: a bare image on which a painter draws the
// same points as line segments, one per move. Medians and the worst move.
// Run with QT_SCALE_FACTOR=2 for a HiDPI screen. Its last line reads
// "ink move N us, worst W us, floor M us, worst F us, ratio R, worst ratio S".
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "Timing.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/surface/PictureBox.h"
#include "lesson/surface/Numeric.h"

using lesson::Form1;
using lesson::LessonWindow;
using lesson::PointerEvent;

namespace {

// One stroke of this many moves, within the core's points per stroke: the
// mark being written is stroked whole at every move, so its last moves cost
// the most.
constexpr int kMoves = 1500;

using lesson::bench::Measure;
using lesson::bench::Times;

// A wave across the plane, a few pixels a move, as a quick hand writes.
QPointF PointAt(int i) {
  const double x = 20 + std::fmod(i * 0.8, 600.0);
  return {x, 320 + 200 * std::sin(i / 25.0)};
}

PointerEvent Event(PointerEvent::Action action, QPointF at) {
  PointerEvent e;
  e.action = action;
  e.button = lesson::kLeftButton;
  e.x = lesson::NarrowToFloat(at.x());
  e.y = lesson::NarrowToFloat(at.y());
  e.up = action == PointerEvent::Action::kRelease;
  return e;
}

// Each move is followed by showing its ink at once: the way the program
// does (the changed area painted once the handler has returned), or by a
// repaint of the whole plane.
Times WritingMove(bool wholePlane) {
  LessonWindow window;
  Form1& form = window.Form();
  window.show();
  form.Click(form.PenTool);
  QApplication::processEvents();
  QWidget* plane = window.WidgetOf(form.Picture1);
  form.Pointer(Event(PointerEvent::Action::kPress, PointAt(0)));
  QApplication::processEvents();
  const Times t = Measure(kMoves, [&](int i) {
    form.Pointer(Event(PointerEvent::Action::kMove, PointAt(i + 1)));
    if (wholePlane) {
      plane->repaint();
    } else {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
  });
  form.Pointer(Event(PointerEvent::Action::kRelease, PointAt(kMoves)));
  return t;
}

// The floor: the same points drawn as line segments on a bare image at the
// plane's resolution, one antialiased segment per move.
Times Floor(qreal ratio) {
  QImage image(qRound(640 * ratio), qRound(640 * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  const QPen pen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  return Measure(kMoves, [&](int i) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.drawLine(PointAt(i), PointAt(i + 1));
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const qreal ratio = LessonWindow().devicePixelRatioF();
  const Times move = WritingMove(false);
  const Times frame = WritingMove(true);
  const Times floor = Floor(ratio);
  std::printf("pixel ratio %.3g, one stroke of %d moves\n", ratio, kMoves);
  std::printf("  ink move to paint  %8.0f us, worst %8.0f us   %.2f x floor, worst %.2f x\n",
              move.median, move.worst, move.median / floor.median, move.worst / floor.worst);
  std::printf("  whole-plane frame  %8.0f us, worst %8.0f us   %.2f x floor, worst %.2f x\n",
              frame.median, frame.worst, frame.median / floor.median, frame.worst / floor.worst);
  std::printf("  floor (segment)    %8.1f us, worst %8.0f us\n", floor.median, floor.worst);
  std::printf(
      "ink move %.0f us, worst %.0f us, floor %.0f us, worst %.0f us, ratio %.2f, "
      "worst ratio %.2f\n",
      move.median, move.worst, floor.median, floor.worst, move.median / floor.median,
      move.worst / floor.worst);
  return 0;
}
