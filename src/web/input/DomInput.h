#pragma once

#include <optional>
#include <string_view>

#include "lesson/input/Input.h"

namespace lesson::web {

// The lesson's input from the browser's raw values: DOM button numbers,
// modifier flags, key names and input types, as the page reports them.

// A pointer event on the plane: type 0 down, 1 move, 2 up, 3 cancel;
// button and buttons as PointerEvent has them (button -1 when none
// changed; buttons 1 left, 2 right, 4 middle); x and y in plane pixels. A
// move that names a changed button is another button of the same mouse
// pressed or released.
std::optional<PointerEvent> PointerFromDom(int type, int button, int buttons, bool shift, bool ctrl,
                                           bool alt, double x, double y);

// An arrow key by its name ("ArrowLeft" ...), or nothing for any other key.
std::optional<ArrowKey> ArrowFromDom(std::string_view key, bool shift, bool ctrl, bool alt);

// A key in a text box: Enter, unless it finishes an input method's
// composition (isComposing, or key code 229 where a browser reports it so);
// a key that types one character; nothing for any other key.
std::optional<BoxKey> BoxKeyFromDom(std::string_view key, bool isComposing, int keyCode);

// How an input event's text reached the box, by its inputType.
TextOrigin OriginFromDom(std::string_view inputType, bool isComposing);

}  // namespace lesson::web
