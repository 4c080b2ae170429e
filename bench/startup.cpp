// Prints the time from the start of main to the first complete paint of the
// window, and the resident memory then, for the lesson window or (--bare) for
// a plain window with the same 30 controls and no lesson behind them.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>
#include <memory>

#include "desktop/app/Fonts.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/surface/PictureBox.h"
#include "lesson/app/ControlTable.h"

namespace {

// Notes the first paint of the watched control.
class PaintWatch final : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      painted = true;
    return false;
  }
};

std::unique_ptr<QWidget> BareWindow(QWidget*& picture) {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(lesson::kFormWidth, lesson::kFormHeight);
  for (const lesson::ControlRow& c : lesson::kControls) {
    const QString text = QString::fromUtf8(c.text);
    QWidget* w = nullptr;
    switch (c.kind) {
      case lesson::ControlKind::kTextBox:
        w = new QLineEdit(window.get());
        break;
      case lesson::ControlKind::kButton:
        w = new QPushButton(text, window.get());
        break;
      case lesson::ControlKind::kToggle: {
        auto* toggle = new QPushButton(text, window.get());
        toggle->setCheckable(true);
        w = toggle;
        break;
      }
      case lesson::ControlKind::kLabel:
        w = new QLabel(text, window.get());
        break;
      case lesson::ControlKind::kCheckBox:
        w = new QCheckBox(text, window.get());
        break;
      case lesson::ControlKind::kPicture:
        w = picture = new QWidget(window.get());
        break;
    }
    if (c.fontPoints > 0)
      w->setFont(lesson::ControlFont(c.fontPoints, c.bold));
    w->setGeometry(c.left, c.top, c.width, c.height);
  }
  return window;
}

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
  QWidget* picture = nullptr;
  std::unique_ptr<QWidget> window;
  if (bare) {
    lesson::InstallFontSubstitutes();
    window = BareWindow(picture);
  } else {
    auto lesson = std::make_unique<lesson::LessonWindow>();
    picture = lesson->WidgetOf(lesson->Form().Picture1);
    window = std::move(lesson);
  }
  PaintWatch watch;
  picture->installEventFilter(&watch);
  window->show();
  while (!watch.painted)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("%s %.2f ms %ld kB\n", bare ? "bare" : "lesson",
              static_cast<double>(clock.nsecsElapsed()) / 1e6, ResidentKilobytes());
  return 0;
}
