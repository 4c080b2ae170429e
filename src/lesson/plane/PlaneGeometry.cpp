#include "lesson/plane/PlaneGeometry.h"

#include <cmath>

#include "lesson/surface/Numeric.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

namespace {

// How the numbers of one plane size are laid out.
struct NumberScheme {
  int unitsApart;           // k: units between two numbers
  int count;                // M: numbers on each half axis
  bool shiftX;              // whether two-digit x numbers move 8 pixels left (else +4 at 100)
  bool twoDigitFromSecond;  // two-digit values start at i = 2 (else at i = 5)
};

std::optional<NumberScheme> SchemeFor(std::int16_t unitPx) {
  switch (unitPx) {
    case 100:
      return NumberScheme{1, 3, false, false};
    case 50:
      return NumberScheme{2, 5, true, false};
    case 25:
      return NumberScheme{5, 5, true, true};
    case 14:
      return NumberScheme{5, 8, true, true};
    default:
      return std::nullopt;
  }
}

}  // namespace

std::int16_t GridLineCount(float width, std::int16_t unitPx) {
  if (unitPx <= 0)
    return 0;
  const auto count = WholeToInt16(std::floor(static_cast<double>(width) / unitPx));
  return count ? *count : std::int16_t{0};
}

std::vector<ScaleNumber> ScaleNumbers(std::int16_t originX, std::int16_t originY,
                                      std::int16_t unitPx) {
  const auto scheme = SchemeFor(unitPx);
  if (!scheme)
    return {};
  std::vector<ScaleNumber> numbers;
  numbers.reserve(static_cast<std::size_t>(scheme->count) * 4);
  const int ox = originX;
  const int oy = originY;
  for (int i = 1; i <= scheme->count; ++i) {
    const int value = scheme->unitsApart * i;
    const int d = value * unitPx;
    const bool twoDigits = scheme->twoDigitFromSecond ? i != 1 : i > 4;
    const int s8 = twoDigits ? -8 : 0;
    const int s13 = twoDigits ? -13 : 0;
    // At 100 pixels per unit the x numbers sit 4 pixels further right.
    const int xShift = scheme->shiftX ? s8 : 4;
    const auto at = [](int x, int y, int v) {
      return ScaleNumber{static_cast<float>(x), static_cast<float>(y), SignedText(v)};
    };
    numbers.push_back(at(ox - 15 + d + xShift, oy - 2, value));
    numbers.push_back(at(ox - 20 - d + xShift, oy - 2, -value));
    numbers.push_back(at(ox - 25 + s13, oy - 12 - d, value));
    numbers.push_back(at(ox - 30 + s13, oy - 12 + d, -value));
  }
  return numbers;
}

}  // namespace lesson
