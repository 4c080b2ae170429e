#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "lesson/input/Input.h"

namespace lesson::web {

// The lesson's input from the browser's raw values: DOM event types, button
// numbers, modifier flags, positions, key names and input types, as the
// page reports them.

// Where the canvas stands in the page, in CSS pixels, as its bounding
// client rectangle has it.
struct CanvasBox {
  double left = 0;
  double top = 0;
  double width = 0;
};

// A pointer event on the plane by its DOM type ("pointerdown",
// "pointermove", "pointerup", "pointercancel"), with button and buttons as
// the DOM numbers them (button -1 when none changed; buttons 1 left, 2
// right, 4 middle), at a client position that the canvas's box maps to
// plane pixels. A move that names a changed button is another button of the
// same mouse pressed or released. The type may be followed by a blank and
// the pointerType ("mouse", "touch", "pen"; a mouse where it is missing or
// unknown). pointerId tells the pointers apart; trail holds the client x
// and y in turn of the positions the browser coalesced before this one.
std::optional<PointerEvent> PointerFromDom(std::string_view type, int button, int buttons,
                                           bool shift, bool ctrl, bool alt, double clientX,
                                           double clientY, const CanvasBox& box,
                                           double pointerId = 0,
                                           std::span<const double> trail = {});

// An arrow key by its name ("ArrowLeft" ...), or nothing for any other key.
std::optional<ArrowKey> ArrowFromDom(std::string_view key, bool shift, bool ctrl, bool alt);

// A key in a text box: Enter, unless it finishes an input method's
// composition (isComposing, or key code 229 where a browser reports it so);
// a key that types one character; nothing for any other key.
std::optional<BoxKey> BoxKeyFromDom(std::string_view key, bool isComposing, int keyCode);

// How an input event's text reached the box, by its inputType.
TextOrigin OriginFromDom(std::string_view inputType, bool isComposing);

}  // namespace lesson::web
