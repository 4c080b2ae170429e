// Prints the median cost of one drag move, the move handler plus a
// synchronous repaint of the plane, in two lessons, and that of a naive
// renderer drawing the worst one afresh with one plain painter per frame.
// Run with QT_SCALE_FACTOR=2 for a HiDPI screen. Its last line reads
// "drag move N us, naive floor M us, ratio R" for the worst case.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "Timing.h"
#include "desktop/app/Fonts.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/support/ReferenceSurface.h"
#include "desktop/surface/ImageSurface.h"
#include "desktop/surface/PictureBox.h"
#include "support/Recording.h"

using lesson::Form1;
using lesson::LessonWindow;
using lesson::test::DrawCall;

namespace {

constexpr int kMoves = 300;

double MedianMicroseconds(int runs, const std::function<void(int)>& run) {
  return lesson::bench::Measure(runs, run).median;
}

// Sets up a lesson and picks the triangle up; worst: 14 px/unit, line A and
// the triangle after 整数倍 (k = 3); else 50 px/unit, line A, k = 1.
void Prepare(Form1& form, bool worst) {
  if (worst)
    form.Command3_Click(3);
  form.Text1.SetText("2/3");
  form.Text2.SetText("1");
  form.Command5_Click();
  form.SetQuick(true);
  form.Command10_Click();
  form.Command12_Click();
  if (worst)
    form.Command7_Click();
  form.Picture1_MouseDown(1, 0, 320, 300);
}

void Move(Form1& form, int i) {
  form.Picture1_MouseMove(1, 0, 321.0f + static_cast<float>(i % 40), 300.0f - (i % 7));
}

// The worst scene as one move draws it.
std::vector<DrawCall> WorstScene() {
  lesson::test::Lesson lesson;
  Prepare(lesson.form, true);
  lesson.surface.calls.clear();
  Move(lesson.form, 1);
  return lesson.surface.calls;
}

// The scene drawn afresh into a new image with one antialiased painter, a
// drawLine per stroke and a drawText per text, a font and metrics per text.
void NaiveFrame(const std::vector<DrawCall>& scene, qreal ratio, const QString& family) {
  QImage image(qRound(640 * ratio), qRound(640 * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const DrawCall& call : scene) {
    const lesson::Colour c =
        call.kind == DrawCall::Kind::kLine ? call.stroke.colour : call.attributes.foreColor;
    if (call.kind == DrawCall::Kind::kLine) {
      QPen pen(QColor(c.r, c.g, c.b));
      pen.setWidthF(call.stroke.width);
      pen.setCapStyle(Qt::RoundCap);
      painter.setPen(pen);
      const lesson::Stroke& s = call.stroke;
      painter.drawLine(QLineF(s.x1 + 0.5, s.y1 + 0.5, s.x2 + 0.5, s.y2 + 0.5));
    } else if (call.kind == DrawCall::Kind::kPrint) {
      QFont font(family);
      font.setPixelSize(lesson::PointsToPixels(call.attributes.fontSize));
      font.setBold(call.attributes.fontBold);
      const QFontMetricsF metrics(font);
      painter.setFont(font);
      painter.setPen(QColor(c.r, c.g, c.b));
      painter.drawText(
          QPointF(call.attributes.currentX, call.attributes.currentY + metrics.ascent()),
          QString::fromStdString(call.text));
    }
  }
}

// Counts the paints of the plane, so that the figures are seen to include
// one per move.
class PaintCount final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints;
    return false;
  }
};

// Each move is followed by showing its picture at once: either the way the
// program does (the changed pixels repainted as soon as the handler returns)
// or by a repaint of the whole plane.
double DragMove(bool worst, bool wholePlane = false) {
  LessonWindow window;
  Form1& form = window.Form();
  window.show();
  Prepare(form, worst);
  QApplication::processEvents();
  PaintCount count;
  window.WidgetOf(form.Picture1)->installEventFilter(&count);
  const double us = MedianMicroseconds(kMoves, [&](int i) {
    Move(form, i);
    if (wholePlane) {
      window.WidgetOf(form.Picture1)->repaint();
    } else {
      // The queued repaint of the changes, then the paint it asks for.
      QCoreApplication::sendPostedEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
  });
  if (count.paints != kMoves)
    std::printf("  (the plane was painted %d times in %d moves)\n", count.paints, kMoves);
  return us;
}

// The worst move handler alone, drawing through the plain per-mark renderer
// that the surface used before its cache.
double PlainMove(qreal ratio, const QString& family) {
  LessonWindow window;
  Form1& form = window.Form();
  lesson::test::ReferenceSurface plain(family, ratio);
  form.SetSurface(&plain);
  Prepare(form, true);
  const double us = MedianMicroseconds(kMoves / 3, [&](int i) { Move(form, i); });
  form.SetSurface(nullptr);
  return us;
}

// The worst scene rasterised whole through the surface's batched painter,
// its fonts and text widths already known: every other frame the first
// stroke differs, so that no frame can reuse a part of the one before.
double BatchedFrame(const std::vector<DrawCall>& scene, qreal ratio, const QString& family) {
  std::vector<DrawCall> other = scene;
  const auto first = std::find_if(other.begin(), other.end(), [](const DrawCall& call) {
    return call.kind == DrawCall::Kind::kLine;
  });
  if (first != other.end())
    first->stroke.x1 += 1;
  lesson::ImageSurface surface(family, ratio);
  return MedianMicroseconds(kMoves / 3, [&](int i) {
    lesson::test::ReplaySinceCls(i % 2 == 0 ? scene : other, surface);
    surface.Image();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::vector<DrawCall> scene = WorstScene();
  const qreal ratio = LessonWindow().devicePixelRatioF();
  const QString family = lesson::JapaneseGothicFace();
  const double worst = DragMove(true);
  const double whole = DragMove(true, true);
  const double usual = DragMove(false);
  const double plain = PlainMove(ratio, family);
  const double batched = BatchedFrame(scene, ratio, family);
  const double naive =
      MedianMicroseconds(kMoves / 3, [&](int) { NaiveFrame(scene, ratio, family); });
  std::printf("pixel ratio %.3g, %zu drawing calls in the worst move\n", ratio, scene.size());
  std::printf("  worst-case drag move     %8.0f us   %.3f x naive floor\n", worst, worst / naive);
  std::printf("  worst, whole-plane repaint %6.0f us   %.3f x naive floor\n", whole, whole / naive);
  std::printf("  default-size drag move   %8.0f us   %.3f x naive floor\n", usual, usual / naive);
  std::printf("  plain per-mark move      %8.0f us   %.3f x naive floor\n", plain, plain / naive);
  std::printf("  batched whole frame      %8.0f us   %.3f x naive floor\n", batched,
              batched / naive);
  std::printf("  naive floor              %8.0f us\n", naive);
  std::printf("drag move %.0f us, naive floor %.0f us, ratio %.3f\n", worst, naive, worst / naive);
  return 0;
}
