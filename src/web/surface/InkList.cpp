#include "web/surface/InkList.h"

namespace lesson::web {

namespace {

constexpr int SizeOf(InkOp op) {
  for (const InkOpRow& row : kInkOps) {
    if (row.op == op)
      return row.size;
  }
  return 0;
}

template <InkOp op, class... Operands>
void Emit(std::vector<double>& list, Operands... operands) {
  static_assert(sizeof...(Operands) + 1 == SizeOf(op));
  list.insert(list.end(), {static_cast<double>(op), static_cast<double>(operands)...});
}

template <InkOp begin>
void Path(std::vector<double>& list, const InkPath& path) {
  Emit<begin>(list, path.colour.Rgb(), path.width);
  for (const PathOp& op : path.ops) {
    switch (op.kind) {
      case PathOp::Kind::kMove:
        Emit<kInkMoveOp>(list, op.to.x, op.to.y);
        break;
      case PathOp::Kind::kLine:
        Emit<kInkLineOp>(list, op.to.x, op.to.y);
        break;
      case PathOp::Kind::kQuad:
        Emit<kInkQuadOp>(list, op.control.x, op.control.y, op.to.x, op.to.y);
        break;
    }
  }
  Emit<kInkStrokeOp>(list);
}

}  // namespace

std::vector<double> InkList(const InkUpdate& update) {
  std::vector<double> list;
  if (update.redraw)
    Emit<kInkRedrawOp>(list);
  for (const InkPath& path : update.finished)
    Path<kInkFinishedOp>(list, path);
  if (update.active)
    Path<kInkActiveOp>(list, *update.active);
  return list;
}

}  // namespace lesson::web
