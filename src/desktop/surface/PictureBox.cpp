#include "desktop/surface/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTabletEvent>

#include "desktop/input/QtInput.h"
#include "desktop/surface/ImageSurface.h"
#include "lesson/surface/Surface.h"

namespace lesson {

PictureBox::PictureBox(ImageSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface), ink_(surface.DevicePixelRatio()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tab only: a pointer press must not move the focus away from where the
  // lesson puts it.
  setFocusPolicy(Qt::TabFocus);
}

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
  FollowRatio();
  update();
}

void PictureBox::SetScheme(Scheme scheme) {
  surface_.SetScheme(scheme);
  if (ink_.SetScheme(scheme) && inkLost_)
    inkLost_();
  update();
}

void PictureBox::FollowRatio() {
  const qreal ratio = devicePixelRatioF() * scale_;
  surface_.SetDevicePixelRatio(ratio);
  if (ink_.SetRatio(surface_.DevicePixelRatio()) && inkLost_)
    inkLost_();
}

void PictureBox::ShowInk(const InkUpdate& changes) {
  const QRectF area = ink_.Apply(changes);
  if (!area.isEmpty())
    update(QRectF(area.topLeft() * scale_, area.size() * scale_).toAlignedRect());
}

QImage PictureBox::ShownImage() {
  FollowRatio();
  QImage shown = surface_.Image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter painter(&shown);
    ink_.PaintOver(painter, QRectF(0, 0, kPlaneSide, kPlaneSide), shown.rect());
  }
  return shown.convertToFormat(QImage::Format_RGB32);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  // The window may have moved to a screen with another pixel ratio.
  FollowRatio();
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
  ink_.PaintOver(painter, target, source);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  Deliver(event);
}

// A second press of a double click is a press like any other.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  Deliver(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  Deliver(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  Deliver(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  const auto arrow = ArrowFromQt(event->key(), event->modifiers());
  if (!arrow) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (arrows_)
    arrows_(*arrow);
}

// A pen's events are taken here, so that the toolkit makes no mouse events
// of them: the lesson tells a pen from a mouse.
void PictureBox::tabletEvent(QTabletEvent* event) {
  Deliver(event);
}

void PictureBox::Deliver(QSinglePointEvent* event) {
  event->accept();
  const auto e = PointerFromQt(event->type(), event->button(), event->buttons(), event->modifiers(),
                               event->position() / scale_);
  if (e && pointer_)
    pointer_(*e);
}

}  // namespace lesson
