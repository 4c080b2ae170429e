#include "web/input/DomInput.h"

#include <cmath>

#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"
#include "lesson/text/Utf8.h"

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
  const Utf8Character c = ReadUtf8(key, 0);
  if (!c.valid || c.length != key.size())
    return std::nullopt;
  return c.value;
}

}  // namespace

std::optional<PointerEvent> PointerFromDom(std::string_view type, int button, int buttons,
                                           bool shift, bool ctrl, bool alt, double clientX,
                                           double clientY, const CanvasBox& box, double pointerId,
                                           std::span<const double> trail) {
  using Action = PointerEvent::Action;
  // Plane pixels per CSS pixel: the canvas is the plane, shown at its box.
  const double perPixel = box.width > 0 ? kPlaneSide / box.width : 1;
  const auto at = [&](double client, double origin) {
    return NarrowToFloat((client - origin) * perPixel);
  };
  PointerEvent e;
  if (const std::size_t blank = type.find(' '); blank != std::string_view::npos) {
    const std::string_view kind = type.substr(blank + 1);
    type = type.substr(0, blank);
    e.kind = kind == "pen"     ? PointerKind::kPen
             : kind == "touch" ? PointerKind::kTouch
                               : PointerKind::kMouse;
  }
  e.id = std::isfinite(pointerId) && std::fabs(pointerId) < 2e9
             ? static_cast<std::int32_t>(pointerId)
             : 0;
  e.shift = Modifiers(shift, ctrl, alt);
  e.x = at(clientX, box.left);
  e.y = at(clientY, box.top);
  if (type == "pointerdown") {
    e.action = Action::kPress;
    e.button = ButtonFromDom(button);
  } else if (type == "pointermove") {
    if (button >= 0) {
      e.button = ButtonFromDom(button);
      e.action = (buttons & e.button) != 0 ? Action::kPress : Action::kRelease;
    } else {
      e.action = Action::kMove;
      e.button = static_cast<std::int16_t>(buttons & (kLeftButton | kRightButton | kMiddleButton));
    }
  } else if (type == "pointerup" || type == "pointercancel") {
    e.action = Action::kRelease;
    e.button = ButtonFromDom(button);
    e.up = true;
  } else {
    return std::nullopt;
  }
  if (e.action == Action::kMove) {
    for (std::size_t i = 0; i + 1 < trail.size(); i += 2)
      e.trail.push_back({at(trail[i], box.left), at(trail[i + 1], box.top)});
  }
  return e;
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
