// Prints what the page needs of the lesson's texts when it is built:
//   page_texts caption   the window's caption
//   page_texts colour    the window's background, #rrggbb
//   page_texts colours   the page's colours and the focus frame's width as
//                        CSS values, "name value" a line
//   page_texts manifest  the web app's manifest, less its icons and files
//   page_texts notices   what the page says where it cannot run the lesson,
//                        as JSON: {"noscript": text, "reload": caption,
//                        "<kind>": [what, advice], ...}
//   page_texts glyphs    every character the window and the plane can show,
//                        for the subset of the font that the page ships
// Built for the build machine, from the core's headers alone.

#include <cstdio>
#include <cstring>
#include <string>

#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
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
        "\"background_color\": \"%s\", \"theme_color\": \"%s\"}\n",
        kProgramName, kShortName, colour, colour);
  } else if (what == "notices") {
    PrintNotices();
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
    std::puts(all.c_str());
  } else {
    std::fputs("usage: page_texts caption|colour|colours|manifest|notices|glyphs\n", stderr);
    return 2;
  }
  return 0;
}
