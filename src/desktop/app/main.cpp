#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "desktop/app/ImageMemory.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/app/Options.h"

namespace {

// The icon of the installed menu entry, found through the icon theme; from
// the build tree, where no theme holds it, the same icon compiled in.
QIcon WindowIcon() {
  QIcon builtIn;
  QDirIterator it(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    builtIn.addFile(it.next());
  }
  return QIcon::fromTheme(QStringLiteral(LESSON_APP_ID), builtIn);
}

}  // namespace

int main(int argc, char* argv[]) {
  // The command line is read before the toolkit starts, so that --help and
  // a mistake are answered without a display.
  const std::string program = "linear-function-lesson";
  const lesson::Options options = lesson::ReadOptions({argv + 1, argv + argc});
  if (!options.error.empty()) {
    for (std::size_t at = 0, end = 0; at < options.error.size(); at = end + 1) {
      end = std::min(options.error.find('\n', at), options.error.size());
      std::fprintf(stderr, "%s: %s\n", program.c_str(), options.error.substr(at, end - at).c_str());
    }
    std::fprintf(stderr, "(%s --help)\n", program.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(lesson::Usage(program).c_str(), stdout);
    return 0;
  }
  lesson::KeepImageMemoryReturnable();
  QApplication app(argc, argv);
  // Ties the window to its menu entry, so that the task bar shows that entry's
  // name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(LESSON_APP_ID));
  QApplication::setWindowIcon(WindowIcon());
  // One look on every desktop, whatever theme the machine has.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The reading supports the pupil turned on are kept for the device.
  QSettings kept(QStringLiteral("linear-function-lesson"),
                 QStringLiteral("linear-function-lesson"));
  lesson::LessonWindow window(nullptr, &kept);
  window.show();
  // A prepared example is applied to the lesson once it has started, step
  // by step as a pupil would.
  QTimer::singleShot(0, &window,
                     [&window, &options] { window.Form().Prepare(options.preparation); });
  return QApplication::exec();
}
