#pragma once

#include <array>
#include <string_view>

#include "lesson/app/ControlTable.h"
#include "lesson/surface/Colour.h"

namespace lesson {

// What the browser's two pages (the lesson's and the teacher's) draw beyond
// the window's own controls: the name of the face they lay out unseen
// texts in, the fonts the lesson's page waits for, and the colours of their push buttons,
// boxes and notices, in the look of the desktop program's. The build writes
// them into the pages' style and scripts (web/tools/page_texts.cpp).

// The pages' face is kPageFace (ControlTable.h); this is the blank face of
// the texts only a screen reader reads.
inline constexpr const char* kUnseenFace = "LessonUnseen";

// A font the lesson's page loads before the lesson starts: canvas texts
// silently take another face while the page's font still loads. The plane
// writes its scale in 20 points bold and line A's labels in 12 points; the
// unseen texts are laid out in their own face.
struct PageFont {
  double points;
  bool bold;
  const char* face;
};
inline constexpr std::array<PageFont, 3> kFontsBeforeStart{
    {{12, false, kPageFace}, {20, true, kPageFace}, {12, false, kUnseenFace}}};

// A colour of the pages by the name their style calls it (a CSS custom
// property, --name), with its opacity.
struct PageColour {
  std::string_view name;
  Colour colour;
  double opacity = 1;
};
inline constexpr std::array<PageColour, 21> kPageColours{{
    // The window's.
    {"background", kLightGreen},
    {"notice", kOlive},
    {"frame", kFocusFrameColour},
    {"text", kBlack},
    {"paper", {255, 255, 255}},
    // A push button, raised and pressed, a tool that is on, and a control
    // that takes no input.
    {"button-top", {253, 253, 253}},
    {"button-bottom", {230, 230, 230}},
    {"edge", {159, 159, 159}},
    {"pressed-top", {218, 218, 218}},
    {"pressed-bottom", {232, 232, 232}},
    {"on-top", {199, 220, 242}},
    {"on-bottom", {219, 232, 246}},
    {"on-edge", {29, 95, 153}},
    {"disabled-text", {180, 180, 180}},
    {"disabled", {239, 239, 239}},
    {"disabled-edge", {196, 196, 196}},
    // The keyboard's focus on a control, and a notice's shadow.
    {"focus", {48, 140, 198}},
    {"shadow", kBlack, 0.3},
    // The teacher's page: a choice that cannot be taken, a value left out
    // of the link, the link.
    {"dimmed", {107, 107, 107}},
    {"wrong", {176, 0, 0}},
    {"link", {0, 0, 127}},
}};

}  // namespace lesson
