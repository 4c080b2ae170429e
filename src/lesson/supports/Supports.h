#pragma once

#include <array>
#include <string_view>

namespace lesson {

// The reading supports a pupil can turn on: readings over every kanji
// (ふりがな), the lesson read aloud in Japanese, at the voice's own pace or
// slowly (読み上げ, ゆっくり), and the dark scheme (白黒反転). They change how
// the lesson is shown and heard, never what it does. A front-end keeps them
// for its device; a teacher's link can set them.
struct Supports {
  bool ruby = false;
  bool voice = false;
  bool slow = false;
  bool dark = false;

  bool operator==(const Supports&) const = default;
};

// The names a link and a device's storage give the supports, in the order
// of the members above; each is on as "1" and off as "0".
inline constexpr std::array<std::string_view, 4> kSupportNames{"ruby", "voice", "slow", "dark"};

// A support by its index in kSupportNames.
constexpr bool& SupportAt(Supports& s, std::size_t index) {
  switch (index) {
    case 0:
      return s.ruby;
    case 1:
      return s.voice;
    case 2:
      return s.slow;
    default:
      return s.dark;
  }
}
constexpr bool SupportAt(const Supports& s, std::size_t index) {
  Supports copy = s;
  return SupportAt(copy, index);
}

}  // namespace lesson
