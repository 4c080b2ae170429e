#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>

#include "desktop/app/ControlWidgets.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"

namespace lesson {

class ImageSurface;
class Pacer;
class ScaledLayout;

// The lesson as a desktop window: the core's Form1 shown through Qt widgets.
// The window builds one widget per row of the control table and binds each
// to its model both ways: a click or a key runs the core's handler, an edit
// or a tick updates the model, and a model that changes updates its widget.
// The plane is shown from an image surface at the screen's pixel ratio.
//
// The core reaches the window only as its Host (app/DesktopHost.cpp): the
// waits of the animations, the end of the program, and the notices of change.
class LessonWindow final : public QWidget, private Host {
 public:
  explicit LessonWindow(QWidget* parent = nullptr);
  ~LessonWindow() override;

  LessonWindow(const LessonWindow&) = delete;
  LessonWindow& operator=(const LessonWindow&) = delete;

  // The lesson behind the window.
  Form1& Form() { return *form_; }
  const Form1& Form() const { return *form_; }

  // The widget that shows a control, as the widget of its kind.
  template <class Model>
  auto* WidgetOf(const Model& model) const {
    return static_cast<typename ShownBy<Model>::Widget*>(widgets_.at(model.Row()));
  }

  // The image the plane is drawn into.
  ImageSurface& PictureImage() { return *image_; }

  // F11: full screen and back.
  void ToggleFullScreen();
  // Where every control stands at the base size and at the current scale.
  const ScaledLayout& Layout() const { return *layout_; }

  // --- seams ----------------------------------------------------------------
  // What the animations' waits do (nullptr puts the real wait back).
  void SetPacer(Pacer* pacer);
  // What ending the program does once the window is hidden; by default the
  // application's event loops end with status 0.
  void SetEndAction(std::function<void()> action) { endAction_ = std::move(action); }
  // What handing the picture in does with its image (the picture with the
  // ink over it) and the name the lesson gives it, once the image is on the
  // clipboard; by default the pupil chooses a file to write it to.
  using SaveAction = std::function<void(const QImage& image, const QString& fileName)>;
  void SetSaveAction(SaveAction action) { saveAction_ = std::move(action); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // --- Host (app/DesktopHost.cpp) --------------------------------------------
  double NowMs() override;
  bool SleepUntil(double deadlineMs) override;
  void RunQueuedInput() override;
  void End() override;
  void Announce(const std::string& planeDescription) override;
  void StartQuietInterval(std::int32_t ms) override;
  void ControlChanged(Control& control) override;
  // Scales the controls and the plane to the lesson's new fit
  // (scaling/WindowScaling.cpp).
  void FitChanged(const WindowFit& fit) override;
  void FocusChanged() override;
  void PictureChanged() override;
  void InkChanged(const InkUpdate& update) override;
  void SavePicture(const std::string& fileName) override;
  void SupportsChanged(const Supports& supports) override;
  void Speak(const std::vector<std::string>& sentences, double rate) override;
  // The default SaveAction: a file dialog, then the PNG written there.
  void SaveToChosenFile(const QImage& image, const QString& fileName);

  void BuildControls();
  void ConnectHandlers();
  // Brings a widget up to date with its model.
  void Show(Control& control);
  // Names the controls for a screen reader (access/).
  void NameControls();
  Control* ModelOf(const QWidget* widget) const;

  static constexpr std::chrono::milliseconds kWindowManagerGrace{300};

  std::unique_ptr<ImageSurface> image_;
  std::unique_ptr<Pacer> realPacer_;
  Pacer* pacer_ = nullptr;
  std::function<void()> endAction_;
  SaveAction saveAction_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::unique_ptr<Form1> form_;
  PictureBox* picture_ = nullptr;
  std::unique_ptr<ScaledLayout> layout_;
  QMetaObject::Connection focusTracking_;
  int showing_ = 0;          // a model is being shown: the widgets' signals are ours
  bool fullScreen_ = false;  // F11 has asked for full screen
  QRect normalGeometry_;     // the window's place before full screen
};

}  // namespace lesson
