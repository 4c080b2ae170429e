// Writes what the page needs of the lesson when it is built, into the folder
// given:
//   page_texts.json  the page's texts and colours: {"caption", "colour" (the
//                    window's background, #rrggbb), "colours" (CSS values by
//                    name, with the focus frame's width), "manifest" (the web
//                    app's, less its icons and files), "notices" ({"noscript",
//                    "reload", "<kind>": [what, advice]}), "glyphs" (every
//                    character the window and the plane can show, for the
//                    subset of the font that the pages ship), "teacher" (the
//                    teacher's page's texts by the keys of its template)}
//   contract.js      the numbers the page's JavaScript shares with the C++:
//                    the display list's operations and their sizes, the
//                    kinds and size of an input event, the control kinds and
//                    the plane's side, as an Emscripten library ($LessonContract)
// Built by CMake with the lesson and run by node as the lesson is built.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/app/TeacherTexts.h"
#include "lesson/plane/PlaneTexts.h"
#include "web/Boundary.h"
#include "web/surface/CanvasSurface.h"
#include "web/surface/InkList.h"

namespace {

using namespace lesson;

struct NamedNotice {
  const char* kind;
  Notice notice;
};
constexpr NamedNotice kNotices[] = {{"no-wasm", kNoWebAssemblyNotice},
                                    {"files-missing", kFilesMissingNotice},
                                    {"stopped", kStoppedNotice}};

// The page's names of the control kinds, by their numbers.
struct KindName {
  ControlKind kind;
  const char* name;
};
constexpr KindName kKindNames[] = {
    {ControlKind::kTextBox, "textBox"}, {ControlKind::kButton, "button"},
    {ControlKind::kLabel, "label"},     {ControlKind::kCheckBox, "checkBox"},
    {ControlKind::kPicture, "picture"}, {ControlKind::kToggle, "toggle"}};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::kToggle) + 1);

// A JSON string: quotes, backslashes and control characters escaped.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Hex(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour.Rgb()));
  return text;
}

// Hands each of the teacher's page's texts to f(key, text), by the keys of
// its template (teacher.html): its own texts, the captions of the window's
// controls its choices stand for, and the names of a link's settings.
template <typename F>
void ForEachTeacherText(F f) {
  const std::pair<const char*, std::string_view> texts[] = {
      {"title", kTeacherTitle},
      {"program", kProgramName},
      {"intro", kTeacherIntro},
      {"size-legend", ControlCaption(ControlId::kLabel1)},
      {"a-label", kTeacherSlopeLabel},
      {"b-label", kTeacherInterceptLabel},
      {"a-hint", kTeacherSlopeHint},
      {"b-hint", kTeacherInterceptHint},
      {"steps-legend", kTeacherStepsLegend},
      {"quick", ControlCaption(ControlId::kCheck2)},
      {"draw", ControlCaption(ControlId::kCommand5)},
      {"aux-a", ControlCaption(ControlId::kCommand10)},
      {"aux-c", ControlCaption(ControlId::kCommand12)},
      {"preview", kTeacherPreviewTitle},
      {"link", kTeacherLinkLabel},
      {"copy", kTeacherCopy},
      {"copied", kTeacherCopied},
      {"copy-failed", kTeacherCopyFailed},
      {"projector", kTeacherProjector},
      {"back", kTeacherBack},
      {"no-address", kTeacherNoAddress},
      {"local-address", kTeacherLocalAddress},
      {"too-long", kTeacherTooLong},
      {"left-out", kTeacherLeftOut},
  };
  for (const auto& [key, text] : texts)
    f(std::string(key), text);
  for (std::size_t i = 0; i < kSizeButtons.size(); ++i)
    f("size-" + std::to_string(i + 1), ControlCaption(kSizeButtons[i]));
  for (std::string_view name : kSettingNames)
    f("name-" + std::string(name), name);
  f("box-length", std::to_string(kBoxMaxLength));
}

std::string Glyphs() {
  // Whatever ASCII a pupil types into a box (numbers on the plane are
  // written in ASCII too), then the texts.
  std::string all;
  for (char c = ' '; c <= '~'; ++c)
    all += c;
  for (const char* text : {kOriginMark, kFractionBar, kCaption, kProgramName, kEndedNotice,
                           kRestartCaption, kReloadCaption, kNoScriptNotice})
    all += text;
  for (const NamedNotice& n : kNotices)
    all += std::string(n.notice.what) + n.notice.advice;
  for (const ControlRow& control : kControls)
    all += control.text;
  return all;
}

// The teacher's page has a subset of its own: a face's subset lays out its
// glyphs by what else it holds (the hinting of a face without instructions
// follows its glyphs), so the lesson's own subset holds the lesson's
// characters alone, whatever the teacher's page says.
std::string TeacherGlyphs() {
  std::string all;
  for (char c = ' '; c <= '~'; ++c)
    all += c;
  for (const NamedNotice& n : kNotices)
    all += std::string(n.notice.what) + n.notice.advice;
  all += kReloadCaption;
  ForEachTeacherText([&all](const std::string&, std::string_view text) { all += text; });
  for (const char* reason : kTextCheckReasons)
    all += reason;
  return all;
}

std::string TeacherTexts() {
  std::string texts;
  ForEachTeacherText([&texts](const std::string& key, std::string_view text) {
    texts += (texts.empty() ? "{" : ", ") + Quoted(key) + ": " + Quoted(text);
  });
  return texts + "}";
}

std::string PageTexts() {
  const std::string colour = Quoted(Hex(kLightGreen));
  std::string notices =
      "{\"noscript\": " + Quoted(kNoScriptNotice) + ", \"reload\": " + Quoted(kReloadCaption);
  for (const NamedNotice& n : kNotices)
    notices += ", " + Quoted(n.kind) + ": [" + Quoted(n.notice.what) + ", " +
               Quoted(n.notice.advice) + "]";
  notices += "}";
  return "{\"caption\": " + Quoted(kCaption) + ",\n \"colour\": " + colour +
         ",\n \"colours\": {\"background\": " + colour + ", \"notice\": " + Quoted(Hex(kOlive)) +
         ", \"frame\": " + Quoted(Hex(kFocusFrameColour)) +
         ", \"framewidth\": " + Quoted(std::to_string(kFocusFrameWidth) + "px") +
         "},\n \"manifest\": {\"name\": " + Quoted(kProgramName) +
         ", \"short_name\": " + Quoted(kShortName) +
         ", \"lang\": \"ja\", \"dir\": \"ltr\", \"start_url\": \"./\", \"scope\": \"./\", "
         "\"display\": \"standalone\", \"background_color\": " +
         colour + ", \"theme_color\": " + colour +
         ", \"shortcuts\": [{\"name\": " + Quoted(kTeacherTitle) +
         ", \"url\": \"teacher.html\"}]},\n \"notices\": " + notices +
         ",\n \"teacher\": " + TeacherTexts() + ",\n \"glyphs\": " + Quoted(Glyphs()) +
         ",\n \"teacherGlyphs\": " + Quoted(TeacherGlyphs()) + "}\n";
}

// An operation table as the page reads it: "name: number, ..." and
// "number: size, ...".
template <class Rows>
std::pair<std::string, std::string> OpTable(const Rows& rows) {
  std::string ops;
  std::string sizes;
  for (const auto& op : rows) {
    ops += std::string(ops.empty() ? "" : ", ") + op.name + ": " + std::to_string(op.op);
    sizes += std::string(sizes.empty() ? "" : ", ") + std::to_string(op.op) + ": " +
             std::to_string(op.size);
  }
  return {ops, sizes};
}

std::string Contract() {
  const auto [ops, sizes] = OpTable(web::kDisplayOps);
  const auto [inkOps, inkSizes] = OpTable(web::kInkOps);
  std::string events;
  for (const WebEventName& e : kWebEvents)
    events += std::string(events.empty() ? "" : ", ") + e.name + ": " + std::to_string(e.kind);
  std::string kinds;
  for (const KindName& k : kKindNames)
    kinds += std::string(kinds.empty() ? "" : ", ") + k.name + ": " +
             std::to_string(static_cast<int>(k.kind));
  return "// The numbers the page shares with the lesson's C++, written from the C++\n"
         "// definitions by page_texts as the lesson is built.\n"
         "mergeInto(LibraryManager.library, {\n"
         "  $LessonContract: {\n"
         "    planeSide: " +
         std::to_string(kPlaneSide) +
         ",\n"
         "    // The display list's operations, and the numbers each takes, its own included.\n"
         "    Op: {" +
         ops + "},\n    opSize: {" + sizes +
         "},\n"
         "    // The ink list's operations, and the numbers each takes, its own included.\n"
         "    InkOp: {" +
         inkOps + "},\n    inkOpSize: {" + inkSizes +
         "},\n"
         "    // The kinds of input event the page queues, and the numbers an event holds.\n"
         "    Event: {" +
         events + "},\n    eventNumbers: " + std::to_string(kEventNumbers) +
         ", eventPoints: " + std::to_string(kEventPoints) +
         ",\n"
         "    ControlKind: {" +
         kinds + "},\n  },\n});\n";
}

bool Write(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: page_texts FOLDER\n", stderr);
    return 2;
  }
  try {
    const std::string folder = argv[1];
    if (Write(folder + "/page_texts.json", PageTexts()) &&
        Write(folder + "/contract.js", Contract()))
      return 0;
    std::perror("page_texts");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "page_texts: %s\n", e.what());
  }
  return 1;
}
