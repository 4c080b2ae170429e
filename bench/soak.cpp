// Soak: 10,000 drag moves and 1,000 plane-size changes on the lesson window
// with line A and the slope triangle shown, delivered as window events; then
// ten minutes of a pupil's scribbling with a pen, 20,000 strokes of 25
// points, over the cap of the ink kept. Prints the resident memory after a
// warm-up and at the end of each, and the time a stroke takes at the start
// and at the end of the scribbling; exits non-zero when the memory grew by
// more than 2 MiB.
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>
#include <fstream>

#include "desktop/app/ImageMemory.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/surface/PictureBox.h"

namespace {

// A size change with line A shown unticks Quick and animates the triangle
// again; its waits pass at once here, having handled pending events.
class NoWait final : public lesson::Pacer {
 public:
  double NowMs() override { return now_; }
  bool SleepUntil(double deadline) override {
    now_ = deadline;
    return true;
  }
  void RunQueuedInput() override { QApplication::processEvents(); }

 private:
  double now_ = 0;
};

double ResidentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

void Pointer(lesson::LessonWindow& window, QEvent::Type type, QPointF at) {
  QWidget* plane = window.WidgetOf(window.Form().Picture1);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, plane->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(plane, &event);
  QApplication::processEvents();
}

// moves drag moves in drags of 100, with a size change after every tenth.
void Drag(lesson::LessonWindow& window, int moves) {
  int sizes = 0;
  for (int i = 0; i < moves; ++i) {
    if (i % 100 == 0)
      Pointer(window, QEvent::MouseButtonPress, QPointF(320, 300));
    // Back and forth over the plane, so the triangle stays near it.
    const double step = (i % 100 < 50 ? i % 100 : 100 - i % 100) * 3.0;
    Pointer(window, QEvent::MouseMove, QPointF(320 + step, 300 + step / 2));
    if (i % 100 == 99)
      Pointer(window, QEvent::MouseButtonRelease, QPointF(320, 300));
    if (i % 10 == 9) {
      window.WidgetOf(window.Form().Command3[static_cast<std::size_t>(sizes++ % 4)])->click();
      QApplication::processEvents();
    }
  }
}

// count strokes of 25 points by a pen, each a short zigzag somewhere on the
// plane, the window's events processed after each; the milliseconds they
// took.
double Scribble(lesson::LessonWindow& window, int count, int& seed) {
  using Action = lesson::PointerEvent::Action;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < count; ++i, ++seed) {
    const float x = static_cast<float>(40 + (seed * 37) % 560);
    const float y = static_cast<float>(40 + (seed * 53) % 560);
    for (int p = 0; p < 25; ++p) {
      lesson::PointerEvent e(p == 0    ? Action::kPress
                             : p == 24 ? Action::kRelease
                                       : Action::kMove,
                             lesson::kLeftButton, 0, x + p * 1.5f, y + (p % 4) * 6.0f);
      e.kind = lesson::PointerKind::kPen;
      e.up = p == 24;
      window.Form().Pointer(e);
    }
    QApplication::processEvents();
  }
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  lesson::KeepImageMemoryReturnable();  // as the program does
  QApplication app(argc, argv);
  lesson::LessonWindow window;
  lesson::Form1& form = window.Form();
  NoWait noWait;
  window.SetPacer(&noWait);
  window.show();
  window.WidgetOf(form.Text1)->setText(QStringLiteral("2/3"));
  window.WidgetOf(form.Text2)->setText(QStringLiteral("1"));
  window.WidgetOf(form.Command5)->click();
  form.SetQuick(true);
  window.WidgetOf(form.Command10)->click();
  window.WidgetOf(form.Command12)->click();
  QApplication::processEvents();

  Drag(window, 1000);  // fonts, glyph caches, the toolkit's pools and the
                       // picture's snapshots reach their working size
  const double start = ResidentMiB();
  Drag(window, 10000);
  const double end = ResidentMiB();
  std::printf(
      "soak: 10000 drag moves and 1000 size changes: resident %.2f MiB at start, "
      "%.2f MiB at end (%+.2f MiB)\n",
      start, end, end - start);

  // The warm-up fills the ink to its cap.
  int seed = 0;
  Scribble(window, 5000, seed);
  const double inkStart = ResidentMiB();
  // Each 2,000 strokes bring the ink to its cap five times, so that the
  // first and the last hold the same work.
  const double first = Scribble(window, 2000, seed);
  Scribble(window, 16000, seed);
  const double last = Scribble(window, 2000, seed);
  const double inkEnd = ResidentMiB();
  std::printf(
      "soak: 20000 strokes: %zu marks of %zu points kept; resident %.2f MiB at start, %.2f MiB "
      "at end (%+.2f MiB); a stroke %.3f ms in the first 2000, %.3f ms in the last (ratio "
      "%.2f)\n",
      form.Marks().Strokes().size(), form.Marks().PointCount(), inkStart, inkEnd, inkEnd - inkStart,
      first / 2000, last / 2000, last / first);
  return end - start <= 2.0 && inkEnd - inkStart <= 2.0 ? 0 : 1;
}
