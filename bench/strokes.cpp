// Prints how long the drawing area takes for strokes whose end points lie far
// outside it, and the graph handler for steep slopes.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

#include "desktop/app/LessonWindow.h"
#include "desktop/surface/ImageSurface.h"

namespace {

void Time(const char* what, const std::function<void()>& draw) {
  constexpr int kRuns = 1000;
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < kRuns; ++i)
    draw();
  std::printf("  %-44s %8.1f us per call\n", what,
              static_cast<double>(clock.nsecsElapsed()) / 1e3 / kRuns);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  lesson::ImageSurface surface(QStringLiteral("IPAPGothic"));
  surface.SetDrawWidth(3);
  std::printf("strokes far outside the plane (3 pixels wide):\n");
  Time("(-1e7, -1e7) to (1e7, 1e7)", [&] { surface.Line(-1e7f, -1e7f, 1e7f, 1e7f); });
  Time("(0, -3.4e38) to (640, 3.4e38)", [&] { surface.Line(0, -3.4e38f, 640, 3.4e38f); });

  lesson::LessonWindow window;
  lesson::Form1& form = window.Form();
  std::printf("the graph handler, a = ... and b = 1:\n");
  for (const char* a : {"1000", "1e6", "1e300"}) {
    form.Text1.SetText(a);
    form.Text2.SetText("1");
    Time(a, [&] {
      form.State().GraphDrawn = 0;
      form.Command5_Click();
    });
  }
  return 0;
}
