#include "properties/NumberReference.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace lesson::fuzz {

namespace {

// A whole number of any size as base-10^9 limbs, least significant first.
using BigNumber = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimb = 1000000000;

void MultiplyAdd(BigNumber& n, std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : n) {
    const std::uint64_t v = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(v % kLimb);
    carry = v / kLimb;
  }
  while (carry != 0) {
    n.push_back(static_cast<std::uint32_t>(carry % kLimb));
    carry /= kLimb;
  }
}

std::string Decimal(const BigNumber& n) {
  if (n.empty())
    return "0";
  std::string out = std::to_string(n.back());
  for (std::size_t i = n.size() - 1; i-- > 0;) {
    const std::string limb = std::to_string(n[i]);
    out += std::string(9 - limb.size(), '0') + limb;
  }
  return out;
}

double ReadDecimal(const std::string& text, bool& outOfRange) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  const double v = strtod_l(text.c_str(), nullptr, c);
  outOfRange = errno == ERANGE && std::isinf(v);
  return v;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

std::optional<double> ReadWhole(const std::string& s, std::size_t at, int base) {
  // 1100 bits lie safely beyond the largest double (just under 2^1024).
  const int bitsPerDigit = base == 16 ? 4 : 3;
  BigNumber n;
  int bits = 0;
  for (; at < s.size() && DigitValue(s[at]) < base; ++at) {
    const int d = DigitValue(s[at]);
    if (n.empty() && d == 0)
      continue;
    bits += bitsPerDigit;
    if (bits > 1100)
      return std::nullopt;
    MultiplyAdd(n, static_cast<std::uint32_t>(base), static_cast<std::uint32_t>(d));
  }
  bool outOfRange = false;
  const double v = ReadDecimal(Decimal(n), outOfRange);
  if (outOfRange)
    return std::nullopt;
  return v;
}

bool Digit(const std::string& s, std::size_t at) {
  return at < s.size() && s[at] >= '0' && s[at] <= '9';
}

}  // namespace

std::optional<double> ReferenceNumber(std::string_view text) {
  std::string s;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n')
      s += c;
  }
  if (!s.empty() && s[0] == '&') {
    if (s.size() >= 2 && (s[1] == 'H' || s[1] == 'h'))
      return ReadWhole(s, 2, 16);
    if (s.size() >= 2 && (s[1] == 'O' || s[1] == 'o'))
      return ReadWhole(s, 2, 8);
    return 0.0;
  }
  std::size_t at = 0;
  if (at < s.size() && (s[at] == '+' || s[at] == '-'))
    ++at;
  std::size_t digits = 0;
  for (; Digit(s, at); ++at)
    ++digits;
  if (at < s.size() && s[at] == '.') {
    for (++at; Digit(s, at); ++at)
      ++digits;
  }
  if (digits == 0)
    return 0.0;
  std::string number = s.substr(0, at);
  if (at < s.size() && std::string_view("eEdD").find(s[at]) != std::string_view::npos) {
    std::size_t look = at + 1;
    if (look < s.size() && (s[look] == '+' || s[look] == '-'))
      ++look;
    if (Digit(s, look)) {
      while (Digit(s, look))
        ++look;
      number += 'e';
      number += s.substr(at + 1, look - at - 1);
    }
  }
  bool outOfRange = false;
  const double v = ReadDecimal(number, outOfRange);
  if (outOfRange)
    return std::nullopt;
  return v;
}

double RoundHalfEven(double v) {
  const double below = std::floor(v);
  const double rest = v - below;
  if (rest > 0.5)
    return below + 1;
  if (rest < 0.5)
    return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace lesson::fuzz
