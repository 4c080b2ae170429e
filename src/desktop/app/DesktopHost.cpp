// What the lesson asks of the desktop: the waits of the animations, the end
// of the program, and showing what changed.

#include <QTimer>

#include "desktop/app/LessonWindow.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/surface/PictureBox.h"

namespace lesson {

void LessonWindow::Wait(std::int32_t ms) {
  pacer_->Wait(ms);
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
  if (layout_ == nullptr)
    return;  // still being built: the focus is given once it stands
  const Control* focus = form_->Focus();
  QWidget* widget = focus != nullptr ? WidgetOf(*focus) : this;
  if (focusWidget() != widget)
    widget->setFocus(Qt::OtherFocusReason);
}

// The plane's image tells the plane of every change itself; the plane then
// repaints what changed once the handler has returned to the event loop.
void LessonWindow::PictureChanged() {}

// Setting the plane's description sends the toolkit's description-changed
// event to the screen reader.
void LessonWindow::Announce(const std::string& planeDescription) {
  picture_->setAccessibleDescription(QString::fromStdString(planeDescription));
}

void LessonWindow::StartQuietInterval(std::int32_t ms) {
  QTimer::singleShot(ms, this, [this] { form_->QuietIntervalEnded(); });
}

}  // namespace lesson
