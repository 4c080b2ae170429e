#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/app/LessonState.h"
#include "lesson/graph/Coefficients.h"

namespace lesson {

// The sentences the lesson speaks aloud in Japanese (UTF-8), for a front-end
// to hand its speech synthesiser. The maths is written as it is read in a
// classroom, in katakana and words: a synthesiser reads "2/3" as a date and
// "-1" as a hyphen, and "x" as a letter of the alphabet. Every sentence is
// short enough to follow without seeing the screen.

// A number as the pupil typed it, read aloud as a Japanese classroom reads
// it: "2/3" → "3分の2", "-2/3" → "マイナス 3分の2", "-1" → "マイナス 1",
// "0.5" → "れいてんご", "1.25" → "1てんにご", "+3" → "3". Blanks anywhere are
// ignored; like the lesson it reads no further than the number goes ("2x"
// is read "2", "" is "0", a pasted full-width "２" no number: "0").
std::string SpokenNumber(std::string_view typed);

// The graph just drawn from the two texts:
// "ワイ イコール 3分の2 エックス マイナス 1 の グラフ。" (no b when it reads 0).
std::string SayGraph(std::string_view slopeText, std::string_view interceptText);

// One step of line A as the staircase labels it: "右へ 1、上へ 3分の2。",
// "右へ 1、下へ 3分の2。" for a negative slope.
std::string SayLineAStep(const LessonState& state);

// The slope triangle as it stands, its rise as the triangle writes it:
// "傾きの三角形、横 3、たて 2。"
std::string SayTriangle(const LessonState& state);

// A text the graph refused: which box, and why, for instance
// "ａ が読めません。分母は、0 でない整数にしてください。" Nothing for a
// whole text.
std::string SayRefused(bool slopeBox, TextCheck why);

// The plane's whole description, as short sentences: the scale and the
// reach of x and y, the graph, line A, and the triangle with its start.
// slopeText and interceptText are the texts the graph was last drawn from.
std::vector<std::string> SayPlane(const LessonState& state, std::string_view slopeText,
                                  std::string_view interceptText);

// Two speeds, as rates a front-end hands its synthesiser (1 is the voice's
// normal rate): ふつう and ゆっくり.
enum class SpeechSpeed { kNormal, kSlow };
inline constexpr double kSpeechRates[] = {1.0, 0.7};
static_assert(std::size(kSpeechRates) == static_cast<std::size_t>(SpeechSpeed::kSlow) + 1,
              "a rate for every speed");

}  // namespace lesson
