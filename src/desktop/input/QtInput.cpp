#include "desktop/input/QtInput.h"

#include <QList>

#include "lesson/surface/Numeric.h"

namespace lesson {

namespace {

std::int16_t ButtonsFromQt(Qt::MouseButtons buttons) {
  std::int16_t code = 0;
  if (buttons & Qt::LeftButton)
    code |= kLeftButton;
  if (buttons & Qt::RightButton)
    code |= kRightButton;
  if (buttons & Qt::MiddleButton)
    code |= kMiddleButton;
  return code;
}

}  // namespace

std::int16_t ModifiersFromQt(Qt::KeyboardModifiers modifiers) {
  std::int16_t code = 0;
  if (modifiers & Qt::ShiftModifier)
    code |= kShiftKey;
  if (modifiers & Qt::ControlModifier)
    code |= kCtrlKey;
  if (modifiers & Qt::AltModifier)
    code |= kAltKey;
  return code;
}

std::optional<PointerEvent> PointerFromQt(QEvent::Type type, Qt::MouseButton changed,
                                          Qt::MouseButtons held, Qt::KeyboardModifiers modifiers,
                                          QPointF at) {
  PointerEvent e;
  switch (type) {
    case QEvent::TabletPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      e.action = PointerEvent::Action::kPress;
      break;
    case QEvent::TabletMove:
    case QEvent::MouseMove:
      e.action = PointerEvent::Action::kMove;
      break;
    case QEvent::TabletRelease:
    case QEvent::MouseButtonRelease:
      e.action = PointerEvent::Action::kRelease;
      break;
    default:
      return std::nullopt;
  }
  const bool pen =
      type == QEvent::TabletPress || type == QEvent::TabletMove || type == QEvent::TabletRelease;
  e.kind = pen ? PointerKind::kPen : PointerKind::kMouse;
  e.id = pen ? kPenId : kMouseId;
  // A pen lifted is up, whatever button of its barrel stays held.
  e.up = e.action == PointerEvent::Action::kRelease && (pen || ButtonsFromQt(held) == 0);
  e.button = ButtonsFromQt(e.action == PointerEvent::Action::kMove ? held : changed);
  e.shift = ModifiersFromQt(modifiers);
  e.x = NarrowToFloat(at.x());
  e.y = NarrowToFloat(at.y());
  return e;
}

std::optional<ArrowKey> ArrowFromQt(int key, Qt::KeyboardModifiers modifiers) {
  Arrow arrow = Arrow::kLeft;
  switch (key) {
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
      return std::nullopt;
  }
  return ArrowKey{arrow, ModifiersFromQt(modifiers)};
}

std::optional<BoxKey> BoxKeyFromQt(int key, const QString& text) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter)
    return BoxKey{BoxKey::kEnter};
  if (text.isEmpty())
    return std::nullopt;
  return BoxKey{static_cast<std::int32_t>(text.toUcs4().at(0))};
}

}  // namespace lesson
