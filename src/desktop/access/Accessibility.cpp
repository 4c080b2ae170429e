// What a screen reader reads: the names and descriptions of the controls and
// the plane's description of what it shows, and the frame that shows the
// keyboard focus on the plane.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "desktop/app/ControlWidgets.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/scaling/ScaledLayout.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"
#include "lesson/access/AccessibleTexts.h"

namespace lesson {

namespace {

// A tool's button reads as a button that is pressed while its mode is on,
// not as the check box the toolkit makes of a checkable button: a click on
// it (or the reader's press) goes to the lesson as any button's does.
class ToggleInterface final : public QAccessibleWidget {
 public:
  explicit ToggleInterface(ToggleWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = s.pressed = Button()->isChecked();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction())
      Button()->click();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  ToggleWidget* Button() const { return static_cast<ToggleWidget*>(widget()); }
};

// The plane reads as a picture the pupil can work on, not as a bare panel;
// the tools' buttons as buttons pressed or not.
QAccessibleInterface* LessonInterface(const QString&, QObject* object) {
  if (auto* plane = qobject_cast<PictureBox*>(object))
    return new QAccessibleWidget(plane, QAccessible::Canvas);
  if (auto* toggle = qobject_cast<ToggleWidget*>(object))
    return new ToggleInterface(toggle);
  return nullptr;
}

}  // namespace

// Names come from the lesson; descriptions as the lesson shows each control,
// and the plane's description, which changes with every step of the lesson,
// as the lesson announces it (LessonWindow::Announce).
void LessonWindow::NameControls() {
  QAccessible::installFactory(LessonInterface);
  for (std::size_t row = 0; row < kControlCount; ++row) {
    const Control& model = form_->Controls().At(row);
    widgets_[row]->setAccessibleName(QString::fromUtf8(
        model.AccessibleName().data(), static_cast<qsizetype>(model.AccessibleName().size())));
  }
}

// While the plane has the keyboard focus a frame in dark blue stands around
// it, on the window's background; the picture itself stays as it is.
void LessonWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!picture_->hasFocus())
    return;
  const int width = layout_->Scale().Length(kFocusFrameWidth);
  const QRect plane = picture_->geometry();
  QPainter painter(this);
  const QColor blue = ToQColor(scheme_, kFocusFrameColour);
  const QRect outer = plane.adjusted(-width, -width, width, width);
  painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), blue);
  painter.fillRect(QRect(outer.left(), plane.bottom() + 1, outer.width(), width), blue);
  painter.fillRect(QRect(outer.left(), plane.top(), width, plane.height()), blue);
  painter.fillRect(QRect(plane.right() + 1, plane.top(), width, plane.height()), blue);
}

}  // namespace lesson
