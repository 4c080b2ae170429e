#pragma once

#include <cstdint>

namespace lesson {

// What an animation's wait does. The window waits through one of these so
// that tests can stand in for the clock.
class Pacer {
 public:
  virtual ~Pacer() = default;
  // Returns no earlier than ms milliseconds after the call, having processed
  // pending window events at least once; returns at once, processing none,
  // when ms <= 0.
  virtual void Wait(std::int32_t ms) = 0;
};

// The real wait: sleeps in a nested event loop, so the window stays
// responsive and an idle wait costs next to no processor time. Time is taken
// from a monotonic clock, so no wrap-around of a tick counter can cut a wait
// short or make it endless.
class EventLoopPacer final : public Pacer {
 public:
  void Wait(std::int32_t ms) override;
};

}  // namespace lesson
