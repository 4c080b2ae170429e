#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "plane/Pause.h"
#include "surface/ImageSurface.h"
#include "surface/Surface.h"

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

// Stands in for the clock of the animations: records every wait with what
// the Quick box held, and runs a chosen action during a chosen wait.
class FakePacer final : public Pacer {
 public:
  struct Waited {
    int ms;
    bool quick;
  };
  explicit FakePacer(Form1& form) : form_(form) {}

  std::vector<Waited> waits;
  // Runs the action during wait number n (counted from 0), or during the
  // first later wait that really waits: a wait of 0 ms processes no events.
  void At(std::size_t n, std::function<void()> action) { actions_[n] = std::move(action); }
  void Wait(std::int32_t ms) override;

 private:
  Form1& form_;
  std::map<std::size_t, std::function<void()>> actions_;
};

// A lesson window whose drawing is recorded (and still painted) and whose
// waits are instantaneous and recorded.
struct Lesson {
  Form1 form;
  RecordingSurface surface{&form.PictureImage()};
  FakePacer pacer{form};

  Lesson();
  // Types the texts into the two boxes and clicks "グラフをかく".
  void Graph(const char* a, const char* b);
  // Forgets what has been recorded so far.
  void Clear();
  QWidget* Focus() { return form.focusWidget(); }
  std::vector<int> WaitTimes() const;
};

// Whether the pixel of the plane at (x, y) is (nearly) white.
bool IsWhite(const QImage& image, int x, int y);

}  // namespace lesson::test

namespace lesson::test {

// The calls as short texts, numbers rounded to two decimals:
// "L x1,y1-x2,y2" for a stroke (the end point resolved), "T x,y,text" for a
// text with the blanks shown as "_".
QStringList Describe(const std::vector<DrawCall>& calls);

}  // namespace lesson::test
