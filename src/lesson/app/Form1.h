#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "lesson/access/Announcer.h"
#include "lesson/app/Controls.h"
#include "lesson/app/HostGate.h"
#include "lesson/app/LessonState.h"
#include "lesson/ink/Ink.h"
#include "lesson/ink/InkPath.h"
#include "lesson/input/Input.h"
#include "lesson/layout/Arrangement.h"
#include "lesson/supports/Supports.h"

namespace lesson {

class Preparation;
class Surface;

// The lesson window: the coordinate plane on the left, the entry of a and b
// and the buttons of the constructions on the right, as plain models that a
// front-end shows.
//
// The controls keep the names under which the lesson refers to them, and the
// handlers are named after their control and event. They are defined beside
// the subsystem they belong to: the window and its life cycle in app/, the
// plane in plane/, the graph in graph/, the constructions in constructions/.
class Form1 final {
 public:
  // Runs the start-up: the plane is drawn on picture and the controls stand
  // as the lesson begins, with nothing told to the host yet. Both must
  // outlive the window.
  Form1(Host& host, Surface& picture);

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Once the front-end has bound every control and the picture: fits a
  // window of width x height (the front-end's pixels) and shows every
  // control in that fit, the fit itself, the focus, the plane's first
  // description and the picture. From here until the end every change is
  // told to the host.
  void Start(int width = kFormWidth, int height = kFormHeight);
  // The window was given a new size: the lesson chooses the arrangement and
  // scale that fit it (FitWindow) and, where they differ from those in
  // force, shows every control in the new fit and then tells the host of it.
  // After the end nothing is told.
  void Resize(int width, int height);
  // The window is shown at a new pixel ratio in the same size (another
  // screen, the browser's zoom): the plane's view is shown again and the fit
  // told anew, so that the front-end remakes its picture at the new ratio.
  // After the end nothing is told.
  void Repaint();
  // The arrangement and scale the window is shown in.
  const WindowFit& Fit() const { return fit_; }

 private:
  HostGate host_;        // the front-end, as the models reach it
  ControlSet controls_;  // before the controls, which register with it

 public:
  // --- controls -----------------------------------------------------------
  TextBox Text1{controls_, ControlId::kText1};       // a
  TextBox Text2{controls_, ControlId::kText2};       // b
  Button Command1{controls_, ControlId::kCommand1};  // "終了", quit
  Button Command2{controls_, ControlId::kCommand2};  // "初期画面(クリア)", initial screen
  // The plane sizes "小" "中" "大" "特大".
  std::array<Button, kSizeButtons.size()> Command3 = MakeControls<Button>(controls_, kSizeButtons);
  Button Command4{controls_, ControlId::kCommand4};  // "補助線B", hidden for good
  Button Command5{controls_, ControlId::kCommand5};  // "グラフをかく", draw the graph
  Button Command6{controls_, ControlId::kCommand6};  // its "消去", hidden for good
  Button Command7{controls_, ControlId::kCommand7};  // "整数倍", integer multiple
  std::array<Button, 2> Command8{{{controls_, ControlId::kCommand8_0},    // "拡大" enlarge
                                  {controls_, ControlId::kCommand8_1}}};  // "縮小" shrink
  Button Command9{controls_, ControlId::kCommand9};          // "消去", erase the triangle
  Button Command10{controls_, ControlId::kCommand10};        // "補助線A", auxiliary line A
  Button Command11{controls_, ControlId::kCommand11};        // "消去", erase line A
  Button Command12{controls_, ControlId::kCommand12};        // "補助線C", slope triangle
  CheckBox Check1{controls_, ControlId::kCheck1};            // second "Quick", hidden for good
  CheckBox Check2{controls_, ControlId::kCheck2};            // "Quick": animations without waits
  PictureControl Picture1{controls_, ControlId::kPicture1};  // the coordinate plane
  Label Label1{controls_, ControlId::kLabel1};
  Label Label2{controls_, ControlId::kLabel2};
  Label Label3{controls_, ControlId::kLabel3};
  Label Label4{controls_, ControlId::kLabel4};
  std::array<Label, 2> Label5{{{controls_, ControlId::kLabel5_0},  // axis names "ｙ" and "χ"
                               {controls_, ControlId::kLabel5_1}}};
  Label Label6{controls_, ControlId::kLabel6};
  Label Label7{controls_, ControlId::kLabel7};
  Label Label8{controls_, ControlId::kLabel8};
  // The ink's tools (ink/).
  ToggleButton PenTool{controls_, ControlId::kPenTool};  // "ペン", writing on or off
  // The pen's colours, black, green and orange.
  std::array<ToggleButton, kPenColourButtons.size()> PenColour =
      MakeControls<ToggleButton>(controls_, kPenColourButtons);
  ToggleButton EraserTool{controls_, ControlId::kEraserTool};  // "消しゴム"
  Button UndoInk{controls_, ControlId::kUndoInk};              // "元に戻す"
  Button ClearInk{controls_, ControlId::kClearInk};            // "全部消す"
  Button SavePicture{controls_, ControlId::kSavePicture};      // "画像で保存"
  // The reading supports (supports/).
  ToggleButton Furigana{controls_, ControlId::kFurigana};      // "ふりがな"
  ToggleButton ReadAloud{controls_, ControlId::kReadAloud};    // "読み上げ"
  ToggleButton ReadSlowly{controls_, ControlId::kReadSlowly};  // "ゆっくり"
  ToggleButton DarkScheme{controls_, ControlId::kDarkScheme};  // "白黒反転"

  // What a front-end shows of a control in the window's fit: the control's
  // view placed in the arrangement in force, with its hit area there, in
  // the layout's pixels (the front-end scales them). Asking changes nothing.
  ControlView ViewOf(const Control& control) const;

  // Every control by its row of the control table, and the focus.
  const ControlSet& Controls() const { return controls_; }
  ControlSet& Controls() { return controls_; }
  Control* Focus() const { return controls_.Focus(); }
  const std::string& Caption() const { return caption_; }

  LessonState& State() { return state_; }
  const LessonState& State() const { return state_; }

  // --- events from the front-end --------------------------------------------
  // Each runs the handler that the event stands for, as the window system
  // would; afterwards the descriptions follow the lesson and the picture is
  // told. Events for a disabled or hidden control, and any event after the
  // end, do nothing.
  void Click(const Control& control);
  void KeyPress(const TextBox& box, BoxKey key);
  void Pointer(const PointerEvent& event);
  void PlaneKey(ArrowKey key);
  // A new text reached a box: the box keeps it as the lesson receives such
  // text, and is told to show it when that differs.
  void TextReceived(TextBox& box, std::string_view text, TextOrigin origin);
  // The window was closed by the window system.
  void Close();
  // The quiet interval that the host was asked for has run out.
  void QuietIntervalEnded();
  // An example prepared by a link or the command line: its settings applied
  // in their order, each step as a pupil takes it (an animation it starts
  // waits inside this event, as inside a click).
  void Prepare(const Preparation& example);

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
  void Picture1_KeyDown(Arrow key, std::int16_t shift);

  // --- the ink (ink/) --------------------------------------------------------
  void PenTool_Click();
  void PenColour_Click(std::int16_t index);
  void EraserTool_Click();
  void UndoInk_Click();
  void ClearInk_Click();
  void SavePicture_Click();
  const Ink& Marks() const { return ink_; }
  // The front-end's layers of ink are blank (a new size): the marks are
  // drawn afresh on them at once.
  void InkLost();
  // The name the picture is handed in under.
  std::string PictureFileName() const;

  // --- the reading supports (supports/) ---------------------------------------
  void Furigana_Click();
  void ReadAloud_Click();
  void ReadSlowly_Click();
  void DarkScheme_Click();
  const Supports& SupportsInForce() const { return supports_; }
  // The supports a device kept or a link sets: the toggles follow, and from
  // the start on the host is told. Before the start it is told at the start.
  void SetSupports(const Supports& supports);
  // The host has no Japanese voice: 読み上げ says so, once.
  void NoJapaneseVoice();

  // --- seams ----------------------------------------------------------------
  // The surface the handlers draw on: the front-end's picture unless a test
  // has put another one in its place (nullptr puts the picture back).
  Surface& Picture() { return *surface_; }
  void SetSurface(Surface* surface);
  bool Ending() const { return ending_; }

  // Whether the Quick box is ticked.
  bool Quick() const { return Check2.Checked(); }
  void SetQuick(bool ticked) { Check2.SetChecked(ticked); }

 private:
  template <class Handler>
  void Dispatch(Handler&& handler);
  void FinishEvent();
  // The wait between two strokes of an animation: Quick is read anew, and a
  // ticked box makes the wait zero.
  void PacedWait(std::int32_t ms);
  // The host's wait: until ms milliseconds have passed, running the input
  // that arrives meanwhile.
  void WaitFor(std::int32_t ms);
  // Replays line A at once, with the Quick box ticked.
  void ReplayLineA();
  void SetAnchorByRule();
  void SetStartValues();
  void EndProgram();
  // Every control told in the fit in force, then the fit itself.
  void ShowFit();
  // The accessible descriptions (access/), brought up to date after every
  // event, and the notice of what was drawn.
  void DescribeControls();
  void ShowPicture();
  // What a pointer on the plane does: a pen writes (or erases with the
  // eraser on); a finger or a mouse writes or erases with a tool on, and
  // otherwise drags the triangle as ever. One pointer holds the plane at a
  // time; a pen that touches it takes it from a finger (a palm rests on the
  // screen as the pen comes down), and while the pen holds it every other
  // touch is ignored.
  void RoutePointer(const PointerEvent& e);
  void OperatePlane(const PointerEvent& e);
  void Ink_Pointer(const PointerEvent& e);
  void EndPointer();
  // The ink's tools follow the ink; the front-end's layers are told what
  // changed.
  void UpdateInkTools();
  // Turns one support on or off.
  void Toggle(bool Supports::*support);
  // Speaks the sentences while 読み上げ is on, at the speed chosen, unless
  // a handler is rebuilding the picture (a replay says nothing: the pupil
  // hears what they asked for, not how the picture is made again).
  void Say(const std::vector<std::string>& sentences);
  // Holds speech back while it lives: a handler's replays of the graph and
  // the constructions.
  class Replaying {
   public:
    explicit Replaying(Form1& form) : form_(form) { ++form_.replays_; }
    ~Replaying() { --form_.replays_; }
    Replaying(const Replaying&) = delete;
    Replaying& operator=(const Replaying&) = delete;

   private:
    Form1& form_;
  };
  void ShowInk();
  InkScale Scale() const;

  Surface& picture_;
  Surface* surface_;
  LessonState state_;
  std::string caption_;
  bool ending_ = false;
  int eventDepth_ = 0;              // events being handled, nested ones included
  int waitDepth_ = 0;               // waits in progress, nested ones included
  bool resetPending_ = false;       // a reset clicked during a wait, to follow it
  std::uint64_t shownDrawing_ = 0;  // the picture's drawing count last told
  Announcer announcer_;             // of the plane's description
  WindowFit fit_;                   // the arrangement and scale shown
  // Each control's hit area in the landscape and the portrait arrangement.
  std::array<std::array<PixelRect, kControlCount>, 2> hitAreas_;
  // The marks, what the front-end has drawn of them, and the tools.
  enum class InkTool { kNone, kPen, kEraser };
  enum class PointerRole { kOperate, kWrite, kErase };
  struct PlaneHolder {
    std::int32_t id = 0;
    PointerKind kind = PointerKind::kMouse;
    PointerRole role = PointerRole::kOperate;
    PointerPoint last;
  };
  Ink ink_;
  InkPresenter inkShown_;
  InkTool tool_ = InkTool::kNone;
  std::size_t inkColour_ = 0;
  std::optional<PlaneHolder> holder_;  // the pointer that holds the plane
  Supports supports_;
  bool voiceMissingTold_ = false;
  int replays_ = 0;  // replays in progress (Replaying)
  // The texts from which the graph on the plane was drawn.
  std::string graphSlopeText_;
  std::string graphInterceptText_;
};

}  // namespace lesson
