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
  const std::string_view type = p.Text<"type">();
  const double button = p.Number<"button">();
  return e.kind == kPointerEvent.id && type == "pointermove" && button == -1;
}

}  // namespace

void EventQueue::Push(PageEvent event) {
  if (event.kind == kPointerEvent.id) {
    const Pointer p = AsPointer(event);
    const double id = p.Number<"pointerId">();
    const std::string_view type = p.Text<"type">();
    const double buttons = p.Number<"buttons">();
    const bool released = type == "pointercancel" || (type == "pointerup" && buttons == 0);
    const auto held = std::find(pressed_.begin(), pressed_.end(), id);
    if (type == "pointerdown") {
      if (held == pressed_.end())
        pressed_.push_back(id);
    } else if (held == pressed_.end()) {
      return;
    } else if (released) {
      pressed_.erase(held);
    }
    if (!events_.empty() && PlainMove(event) && PlainMove(events_.back())) {
      PageEvent& last = events_.back();
      const Pointer before = AsPointer(last);
      const double beforeId = before.Number<"pointerId">();
      const std::string_view beforeType = before.Text<"pointerType">();
      const std::string_view pointerType = p.Text<"pointerType">();
      if (beforeId == id && beforeType == pointerType) {
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
    if (e.kind == kInputEvent.id) {
      const double edited = Received<kInputEvent>(e.numbers, e.texts).Number<"row">();
      return edited == row;
    }
    if (e.kind == kCompositionEndEvent.id) {
      const double edited = Received<kCompositionEndEvent>(e.numbers, e.texts).Number<"row">();
      return edited == row;
    }
    return false;
  });
}

}  // namespace lesson::web
