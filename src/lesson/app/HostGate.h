#pragma once

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

  void ControlChanged(Control& control) override {
    if (open_)
      host_.ControlChanged(control);
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

 private:
  Host& host_;
  bool open_ = false;
};

}  // namespace lesson
