#include "lesson/layout/Arrangement.h"

namespace lesson {

WindowFit FitWindow(int width, int height) {
  const Arrangement arrangement = ArrangementFor(width, height);
  const BaseSize base = SizeOf(arrangement);
  return {arrangement, WindowScale::Fit(width, height, base.width, base.height)};
}

}  // namespace lesson
