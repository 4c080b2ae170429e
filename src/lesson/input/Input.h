#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

// The input the lesson takes, in its own vocabulary. Each front-end turns
// its platform's raw events into these at its edge, in one mapping of its
// own; everything after that is the lesson's.

// Pointer buttons and modifier keys in the codes the plane's handlers take.
enum PointerButton : std::int16_t { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ModifierKey : std::int16_t { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// What kind of pointer an event comes from: a pen writes wherever it
// touches the plane, a finger or a mouse operates the lesson unless a tool
// is on.
enum class PointerKind : std::uint8_t { kMouse, kTouch, kPen };

// A point the pointer passed through, in plane pixels.
struct PointerPoint {
  float x = 0;
  float y = 0;

  friend bool operator==(PointerPoint, PointerPoint) = default;
};

// A pointer pressed, moved or released on the plane (or, while a button is
// held, beyond it).
struct PointerEvent {
  enum class Action { kPress, kMove, kRelease };

  PointerEvent() = default;
  PointerEvent(Action a, std::int16_t b, std::int16_t modifiers, float px, float py)
      : action(a), button(b), shift(modifiers), x(px), y(py) {}

  Action action = Action::kMove;
  // A press or release names the button that changed, a move those held.
  std::int16_t button = 0;
  std::int16_t shift = 0;  // the modifier keys held
  float x = 0;             // plane pixels
  float y = 0;
  PointerKind kind = PointerKind::kMouse;
  // Which pointer: each finger, the pen and the mouse have their own.
  std::int32_t id = 0;
  // The pointer is up: no button of it stays held (a release, or a cancel).
  bool up = false;
  // A move's points before (x, y) since the last event, oldest first, where
  // the platform reports them (a fast pen's).
  std::vector<PointerPoint> trail;

  friend bool operator==(const PointerEvent&, const PointerEvent&) = default;
};

// An arrow key pressed on the focused plane.
enum class Arrow { kLeft, kRight, kUp, kDown };
struct ArrowKey {
  Arrow arrow = Arrow::kLeft;
  std::int16_t shift = 0;  // the modifier keys held

  friend bool operator==(const ArrowKey&, const ArrowKey&) = default;
};

// A key pressed in a text box, as the box's handler takes it: the code of
// its character, 13 for Enter. The key still reaches the box.
struct BoxKey {
  static constexpr std::int32_t kEnter = 13;
  std::int32_t keyAscii = 0;

  friend bool operator==(const BoxKey&, const BoxKey&) = default;
};

// How a new text reached a box.
enum class TextOrigin {
  kTyped,      // keys, or a finished composition of an input method
  kComposing,  // an input method's composition still under way
  kPasted,     // pasted or dropped
};

// What a box keeps of a text that reached it. Typed text is folded: the
// digits, signs, point and slash of a Japanese input method come as
// full-width characters (or, in kana mode, as "ー", "・" and "。") and become
// the ASCII the lesson reads. A composition under way is left alone, and a
// paste is kept as it stands.
std::string Received(std::string_view text, TextOrigin origin);

// The typed text folded to ASCII as above; every other character as it is.
std::string FoldTyped(std::string_view text);

}  // namespace lesson
