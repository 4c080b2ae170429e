#include "lesson/surface/DecimalText.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <string_view>

// {fmt} is used from its headers alone, so that every build of the core, the
// browser's among them, compiles the same digit generation and links no
// library for it. No number here is written with a locale's separators: a
// fixed (empty) one keeps std::locale, some 180 KB of WebAssembly, out of
// the browser's build.
#define FMT_HEADER_ONLY 1
#define FMT_STATIC_THOUSANDS_SEPARATOR 0
#include <fmt/compile.h>
#include <fmt/format.h>

namespace lesson {

namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// The digits and decimal exponent of a positive number as {fmt} writes it,
// plain ("0.0125", "1500") or with an exponent ("1.25e-07"): the exponent is
// that of the first digit other than 0, and the zeros before that digit are
// dropped; so are the trailing zeros when `trimTrailing`.
DecimalDigits FromText(std::string_view text, bool trimTrailing) {
  const std::size_t end = std::min(text.find('e'), text.size());
  const std::size_t point = std::min(text.find('.'), end);
  DecimalDigits out;
  out.digits.reserve(end);
  out.digits.append(text.substr(0, point));
  if (point < end)
    out.digits.append(text.substr(point + 1, end - point - 1));
  const std::size_t first = out.digits.find_first_not_of('0');
  out.digits.erase(0, first);
  if (trimTrailing)
    out.digits.erase(out.digits.find_last_not_of('0') + 1);
  out.exponent = static_cast<int>(point) - 1 - static_cast<int>(first);
  if (end + 2 < text.size()) {
    // "e+07", "e-300": the written exponent.
    int written = 0;
    for (const char c : text.substr(end + 2))
      written = written * 10 + (c - '0');
    out.exponent += text[end + 1] == '-' ? -written : written;
  }
  return out;
}

}  // namespace

std::optional<double> ReadCNumber(const std::string& text) {
  errno = 0;
  const double value = strtod_l(text.c_str(), nullptr, CLocale());
  if (errno == ERANGE && std::isinf(value))
    return std::nullopt;
  return value;
}

DecimalDigits Digits(double v, int significant) {
  // {fmt}'s shortest form ("{}") is the fewest digits that read back
  // exactly and, of those, the nearest to v; it has no trailing zeros but
  // where it writes a whole number plainly ("1500"). "{:.Ne}" writes N + 1
  // correctly rounded digits. The formats are parsed at compile time, which
  // spares the browser's build {fmt}'s writers of every other type.
  fmt::memory_buffer text;
  if (significant > 0)
    fmt::format_to(std::back_inserter(text), FMT_COMPILE("{:.{}e}"), std::fabs(v), significant - 1);
  else
    fmt::format_to(std::back_inserter(text), FMT_COMPILE("{}"), std::fabs(v));
  return FromText({text.data(), text.size()}, significant <= 0);
}

}  // namespace lesson
