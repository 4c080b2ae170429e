#include "desktop/input/BoxKeys.h"

#include <QKeyEvent>

#include "desktop/input/QtInput.h"
#include "lesson/app/Form1.h"

namespace lesson {

TextOrigin BoxKeys::TakeOrigin() {
  const TextOrigin origin = origin_.value_or(TextOrigin::kPasted);
  origin_.reset();
  return origin;
}

// A key edits the box as it is pressed, an input method as it commits its
// text; what comes by no key (the context menu, a drop, the selection's
// middle-button paste) is pasted. The origin a key leaves is taken back as
// the key is released, or the pointer pressed, so that it outlives no edit.
bool BoxKeys::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* press = static_cast<QKeyEvent*>(event);
      origin_ = press->matches(QKeySequence::Paste) ? TextOrigin::kPasted : TextOrigin::kTyped;
      if (const auto key = BoxKeyFromQt(press->key(), press->text()))
        form_.KeyPress(box_, *key);
      break;
    }
    case QEvent::InputMethod:
      origin_ = TextOrigin::kTyped;
      break;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::FocusOut:
      origin_.reset();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace lesson
