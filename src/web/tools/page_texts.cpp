// Prints what the page needs of the lesson's texts when it is built:
//   page_texts caption   the window's caption
//   page_texts colour    the window's background, #rrggbb
//   page_texts manifest  the web app's manifest, less its icons and files
//   page_texts glyphs    every character the window and the plane can show,
//                        for the subset of the font that the page ships
// Built for the build machine, from the core's headers alone.

#include <cstdio>
#include <cstring>
#include <string>

#include "lesson/app/ControlTable.h"
#include "lesson/plane/PlaneTexts.h"

int main(int argc, char** argv) {
  using namespace lesson;
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02x%02x%02x", kLightGreen.r, kLightGreen.g,
                kLightGreen.b);
  if (argc == 2 && std::strcmp(argv[1], "caption") == 0) {
    std::puts(kCaption);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "colour") == 0) {
    std::puts(colour);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "manifest") == 0) {
    std::printf(
        "{\"name\": \"%s\", \"short_name\": \"%s\", \"lang\": \"ja\", \"dir\": \"ltr\", "
        "\"start_url\": \"./\", \"scope\": \"./\", \"display\": \"standalone\", "
        "\"background_color\": \"%s\", \"theme_color\": \"%s\"}\n",
        kProgramName, kShortName, colour, colour);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "glyphs") == 0) {
    // Whatever ASCII a pupil types into a box (numbers on the plane are
    // written in ASCII too), then the texts.
    std::string all;
    for (char c = ' '; c <= '~'; ++c)
      all += c;
    all += kOriginMark;
    all += kFractionBar;
    all += kCaption;
    all += kProgramName;
    all += kEndedNotice;
    all += kRestartCaption;
    for (const ControlSpec& control : kControls)
      all += control.text;
    std::puts(all.c_str());
    return 0;
  }
  std::fputs("usage: page_texts caption|colour|manifest|glyphs\n", stderr);
  return 2;
}
