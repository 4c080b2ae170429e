#include "web/input/EventQueue.h"

#include <algorithm>
#include <string_view>

namespace lesson::web {

namespace {

using Pointer = Received<kPointerEvent>;

Pointer AsPointer(const PageEvent& e) {
  return Pointer(e.numbers, e.texts);
}

// A move that presses or releases no button.
bool PlainMove(const PageEvent& e) {
  const Pointer p = AsPointer(e);
  return e.kind == kPointerEvent.id && p.Text<"type">() == "pointermove" &&
         p.Number<"button">() == -1;
}

}  // namespace

void EventQueue::Push(PageEvent event) {
  if (event.kind == kPointerEvent.id) {
    const Pointer p = AsPointer(event);
    const double id = p.Number<"pointerId">();
    const std::string_view type = p.Text<"type">();
    const auto held = std::find(pressed_.begin(), pressed_.end(), id);
    if (type == "pointerdown") {
      if (held == pressed_.end())
        pressed_.push_back(id);
    } else if (held == pressed_.end()) {
      return;
    } else if (type == "pointercancel" || (type == "pointerup" && p.Number<"buttons">() == 0)) {
      pressed_.erase(held);
    }
    if (!events_.empty() && PlainMove(event) && PlainMove(events_.back())) {
      PageEvent& last = events_.back();
      const Pointer before = AsPointer(last);
      if (before.Number<"pointerId">() == id &&
          before.Text<"pointerType">() == p.Text<"pointerType">()) {
        std::vector<double> points = std::move(last.points);
        points.push_back(before.Number<"clientX">());
        points.push_back(before.Number<"clientY">());
        points.insert(points.end(), event.points.begin(), event.points.end());
        const std::size_t keep = std::min(points.size(), static_cast<std::size_t>(kEventPoints));
        event.points.assign(points.end() - static_cast<std::ptrdiff_t>(keep), points.end());
        last = std::move(event);
        return;
      }
    }
  }
  events_.push_back(std::move(event));
}

std::optional<PageEvent> EventQueue::Pop() {
  if (events_.empty())
    return std::nullopt;
  PageEvent e = std::move(events_.front());
  events_.pop_front();
  return e;
}

bool EventQueue::EditPending(double row) const {
  return std::any_of(events_.begin(), events_.end(), [row](const PageEvent& e) {
    if (e.kind == kInputEvent.id)
      return Received<kInputEvent>(e.numbers, e.texts).Number<"row">() == row;
    if (e.kind == kCompositionEndEvent.id)
      return Received<kCompositionEndEvent>(e.numbers, e.texts).Number<"row">() == row;
    return false;
  });
}

}  // namespace lesson::web
