#pragma once

#include <cstdint>

#include "lesson/constructions/LineAGeometry.h"
#include "lesson/constructions/SlopeLabel.h"

namespace lesson {

struct LessonState;

// What the slope triangle reads from the lesson.
struct TriangleInputs {
  float anchorX = 0;  // X0, Y0: the anchor in plane pixels
  float anchorY = 0;
  std::int16_t unitPx = 50;
  double a = 0;
  double p = 0;        // numerator as typed
  std::int16_t q = 1;  // denominator as typed
  std::int16_t k = 1;  // the multiple
};

// The slope triangle with multiple k: a run of k units to the right from the
// anchor, a rise of k*a units from the run's end, and their labels.
struct TriangleGeometry {
  int run = 0;          // R = k*U in pixels, in 32 bits so that no k can wrap it
  double rise = 0;      // H = U*k*a in pixels, upwards when positive
  double endX = 0;      // E = T's column: X0 + R
  double topY = 0;      // T's row: Y0 - H
  double headRise = 0;  // d of the rise arrowhead: +10 when a >= 0, else -10
  PlacedText runLabel;
  SlopeLabelForm form = SlopeLabelForm::kWhole;
  PlacedText value;
  PlacedText numerator;
  PlacedText bar;
  PlacedText denominator;
};

TriangleGeometry SlopeTriangle(const TriangleInputs& in);

// The inputs as the lesson state holds them now, with multiple k.
TriangleInputs TriangleInputsOf(const LessonState& state, std::int16_t k);

}  // namespace lesson
