#include "lesson/surface/Colour.h"

#include <array>

namespace lesson {

Colour QBColor(int index) {
  static constexpr std::array<Colour, 16> kPalette{{
      {0, 0, 0},        // 0 black
      {0, 0, 128},      // 1 blue
      {0, 128, 0},      // 2 green
      {0, 128, 128},    // 3 cyan
      {128, 0, 0},      // 4 red
      {128, 0, 128},    // 5 magenta
      {128, 128, 0},    // 6 yellow
      {192, 192, 192},  // 7 light grey
      {128, 128, 128},  // 8 grey
      {0, 0, 255},      // 9 light blue
      {0, 255, 0},      // 10 light green
      {0, 255, 255},    // 11 light cyan
      {255, 0, 0},      // 12 light red
      {255, 0, 255},    // 13 light magenta
      {255, 255, 0},    // 14 light yellow
      {255, 255, 255},  // 15 white
  }};
  const int wrapped = ((index % 16) + 16) % 16;
  return kPalette[static_cast<std::size_t>(wrapped)];
}

}  // namespace lesson
