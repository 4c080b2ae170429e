#include "lesson/graph/ReadNumber.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

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

int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Parses a hexadecimal digit string with the standard library's correctly
// rounded hex-float reader.
std::optional<double> FromHexDigits(const std::string& hex) {
  if (hex.empty())
    return 0.0;
  double value = 0;
  const auto result =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  if (result.ec == std::errc::result_out_of_range)
    return std::nullopt;
  return value;
}

std::optional<double> ReadPrefixed(const std::string& s, std::size_t at, bool hex) {
  std::string digits;
  if (hex) {
    while (at < s.size() && HexValue(s[at]) >= 0)
      digits.push_back(s[at++]);
    return FromHexDigits(digits);
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
  while (bits.size() % 4 != 0)
    bits.insert(bits.begin(), '0');
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                       (bits[i + 3] - '0');
    digits.push_back("0123456789abcdef"[nibble]);
  }
  return FromHexDigits(digits);
}

// For a decimal text that the reader found out of range: whether it lies
// above the range (rather than below it). Only the place of the first
// non-zero digit and the exponent matter.
bool IsTooLarge(const std::string& number) {
  long long lead = 0;  // decimal exponent of the first non-zero digit
  bool found = false;
  bool afterPoint = false;
  long long integerDigits = 0;
  long long zerosAfterPoint = 0;
  std::size_t at = 0;
  for (; at < number.size() && number[at] != 'e'; ++at) {
    const char c = number[at];
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (!found && c != '0') {
      found = true;
      lead = afterPoint ? -(zerosAfterPoint + 1) : 0;
    }
    if (!afterPoint && found)
      ++integerDigits;
    if (afterPoint && !found)
      ++zerosAfterPoint;
  }
  if (!found)
    return false;
  if (integerDigits > 0)
    lead = integerDigits - 1;
  long long exponent = 0;
  bool negativeExponent = false;
  if (at < number.size()) {
    ++at;
    if (at < number.size() && (number[at] == '+' || number[at] == '-')) {
      negativeExponent = number[at++] == '-';
    }
    for (; at < number.size(); ++at) {
      exponent = std::min(exponent * 10 + (number[at] - '0'), 1000000000LL);
    }
  }
  return lead + (negativeExponent ? -exponent : exponent) >= 0;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  if (s.size() >= 2 && s[0] == '&') {
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
    if (kind == 'H')
      return ReadPrefixed(s, 2, true);
    if (kind == 'O')
      return ReadPrefixed(s, 2, false);
    return 0.0;
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
    return 0.0;
  if (at < s.size() && (s[at] == 'e' || s[at] == 'E' || s[at] == 'd' || s[at] == 'D')) {
    std::size_t look = at + 1;
    std::string exponent = "e";
    if (look < s.size() && (s[look] == '+' || s[look] == '-'))
      exponent.push_back(s[look++]);
    if (look < s.size() && IsDigit(s[look])) {
      while (look < s.size() && IsDigit(s[look]))
        exponent.push_back(s[look++]);
      number += exponent;
    }
  }

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // The reader reports both overflow and underflow this way. A number that
    // is too small for a double reads as zero; one that is too large is out
    // of range.
    if (IsTooLarge(number))
      return std::nullopt;
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace lesson
