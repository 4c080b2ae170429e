#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/app/Host.h"
#include "lesson/layout/Arrangement.h"
#include "lesson/supports/Palette.h"
#include "web/input/EventQueue.h"

namespace lesson {
class Form1;
}

namespace lesson::web {

class CanvasSurface;

// A text's runs as a record's text field carries them (schema/Messages.h,
// kRunEnd): "" where no run has a reading.
std::string RunsText(std::string_view text);

// What the lesson asks of the browser: its waits sleep through Asyncify and
// run the input that arrives meanwhile, nested, as the desktop's waits do;
// every change of a control or of the picture goes to the page at once.
//
// The page never calls into the lesson while a wait is in progress: it
// queues its input, and whoever has control (a wait here, or the page's own
// call when the lesson is idle) runs the queue.
class WebHost final : public Host {
 public:
  explicit WebHost(CanvasSurface& picture);

  void Bind(Form1& form) { form_ = &form; }
  // Starts the lesson in the page's room of width x height CSS pixels:
  // every control shown in the arrangement and at the scale that fit it,
  // then the focus, the plane's description and the picture.
  void Start(double width, double height);

  double NowMs() override;
  bool SleepUntil(double deadlineMs) override;
  void RunQueuedInput() override;
  void End() override;
  void ControlChanged(Control& control) override;
  void FitChanged(const WindowFit& fit) override;
  void FocusChanged() override;
  void PictureChanged() override;
  void InkChanged(const InkUpdate& update) override;
  void SavePicture(const std::string& fileName) override;
  void Announce(const std::string& planeDescription) override;
  void StartQuietInterval(std::int32_t ms) override;
  void SupportsChanged(const Supports& supports) override;
  void Speak(const std::vector<std::string>& sentences, double rate) override;

#ifdef LESSON_WEB_TESTING
  // Waits in progress as the input now running was taken, nested ones
  // included.
  int Waits() const {
    return runs_ > 0 ? runs_ - 1 : 0;
  }
#endif

 private:
  void Pull();
  void Run(const PageEvent& event);
  Scheme SchemeOf(const Supports& supports) const {
    return supports.dark ? Scheme::kDark : Scheme::kLight;
  }

  CanvasSurface& picture_;
  Form1* form_ = nullptr;
  // Where the page writes an event's text: room for the longest text a box
  // takes, and its input type.
  std::vector<char> text_;
  // Where the page writes a pointer's coalesced positions.
  std::vector<double> points_;
  // The events taken from the page that the lesson has yet to run.
  EventQueue queue_;
  bool shown_ = false;  // a fit has been shown: the picture and the ink are on the page
#ifdef LESSON_WEB_TESTING
  int runs_ = 0;  // runs of the queue in progress: the page's own, and one in each wait
#endif
};

}  // namespace lesson::web
