#include "properties/DigitsReference.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace lesson::fuzz {

namespace {

double ReadInCLocale(const std::string& text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, c);
}

// The digits and exponent of printf's "%.*e", whatever character the locale
// puts for the decimal point.
DecimalDigits Scientific(double v, int significant) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(v));
  DecimalDigits out;
  const char* at = buffer;
  for (; *at != '\0' && *at != 'e'; ++at) {
    if (*at >= '0' && *at <= '9')
      out.digits.push_back(*at);
  }
  if (*at == 'e')
    out.exponent = std::atoi(at + 1);
  return out;
}

std::string Text(const DecimalDigits& d) {
  return d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
}

// The same number of digits one unit in the last place up (+1) or down (-1).
DecimalDigits Neighbour(DecimalDigits d, int step) {
  for (std::size_t i = d.digits.size(); i-- > 0;) {
    char& c = d.digits[i];
    if (step > 0 ? c < '9' : c > '0') {
      c = static_cast<char>(c + step);
      if (d.digits[0] != '0')
        return d;
      break;
    }
    c = step > 0 ? '0' : '9';
  }
  // 99..9 up is 10..0, one place higher; 10..0 down is 99..9, one lower.
  d.digits.assign(d.digits.size(), step > 0 ? '0' : '9');
  if (step > 0)
    d.digits[0] = '1';
  d.exponent += step;
  return d;
}

}  // namespace

DecimalDigits ReferenceDigits(double v, int significant) {
  if (significant > 0)
    return Scientific(v, significant);
  // The fewest digits that read back exactly, and of those the nearest:
  // printf's correctly rounded digits, else (where the doubles about v lie
  // unevenly apart) one of their neighbours.
  const double magnitude = std::fabs(v);
  for (int n = 1; n < 17; ++n) {
    const DecimalDigits nearest = Scientific(v, n);
    for (const DecimalDigits& d : {nearest, Neighbour(nearest, 1), Neighbour(nearest, -1)}) {
      if (ReadInCLocale(Text(d)) == magnitude)
        return d;
    }
  }
  return Scientific(v, 17);
}

}  // namespace lesson::fuzz
