#pragma once

#include <cstdint>
#include <string>

#include "lesson/plane/PixelMapping.h"

#include "lesson/constructions/SlopeLabel.h"

namespace lesson {

// What one step of auxiliary line A reads from the lesson.
struct LineAInputs {
  PixelMapping plane;
  double a = 0;        // slope
  float b = 0;         // intercept
  double p = 0;        // numerator as typed
  std::int16_t q = 1;  // denominator as typed
  float width = 640;   // extents of the drawing area
  float height = 640;
};

inline constexpr int kLineAFirstStep = -24;
inline constexpr int kLineALastStep = 26;

// A text of the construction with its top-left corner.
struct PlacedText {
  double x = 0;
  double y = 0;
  std::string text;
};

// The geometry of step i: the staircase from the graph point at x = i one
// unit to the right and a units up, with its labels, in plane pixels.
struct LineAStep {
  double x0 = 0;         // pixel column of x = i
  double x1 = 0;         // pixel column of x = i + 1
  double y0 = 0;         // pixel row of the graph at x = i
  double y1 = 0;         // pixel row of the graph at x = i + 1
  int n = 0;             // 1 when the slope is negative
  double rise = 0;       // the vertical stroke as a step: U * (-a)
  double headRise = 0;   // d of the second arrow head: +10 up, -10 down
  PlacedText unitLabel;  // " 1 "
  SlopeLabelForm form = SlopeLabelForm::kWhole;
  PlacedText value;      // the whole or decimal value of a
  PlacedText numerator;  // the three texts of a fraction
  PlacedText bar;
  PlacedText denominator;
};

// Whether step i lies near enough to the plane to be drawn: it starts less
// than U*q pixels left of the left edge and left of the right edge, and the
// graph point lies within |U*q*a| pixels above the top or below the bottom.
bool LineAInRange(const LineAInputs& in, int i);

LineAStep LineAStepAt(const LineAInputs& in, int i);

}  // namespace lesson
