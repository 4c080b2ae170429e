#pragma once

#include <cstddef>
#include <string_view>

namespace lesson {

// One character of a UTF-8 text: its code point and how many bytes it
// takes. Where the bytes at that place are not well-formed UTF-8 (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate)
// the character is that one byte alone, with the code point U+FFFD, so that
// a reader always moves on.
struct Utf8Character {
  static constexpr char32_t kReplacement = 0xFFFD;

  char32_t value = kReplacement;
  std::size_t length = 1;
  bool valid = false;

  // UTF-16 units it takes, as a browser and Qt count a box's characters.
  std::size_t Utf16Units() const { return value > 0xFFFF ? 2 : 1; }
};

// The character that starts at text[at]; at must lie within the text.
Utf8Character ReadUtf8(std::string_view text, std::size_t at);

}  // namespace lesson
