#pragma once

#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/app/ControlWidgets.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/supports/Palette.h"

class QLabel;
class QSettings;

namespace lesson {

class ImageSurface;
class Pacer;
class ScaledLayout;
class Speaker;

// The lesson as a desktop window: the core's Form1 shown through Qt widgets.
// The window builds one widget per row of the control table and binds each
// to its model both ways: a click or a key runs the core's handler, an edit
// or a tick updates the model, and a model that changes updates its widget.
// The plane is shown from an image surface at the screen's pixel ratio.
//
// The core reaches the window only as its Host (app/DesktopHost.cpp): the
// waits of the animations, the end of the program, and the notices of change.
//
// The reading supports (app/Supports.cpp) are kept in the settings given,
// for the device: read before the lesson starts, written at each change.
// Without settings they are not kept.
class LessonWindow final : public QWidget, private Host {
 public:
  explicit LessonWindow(QWidget* parent = nullptr, QSettings* kept = nullptr);
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

  // --- the reading supports (app/Supports.cpp) ---------------------------------
  // The supports the settings keep (all off without them).
  Supports KeptSupports() const;
  void Keep(const Supports& supports);
  // The window, its controls, the plane and the ink in the scheme.
  void ShowScheme(Scheme scheme);
  // The readings over the kanji shown or hidden; the rows the lesson moves
  // for them moved.
  void ShowRuby(bool shown);
  // A widget that shows readings stands taller by the room they need above
  // its box, or as its box again.
  void FitReadings(QWidget* widget);
  // A short note beside a control, gone after a while or at the next press.
  void ShowNote(QWidget* beside, const QString& text);

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
  QSettings* kept_ = nullptr;
  Scheme scheme_ = Scheme::kLight;
  bool ruby_ = false;
  // The window's and the widgets' own palettes as the light scheme has them.
  QPalette lightPalette_;
  std::array<std::optional<QPalette>, kControlCount> lightPalettes_{};
  Speaker* speaker_ = nullptr;
  QLabel* note_ = nullptr;
  bool voiceMissingShown_ = false;
};

}  // namespace lesson
