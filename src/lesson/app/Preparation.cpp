#include "lesson/app/Preparation.h"

#include <algorithm>

#include "lesson/app/Form1.h"
#include "lesson/graph/ReadNumber.h"
#include "lesson/input/Input.h"
#include "lesson/text/Utf8.h"

namespace lesson {

namespace {

// The settings by their place in kSettingNames.
enum Setting : std::size_t { kSize, kA, kB, kQuick, kDraw, kAux };

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

// The text a box holds of a text typed into it.
std::string AsTyped(std::string_view text) {
  return Received(AsABoxTakesIt(text), TextOrigin::kTyped);
}

// A value as a query holds it: every byte but those of an unreserved
// character and "/" as %hh.
std::string Encode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
        std::string_view("-._~/").find(c) != std::string_view::npos) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

std::optional<bool> Flag(std::string_view value) {
  if (value == kSettingOn)
    return true;
  if (value == kSettingOff)
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
  if (name == kSettingNames[kSize]) {
    // By the size button's caption, or its number from 1.
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(kSizeButtons.size()); ++i) {
      if (value == ControlCaption(kSizeButtons[static_cast<std::size_t>(i)]) ||
          value == std::string(1, static_cast<char>('1' + i))) {
        size_ = i;
        return Taken::kYes;
      }
    }
    return Taken::kUnreadableValue;
  }
  if (name == kSettingNames[kA] || name == kSettingNames[kB]) {
    (name == kSettingNames[kA] ? slope_ : intercept_) = AsABoxTakesIt(value);
    return Taken::kYes;
  }
  if (name == kSettingNames[kQuick] || name == kSettingNames[kDraw]) {
    const auto flag = Flag(value);
    if (!flag)
      return Taken::kUnreadableValue;
    if (name == kSettingNames[kQuick])
      quick_ = *flag;
    else
      draw_ = *flag;
    return Taken::kYes;
  }
  if (name == kSettingNames[kAux]) {
    // The letters of some constructions in their order, all capitals or all
    // small: each subset's own.
    for (unsigned subset = 1; subset < (1U << kConstructions.size()); ++subset) {
      std::string capitals;
      std::string small;
      for (std::size_t i = 0; i < kConstructions.size(); ++i) {
        if ((subset & (1U << i)) != 0) {
          capitals += kConstructions[i].letter;
          small += static_cast<char>(kConstructions[i].letter - 'A' + 'a');
        }
      }
      if (value == capitals || value == small) {
        lineA_ = (subset & 1U) != 0;
        triangle_ = (subset & 2U) != 0;
        return Taken::kYes;
      }
    }
    return Taken::kUnreadableValue;
  }
  for (std::size_t i = 0; i < kSupportNames.size(); ++i) {
    if (name == kSupportNames[i]) {
      const auto flag = Flag(value);
      if (!flag)
        return Taken::kUnreadableValue;
      supports_[i] = *flag;
      return Taken::kYes;
    }
  }
  return Taken::kUnknownName;
}

// Hands f each name and value of a query, decoded.
template <typename F>
void ForEachPair(std::string_view query, F f) {
  if (!query.empty() && query.front() == '?')
    query.remove_prefix(1);
  while (!query.empty()) {
    const std::size_t end = std::min(query.find('&'), query.size());
    const std::string_view pair = query.substr(0, end);
    const std::size_t equals = std::min(pair.find('='), pair.size());
    const std::string_view value = equals < pair.size() ? pair.substr(equals + 1) : "";
    f(Decode(pair.substr(0, equals)), Decode(value));
    query.remove_prefix(std::min(end + 1, query.size()));
  }
}

Preparation Preparation::FromQuery(std::string_view query) {
  Preparation p;
  ForEachPair(query, [&p](const std::string& name, const std::string& value) {
    (void)p.Take(name, value);
  });
  return p;
}

Preparation Preparation::FromFields(std::string_view fields) {
  Preparation p;
  ForEachPair(fields, [&p](const std::string& name, const std::string& value) {
    Preparation one;
    if (name != kSettingNames[kAux] || one.Take(name, value) != Taken::kYes) {
      (void)p.Take(name, value);
      return;
    }
    p.lineA_ = p.lineA_ || one.lineA_;
    p.triangle_ = p.triangle_ || one.triangle_;
  });
  return p;
}

bool Preparation::Empty() const {
  return !size_ && !slope_ && !intercept_ && !quick_ && !draw_ && !lineA_ && !triangle_ &&
         std::none_of(supports_.begin(), supports_.end(),
                      [](const std::optional<bool>& s) { return s.has_value(); });
}

std::string Preparation::Query() const {
  std::string query;
  const auto add = [&query](std::string_view name, std::string_view value) {
    query += query.empty() ? "" : "&";
    query += name;
    query += '=';
    query += Encode(value);
  };
  if (size_)
    add(kSettingNames[kSize], std::string(1, static_cast<char>('1' + *size_)));
  if (slope_ && !slope_->empty())
    add(kSettingNames[kA], AsTyped(*slope_));
  if (intercept_ && !intercept_->empty())
    add(kSettingNames[kB], AsTyped(*intercept_));
  if (quick_.value_or(false))
    add(kSettingNames[kQuick], kSettingOn);
  if (draw_)
    add(kSettingNames[kDraw], kSettingOn);
  std::string aux;
  for (std::size_t i = 0; i < kConstructions.size(); ++i) {
    if (Drawn(i))
      aux += kConstructions[i].letter;
  }
  if (draw_ && !aux.empty())
    add(kSettingNames[kAux], aux);
  // A support a link turns off is off already on a device that has never
  // turned it on: only those it turns on are written.
  for (std::size_t i = 0; i < kSupportNames.size(); ++i) {
    if (supports_[i].value_or(false))
      add(kSupportNames[i], kSettingOn);
  }
  return query;
}

std::string Preparation::Fields() const {
  Preparation fields = *this;
  fields.size_ = size_.value_or(static_cast<std::int16_t>(kStartingSizeButton));
  fields.lineA_ = fields.triangle_ = false;
  fields.supports_ = {};
  std::string query = fields.Query();
  for (std::size_t i = 0; i < kConstructions.size(); ++i) {
    if (draw_ && Drawn(i))
      query += "&" + std::string(kSettingNames[kAux]) + "=" + kConstructions[i].letter;
  }
  for (std::size_t i = 0; i < kSupportNames.size(); ++i) {
    if (supports_[i].value_or(false))
      query += "&" + std::string(kSupportNames[i]) + "=" + std::string(kSettingOn);
  }
  return query;
}

bool Preparation::Drawn(std::size_t construction) const {
  return construction == 0 ? lineA_ : triangle_;
}

Preparation Preparation::WholeTextsOnly() const {
  Preparation whole = *this;
  if (slope_ && CheckSlopeText(AsTyped(*slope_)) != TextCheck::kWhole)
    whole.slope_.reset();
  if (intercept_ && CheckInterceptText(AsTyped(*intercept_)) != TextCheck::kWhole)
    whole.intercept_.reset();
  return whole;
}

TextCheck Preparation::Check(std::string_view name, std::string_view value) {
  if (name == kSettingNames[kA])
    return CheckSlopeText(AsTyped(value));
  if (name == kSettingNames[kB])
    return CheckInterceptText(AsTyped(value));
  return TextCheck::kEmpty;
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
  Supports supports = supports_;
  for (std::size_t i = 0; i < kSupportNames.size(); ++i) {
    if (example.supports_[i])
      SupportAt(supports, i) = *example.supports_[i];
  }
  SetSupports(supports);
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
