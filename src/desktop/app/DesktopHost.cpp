// What the lesson asks of the desktop: the waits of the animations, the end
// of the program, and showing what changed.

#include <QTimer>

#include "desktop/app/LessonWindow.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/surface/PictureBox.h"

namespace lesson {

double LessonWindow::NowMs() {
  return pacer_->NowMs();
}

bool LessonWindow::SleepUntil(double deadlineMs) {
  return pacer_->SleepUntil(deadlineMs);
}

void LessonWindow::RunQueuedInput() {
  pacer_->RunQueuedInput();
}

void LessonWindow::End() {
  hide();
  if (endAction_)
    endAction_();
}

void LessonWindow::ControlChanged(Control& control) {
  Show(control);
}

void LessonWindow::FocusChanged() {
  const Control* focus = form_->Focus();
  QWidget* widget = focus != nullptr ? WidgetOf(*focus) : this;
  if (focusWidget() != widget)
    widget->setFocus(Qt::OtherFocusReason);
}

// The plane repaints what changed once the handler has returned to the event
// loop, or the animation has gone to sleep in its wait.
void LessonWindow::PictureChanged() {
  picture_->RepaintChangesLater();
}

// Setting the plane's description sends the toolkit's description-changed
// event to the screen reader.
void LessonWindow::Announce(const std::string& planeDescription) {
  picture_->setAccessibleDescription(QString::fromStdString(planeDescription));
}

void LessonWindow::StartQuietInterval(std::int32_t ms) {
  QTimer::singleShot(ms, this, [this] { form_->QuietIntervalEnded(); });
}

}  // namespace lesson
