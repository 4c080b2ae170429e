#pragma once

#include <cstdint>

namespace lesson {

// An opaque RGB colour as the plane uses it.
struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // As one number, 0xRRGGBB.
  constexpr std::uint32_t Rgb() const {
    return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
  }

  friend constexpr bool operator==(Colour, Colour) = default;
};

// The fixed 16-colour palette by index (0 black ... 15 white). Indices outside
// 0..15 are taken modulo 16 so that no index can read outside the table.
Colour QBColor(int index);

}  // namespace lesson
