#include "lesson/app/Preparation.h"

#include <array>

#include "lesson/app/Form1.h"
#include "lesson/graph/ReadNumber.h"
#include "lesson/text/Utf8.h"

namespace lesson {

namespace {

// The first characters of a text, as many as a box takes: counted as a
// browser and the desktop count them, in UTF-16 units, and never cut inside
// a character.
std::string AsABoxTakesIt(std::string_view text) {
  std::size_t units = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const Utf8Character c = ReadUtf8(text, at);
    if (units + c.Utf16Units() > static_cast<std::size_t>(kBoxMaxLength))
      break;
    units += c.Utf16Units();
    at += c.length;
  }
  return std::string(text.substr(0, at));
}

std::optional<bool> Flag(std::string_view value) {
  if (value == "1")
    return true;
  if (value == "0")
    return false;
  return std::nullopt;
}

// A query's name or value as a form encodes it: "+" a blank, "%hh" a byte;
// a "%" without two hex digits stays as it is.
std::string Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
               HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

Preparation::Taken Preparation::Take(std::string_view name, std::string_view value) {
  if (name == "size") {
    static constexpr std::array<std::string_view, 4> kNames{"小", "中", "大", "特大"};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      if (value == kNames[i] || value == std::string(1, static_cast<char>('1' + i))) {
        size_ = static_cast<std::int16_t>(i);
        return Taken::kYes;
      }
    }
    return Taken::kUnreadableValue;
  }
  if (name == "a" || name == "b") {
    (name == "a" ? slope_ : intercept_) = AsABoxTakesIt(value);
    return Taken::kYes;
  }
  if (name == "quick" || name == "draw") {
    const auto flag = Flag(value);
    if (!flag)
      return Taken::kUnreadableValue;
    if (name == "quick")
      quick_ = *flag;
    else
      draw_ = *flag;
    return Taken::kYes;
  }
  if (name == "aux") {
    if (value != "A" && value != "C" && value != "AC" && value != "a" && value != "c" &&
        value != "ac")
      return Taken::kUnreadableValue;
    lineA_ = value.front() == 'A' || value.front() == 'a';
    triangle_ = value.back() == 'C' || value.back() == 'c';
    return Taken::kYes;
  }
  return Taken::kUnknownName;
}

Preparation Preparation::FromQuery(std::string_view query) {
  Preparation p;
  if (!query.empty() && query.front() == '?')
    query.remove_prefix(1);
  while (!query.empty()) {
    const std::size_t end = std::min(query.find('&'), query.size());
    const std::string_view pair = query.substr(0, end);
    const std::size_t equals = std::min(pair.find('='), pair.size());
    const std::string_view value = equals < pair.size() ? pair.substr(equals + 1) : "";
    (void)p.Take(Decode(pair.substr(0, equals)), Decode(value));
    query.remove_prefix(std::min(end + 1, query.size()));
  }
  return p;
}

bool Preparation::Empty() const {
  return !size_ && !slope_ && !intercept_ && !quick_ && !draw_ && !lineA_ && !triangle_;
}

// Each step as the pupil takes it: a press moves the focus to the control
// it clicks, and typing goes into the box that has the focus.
void Form1::Prepare(const Preparation& example) {
  const auto click = [this](Control& control) {
    control.SetFocus();
    Click(control);
  };
  const auto type = [](TextBox& box, const std::string& text) {
    box.SetFocus();
    box.SetText(Received(text, TextOrigin::kTyped));
  };
  if (example.size_)
    click(Command3[static_cast<std::size_t>(*example.size_)]);
  if (example.slope_)
    type(Text1, *example.slope_);
  if (example.intercept_)
    type(Text2, *example.intercept_);
  if (example.quick_ && Check2.Checked() != *example.quick_ && !Ending()) {
    Check2.SetFocus();
    Check2.SetChecked(*example.quick_);
  }
  if (!example.draw_)
    return;
  click(Command5);
  if (example.lineA_)
    click(Command10);
  if (example.triangle_)
    click(Command12);
}

}  // namespace lesson
