#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lesson/surface/Clip.h"

namespace lesson::fuzz {

// The properties the fuzz targets check, each on bytes as the fuzzer hands
// them over; the ordinary tests run the same checks on seeded random bytes.
// Each returns an empty text when the property holds, else what broke.

// ReadNumber gives the same double as the independent reading of the same
// text, or both find it out of range.
std::string CheckReadNumber(std::string_view text);

// The bytes up to the first NUL are the text for a, the rest the text for b.
// Every accepted reading has a finite a, a denominator in -32768..32767 other
// than 0 and a finite single-precision b, and agrees with the independent
// reading; every rejection is one of the named limits.
std::string CheckCoefficients(const std::uint8_t* data, std::size_t size);

// A segment with arbitrary end points clipped to a box: the result lies in
// the box and on the original line, is the segment itself when both ends lie
// inside, and is nothing when an end point is not finite.
std::string CheckClip(const std::uint8_t* data, std::size_t size);
std::string CheckClipSegment(const Segment& s, const Box& box);

// The graph, line A and the slope triangle drawn by the lesson's handlers
// for an arbitrary lesson state (any scale, coefficients, anchor and
// multiple): every stroke that reaches the drawing area is finite, and no
// text near the plane shows NaN. The sanitizers watch for undefined
// behaviour meanwhile.
std::string CheckConstructions(const std::uint8_t* data, std::size_t size);

// Digits gives the same digits and exponent as the independent writing of
// DigitsReference, both the shortest digits and the 10 that
// SignedTextTenDigits rounds to. 0, infinities and NaN, which no caller
// hands to Digits, pass unchecked.
std::string CheckDigits(double v);
// The first eight bytes are the double's bit pattern.
std::string CheckDigits(const std::uint8_t* data, std::size_t size);
// CheckDigits on every power of two, 2^-1074 to 2^1023 (from 2^-1021 up,
// the doubles below each lie half as far apart as those above it), and on
// the double nearest every power of ten, 10^-323 to 10^308, whose shortest
// digits are a single 1.
std::string CheckDigitsOfPowers();

// What a fuzz target returns for a checked input: 0 when the property held;
// otherwise the failure is printed and the process aborts, so that the
// fuzzer keeps the input.
int Verdict(const std::string& failure);

}  // namespace lesson::fuzz
