// The teacher's page's share of the lesson core: how the lesson reads a
// link's query and the texts for a and b, so that the page builds its link
// by the lesson's own rules. The page hands it its form's fields as the form
// sends them and sets its form from the fields it returns: what a link holds
// and how it is written are the core's alone. A module of its own, small
// beside the lesson's, that the page loads alone.

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

// The settings of a link's query as the lesson takes them, as the form's
// fields: what the page starts from.
EMSCRIPTEN_KEEPALIVE const char* teacher_fields(const char* query) {
  return Return(lesson::Preparation::FromQuery(query).Fields());
}

// The link's query of the form's fields, less a text for a or b that does
// not read whole.
EMSCRIPTEN_KEEPALIVE const char* teacher_link(const char* fields) {
  return Return(lesson::Preparation::FromFields(fields).WholeTextsOnly().Query());
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
