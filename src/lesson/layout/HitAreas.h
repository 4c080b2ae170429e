#pragma once

#include <array>
#include <cstddef>

#include "lesson/app/ControlTable.h"
#include "lesson/layout/Arrangement.h"
#include "lesson/scaling/WindowScale.h"

namespace lesson {

// Whether a row takes taps and clicks: the push buttons, text boxes, check
// boxes and the plane, but no label and no row hidden for good.
constexpr bool TakesTaps(std::size_t row) {
  return kControls.at(row).kind != ControlKind::kLabel && !HiddenForGood(row);
}

// Each row's hit area in an arrangement, in layout pixels: where a tap or
// click lands on that control. Empty (all 0) for a row that takes none; the
// plane's is its own box. Every other hit area
// - holds the control's box (a check box's box holds its text),
// - lies in the arrangement's window,
// - meets no other box or hit area of its block, so that no point answers for
//   two controls (labels count as free space: they take no taps),
// - and grows into the free space around the box just enough to hold a
//   kTargetSide square, centred on the box where it can and shifted where it
//   cannot. Where the space holds no such square it takes the largest square
//   the space holds.
// The areas are decided block by block (Arrangement.h), each from its own
// rows alone: a block that keeps its shape keeps its areas wherever it
// stands, whatever its neighbours do. The blocks stand apart far enough that
// no area meets another block's boxes or areas, nor the plane's focus frame
// (which the layout's tests check). Within a block the controls that have the
// fewest ways to hold the square claim their space first, so that a control
// squeezed between two others (the Quick box between "補助線A" and "補助線C")
// gets its square before its neighbours grow toward it.
// The areas depend on the arrangement alone: a front-end works them out once
// and scales them as it scales the boxes.
std::array<PixelRect, kControls.size()> HitAreas(Arrangement arrangement);

}  // namespace lesson
