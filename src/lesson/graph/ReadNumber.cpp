#include "lesson/graph/ReadNumber.h"

#include <cctype>
#include <string>

#include "lesson/surface/DecimalText.h"

namespace lesson {

namespace {

bool Ignored(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (!Ignored(c))
      out.push_back(c);
  }
  return out;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Parses a hexadecimal digit string with the C library's correctly rounded
// hexadecimal reader.
std::optional<double> FromHexDigits(const std::string& hex) {
  if (hex.empty())
    return 0.0;
  return ReadCNumber("0x" + hex);
}

// The number at the start of a text without blanks: its value (nothing
// beyond the range of a double), where reading stopped, and whether any
// digit was read.
struct Scanned {
  std::optional<double> value;
  std::size_t end = 0;
  bool digits = false;
};

Scanned ReadPrefixed(const std::string& s, std::size_t at, bool hex) {
  std::string digits;
  if (hex) {
    while (at < s.size() && HexValue(s[at]) >= 0)
      digits.push_back(s[at++]);
    return {FromHexDigits(digits), at, !digits.empty()};
  }
  // Octal digits carry three bits each: regroup them as hexadecimal digits so
  // the same exact reader rounds the value.
  std::string bits;
  while (at < s.size() && s[at] >= '0' && s[at] <= '7') {
    const int d = s[at++] - '0';
    bits += static_cast<char>('0' + ((d >> 2) & 1));
    bits += static_cast<char>('0' + ((d >> 1) & 1));
    bits += static_cast<char>('0' + (d & 1));
  }
  const bool any = !bits.empty();
  while (bits.size() % 4 != 0)
    bits.insert(bits.begin(), '0');
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                       (bits[i + 3] - '0');
    digits.push_back("0123456789abcdef"[nibble]);
  }
  return {FromHexDigits(digits), at, any};
}

Scanned Scan(const std::string& s) {
  if (s.size() >= 2 && s[0] == '&') {
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
    if (kind == 'H')
      return ReadPrefixed(s, 2, true);
    if (kind == 'O')
      return ReadPrefixed(s, 2, false);
    return {0.0, 0, false};
  }

  // Collect the longest prefix that forms a decimal number, in the form the
  // standard reader takes: [-]digits[.digits][e[sign]digits].
  std::string number;
  std::size_t at = 0;
  bool negative = false;
  if (at < s.size() && (s[at] == '+' || s[at] == '-'))
    negative = s[at++] == '-';
  bool anyDigit = false;
  while (at < s.size() && IsDigit(s[at])) {
    number.push_back(s[at++]);
    anyDigit = true;
  }
  if (at < s.size() && s[at] == '.') {
    number.push_back(s[at++]);
    while (at < s.size() && IsDigit(s[at])) {
      number.push_back(s[at++]);
      anyDigit = true;
    }
  }
  if (!anyDigit)
    return {0.0, 0, false};
  if (at < s.size() && (s[at] == 'e' || s[at] == 'E' || s[at] == 'd' || s[at] == 'D')) {
    std::size_t look = at + 1;
    std::string exponent = "e";
    if (look < s.size() && (s[look] == '+' || s[look] == '-'))
      exponent.push_back(s[look++]);
    if (look < s.size() && IsDigit(s[look])) {
      while (look < s.size() && IsDigit(s[look]))
        exponent.push_back(s[look++]);
      number += exponent;
      at = look;
    }
  }

  // A number too small for a double reads as zero; one that is too large is
  // out of range.
  const auto value = ReadCNumber(number);
  if (!value)
    return {std::nullopt, at, true};
  return {negative ? -*value : *value, at, true};
}

}  // namespace

int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::optional<double> ReadNumber(std::string_view text) {
  return Scan(WithoutBlanks(text)).value;
}

NumberExtent ReadExtent(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  const Scanned scanned = Scan(s);
  if (!scanned.digits)
    return NumberExtent::kNone;
  return scanned.end == s.size() ? NumberExtent::kWhole : NumberExtent::kPart;
}

}  // namespace lesson
