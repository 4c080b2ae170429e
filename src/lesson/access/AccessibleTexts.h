#pragma once

#include <string>

#include "lesson/app/ControlTable.h"

namespace lesson {

// A screen reader is told a change of the plane's description at once, and
// of later changes at most once per this interval, so that a drag, which
// changes it at every pointer move, does not flood the reader.
inline constexpr int kDescriptionIntervalMs = 300;

// The name a screen reader gives a control: its own text where that says
// enough, else a name of its own ("傾き a", "座標平面", "補助線Aを消去").
std::string AccessibleName(const ControlRow& control);

// Its description while the plane is drawn at unitPx pixels per unit; the
// size buttons say which of them is selected. The plane's description, which
// follows the whole lesson, comes from DescribePlane.
std::string AccessibleDescription(const ControlRow& control, int unitPx);

}  // namespace lesson
