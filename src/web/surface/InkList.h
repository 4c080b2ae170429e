#pragma once

#include <array>
#include <vector>

#include "lesson/ink/InkPath.h"

namespace lesson::web {

// The numbers of an ink list, as the page's layers of ink run it. Every list
// clears the active layer first.
enum InkOp : int {
  kInkRedrawOp = 1,    // the finished layer cleared
  kInkFinishedOp = 2,  // colour width: a path begins, to be stroked on the finished layer
  kInkActiveOp = 3,    // colour width: a path begins, to be stroked on the active layer
  kInkMoveOp = 4,      // x y
  kInkLineOp = 5,      // x y
  kInkQuadOp = 6,      // cx cy x y
  kInkStrokeOp = 7,    // the path stroked, round-capped and round-joined
};
struct InkOpRow {
  InkOp op;
  const char* name;
  int size;  // the numbers it takes, its own included
};
inline constexpr std::array<InkOpRow, 7> kInkOps{{{kInkRedrawOp, "redraw", 1},
                                                  {kInkFinishedOp, "finished", 3},
                                                  {kInkActiveOp, "active", 3},
                                                  {kInkMoveOp, "move", 3},
                                                  {kInkLineOp, "line", 3},
                                                  {kInkQuadOp, "quad", 5},
                                                  {kInkStrokeOp, "stroke", 1}}};

// The ink list of an update.
std::vector<double> InkList(const InkUpdate& update);

}  // namespace lesson::web
