#pragma once

#include <array>
#include <cstddef>

#include "lesson/app/ControlTable.h"
#include "lesson/layout/Arrangement.h"
#include "lesson/scaling/WindowScale.h"

namespace lesson {

// The side of the square that a control's hit area holds, in layout pixels:
// a fingertip's 44 CSS pixels at the smallest scale that a classroom's
// tablets and laptops show the lesson at. A Chromebook's 1366 x 657 shows
// the landscape window at 612/640, where 44 pixels are 46.0 layout pixels;
// 47 layout pixels there are 44.9 pixels (44.9 at 611/640 too), and rounding
// both edges to whole pixels takes less than one off: at least 44. An iPad
// shows them as 49.6 pixels held sideways (1080 x 740, landscape) and 49.9
// held upright (810 x 1010, portrait).
inline constexpr int kTargetSide = 47;

// Whether a row takes taps and clicks: the push buttons, text boxes, check
// boxes and the plane, but no label and no row hidden for good.
constexpr bool TakesTaps(std::size_t row) {
  return kControls.at(row).kind != ControlKind::kLabel && !HiddenForGood(row);
}

// Each row's hit area in an arrangement, in layout pixels: where a tap or
// click lands on that control. Empty (all 0) for a row that takes none; the
// plane's is its own box. Every other hit area
// - holds the control's box (a check box's box holds its text),
// - lies in the arrangement's window, clear of the plane and of the focus
//   frame around it,
// - meets no other control's box or hit area, so that no point answers for
//   two controls (labels count as free space: they take no taps),
// - and grows into the free space around the box just enough to hold a
//   kTargetSide square, centred on the box where it can and shifted where it
//   cannot. Where the space holds no such square it takes the largest square
//   the space holds.
// The controls that have the fewest ways to hold the square claim their space
// first, so that a control squeezed between two others (the Quick box between
// "補助線A" and "補助線C") gets its square before its neighbours grow toward it.
// The areas depend on the arrangement alone: a front-end works them out once
// and scales them as it scales the boxes.
std::array<PixelRect, kControls.size()> HitAreas(Arrangement arrangement);

}  // namespace lesson
