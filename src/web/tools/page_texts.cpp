// Prints what the page needs of the lesson's texts when it is built:
//   page_texts caption   the window's caption
//   page_texts colour    the window's background, #rrggbb
//   page_texts colours   the page's colours and the focus frame's width as
//                        CSS values, "name value" a line
//   page_texts manifest  the web app's manifest, less its icons and files
//   page_texts notices   what the page says where it cannot run the lesson,
//                        as JSON: {"noscript": text, "reload": caption,
//                        "<kind>": [what, advice], ...}
//   page_texts teacher   the teacher's page's texts and the names of a
//                        link's settings, as JSON: {"key": text, ...}
//   page_texts glyphs    every character the window, the plane and the
//                        teacher's page can show, for the subset of the
//                        font that the page ships
// Built for the build machine, from the core's headers alone.

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/app/TeacherTexts.h"
#include "lesson/plane/PlaneTexts.h"

namespace {

using lesson::Notice;

struct NamedNotice {
  const char* kind;
  Notice notice;
};
constexpr NamedNotice kNotices[] = {{"no-wasm", lesson::kNoWebAssemblyNotice},
                                    {"files-missing", lesson::kFilesMissingNotice},
                                    {"stopped", lesson::kStoppedNotice}};

// The texts hold no quote, backslash or control character (the notices test
// keeps it so): they stand in JSON as they are.
void PrintNotices() {
  std::printf("{\"noscript\": \"%s\", \"reload\": \"%s\"", lesson::kNoScriptNotice,
              lesson::kReloadCaption);
  for (const NamedNotice& n : kNotices)
    std::printf(", \"%s\": [\"%s\", \"%s\"]", n.kind, n.notice.what, n.notice.advice);
  std::puts("}");
}

// Hands each of the teacher's page's texts to f(key, text), by the keys of
// its template (teacher.html): its own texts, the captions of the window's
// controls its choices stand for, and the names of a link's settings.
template <typename F>
void ForEachTeacherText(F f) {
  using namespace lesson;
  const std::pair<const char*, std::string_view> texts[] = {
      {"title", kTeacherTitle},
      {"program", kProgramName},
      {"intro", kTeacherIntro},
      {"size-legend", ControlCaption("Label1")},
      {"a-label", kTeacherSlopeLabel},
      {"b-label", kTeacherInterceptLabel},
      {"a-hint", kTeacherSlopeHint},
      {"b-hint", kTeacherInterceptHint},
      {"steps-legend", kTeacherStepsLegend},
      {"quick", ControlCaption("Check2")},
      {"draw", ControlCaption("Command5")},
      {"aux-a", ControlCaption("Command10")},
      {"aux-c", ControlCaption("Command12")},
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
  for (int i = 0; !SizeCaption(i).empty(); ++i)
    f("size-" + std::to_string(i + 1), SizeCaption(i));
  for (std::string_view name : kSettingNames)
    f("name-" + std::string(name), name);
  f("box-length", std::to_string(kBoxMaxLength));
}

// The texts hold no quote, backslash or control character: they stand in
// JSON as they are.
void PrintTeacherTexts() {
  const char* separator = "{";
  ForEachTeacherText([&separator](const std::string& key, std::string_view text) {
    std::printf("%s\"%s\": \"%.*s\"", separator, key.c_str(), static_cast<int>(text.size()),
                text.data());
    separator = ", ";
  });
  std::puts("}");
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lesson;
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%06x", static_cast<unsigned>(kLightGreen.Rgb()));
  const std::string what = argc == 2 ? argv[1] : "";
  if (what == "caption") {
    std::puts(kCaption);
  } else if (what == "colour") {
    std::puts(colour);
  } else if (what == "colours") {
    std::printf("background #%06x\nnotice #%06x\nframe #%06x\nframewidth %dpx\n",
                static_cast<unsigned>(kLightGreen.Rgb()), static_cast<unsigned>(kOlive.Rgb()),
                static_cast<unsigned>(kFocusFrameColour.Rgb()), kFocusFrameWidth);
  } else if (what == "manifest") {
    std::printf(
        "{\"name\": \"%s\", \"short_name\": \"%s\", \"lang\": \"ja\", \"dir\": \"ltr\", "
        "\"start_url\": \"./\", \"scope\": \"./\", \"display\": \"standalone\", "
        "\"background_color\": \"%s\", \"theme_color\": \"%s\", "
        "\"shortcuts\": [{\"name\": \"%s\", \"url\": \"teacher.html\"}]}\n",
        kProgramName, kShortName, colour, colour, kTeacherTitle);
  } else if (what == "notices") {
    PrintNotices();
  } else if (what == "teacher") {
    PrintTeacherTexts();
  } else if (what == "glyphs") {
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
    for (const ControlSpec& control : kControls)
      all += control.text;
    ForEachTeacherText([&all](const std::string&, std::string_view text) { all += text; });
    for (const char* reason : kTextCheckReasons)
      all += reason;
    std::puts(all.c_str());
  } else {
    std::fputs("usage: page_texts caption|colour|colours|manifest|notices|teacher|glyphs\n",
               stderr);
    return 2;
  }
  return 0;
}
