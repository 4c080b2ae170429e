#pragma once

#include <string>
#include <string_view>

namespace lesson::web {

// contract.js: what the page's JavaScript shares with the C++, as an
// Emscripten library ($LessonContract): every message of the boundary with
// its fields (schema/Messages.h) and the functions that pack and unpack
// them, the numbers of the display list's and the ink list's operations and
// each field's offset in them, the control kinds, the notices' kinds, the
// page's face and the plane's side.
std::string Contract();

// Where the page keeps the reading supports on its device (localStorage),
// as a query of their names: "ruby=1&voice=0&slow=0&dark=1".
inline constexpr std::string_view kSupportsKey = "lesson-supports";

// A JSON (and JavaScript) string: quotes, backslashes and control
// characters escaped.
std::string Quoted(std::string_view text);

}  // namespace lesson::web
