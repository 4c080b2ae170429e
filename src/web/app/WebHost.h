#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/app/Host.h"
#include "lesson/scaling/WindowScale.h"

namespace lesson {
class Form1;
}

namespace lesson::web {

class CanvasSurface;

// What the lesson asks of the browser: the waits sleep through Asyncify and
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
  // Shows every control as its model stands, scaled to fit the page's room
  // of width x height CSS pixels, then the focus and the picture.
  void Start(double width, double height);
  // Runs the input the page has queued, each event as its handler.
  void RunQueuedInput();
  // Waits in progress, nested ones included.
  int Waits() const { return waits_; }

  void Wait(std::int32_t ms) override;
  void End() override;
  void ControlChanged(Control& control) override;
  void FocusChanged() override;
  void PictureChanged() override;
  void Announce(const std::string& planeDescription) override;
  void StartQuietInterval(std::int32_t ms) override;

 private:
  void Run(int kind, const double* numbers, const char* text);
  // The page gives the lesson this room: everything is scaled to fit it.
  void Scale(double width, double height);
  // Every control shown as its model stands, at the scale that fits the room.
  void ShowScaled(double width, double height);

  CanvasSurface& picture_;
  Form1* form_ = nullptr;
  WindowScale scale_;
  int waits_ = 0;
  // Where the page writes an event's text: room for the longest text a box
  // takes, and its input type.
  std::vector<char> text_;
};

}  // namespace lesson::web
