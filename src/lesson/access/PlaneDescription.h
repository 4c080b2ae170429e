#pragma once

#include <string>
#include <string_view>

#include "lesson/app/LessonState.h"

namespace lesson {

// What the plane shows now, in Japanese, for a screen reader: the scale, the
// graph as the pupil typed it, whether line A is shown, and the slope
// triangle with its run, its rise as written beside it, and its anchor in
// lesson units.
//
// slopeText and interceptText are the texts (UTF-8) from which the graph on
// the plane was last drawn; they are read only when the graph is shown.
std::string DescribePlane(const LessonState& state, std::string_view slopeText,
                          std::string_view interceptText);

// The size button's caption for a scale: "小" "中" "大" "特大", or "" for
// any other scale.
std::string_view SizeName(int unitPx);

}  // namespace lesson
