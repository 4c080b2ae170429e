// The window shown larger than its layout, for a projector or a large
// screen: everything scaled by one factor and centred on the background; in a
// window taller than wide, the controls beneath the plane.

#include <QCheckBox>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include "desktop/app/ControlWidgets.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/scaling/ScaledLayout.h"
#include "desktop/surface/PictureBox.h"

namespace lesson {

// The lesson fits itself to the new size and, while it is shown, tells the
// window of a new fit.
void LessonWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_->Resize(width(), height());
}

// Every control already stands at its place in the new arrangement; the
// whole is scaled to the new size.
void LessonWindow::FitChanged(const WindowFit& fit) {
  const WindowScale& scale = fit.scale;
  // A new style sheet repolishes the box and resets its font: it comes
  // before the fonts are set, and only when the spacing changes.
  const QString spacing = CheckBoxStyle(scale.Length(kCheckBoxSpacing));
  const std::array<QCheckBox*, 2> boxes{WidgetOf(form_->Check1), WidgetOf(form_->Check2)};
  for (QCheckBox* box : boxes) {
    if (box->styleSheet() != spacing)
      box->setStyleSheet(spacing);
  }
  layout_->Apply(scale);
  for (QWidget* widget : widgets_)
    FitReadings(widget);
  if (boxes[1]->font() != font()) {
    for (QCheckBox* box : boxes)
      box->setFont(font());
  }
  picture_->SetScale(scale.factor);
  update();
}

// F11 reaches the window from whichever control has the focus, as none of
// them takes it. It is a key press rather than a shortcut so that it also
// works while the window is not the active one, as on a bare X server before
// the first click.
void LessonWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
    event->accept();
    ToggleFullScreen();
    return;
  }
  QWidget::keyPressEvent(event);
}

// F11. The window manager normally sizes a full-screen window to its screen;
// where none does (a bare X server), the window is sized to the screen
// itself once the manager has had time to act, and given back its place on
// the way back.
void LessonWindow::ToggleFullScreen() {
  if (fullScreen_) {
    fullScreen_ = false;
    showNormal();
    if (normalGeometry_.isValid() && geometry() != normalGeometry_)
      setGeometry(normalGeometry_);
    return;
  }
  fullScreen_ = true;
  normalGeometry_ = geometry();
  showFullScreen();
  QTimer::singleShot(kWindowManagerGrace, this, [this] {
    QScreen* s = screen();
    if (fullScreen_ && s != nullptr && geometry() != s->geometry())
      setGeometry(s->geometry());
  });
}

}  // namespace lesson
