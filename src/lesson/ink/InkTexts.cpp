#include "lesson/ink/InkTexts.h"

#include <string_view>

#include "lesson/text/Utf8.h"

namespace lesson {

std::string DescribeInk(std::size_t marks) {
  if (marks == 0)
    return {};
  return "書き込み " + std::to_string(marks) + " 本。";
}

namespace {

// A character as a file's name may hold it on every school system: the
// slash of a fraction becomes the full-width "／", what Windows, macOS or
// Linux refuse (and what a pupil's box should not hold: a control
// character, a broken byte) becomes "_".
std::string NameCharacter(const Utf8Character& c, std::string_view bytes) {
  if (c.value == '/')
    return "／";
  if (!c.valid || c.value < 0x20 || c.value == 0x7F ||
      std::u32string_view(U"\\:?*\"<>|").find(c.value) != std::u32string_view::npos)
    return "_";
  return std::string(bytes);
}

}  // namespace

std::string PictureName(bool graphDrawn, std::string_view slopeText,
                        std::string_view interceptText) {
  if (!graphDrawn)
    return "座標平面.png";
  std::string equation = "y=" + std::string(slopeText) + "x";
  if (interceptText.empty() || interceptText.front() != '-')
    equation += "+";
  equation += interceptText;
  std::string name;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < equation.size() && characters < kMaxNameCharacters; ++characters) {
    const Utf8Character c = ReadUtf8(equation, at);
    name += NameCharacter(c, std::string_view(equation).substr(at, c.length));
    at += c.length;
  }
  return name + ".png";
}

}  // namespace lesson
