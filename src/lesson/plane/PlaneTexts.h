#pragma once

namespace lesson {

// The fixed texts the plane writes, besides its numbers.
inline constexpr const char* kOriginMark = "Ｏ";   // the origin, a full-width capital O
inline constexpr const char* kFractionBar = "－";  // a full-width hyphen-minus
inline constexpr const char* kUnitLabel = " 1 ";   // line A's step of one unit

}  // namespace lesson
