#pragma once

#include <QEvent>
#include <QPointF>
#include <QString>
#include <optional>

#include "lesson/input/Input.h"

namespace lesson {

// The lesson's input from Qt's raw values: its buttons, modifiers and keys.

std::int16_t ModifiersFromQt(Qt::KeyboardModifiers modifiers);

// A mouse's or a tablet pen's press, move or release (by the event's type;
// a double click is a press) at a position already in plane pixels.
// changed: the button that was pressed or released; held: the buttons held,
// which a move names. The mouse is pointer kMouseId, up once a release leaves
// no button held; the pen is pointer kPenId, up once lifted.
inline constexpr std::int32_t kMouseId = 0;
inline constexpr std::int32_t kPenId = 1;
std::optional<PointerEvent> PointerFromQt(QEvent::Type type, Qt::MouseButton changed,
                                          Qt::MouseButtons held, Qt::KeyboardModifiers modifiers,
                                          QPointF at);

// An arrow key, or nothing for any other key.
std::optional<ArrowKey> ArrowFromQt(int key, Qt::KeyboardModifiers modifiers);

// A key pressed in a text box: Enter (either key), or the key's character;
// nothing for a key that types none.
std::optional<BoxKey> BoxKeyFromQt(int key, const QString& text);

}  // namespace lesson
