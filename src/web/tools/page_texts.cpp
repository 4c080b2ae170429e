// Writes what the page needs of the lesson when it is built, into the folder
// given:
//   page_texts.json  the page's texts and colours: {"caption", "colour" (the
//                    window's background, #rrggbb), "faces" (the names of the
//                    faces the pages ship), "properties" (the CSS custom
//                    properties of both pages' style, by name),
//                    "darkProperties" (the colours among them in the dark
//                    scheme), "constants"
//                    (window.lessonPage of the pages' scripts), "manifest" (the web
//                    app's, less its icons and files), "notices" ({"noscript",
//                    "reload", "<kind>": [what, advice, their runs with
//                    readings: [[base, reading], ...] or null]}), "glyphs" (every
//                    character the window and the plane can show, for the
//                    subset of the font that the pages ship), "teacher" (the
//                    teacher's page's texts by the keys of its template),
//                    "teacherChoices" (its choices of a size, of the
//                    constructions and of the reading supports, by group)}
//   contract.js      what the page's JavaScript shares with the C++: the
//                    boundary's messages and their packing (Contract.h)
// Built by CMake with the lesson and run by node as the lesson is built.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "lesson/access/SpeechTexts.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
#include "lesson/app/PageLook.h"
#include "lesson/app/Preparation.h"
#include "lesson/app/TeacherTexts.h"
#include "lesson/plane/PlaneTexts.h"
#include "lesson/supports/Palette.h"
#include "lesson/supports/Ruby.h"
#include "lesson/supports/Supports.h"
#include "web/tools/Contract.h"

namespace {

using namespace lesson;
using web::Quoted;

constexpr const auto& kNotices = kPageNotices;

std::string Hex(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour.Rgb()));
  return text;
}

// Hands each of the teacher's page's texts to f(key, text), by the keys of
// its template (teacher.html): its own texts, the captions of the window's
// controls its boxes and ticks stand for, and the names of a link's
// settings.
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
  for (std::string_view name : kSettingNames)
    f("name-" + std::string(name), name);
  f("on", kSettingOn);
  f("box-length", std::to_string(kBoxMaxLength));
}

// A choice of the teacher's page among several of one setting: a size
// button's (one of them), a construction's (any of them, once the graph is
// drawn). Its element's id is the setting's name and its value in small
// letters ("size-2", "aux-c").
struct TeacherChoice {
  std::string_view group;  // the choices shown together
  std::string_view setting;
  std::string value;
  std::string_view caption;
  bool exclusive;  // one of its setting's choices at once
  bool checked;    // as the page opens
  bool afterDraw;  // taken with the graph only
};

template <typename F>
void ForEachTeacherChoice(F f) {
  for (std::size_t i = 0; i < kSizeButtons.size(); ++i)
    f(TeacherChoice{kSettingNames.front(), kSettingNames.front(), std::to_string(i + 1),
                    ControlCaption(kSizeButtons[i]), true, i == kStartingSizeButton, false});
  for (const Construction& c : kConstructions)
    f(TeacherChoice{kSettingNames.back(), kSettingNames.back(), std::string(1, c.letter),
                    ControlCaption(c.button), false, false, true});
  // The reading supports, each a setting of its own, under their toggles'
  // captions.
  constexpr ControlId kSupportToggles[] = {ControlId::kFurigana, ControlId::kReadAloud,
                                           ControlId::kReadSlowly, ControlId::kDarkScheme};
  static_assert(std::size(kSupportToggles) == kSupportNames.size());
  for (std::size_t i = 0; i < kSupportNames.size(); ++i)
    f(TeacherChoice{"supports", kSupportNames[i], std::string(kSettingOn),
                    ControlCaption(kSupportToggles[i]), false, false, false});
}

// The choices by their group: {"size": [{"id", "name", "value", "caption",
// "type", "checked", "afterDraw"}, ...], "aux": [...], "supports": [...]}.
std::string TeacherChoices() {
  std::string json;
  std::string_view group;
  ForEachTeacherChoice([&json, &group](const TeacherChoice& c) {
    if (c.group != group)
      json += std::string(json.empty() ? "{" : "], ") + Quoted(c.group) + ": [";
    else
      json += ", ";
    group = c.group;
    std::string id = std::string(c.setting) + "-" + c.value;
    for (char& ch : id)
      ch = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    json += "{\"id\": " + Quoted(id) + ", \"name\": " + Quoted(c.setting) +
            ", \"value\": " + Quoted(c.value) + ", \"caption\": " + Quoted(c.caption) +
            ", \"type\": " + Quoted(c.exclusive ? "radio" : "checkbox") +
            ", \"checked\": " + (c.checked ? "true" : "false") +
            ", \"afterDraw\": " + (c.afterDraw ? "true" : "false") + "}";
  });
  return json + "]}";
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
  // The readings over the kanji, and what the page says where it has no
  // Japanese voice.
  for (std::string_view annotated : AnnotatedTexts())
    all += annotated;
  return all + kNoJapaneseVoice;
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
  ForEachTeacherChoice([&all](const TeacherChoice& c) { all += c.caption; });
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

// A name of the core's ("files-missing", "button-top") as a script's key
// ("filesMissing", "buttonTop").
std::string CamelCase(std::string_view name) {
  std::string key;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '-' && i + 1 < name.size())
      key += static_cast<char>(name[++i] - 'a' + 'A');
    else
      key += name[i];
  }
  return key;
}

// A colour of the pages as CSS writes it: #rrggbb, or rgba() where it is
// not opaque.
std::string Css(const PageColour& c) {
  if (c.opacity >= 1)
    return Hex(c.colour);
  char text[48];
  std::snprintf(text, sizeof text, "rgba(%d, %d, %d, %g)", c.colour.r, c.colour.g, c.colour.b,
                c.opacity);
  return text;
}

// The page's colours as the dark scheme shows them, by the same names: the
// pages' root takes them with the class "dark".
std::string DarkProperties() {
  std::string properties;
  for (const PageColour& c : kPageColours) {
    PageColour dark = c;
    dark.colour = PageColourIn(Scheme::kDark, c.name);
    properties +=
        std::string(properties.empty() ? "{" : ", ") + Quoted(c.name) + ": " + Quoted(Css(dark));
  }
  return properties + "}";
}

// A text's runs as [[base, reading], ...]: null where no run has a reading.
std::string Runs(std::string_view text) {
  std::string json;
  bool read = false;
  for (const RubyRun& run : RubyRuns(text)) {
    read = read || !run.reading.empty();
    json += std::string(json.empty() ? "[" : ", ") + "[" + Quoted(run.base) + ", " +
            Quoted(run.reading) + "]";
  }
  return read ? json + "]" : "null";
}

std::string FaceList(const char* face) {
  return Quoted(face) + ", sans-serif";
}

// The CSS custom properties both pages' style reads (--name: value): the
// faces, the colours, the focus frame's width and the window's proportions.
std::string StyleProperties() {
  std::string properties = "{\"face\": " + Quoted(FaceList(kPageFace)) + ", \"unseen-face\": " +
                           Quoted(Quoted(kUnseenFace) + ", " + FaceList(kPageFace)) +
                           ", \"frame-width\": " + Quoted(std::to_string(kFocusFrameWidth) + "px") +
                           ", \"window-ratio\": " +
                           Quoted(std::to_string(kFormWidth) + " / " + std::to_string(kFormHeight));
  for (const PageColour& c : kPageColours)
    properties += ", " + Quoted(c.name) + ": " + Quoted(Css(c));
  return properties + "}";
}

// What the pages' own scripts take from the core (window.lessonPage): the
// fonts to load before the lesson starts, the notices' kinds and the
// colours, by names of their own.
std::string ScriptConstants() {
  std::string fonts;
  for (const PageFont& font : kFontsBeforeStart)
    fonts += std::string(fonts.empty() ? "" : ", ") +
             Quoted((font.bold ? "bold " : "") + std::to_string(FontPixels(font.points)) + "px " +
                    Quoted(font.face));
  std::string notices;
  for (const NamedNotice& n : kNotices)
    notices += std::string(notices.empty() ? "" : ", ") + Quoted(CamelCase(n.kind)) + ": " +
               Quoted(n.kind);
  std::string colours;
  for (const PageColour& c : kPageColours)
    colours += std::string(colours.empty() ? "" : ", ") + Quoted(CamelCase(c.name)) + ": " +
               Quoted(Css(c));
  std::string names;
  for (std::string_view name : kSupportNames)
    names += std::string(names.empty() ? "" : ", ") + Quoted(name);
  return "{\"fontsBeforeStart\": [" + fonts + "], \"notice\": {" + notices + "}, \"colour\": {" +
         colours + "}, \"supports\": {\"key\": " + Quoted(web::kSupportsKey) + ", \"names\": [" +
         names + "], \"on\": " + Quoted(kSettingOn) + "}}";
}

std::string PageTexts() {
  const std::string colour = Quoted(Hex(kLightGreen));
  std::string notices =
      "{\"noscript\": " + Quoted(kNoScriptNotice) + ", \"reload\": " + Quoted(kReloadCaption);
  for (const NamedNotice& n : kNotices)
    notices += ", " + Quoted(n.kind) + ": [" + Quoted(n.notice.what) + ", " +
               Quoted(n.notice.advice) + ", " + Runs(n.notice.what) + ", " + Runs(n.notice.advice) +
               "]";
  notices += "}";
  return "{\"caption\": " + Quoted(kCaption) + ",\n \"colour\": " + colour +
         ",\n \"faces\": {\"page\": " + Quoted(kPageFace) + ", \"unseen\": " + Quoted(kUnseenFace) +
         "},\n \"properties\": " + StyleProperties() +
         ",\n \"darkProperties\": " + DarkProperties() + ",\n \"constants\": " + ScriptConstants() +
         ",\n \"manifest\": {\"name\": " + Quoted(kProgramName) +
         ", \"short_name\": " + Quoted(kShortName) +
         ", \"lang\": \"ja\", \"dir\": \"ltr\", \"start_url\": \"./\", \"scope\": \"./\", "
         "\"display\": \"standalone\", \"background_color\": " +
         colour + ", \"theme_color\": " + colour +
         ", \"shortcuts\": [{\"name\": " + Quoted(kTeacherTitle) +
         ", \"url\": \"teacher.html\"}]},\n \"notices\": " + notices +
         ",\n \"teacher\": " + TeacherTexts() + ",\n \"teacherChoices\": " + TeacherChoices() +
         ",\n \"glyphs\": " + Quoted(Glyphs()) +
         ",\n \"teacherGlyphs\": " + Quoted(TeacherGlyphs()) + "}\n";
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
        Write(folder + "/contract.js", web::Contract()))
      return 0;
    std::perror("page_texts");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "page_texts: %s\n", e.what());
  }
  return 1;
}
