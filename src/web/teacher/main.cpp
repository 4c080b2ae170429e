// The teacher's page's share of the lesson core: how the lesson reads a
// link's query and the texts for a and b, so that the page builds its link
// by the lesson's own rules. A module of its own, small beside the lesson's,
// that the page loads alone.

#include <emscripten.h>

#include <string>

#include "lesson/app/Preparation.h"
#include "lesson/app/TeacherTexts.h"

namespace {

// The text a call returns lives until the next call.
std::string returned;

const char* Return(std::string text) {
  returned = std::move(text);
  return returned.c_str();
}

}  // namespace

extern "C" {

// The settings of a query as the lesson takes them, written as a link
// writes them: what the page starts from.
EMSCRIPTEN_KEEPALIVE const char* teacher_settings(const char* query) {
  return Return(lesson::Preparation::FromQuery(query).Query());
}

// The same, less a text for a or b that does not read whole: the link.
EMSCRIPTEN_KEEPALIVE const char* teacher_link(const char* query) {
  return Return(lesson::Preparation::FromQuery(query).WholeTextsOnly().Query());
}

// Why the text of setting a or b is left out of the link, or "" when it is
// not.
EMSCRIPTEN_KEEPALIVE const char* teacher_reason(const char* name, const char* text) {
  const auto check = static_cast<std::size_t>(lesson::Preparation::Check(name, text));
  // Every check has its reason (TeacherTexts.h asserts it).
  const char* reason = lesson::kTextCheckReasons[check];
  return reason;
}
}
