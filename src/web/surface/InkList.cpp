#include "web/surface/InkList.h"

namespace lesson::web {

namespace {

template <const Message& M>
void Point(std::vector<double>& list, const InkPoint& to) {
  Record<M> point;
  point.template Set<"x">(double{to.x});
  point.template Set<"y">(double{to.y});
  point.AppendTo(list);
}

template <const Message& Begin>
void Path(std::vector<double>& list, const InkPath& path, Scheme scheme) {
  Record<Begin> begin;
  begin.template Set<"colour">(static_cast<double>(InScheme(scheme, path.colour).Rgb()));
  begin.template Set<"width">(static_cast<double>(path.width));
  begin.AppendTo(list);
  for (const PathOp& op : path.ops) {
    switch (op.kind) {
      case PathOp::Kind::kMove:
        Point<kInkMoveOp>(list, op.to);
        break;
      case PathOp::Kind::kLine:
        Point<kInkLineOp>(list, op.to);
        break;
      case PathOp::Kind::kQuad: {
        Record<kInkQuadOp> quad;
        quad.Set<"cx">(double{op.control.x});
        quad.Set<"cy">(double{op.control.y});
        quad.Set<"x">(double{op.to.x});
        quad.Set<"y">(double{op.to.y});
        quad.AppendTo(list);
        break;
      }
    }
  }
  Record<kInkStrokeOp>().AppendTo(list);
}

}  // namespace

std::vector<double> InkList(const InkUpdate& update, Scheme scheme) {
  std::vector<double> list;
  if (update.redraw)
    Record<kInkRedrawOp>().AppendTo(list);
  for (const InkPath& path : update.finished)
    Path<kInkFinishedOp>(list, path, scheme);
  if (update.active)
    Path<kInkActiveOp>(list, *update.active, scheme);
  return list;
}

}  // namespace lesson::web
