#include "web/input/DomInput.h"

#include "lesson/surface/Numeric.h"

namespace lesson::web {

namespace {

// DOM numbers its buttons 0 main, 1 middle, 2 secondary.
std::int16_t ButtonFromDom(int button) {
  switch (button) {
    case 0:
      return kLeftButton;
    case 1:
      return kMiddleButton;
    case 2:
      return kRightButton;
    default:
      return 0;
  }
}

std::int16_t Modifiers(bool shift, bool ctrl, bool alt) {
  return static_cast<std::int16_t>((shift ? kShiftKey : 0) | (ctrl ? kCtrlKey : 0) |
                                   (alt ? kAltKey : 0));
}

// The code point of a key name that is one character, else nothing.
std::optional<char32_t> OneCharacter(std::string_view key) {
  if (key.empty())
    return std::nullopt;
  const auto lead = static_cast<unsigned char>(key[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (key.size() != length)
    return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i)
    c = (c << 6) | (static_cast<unsigned char>(key[i]) & 0x3F);
  return c;
}

}  // namespace

std::optional<PointerEvent> PointerFromDom(int type, int button, int buttons, bool shift, bool ctrl,
                                           bool alt, double x, double y) {
  using Action = PointerEvent::Action;
  PointerEvent e;
  e.shift = Modifiers(shift, ctrl, alt);
  e.x = NarrowToFloat(x);
  e.y = NarrowToFloat(y);
  switch (type) {
    case 0:
      e.action = Action::kPress;
      e.button = ButtonFromDom(button);
      return e;
    case 1:
      if (button >= 0) {
        e.button = ButtonFromDom(button);
        e.action = (buttons & e.button) != 0 ? Action::kPress : Action::kRelease;
      } else {
        e.action = Action::kMove;
        e.button =
            static_cast<std::int16_t>(buttons & (kLeftButton | kRightButton | kMiddleButton));
      }
      return e;
    case 2:
    case 3:
      e.action = Action::kRelease;
      e.button = ButtonFromDom(button);
      return e;
    default:
      return std::nullopt;
  }
}

std::optional<ArrowKey> ArrowFromDom(std::string_view key, bool shift, bool ctrl, bool alt) {
  const std::int16_t modifiers = Modifiers(shift, ctrl, alt);
  if (key == "ArrowLeft")
    return ArrowKey{Arrow::kLeft, modifiers};
  if (key == "ArrowRight")
    return ArrowKey{Arrow::kRight, modifiers};
  if (key == "ArrowUp")
    return ArrowKey{Arrow::kUp, modifiers};
  if (key == "ArrowDown")
    return ArrowKey{Arrow::kDown, modifiers};
  return std::nullopt;
}

std::optional<BoxKey> BoxKeyFromDom(std::string_view key, bool isComposing, int keyCode) {
  if (isComposing || keyCode == 229)
    return std::nullopt;
  if (key == "Enter")
    return BoxKey{BoxKey::kEnter};
  if (const auto c = OneCharacter(key))
    return BoxKey{static_cast<std::int32_t>(*c)};
  return std::nullopt;
}

TextOrigin OriginFromDom(std::string_view inputType, bool isComposing) {
  if (inputType == "insertFromPaste" || inputType == "insertFromDrop" ||
      inputType == "insertFromPasteAsQuotation")
    return TextOrigin::kPasted;
  return isComposing ? TextOrigin::kComposing : TextOrigin::kTyped;
}

}  // namespace lesson::web
