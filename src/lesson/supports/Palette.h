#pragma once

#include <span>
#include <string_view>

#include "lesson/surface/Colour.h"

namespace lesson {

// The lesson's two colour schemes: today's light one (white paper, black
// lines) and a dark one of high contrast (白黒反転: black paper, white lines)
// for a projector in a bright room or a pupil who reads light on dark better.
enum class Scheme { kLight, kDark };

// One colour of the lesson and what the dark scheme shows in its place, with its role.
struct SchemeColour {
  Colour light;
  Colour dark;
  std::string_view role;
};

// The one table of both schemes: every colour the lesson, its controls and its page use.
std::span<const SchemeColour> SchemeColours();

// A colour of the lesson as a scheme shows it: itself in the light scheme; its dark
// counterpart from the table in the dark one; a colour not in the table (a colour a
// lesson cannot produce) mapped by a fixed rule that keeps it readable on the dark paper.
Colour InScheme(Scheme scheme, Colour colour);

// The page's colours (PageLook.h's kPageColours by name) in a scheme. A name
// the page does not have gives the scheme's text colour.
Colour PageColourIn(Scheme scheme, std::string_view name);

// How a colour is drawn over another, which decides the contrast it needs:
// a text (the plane's numbers and labels, captions) 4.5:1, a line (a stroke,
// an edge, a focus frame) and the caption of a control that takes no input 3:1.
enum class ColourUse { kText, kLine, kDisabledText };

// One colour drawn over another, both by their role in SchemeColours().
struct SchemeLayer {
  std::string_view over;
  std::string_view under;
  ColourUse use;
};

// Every place where one of the table's colours lies on another.
std::span<const SchemeLayer> SchemeLayers();

// The contrast ratio of two colours by their relative luminance (WCAG 2):
// 1 for equal colours up to 21 for black and white.
double ContrastRatio(Colour a, Colour b);

// Who looks at the colours: typical colour vision, or one of the three
// dichromacies.
enum class Vision { kTypical, kProtanopia, kDeuteranopia, kTritanopia };

// How far apart two colours look with a vision: the CIE76 colour difference
// (the distance in CIELAB, D65) of the colours as that vision sees them,
// simulated at full severity in linear RGB after Machado, Oliveira and
// Fernandes (2009).
double ColourDistance(Vision vision, Colour a, Colour b);

}  // namespace lesson
