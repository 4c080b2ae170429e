#pragma once

#include "lesson/app/Controls.h"
#include "lesson/app/Host.h"

namespace lesson {

// The front-end as the lesson's models reach it: what they tell it of the
// controls, the focus, the picture and the plane's description passes only
// while the lesson is shown, from Form1::Start to the end. Before, the
// front-end is not ready for it; after, nothing may change what stands
// behind the end, whatever the handlers still unwinding do.
class HostGate final : public Host {
 public:
  explicit HostGate(Host& host) : host_(host) {}

  bool IsOpen() const { return open_; }
  void Open() { open_ = true; }
  void Close() { open_ = false; }

  double NowMs() override { return host_.NowMs(); }
  bool SleepUntil(double deadlineMs) override { return host_.SleepUntil(deadlineMs); }
  void RunQueuedInput() override { host_.RunQueuedInput(); }
  void End() override { host_.End(); }

  // A request to select a box's whole text goes with the box's view once:
  // after the front-end has been shown that view, it has been made.
  void ControlChanged(Control& control) override {
    if (!open_)
      return;
    host_.ControlChanged(control);
    if (control.Entry().kind == ControlKind::kTextBox)
      static_cast<TextBox&>(control).SelectionShown();
  }
  void FitChanged(const WindowFit& fit) override {
    if (open_)
      host_.FitChanged(fit);
  }
  void FocusChanged() override {
    if (open_)
      host_.FocusChanged();
  }
  void PictureChanged() override {
    if (open_)
      host_.PictureChanged();
  }
  void InkChanged(const InkUpdate& update) override {
    if (open_)
      host_.InkChanged(update);
  }
  void SavePicture(const std::string& fileName) override {
    if (open_)
      host_.SavePicture(fileName);
  }
  void Announce(const std::string& planeDescription) override {
    if (open_)
      host_.Announce(planeDescription);
  }
  void StartQuietInterval(std::int32_t ms) override {
    if (open_)
      host_.StartQuietInterval(ms);
  }
  void SupportsChanged(const Supports& supports) override {
    if (open_)
      host_.SupportsChanged(supports);
  }
  void Speak(const std::vector<std::string>& sentences, double rate) override {
    if (open_)
      host_.Speak(sentences, rate);
  }

 private:
  Host& host_;
  bool open_ = false;
};

}  // namespace lesson
