#include "desktop/surface/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "desktop/surface/ImageSurface.h"
#include "lesson/surface/Numeric.h"

namespace lesson {

namespace {

std::int16_t ButtonCode(Qt::MouseButtons buttons) {
  std::int16_t code = 0;
  if (buttons & Qt::LeftButton)
    code |= 1;
  if (buttons & Qt::RightButton)
    code |= 2;
  if (buttons & Qt::MiddleButton)
    code |= 4;
  return code;
}

std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
  std::int16_t code = 0;
  if (modifiers & Qt::ShiftModifier)
    code |= 1;
  if (modifiers & Qt::ControlModifier)
    code |= 2;
  if (modifiers & Qt::AltModifier)
    code |= 4;
  return code;
}

}  // namespace

PictureBox::PictureBox(ImageSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tab only: a pointer press must not move the focus away from where the
  // lesson puts it.
  setFocusPolicy(Qt::TabFocus);
  surface_.SetChangeListener([this](const QRectF&) { RepaintChangesLater(); });
}

// A rebuild draws the whole picture again, most of it as it was. Once the
// handler has returned to the event loop, only the pixels that really changed
// are repainted.
void PictureBox::RepaintChangesLater() {
  if (repaintPending_)
    return;
  repaintPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        repaintPending_ = false;
        const QRectF area = surface_.TakeChangedArea();
        update(QRectF(area.topLeft() * scale_, area.size() * scale_).toAlignedRect());
      },
      Qt::QueuedConnection);
}

void PictureBox::SetScale(double scale) {
  if (!(scale > 0) || scale == scale_)
    return;
  scale_ = scale;
  surface_.SetDevicePixelRatio(devicePixelRatioF() * scale_);
  update();
}

void PictureBox::SetPointerHandlers(PointerHandler down, PointerHandler move, PointerHandler up) {
  down_ = std::move(down);
  move_ = std::move(move);
  up_ = std::move(up);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  // The window may have moved to a screen with another pixel ratio.
  surface_.SetDevicePixelRatio(devicePixelRatioF() * scale_);
  QPainter painter(this);
  const QImage& image = surface_.Image();
  const QRect area = event->rect();
  // Image pixels per widget pixel: the screen's ratio. Whole image pixels
  // are copied, so that at any ratio each lands as it is and none is
  // resampled at the edges of a partial repaint.
  const qreal ratio = surface_.DevicePixelRatio() / scale_;
  const QRect source =
      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
          .toAlignedRect() &
      image.rect();
  const QRectF target(source.x() / ratio, source.y() / ratio, source.width() / ratio,
                      source.height() / ratio);
  painter.drawImage(target, image, QRectF(source));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  Deliver(down_, event, false);
}

// A second press of a double click is a press like any other.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  Deliver(down_, event, false);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  Deliver(move_, event, false);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  Deliver(up_, event, true);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  Arrow arrow = Arrow::kLeft;
  switch (event->key()) {
    case Qt::Key_Left:
      arrow = Arrow::kLeft;
      break;
    case Qt::Key_Right:
      arrow = Arrow::kRight;
      break;
    case Qt::Key_Up:
      arrow = Arrow::kUp;
      break;
    case Qt::Key_Down:
      arrow = Arrow::kDown;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
  if (arrows_)
    arrows_(arrow, ShiftCode(event->modifiers()));
}

void PictureBox::Deliver(const PointerHandler& handler, QMouseEvent* event, bool releasedButton) {
  event->accept();
  if (!handler)
    return;
  // A press or release names the button that changed; a move names the
  // buttons held.
  const Qt::MouseButtons buttons = releasedButton || event->type() != QEvent::MouseMove
                                       ? Qt::MouseButtons(event->button())
                                       : event->buttons();
  const QPointF at = event->position() / scale_;
  handler(ButtonCode(buttons), ShiftCode(event->modifiers()), NarrowToFloat(at.x()),
          NarrowToFloat(at.y()));
}

}  // namespace lesson
