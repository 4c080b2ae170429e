#include "lesson/access/Speech.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "lesson/access/PlaneDescription.h"
#include "lesson/access/PlaneParts.h"
#include "lesson/app/TeacherTexts.h"
#include "lesson/constructions/SlopeLabel.h"
#include "lesson/graph/ReadNumber.h"
#include "lesson/surface/SignedText.h"

namespace lesson {

namespace {

using plane_parts::Trimmed;

// The digits after a decimal point, each read on its own.
constexpr std::array<const char*, 10> kKanaDigits{"れい", "いち", "に",   "さん", "よん",
                                                  "ご",   "ろく", "なな", "はち", "きゅう"};

// Why a text was refused, for the ear, by TextCheck; nullptr where the
// teacher's reason reads aloud as it is. The teacher's limits of the
// denominator are digits and signs that take long to hear; b's reason
// needs no box after "ｂ が読めません。".
constexpr const char* kSpokenReasons[] = {
    nullptr,
    "数が入っていません。",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "分母は、0 でない整数にしてください。",
    "分数にはできません。",
};
static_assert(std::size(kSpokenReasons) == kTextChecks, "a spoken reason for every TextCheck");

// A number read aloud with its sign apart, so that a sentence can put
// プラス or マイナス between two terms.
struct Spoken {
  bool minus = false;
  bool zero = true;
  std::string magnitude = "0";
};

std::string Said(const Spoken& n) {
  return (n.minus && !n.zero ? "マイナス " : "") + n.magnitude;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Digits(std::string_view s, std::size_t& at) {
  const std::size_t from = at;
  while (at < s.size() && IsDigit(s[at]))
    ++at;
  return s.substr(from, at - from);
}

std::string WithoutLeadingZeros(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

Spoken Reading(std::string_view s);

// A hexadecimal or octal whole number: its value in the plane's digits.
Spoken Prefixed(std::string_view s) {
  const auto value = ReadNumber(s);
  if (!value)
    return {false, false, "とても大きな数"};
  return Reading(Trimmed(SignedText(*value)));
}

// The number at the start of s (ASCII, no blanks) as ReadNumber scans it:
// digits with at most one point, then an exponent (e or d) when digits
// follow it. What comes after the number is not read.
Spoken Reading(std::string_view s) {
  Spoken out;
  std::size_t at = 0;
  if (at < s.size() && (s[at] == '+' || s[at] == '-'))
    out.minus = s[at++] == '-';
  if (s.substr(at, 2).size() == 2 && s[at] == '&' &&
      std::string_view("HhOo").find(s[at + 1]) != std::string_view::npos) {
    const Spoken prefixed = Prefixed(s.substr(at));
    return {out.minus != prefixed.minus, prefixed.zero, prefixed.magnitude};
  }
  const std::string whole = WithoutLeadingZeros(Digits(s, at));
  std::string_view fraction;
  if (at < s.size() && s[at] == '.')
    fraction = Digits(s, ++at);
  out.zero = whole.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
  if (fraction.empty()) {
    out.magnitude = whole.empty() ? "0" : whole;
  } else {
    out.magnitude = (whole.empty() ? "れい" : whole) + "てん";
    for (const char d : fraction)
      out.magnitude += kKanaDigits[static_cast<std::size_t>(d - '0')];
  }
  if (at + 1 < s.size() && std::string_view("eEdD").find(s[at]) != std::string_view::npos) {
    std::size_t look = at + 1;
    const bool minus = s[look] == '-';
    if (minus || s[look] == '+')
      ++look;
    const std::string_view power = Digits(s, look);
    if (!power.empty() && !out.zero) {
      const std::string shown = WithoutLeadingZeros(power);
      out.magnitude += " かける 10の " + std::string(minus ? "マイナス " : "") +
                       (shown.empty() ? "0" : shown) + "じょう";
    }
  }
  return out;
}

// The text as the lesson reads it, without blanks. A full-width form stays
// as it is: the boxes fold what is typed as it enters them, and the lesson
// reads a pasted "２" as no number; the sentence says what the lesson drew.
std::string Compact(std::string_view typed) {
  std::string out;
  for (const char c : typed) {
    if (c != ' ' && c != '\t' && c != '\n')
      out += c;
  }
  return out;
}

// A slope as typed: p/q when the text has a fraction bar, the sign of p and
// q together in front.
Spoken SlopeReading(std::string_view typed) {
  const std::string s = Compact(typed);
  const auto bar = s.find('/');
  if (bar == std::string::npos)
    return Reading(s);
  const std::string_view text = s;
  const Spoken p = Reading(text.substr(0, bar));
  const Spoken q = Reading(text.substr(bar + 1));
  return {p.minus != q.minus, p.zero, q.magnitude + "分の" + p.magnitude};
}

// A number as the plane writes it (SignedText), which can also be infinite.
Spoken Written(std::string_view text) {
  const std::string s = Trimmed(text);
  const bool minus = !s.empty() && s.front() == '-';
  if (s.find("Infinity") != std::string::npos)
    return {minus, false, "無限大"};
  if (s.find("NaN") != std::string::npos)
    return {false, false, "数でない値"};
  return Reading(s);
}

}  // namespace

std::string SpokenNumber(std::string_view typed) {
  return Said(SlopeReading(typed));
}

std::string SayGraph(std::string_view slopeText, std::string_view interceptText) {
  std::string out = "ワイ イコール " + SpokenNumber(slopeText) + " エックス";
  // b is one number: the lesson reads it no further than a fraction bar.
  const Spoken b = Reading(Compact(interceptText));
  if (!b.zero)
    out += (b.minus ? " マイナス " : " プラス ") + b.magnitude;
  return out + " の グラフ。";
}

std::string SayLineAStep(const LessonState& state) {
  const double a = state.SlopeA;
  const SlopeLabelForm form = ChooseSlopeLabel(a, state.SlopeNum, state.SlopeDen);
  // The staircase writes |p| over q, or the value; the direction says the sign.
  const std::string rise =
      form == SlopeLabelForm::kFraction
          ? Written(SignedText(std::abs(static_cast<int>(state.SlopeDen)))).magnitude + "分の" +
                Written(SignedText(std::fabs(state.SlopeNum))).magnitude
          : Written(SlopeValueText(form, std::fabs(a))).magnitude;
  return std::string("右へ 1、") + (a < 0 ? "下へ " : "上へ ") + rise + "。";
}

std::string SayTriangle(const LessonState& state) {
  if (state.TriangleState == 0)
    return "傾きの三角形はありません。";
  const plane_parts::WrittenRise written = plane_parts::RiseAsWritten(state);
  Spoken rise;
  if (written.fraction) {
    const Spoken q = Written(written.denominator);
    const Spoken p = Written(written.numerator);
    rise = {written.barMinus != q.minus, p.zero, q.magnitude + "分の" + p.magnitude};
  } else {
    rise = Written(written.value);
  }
  return "傾きの三角形、横 " + Said(Written(SignedText(state.TriangleScale))) + "、たて " +
         Said(rise) + "。";
}

std::string SayRefused(bool slopeBox, TextCheck why) {
  const auto index = static_cast<std::size_t>(why);
  if (why == TextCheck::kWhole || index >= kTextChecks)
    return {};
  const char* reason =
      kSpokenReasons[index] != nullptr ? kSpokenReasons[index] : kTextCheckReasons[index];
  return std::string(slopeBox ? "ａ" : "ｂ") + " が読めません。" + reason;
}

std::vector<std::string> SayPlane(const LessonState& state, std::string_view slopeText,
                                  std::string_view interceptText) {
  std::vector<std::string> out;
  const std::string_view size = SizeName(state.UnitPx);
  out.push_back("1 目盛り " + std::to_string(state.UnitPx) + " ピクセル" +
                (size.empty() ? "" : "、大きさ " + std::string(size)) + "。");
  if (const auto reach = plane_parts::PlaneReach(state)) {
    const std::string about = reach->rounded ? "約 " : "";
    const std::string bound = Said(Reading(reach->bound));
    out.push_back("エックス と ワイ は、" + about + "マイナス " + bound + " から " + about + bound +
                  " まで。");
  }
  out.push_back(state.GraphDrawn == 1 ? SayGraph(slopeText, interceptText)
                                      : "グラフはまだありません。");
  out.push_back(state.LineAState == 1 ? "補助線エー が出ています。" : "補助線エー はありません。");
  out.push_back(SayTriangle(state));
  if (state.TriangleState != 0) {
    if (const auto start = plane_parts::TriangleStart(state))
      out.push_back("三角形の始点は、エックス " + Said(Reading(start->x)) + "、ワイ " +
                    Said(Reading(start->y)) + "。");
    if (state.TriangleState == 2)
      out.push_back("三角形を動かしています。");
  }
  return out;
}

}  // namespace lesson
