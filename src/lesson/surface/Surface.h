#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"

namespace lesson {

// The side of the square plane in pixels, which every drawing area of the
// lesson has.
inline constexpr int kPlaneSide = 640;

// The attributes a drawing area keeps between calls.
struct SurfaceAttributes {
  Colour foreColor{0, 0, 0};
  std::int16_t drawWidth = 1;  // pen width in pixels
  float fontSize = 9;          // points
  bool fontBold = false;
  float currentX = 0;  // top-left corner of the next text
  float currentY = 0;
};

// A stroke as the caller asked for it: both end points (the second one already
// resolved when it was given relative to the first), its colour and pen.
struct Stroke {
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
  Colour colour;
  std::int16_t width = 1;
};

// The drawing area of the lesson window: a 640 x 640 pixel plane, x to the
// right and y downwards, on which the handlers draw strokes and texts.
// Attributes live here; the drawing itself is left to the implementation.
class Surface {
 public:
  virtual ~Surface() = default;

  // Fills the area with its background and puts the text position at (0, 0).
  void Cls();
  // A stroke in ForeColor, DrawWidth pixels wide.
  void Line(float x1, float y1, float x2, float y2);
  // A stroke in the given colour; ForeColor stays as it is.
  void Line(float x1, float y1, float x2, float y2, Colour colour);
  // A stroke whose second point is given relative to the first.
  void LineStep(float x1, float y1, float dx, float dy);
  void LineStep(float x1, float y1, float dx, float dy, Colour colour);
  // Writes UTF-8 text with its top-left corner at (CurrentX, CurrentY) on a
  // transparent background, then moves the text position to the next line.
  void Print(std::string_view text);

  Colour ForeColor() const { return attributes_.foreColor; }
  void SetForeColor(Colour c) { attributes_.foreColor = c; }
  std::int16_t DrawWidth() const { return attributes_.drawWidth; }
  void SetDrawWidth(std::int16_t w) { attributes_.drawWidth = w; }
  float FontSize() const { return attributes_.fontSize; }
  void SetFontSize(float points) { attributes_.fontSize = points; }
  bool FontBold() const { return attributes_.fontBold; }
  void SetFontBold(bool bold) { attributes_.fontBold = bold; }
  float CurrentX() const { return attributes_.currentX; }
  void SetCurrentX(float x) { attributes_.currentX = x; }
  float CurrentY() const { return attributes_.currentY; }
  void SetCurrentY(float y) { attributes_.currentY = y; }

  const SurfaceAttributes& Attributes() const { return attributes_; }
  // How many clearings, strokes and texts have been asked for in all: a
  // change tells that something was drawn.
  std::uint64_t Drawn() const { return drawn_; }
  void SetAttributes(const SurfaceAttributes& a) { attributes_ = a; }

  virtual float Width() const = 0;
  virtual float Height() const = 0;

 protected:
  virtual void DoCls() = 0;
  virtual void DoStroke(const Stroke& stroke) = 0;
  // Draws the text at the current attributes; returns the height of one text
  // line in pixels, by which the text position moves down.
  virtual float DoPrint(std::string_view text) = 0;

 private:
  void Draw(float x1, float y1, float x2, float y2, Colour colour);

  SurfaceAttributes attributes_;
  std::uint64_t drawn_ = 0;
};

// Room left above the font's ascent in a text's cell, in pixels, for a font
// of that pixel size. The Japanese gothic face draws its digits up to the very
// top of its ascent; with this room a digit written just below a 3-pixel
// stroke (the unit label of line A, the scale numbers under the x axis) stays
// clear of it, as the layout expects. Every front-end places texts so.
inline double TextLeading(int pixelSize) {
  return std::round(pixelSize * 3.0 / 16.0);
}

// Sets the text position, then prints: the way every text of the lesson is
// written.
inline void PrintAt(Surface& surface, double x, double y, std::string_view text) {
  surface.SetCurrentX(NarrowToFloat(x));
  surface.SetCurrentY(NarrowToFloat(y));
  surface.Print(text);
}

}  // namespace lesson
