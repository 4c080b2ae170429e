#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QStyleFactory>

#include "desktop/app/ImageMemory.h"
#include "desktop/app/LessonWindow.h"

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
  lesson::KeepImageMemoryReturnable();
  QApplication app(argc, argv);
  // Ties the window to its menu entry, so that the task bar shows that entry's
  // name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(LESSON_APP_ID));
  QApplication::setWindowIcon(WindowIcon());
  // One look on every desktop, whatever theme the machine has.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  lesson::LessonWindow window;
  window.show();
  return QApplication::exec();
}
