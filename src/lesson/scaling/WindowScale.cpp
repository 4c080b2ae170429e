#include "lesson/scaling/WindowScale.h"

#include <algorithm>
#include <cmath>

namespace lesson {

namespace {

// Layout coordinates stay far below this, and client areas too; clamping
// first keeps every rounding below within the int range.
constexpr double kLimit = 1 << 20;

int Round(double v) {
  return static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

}  // namespace

WindowScale WindowScale::Fit(int width, int height) {
  return Fit(width, height, kFormWidth, kFormHeight);
}

WindowScale WindowScale::Fit(int width, int height, int baseWidth, int baseHeight) {
  if (width <= 0 || height <= 0 || baseWidth <= 0 || baseHeight <= 0)
    return {};
  const double fit =
      std::min(static_cast<double>(width) / baseWidth, static_cast<double>(height) / baseHeight);
  // The small allowance keeps an exact fit (the base size itself) from losing
  // a pixel to the rounding of the division.
  const double side = std::max(1.0, std::floor(std::min(fit, kLimit) * kPlaneSide + 1e-9));
  WindowScale scale;
  scale.factor = side / kPlaneSide;
  scale.offsetX = std::max(0, (width - Round(baseWidth * scale.factor)) / 2);
  scale.offsetY = std::max(0, (height - Round(baseHeight * scale.factor)) / 2);
  return scale;
}

PixelRect WindowScale::Map(PixelRect base) const {
  const int left = offsetX + Round(base.left * factor);
  const int top = offsetY + Round(base.top * factor);
  const int right = offsetX + Round((static_cast<double>(base.left) + base.width) * factor);
  const int bottom = offsetY + Round((static_cast<double>(base.top) + base.height) * factor);
  return {left, top, right - left, bottom - top};
}

int WindowScale::Length(int base) const {
  return std::max(1, Round(base * factor));
}

int WindowScale::PlaneSide() const {
  return Round(kPlaneSide * factor);
}

}  // namespace lesson
