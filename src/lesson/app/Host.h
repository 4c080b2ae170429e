#pragma once

#include <cstdint>
#include <string>

namespace lesson {

class Control;

// What the lesson asks of the screen it runs on. A front-end (the desktop
// window, the browser page) implements this and nothing else of the lesson
// reaches beyond it: the front-end shows the controls and the picture, and
// hands the lesson its input through Form1's event functions.
class Host {
 public:
  virtual ~Host() = default;

  // The wait of an animation: returns no earlier than ms milliseconds after
  // the call, by a monotonic clock, having processed pending input at least
  // once; input that arrives meanwhile runs its handlers to completion,
  // nested inside the wait. Sleeps rather than spins. Returns at once,
  // processing nothing, when ms <= 0.
  virtual void Wait(std::int32_t ms) = 0;

  // Ends the program at once. The lesson makes no further wait afterwards.
  virtual void End() = 0;

  // A control's model changed: its font, enabled or visible state, text (or
  // a request to select it all, which the front-end takes), tick, place or
  // description.
  virtual void ControlChanged(Control& control) = 0;
  // The keyboard focus moved to another control, or to none (the window).
  virtual void FocusChanged() = 0;
  // Something was drawn on the picture since the last notice; it comes
  // before every wait and after every event, so a front-end that buffers
  // its drawing can show it then.
  virtual void PictureChanged() = 0;

  // Tells a screen reader the plane's description anew. The lesson spaces
  // these out itself: after each it asks for a quiet interval, and the
  // front-end calls Form1::QuietIntervalEnded once that has run out.
  virtual void Announce(const std::string& planeDescription) = 0;
  virtual void StartQuietInterval(std::int32_t ms) = 0;
};

}  // namespace lesson
