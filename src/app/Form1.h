#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/LessonState.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lesson {

class Announcer;
class ImageSurface;
class Pacer;
class PictureBox;
class ScaledLayout;
class Surface;

// The lesson window: the coordinate plane on the left, the entry of a and b
// and the buttons of the constructions on the right.
//
// The controls keep the names under which the lesson refers to them, and the
// handlers are named after their control and event. They are defined beside
// the subsystem they belong to: the window and its life cycle in app/, the
// plane in plane/, the graph in graph/, the constructions in constructions/.
class Form1 final : public QWidget {
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // --- controls -----------------------------------------------------------
  QLineEdit* Text1 = nullptr;              // a
  QLineEdit* Text2 = nullptr;              // b
  QPushButton* Command1 = nullptr;         // "終了", quit
  QPushButton* Command2 = nullptr;         // "初期画面(クリア)", initial screen
  std::array<QPushButton*, 4> Command3{};  // plane sizes "小" "中" "大" "特大"
  QPushButton* Command4 = nullptr;         // "補助線B", hidden for good
  QPushButton* Command5 = nullptr;         // "グラフをかく", draw the graph
  QPushButton* Command6 = nullptr;         // its "消去", hidden for good
  QPushButton* Command7 = nullptr;         // "整数倍", integer multiple
  std::array<QPushButton*, 2> Command8{};  // "拡大" enlarge, "縮小" shrink
  QPushButton* Command9 = nullptr;         // "消去", erase the triangle
  QPushButton* Command10 = nullptr;        // "補助線A", auxiliary line A
  QPushButton* Command11 = nullptr;        // "消去", erase line A
  QPushButton* Command12 = nullptr;        // "補助線C", slope triangle
  QCheckBox* Check1 = nullptr;             // second "Quick", hidden for good
  QCheckBox* Check2 = nullptr;             // "Quick": animations without waits
  PictureBox* Picture1 = nullptr;          // the coordinate plane
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  std::array<QLabel*, 2> Label5{};  // axis names "ｙ" and "χ"
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;

  LessonState& State() { return state_; }
  const LessonState& State() const { return state_; }

  // --- the window: start-up, initial screen, exit (app/) -----------------
  void Form_Load();
  void Command2_Click();
  void Command1_Click();

  // --- the plane (plane/) -------------------------------------------------
  void DrawPlane();
  void Command3_Click(std::int16_t index);
  void Pause(std::int32_t ms);

  // --- the graph (graph/) -------------------------------------------------
  void Command5_Click();
  void Text1_KeyPress(int keyAscii);
  void Text2_KeyPress(int keyAscii);

  // --- the constructions (constructions/) ---------------------------------
  void Command10_Click();
  void Command11_Click();
  // k is read afresh at every step: callers pass TriangleScale itself.
  void DrawSlopeTriangle(const std::int16_t& k);
  void Command12_Click();
  void Command8_Click(std::int16_t index);
  void Command7_Click();
  void Command9_Click();
  void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void Picture1_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  // An arrow key on the focused plane: the triangle moved as by a drag.
  void Picture1_KeyDown(int key, std::int16_t shift);

  // --- the window at another size (scaling/) -------------------------------
  // F11: full screen and back.
  void ToggleFullScreen();
  // Where every control stands at the base size and at the current scale.
  const ScaledLayout& Layout() const { return *layout_; }

  // --- seams ----------------------------------------------------------------
  // The surface the handlers draw on: the plane's image unless a test has put
  // another one in its place (nullptr puts the image back).
  Surface& Picture() { return *surface_; }
  ImageSurface& PictureImage() { return *image_; }
  void SetSurface(Surface* surface);
  // What the animations' waits do (nullptr puts the real wait back).
  void SetPacer(Pacer* pacer);
  // What ending the program does once the window is closed; by default the
  // application's event loops end with status 0.
  void SetEndAction(std::function<void()> action) { endAction_ = std::move(action); }
  bool Ending() const { return ending_; }

  // Whether the Quick box is ticked.
  bool Quick() const;
  void SetQuick(bool ticked);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ConnectHandlers();
  // The wait between two strokes of an animation: Quick is read anew, and a
  // ticked box makes the wait zero.
  void PacedWait(std::int32_t ms);
  // Replays line A at once, with the Quick box ticked.
  void ReplayLineA();
  void SetAnchorByRule();
  void SetStartValues();
  void EndProgram();
  // Accessible names and descriptions (access/): set once, and brought up to
  // date after every handler that an event started.
  void NameControls();
  void DescribeControls();
  void AfterHandler();

  static constexpr int kCheckBoxSpacing = 3;
  static constexpr std::chrono::milliseconds kWindowManagerGrace{300};

  LessonState state_;
  std::unique_ptr<ImageSurface> image_;
  Surface* surface_ = nullptr;
  std::unique_ptr<Pacer> realPacer_;
  Pacer* pacer_ = nullptr;
  std::function<void()> endAction_;
  bool ending_ = false;
  int waitDepth_ = 0;          // waits in progress, nested ones included
  bool resetPending_ = false;  // a reset clicked during a wait, to follow it
  std::unique_ptr<ScaledLayout> layout_;
  bool fullScreen_ = false;  // F11 has asked for full screen
  QRect normalGeometry_;     // the window's place before full screen
  Announcer* planeAnnouncer_ = nullptr;
  // The texts from which the graph on the plane was drawn.
  QString graphSlopeText_;
  QString graphInterceptText_;
};

}  // namespace lesson
