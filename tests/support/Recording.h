#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/ink/InkPath.h"
#include "lesson/surface/Surface.h"

namespace lesson::test {

// One drawing call as the handlers made it, with the attributes in force.
struct DrawCall {
  enum class Kind { kCls, kLine, kPrint };
  Kind kind = Kind::kCls;
  Stroke stroke;     // kLine
  std::string text;  // kPrint
  SurfaceAttributes attributes;
};

// Records every drawing call in order; optionally passes each call on to
// another surface (the window's image) so that pixels can be checked too.
class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(Surface* tee = nullptr) : tee_(tee) {}

  std::vector<DrawCall> calls;

  std::vector<DrawCall> Lines() const;
  std::vector<DrawCall> Prints() const;
  float Width() const override { return 640; }
  float Height() const override { return 640; }

 protected:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

 private:
  Surface* tee_;
};

// Stands in for the clock and the input of the animations' waits: a wait
// sleeps no real time, the clock jumping to its deadline. Every wait that
// sleeps is recorded with what the Quick box held; a chosen action runs
// inside a chosen wait, as input that arrives while it sleeps, and may start
// waits of its own, nested. (A wait of 0 ms sleeps not at all and is not
// recorded: it processes no input.)
class FakeWait {
 public:
  struct Waited {
    int ms;
    bool quick;
  };
  std::vector<Waited> waits;
  // The Quick box whose state each wait records.
  const Form1* form = nullptr;

  // Runs the action during wait number n (counted from 0), or during the
  // first later wait.
  void At(std::size_t n, std::function<void()> action) { actions_[n] = std::move(action); }
  std::vector<int> Times() const;

  double NowMs() const { return now_; }
  // Time passes outside any wait (the pupil pauses).
  void Pass(double ms) { now_ += ms; }
  bool SleepUntil(double deadline);
  void RunQueuedInput();

 private:
  // An action's input arrives this long after its wait began: a time no
  // sum of whole milliseconds reaches, so that no nested wait can end at
  // the very deadline of the wait it runs in.
  static constexpr double kArrival = 1.0 / (1 << 20);

  std::map<std::size_t, std::function<void()>> actions_;
  double now_ = 0;
  std::vector<double> deadlines_;  // of the waits in progress, innermost last
};

// The front-end of a lesson under test: no screen, waits that pass at once
// (recorded), and a record of the end.
class TestHost final : public Host {
 public:
  FakeWait wait;
  bool ended = false;
  int pictureNotices = 0;
  std::vector<std::string> announced;  // the plane's descriptions told
  int quietIntervals = 0;              // quiet intervals asked for
  std::optional<double> quietDue;      // when the one asked for last runs out
  std::vector<InkUpdate> inkUpdates;   // what the ink's layers were told
  std::vector<std::string> saved;      // the names of the pictures handed in
  int controlNotices = 0;
  std::vector<WindowFit> fits;        // the fits told
  std::vector<std::size_t> selected;  // the boxes whose text a view selected
  std::vector<Supports> supports;     // the supports told
  struct Spoken {
    std::vector<std::string> sentences;
    double rate;
  };
  std::vector<Spoken> spoken;  // what was said, in order

  double NowMs() override { return wait.NowMs(); }
  bool SleepUntil(double deadline) override { return wait.SleepUntil(deadline); }
  void RunQueuedInput() override { wait.RunQueuedInput(); }
  void End() override { ended = true; }
  void ControlChanged(Control& control) override {
    ++controlNotices;
    if (wait.form != nullptr && wait.form->ViewOf(control).selectAll)
      selected.push_back(control.Row());
  }
  void FitChanged(const WindowFit& fit) override { fits.push_back(fit); }
  void FocusChanged() override {}
  void PictureChanged() override { ++pictureNotices; }
  void InkChanged(const InkUpdate& update) override { inkUpdates.push_back(update); }
  void SavePicture(const std::string& name) override { saved.push_back(name); }
  void Announce(const std::string& description) override { announced.push_back(description); }
  void StartQuietInterval(std::int32_t ms) override {
    ++quietIntervals;
    quietDue = NowMs() + ms;
  }
  void SupportsChanged(const Supports& s) override { supports.push_back(s); }
  void Speak(const std::vector<std::string>& sentences, double rate) override {
    spoken.push_back({sentences, rate});
  }
};

// A lesson whose drawing is recorded and whose waits are instantaneous and
// recorded.
struct Lesson {
  RecordingSurface surface;
  TestHost host;
  Form1 form{host, surface};
  FakeWait& pacer = host.wait;

  Lesson() {
    host.wait.form = &form;
    form.Start();
  }
  // Time passes; a quiet interval that runs out meanwhile ends, as the
  // front-end's timer would end it.
  void Pass(double ms);
  // Types the texts into the two boxes and clicks "グラフをかく".
  void Graph(const char* a, const char* b);
  // A click on a control, as the window system delivers it.
  void Click(const Control& control) { form.Click(control); }
  // Forgets what has been recorded so far.
  void Clear();
  const Control* Focus() const { return form.Focus(); }
  std::vector<int> WaitTimes() const { return pacer.Times(); }
};

// The calls as short texts, numbers rounded to two decimals:
// "L x1,y1-x2,y2" for a stroke (the end point resolved), "T x,y,text" for a
// text with the blanks shown as "_".
QStringList Describe(const std::vector<DrawCall>& calls);

// What a lesson shows: its drawing, the texts of its boxes, its scale, Quick,
// and whether the graph, line A and the triangle are shown.
QStringList Shown(Lesson& l);

}  // namespace lesson::test
