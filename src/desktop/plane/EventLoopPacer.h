#pragma once

namespace lesson {

// What an animation's wait asks of the desktop: the lesson's wait
// (Form1::Pause) runs the pending window events, sleeps until its deadline,
// and so on. The window waits through one of these so that tests can stand
// in for the clock.
class Pacer {
 public:
  virtual ~Pacer() = default;
  // Milliseconds by a monotonic clock.
  virtual double NowMs() = 0;
  // Sleeps in the event loop until the deadline, handling the window events
  // that arrive meanwhile; false when the application is quitting.
  virtual bool SleepUntil(double deadlineMs) = 0;
  // Handles the window events that are pending.
  virtual void RunQueuedInput() = 0;
};

// The real wait: sleeps in a nested event loop, so the window stays
// responsive and an idle wait costs next to no processor time. Time is taken
// from a monotonic clock, so no wrap-around of a tick counter can cut a wait
// short or make it endless.
class EventLoopPacer final : public Pacer {
 public:
  double NowMs() override;
  bool SleepUntil(double deadlineMs) override;
  void RunQueuedInput() override;
};

}  // namespace lesson
