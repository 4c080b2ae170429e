#include "lesson/layout/HitAreas.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <vector>

namespace lesson {

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// The ways a rectangle that holds box and a side x side square can lie in the
// window clear of the obstacles: how many there are, and the one nearest to
// the rectangle centred on the box (the least shifted in all; among those the
// least shifted vertically, then the highest, then the leftmost).
struct Ways {
  int count = 0;
  std::optional<PixelRect> nearest;
};

Ways FindWays(PixelRect box, int side, BaseSize window, const std::vector<PixelRect>& obstacles) {
  const int width = std::max(box.width, side);
  const int height = std::max(box.height, side);
  const int spareX = width - box.width;
  const int spareY = height - box.height;
  const PixelRect reach{box.left - spareX, box.top - spareY, box.width + 2 * spareX,
                        box.height + 2 * spareY};
  std::vector<PixelRect> near;
  std::copy_if(obstacles.begin(), obstacles.end(), std::back_inserter(near),
               [&](const PixelRect& o) { return Overlap(o, reach); });
  const int centredLeft = box.left - spareX / 2;
  const int centredTop = box.top - spareY / 2;
  Ways ways;
  int nearestShift = 0;
  int nearestShiftY = 0;
  const int lastTop = std::min(box.top, window.height - height);
  const int lastLeft = std::min(box.left, window.width - width);
  for (int top = std::max(0, box.top - spareY); top <= lastTop; ++top) {
    for (int left = std::max(0, box.left - spareX); left <= lastLeft; ++left) {
      const PixelRect area{left, top, width, height};
      if (std::any_of(near.begin(), near.end(),
                      [&](const PixelRect& o) { return Overlap(o, area); }))
        continue;
      ++ways.count;
      const int shiftY = std::abs(top - centredTop);
      const int shift = std::abs(left - centredLeft) + shiftY;
      if (!ways.nearest || shift < nearestShift ||
          (shift == nearestShift && shiftY < nearestShiftY)) {
        ways.nearest = area;
        nearestShift = shift;
        nearestShiftY = shiftY;
      }
    }
  }
  return ways;
}

}  // namespace

std::array<PixelRect, kControls.size()> HitAreas(Arrangement arrangement) {
  const BaseSize window = SizeOf(arrangement);
  std::array<PixelRect, kControls.size()> areas{};
  const std::size_t planeRow = RowOf(ControlId::kPicture1);
  areas[planeRow] = BoxOf(arrangement, planeRow);

  for (const Block block : kBlocks) {
    std::vector<std::size_t> rows;  // the block's controls whose areas grow
    for (const ControlId id : block) {
      if (TakesTaps(RowOf(id)) && id != ControlId::kPicture1)
        rows.push_back(RowOf(id));
    }
    // What a row's area must not meet: the block's other boxes and the areas
    // claimed in it so far.
    const auto obstaclesFor = [&](std::size_t row) {
      std::vector<PixelRect> obstacles;
      for (const std::size_t other : rows) {
        if (other == row)
          continue;
        obstacles.push_back(BoxOf(arrangement, other));
        if (areas[other].width > 0)
          obstacles.push_back(areas[other]);
      }
      return obstacles;
    };

    // Among equals, the one first in tab order claims first.
    std::sort(rows.begin(), rows.end());
    std::array<int, kControls.size()> ways{};
    for (const std::size_t row : rows)
      ways[row] = FindWays(BoxOf(arrangement, row), kTargetSide, window, obstaclesFor(row)).count;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return ways[a] < ways[b]; });

    for (const std::size_t row : rows) {
      const PixelRect box = BoxOf(arrangement, row);
      const std::vector<PixelRect> obstacles = obstaclesFor(row);
      areas[row] = box;
      for (int side = kTargetSide; side > std::min(box.width, box.height); --side) {
        const std::optional<PixelRect> nearest = FindWays(box, side, window, obstacles).nearest;
        if (nearest) {
          areas[row] = *nearest;
          break;
        }
      }
    }
  }
  return areas;
}

}  // namespace lesson
