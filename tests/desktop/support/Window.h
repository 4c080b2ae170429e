#pragma once

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desktop/app/LessonWindow.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/surface/ImageSurface.h"
#include "desktop/surface/PictureBox.h"
#include "support/Recording.h"

namespace lesson::test {

// A window's waits that pass at once, recorded with what Quick held.
class FakePacer final : public Pacer {
 public:
  explicit FakePacer(const Form1& form) { record.form = &form; }
  FakeWait record;
  double NowMs() override { return record.NowMs(); }
  bool SleepUntil(double deadlineMs) override { return record.SleepUntil(deadlineMs); }
  void RunQueuedInput() override { record.RunQueuedInput(); }
};

// A lesson window whose drawing is recorded (and still painted), whose
// waits are instantaneous and recorded, and whose picture handed in goes no
// further than the clipboard.
struct WindowLesson {
  LessonWindow window;
  Form1& form = window.Form();
  RecordingSurface surface{&window.PictureImage()};
  FakePacer fakePacer{form};
  FakeWait& pacer = fakePacer.record;

  WindowLesson();
  // Types the texts into the two boxes and clicks "グラフをかく", on the widgets.
  void Graph(const char* a, const char* b);
  // The widget of a control.
  template <class Model>
  auto W(const Model& model) const {
    return window.WidgetOf(model);
  }
  // Forgets what has been recorded so far.
  void Clear();
};

// Whether the pixel of the plane at (x, y) is (nearly) white.
bool IsWhite(const QImage& image, int x, int y);

}  // namespace lesson::test
