// Prints the processor time a real 2-second wait of an animation uses and,
// with --line-a, that of the whole animated line A for y = 2/3 x + 1 (16
// steps, 17.6 s), drawing and repainting included.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

#include "desktop/app/LessonWindow.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  lesson::LessonWindow window;
  lesson::Form1& form = window.Form();
  window.show();
  QApplication::processEvents();
  const double cpuBefore = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  form.Pause(2000);
  const double cpu = CpuSeconds() - cpuBefore;
  const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
  std::printf("Pause(2000): %.3f s of wall time, %.4f s of CPU time (%.2f%% of one core)\n",
              seconds, cpu, 100.0 * cpu / seconds);
  if (argc > 1 && std::strcmp(argv[1], "--line-a") == 0) {
    form.Text1.SetText("2/3");
    form.Text2.SetText("1");
    form.Command5_Click();
    const double before = CpuSeconds();
    wall.restart();
    form.Command10_Click();
    const double used = CpuSeconds() - before;
    const double took = static_cast<double>(wall.elapsed()) / 1000.0;
    std::printf("line A animated: %.3f s of wall time, %.4f s of CPU time (%.2f%% of one core)\n",
                took, used, 100.0 * used / took);
  }
  return 0;
}
