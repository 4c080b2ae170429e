#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "web/schema/Messages.h"

namespace lesson::web {

// An event as the page queued it: its kind, its fields as numbers and its
// texts one after another (schema/Messages.h), and a pointer's coalesced
// positions, client x and y in turn.
struct PageEvent {
  int kind = 0;
  std::array<double, kEventNumbers> numbers{};
  std::string texts;
  std::vector<double> points;
};

// The page's events on their way to the lesson, in the order the page
// reported them. Only the pointers pressed on the plane are the lesson's:
// the moves of any other (a mouse passing over) are dropped. A pointer's
// moves that wait one behind another merge into the latest, which keeps the
// positions the others were at as points passed through (the latest
// kEventPoints numbers): a handler that is slow sees only the latest, the
// pen every one.
class EventQueue {
 public:
  void Push(PageEvent event);
  std::optional<PageEvent> Pop();
  // Whether an edit of the box at that row waits: the box keeps what the
  // pupil typed rather than show the lesson's text.
  bool EditPending(double row) const;

 private:
  std::deque<PageEvent> events_;
  std::vector<double> pressed_;  // the pointers pressed on the plane, by pointerId
};

}  // namespace lesson::web
