#include "lesson/input/Input.h"

#include "lesson/text/Utf8.h"

namespace lesson {

namespace {

// The ASCII character a typed character stands for, or 0.
char Folded(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E)  // the full-width forms of ASCII
    return static_cast<char>(c - 0xFEE0);
  switch (c) {
    case 0x3000:  // ideographic space
      return ' ';
    case 0x30FC:  // ー, the minus of kana mode
    case 0x2212:  // minus sign
    case 0x2010:  // hyphen
    case 0x2015:  // horizontal bar
      return '-';
    case 0x30FB:  // ・, the slash of kana mode
      return '/';
    case 0x3002:  // 。, the point of kana mode
      return '.';
    default:
      return 0;
  }
}

}  // namespace

std::string FoldTyped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character c = ReadUtf8(text, at);
    const char ascii = c.valid && c.length > 1 ? Folded(c.value) : 0;
    if (ascii != 0) {
      out += ascii;
    } else {
      out.append(text.substr(at, c.length));
    }
    at += c.length;
  }
  return out;
}

std::string Received(std::string_view text, TextOrigin origin) {
  return origin == TextOrigin::kTyped ? FoldTyped(text) : std::string(text);
}

}  // namespace lesson
