#include "lesson/supports/Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "lesson/app/ControlTable.h"
#include "lesson/app/PageLook.h"
#include "lesson/surface/DisplayList.h"

namespace lesson {

namespace {

// The dark scheme keeps every colour's meaning: the plane's black becomes its
// white and its white paper black, line A stays a red and the triangle a
// blue, each light enough for its labels on the black paper, and the pen's
// green and orange stay green and orange. Under every dichromacy the plane's
// three colours of meaning and the pen's colours stay at least as far apart
// as the light scheme's closest two (tst_palette). The window keeps a green, now a dark one, and
// the buttons turn dark grey with white captions.
constexpr std::array<SchemeColour, 24> kSchemeColours{{
    // The plane's grid, axes, numbers and graph, the pen's black, the
    // window's and the page's texts (and a notice's shadow, which becomes a
    // glow on the dark window).
    {kBlack, {255, 255, 255}, "text"},
    {kBlankColour, {0, 0, 0}, "paper"},
    {{255, 0, 0}, {255, 85, 85}, "line-a"},      // QBColor(12)
    {{0, 0, 255}, {100, 155, 255}, "triangle"},  // QBColor(9)
    {kInkColours[1], {130, 245, 180}, "ink-green"},
    {kInkColours[2], {255, 190, 50}, "ink-orange"},
    {kLightGreen, {0, 48, 24}, "background"},
    {kOlive, {232, 232, 140}, "notice"},
    {kFocusFrameColour, {150, 190, 255}, "frame"},
    // The page's push buttons and boxes: a face lighter at its top, as in
    // the light scheme.
    {{253, 253, 253}, {72, 72, 72}, "button-top"},
    {{230, 230, 230}, {52, 52, 52}, "button-bottom"},
    {{159, 159, 159}, {160, 160, 160}, "edge"},
    {{218, 218, 218}, {36, 36, 36}, "pressed-top"},
    {{232, 232, 232}, {48, 48, 48}, "pressed-bottom"},
    {{199, 220, 242}, {28, 64, 110}, "on-top"},
    {{219, 232, 246}, {36, 80, 130}, "on-bottom"},
    {{29, 95, 153}, {140, 200, 255}, "on-edge"},
    {{180, 180, 180}, {140, 140, 140}, "disabled-text"},
    {{239, 239, 239}, {44, 44, 44}, "disabled"},
    {{196, 196, 196}, {120, 120, 120}, "disabled-edge"},
    {{48, 140, 198}, {110, 190, 255}, "focus"},
    // The teacher's page.
    {{107, 107, 107}, {150, 150, 150}, "dimmed"},
    {{176, 0, 0}, {255, 130, 130}, "wrong"},
    {{0, 0, 127}, {160, 200, 255}, "link"},
}};

using enum ColourUse;
constexpr std::array<SchemeLayer, 28> kSchemeLayers{{
    // The plane: its lines and numbers, line A's and the triangle's labels,
    // and the pen's strokes.
    {"text", "paper", kText},
    {"line-a", "paper", kText},
    {"triangle", "paper", kText},
    {"ink-green", "paper", kLine},
    {"ink-orange", "paper", kLine},
    // The window: labels, the notice, the frame of the focused plane.
    {"text", "background", kText},
    {"notice", "background", kText},
    {"frame", "background", kLine},
    // Push buttons and boxes, their captions, edges and focus.
    {"text", "button-top", kText},
    {"text", "button-bottom", kText},
    {"text", "pressed-top", kText},
    {"text", "pressed-bottom", kText},
    {"text", "on-top", kText},
    {"text", "on-bottom", kText},
    {"disabled-text", "disabled", kDisabledText},
    {"edge", "background", kLine},
    {"edge", "paper", kLine},
    {"on-edge", "background", kLine},
    {"on-edge", "on-top", kLine},
    {"disabled-edge", "background", kLine},
    {"focus", "background", kLine},
    {"focus", "button-top", kLine},
    {"focus", "button-bottom", kLine},
    {"focus", "paper", kLine},
    // The teacher's page.
    {"dimmed", "background", kDisabledText},
    {"wrong", "background", kText},
    {"wrong", "paper", kLine},
    {"link", "background", kText},
}};

constexpr bool HasRole(std::string_view role) {
  return std::any_of(kSchemeColours.begin(), kSchemeColours.end(),
                     [role](const SchemeColour& c) { return c.role == role; });
}

constexpr bool InTable(Colour colour) {
  return std::any_of(kSchemeColours.begin(), kSchemeColours.end(),
                     [colour](const SchemeColour& c) { return c.light == colour; });
}

// One row to a colour and one colour to a role, so that a colour's dark
// counterpart and a role's colour are each one thing.
constexpr bool RowsAreOneToAColourAndARole() {
  for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
    for (std::size_t j = i + 1; j < kSchemeColours.size(); ++j) {
      if (kSchemeColours[i].light == kSchemeColours[j].light ||
          kSchemeColours[i].role == kSchemeColours[j].role)
        return false;
    }
  }
  return true;
}
static_assert(RowsAreOneToAColourAndARole());
static_assert(std::all_of(kSchemeLayers.begin(), kSchemeLayers.end(), [](const SchemeLayer& layer) {
  return HasRole(layer.over) && HasRole(layer.under);
}));

// A colour added to the controls, the pen or the page without its dark
// counterpart stops the build here. (The plane's QBColor indices are checked
// by tst_palette.)
constexpr bool EveryColourOfTheWindowAndThePageIsInTheTable() {
  for (const PageColour& c : kPageColours) {
    if (!InTable(c.colour))
      return false;
  }
  for (const ControlRow& row : kControls) {
    if ((row.textColour && !InTable(*row.textColour)) ||
        (row.background && !InTable(*row.background)))
      return false;
  }
  return std::all_of(kInkColours.begin(), kInkColours.end(), InTable) && InTable(kBlankColour);
}
static_assert(EveryColourOfTheWindowAndThePageIsInTheTable());

// An sRGB channel of 0..255 in linear light, 0..1.
double Linear(std::uint8_t channel) {
  const double s = channel / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

using Rgb = std::array<double, 3>;

Rgb LinearRgb(Colour c) {
  return {Linear(c.r), Linear(c.g), Linear(c.b)};
}

double Luminance(const Rgb& linear) {
  return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
}

// A channel of 0..1 as 0..255; values outside are clamped first, so the
// narrowing cannot overflow.
std::uint8_t Channel(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

// Hue (0..6, in sixths of the circle), saturation and lightness, each of the
// sRGB values as they are.
struct Hsl {
  double h = 0;
  double s = 0;
  double l = 0;
};

Hsl ToHsl(Colour c) {
  const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  Hsl hsl{0, 0, (max + min) / 2};
  const double chroma = max - min;
  if (chroma <= 0)
    return hsl;
  hsl.s = chroma / (1 - std::abs(2 * hsl.l - 1));
  if (max == r)
    hsl.h = std::fmod((g - b) / chroma + 6, 6);
  else if (max == g)
    hsl.h = (b - r) / chroma + 2;
  else
    hsl.h = (r - g) / chroma + 4;
  return hsl;
}

Colour FromHsl(const Hsl& hsl) {
  const double chroma = (1 - std::abs(2 * hsl.l - 1)) * hsl.s;
  const double x = chroma * (1 - std::abs(std::fmod(hsl.h, 2) - 1));
  const double m = hsl.l - chroma / 2;
  static constexpr std::array<std::array<int, 3>, 6> kSextant{
      {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {1, 2, 0}, {0, 2, 1}}};
  const auto sextant = static_cast<std::size_t>(std::clamp(hsl.h, 0.0, 5.999));
  const std::array<double, 3> levels{chroma, x, 0};
  const auto& pick = kSextant[sextant];
  return {Channel(levels[static_cast<std::size_t>(pick[0])] + m),
          Channel(levels[static_cast<std::size_t>(pick[1])] + m),
          Channel(levels[static_cast<std::size_t>(pick[2])] + m)};
}

// The rule for a colour the table does not know: its lightness mirrored
// (a dark colour becomes a light one of the same hue), then raised until it
// reads as a text on the dark paper. White, the end of the rise, always does.
Colour ReadableOnDarkPaper(Colour colour) {
  const Colour paper = InScheme(Scheme::kDark, kBlankColour);
  Hsl hsl = ToHsl(colour);
  const double mirrored = 1 - hsl.l;
  for (int step = 0; step <= 255; ++step) {
    hsl.l = std::min(1.0, mirrored + step / 255.0);
    const Colour shown = FromHsl(hsl);
    if (ContrastRatio(shown, paper) >= 4.5)
      return shown;
  }
  return {255, 255, 255};
}

// CIELAB (D65) of a colour in linear sRGB.
Rgb Lab(const Rgb& linear) {
  static constexpr std::array<Rgb, 3> kToXyz{{{0.4124564, 0.3575761, 0.1804375},
                                              {0.2126729, 0.7151522, 0.0721750},
                                              {0.0193339, 0.1191920, 0.9503041}}};
  static constexpr Rgb kWhite{0.95047, 1.0, 1.08883};
  Rgb f{};
  for (std::size_t i = 0; i < 3; ++i) {
    const double t =
        (kToXyz[i][0] * linear[0] + kToXyz[i][1] * linear[1] + kToXyz[i][2] * linear[2]) /
        kWhite[i];
    f[i] = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  }
  return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// The colour in linear RGB as the vision sees it (severity 1).
Rgb Seen(Vision vision, Colour colour) {
  static constexpr std::array<std::array<Rgb, 3>, 4> kSimulation{{
      {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
      {{{0.152286, 1.052583, -0.204868},
        {0.114503, 0.786281, 0.099216},
        {-0.003882, -0.048116, 1.051998}}},
      {{{0.367322, 0.860646, -0.227968},
        {0.280085, 0.672501, 0.047413},
        {-0.011820, 0.042940, 0.968881}}},
      {{{1.255528, -0.076749, -0.178779},
        {-0.078411, 0.930809, 0.147602},
        {0.004733, 0.691367, 0.303900}}},
  }};
  const auto& m = kSimulation[static_cast<std::size_t>(vision)];
  const Rgb in = LinearRgb(colour);
  Rgb out{};
  for (std::size_t i = 0; i < 3; ++i)
    out[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
  return out;
}

}  // namespace

std::span<const SchemeColour> SchemeColours() {
  return kSchemeColours;
}

std::span<const SchemeLayer> SchemeLayers() {
  return kSchemeLayers;
}

Colour InScheme(Scheme scheme, Colour colour) {
  if (scheme == Scheme::kLight)
    return colour;
  const auto row = std::find_if(kSchemeColours.begin(), kSchemeColours.end(),
                                [colour](const SchemeColour& c) { return c.light == colour; });
  return row != kSchemeColours.end() ? row->dark : ReadableOnDarkPaper(colour);
}

Colour PageColourIn(Scheme scheme, std::string_view name) {
  const auto page = std::find_if(kPageColours.begin(), kPageColours.end(),
                                 [name](const PageColour& c) { return c.name == name; });
  return InScheme(scheme, page != kPageColours.end() ? page->colour : kBlack);
}

double ContrastRatio(Colour a, Colour b) {
  // By value: std::minmax of two temporaries would hand back references to
  // them, gone at the end of the statement.
  const double la = Luminance(LinearRgb(a)), lb = Luminance(LinearRgb(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double ColourDistance(Vision vision, Colour a, Colour b) {
  const Rgb labA = Lab(Seen(vision, a));
  const Rgb labB = Lab(Seen(vision, b));
  return std::hypot(labA[0] - labB[0], labA[1] - labB[1], labA[2] - labB[2]);
}

}  // namespace lesson
