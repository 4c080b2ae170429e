#include "lesson/text/Utf8.h"

namespace lesson {

Utf8Character ReadUtf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return {lead, 1, true};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t least = 0;  // the smallest code point of that length: shorter forms are overlong
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
    least = 0x10000;
  } else {
    return {};
  }
  if (length > text.size() - at)
    return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return {};
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return {};
  return {value, length, true};
}

}  // namespace lesson
