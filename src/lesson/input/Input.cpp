#include "lesson/input/Input.h"

namespace lesson {

namespace {

// The code point starting at text[at] and its length in bytes, or nothing
// (length 0) where the bytes are not well-formed UTF-8.
struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0;
};

CodePoint Decode(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t value = 0;
  if (lead < 0x80)
    return {lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
  } else {
    return {};  // only the BMP is folded; longer sequences pass as bytes
  }
  if (at + length > text.size())
    return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return {};
    value = (value << 6) | (byte(i) & 0x3F);
  }
  return {value, length};
}

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
    const CodePoint c = Decode(text, at);
    const char ascii = c.length > 1 ? Folded(c.value) : 0;
    if (ascii != 0) {
      out += ascii;
    } else {
      out.append(text.substr(at, c.length > 0 ? c.length : 1));
    }
    at += c.length > 0 ? c.length : 1;
  }
  return out;
}

std::string Received(std::string_view text, TextOrigin origin) {
  return origin == TextOrigin::kTyped ? FoldTyped(text) : std::string(text);
}

}  // namespace lesson
