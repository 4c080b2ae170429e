#include "lesson/app/Form1.h"
#include "lesson/layout/RubyRoom.h"

#include "lesson/access/AccessibleTexts.h"
#include "lesson/access/PlaneDescription.h"
#include "lesson/app/Host.h"
#include "lesson/ink/InkTexts.h"
#include "lesson/layout/HitAreas.h"
#include "lesson/surface/Surface.h"

namespace lesson {

Form1::Form1(Host& host, Surface& picture)
    : host_(host),
      controls_(host_),
      picture_(picture),
      surface_(&picture),
      announcer_(host_),
      hitAreas_{HitAreas(Arrangement::kLandscape), HitAreas(Arrangement::kPortrait)} {
  Form_Load();
  Text1.SetFocus();
  DescribeControls();
  UpdateInkTools();
  shownDrawing_ = surface_->Drawn();
}

void Form1::Start(int width, int height) {
  if (host_.IsOpen() || ending_)
    return;
  fit_ = FitWindow(width, height);
  host_.Open();
  host_.SupportsChanged(supports_);
  ShowFit();
  host_.FocusChanged();
  announcer_.Start(Picture1.Description());
  shownDrawing_ = surface_->Drawn();
  host_.PictureChanged();
}

void Form1::Resize(int width, int height) {
  if (ending_)
    return;
  const WindowFit fit = FitWindow(width, height);
  if (fit == fit_)
    return;
  fit_ = fit;
  ShowFit();
}

void Form1::Repaint() {
  if (ending_)
    return;
  host_.ControlChanged(Picture1);
  host_.FitChanged(fit_);
}

// Before the start and after the end the gate keeps all of it from the host.
void Form1::ShowFit() {
  for (std::size_t row = 0; row < kControlCount; ++row)
    host_.ControlChanged(controls_.At(row));
  host_.FitChanged(fit_);
}

ControlView Form1::ViewOf(const Control& control) const {
  ControlView view = ModelView(control);
  const std::size_t row = control.Row();
  view.place = Arranged(fit_.arrangement, row, view.place);
  if (TakesTaps(row) && control.Id() != ControlId::kPicture1)
    view.hitArea = hitAreas_[fit_.arrangement == Arrangement::kPortrait ? 1 : 0][row];
  if (supports_.ruby) {
    const int down = RubyRoomOf(fit_.arrangement, row);
    view.place.top += down;
    if (view.hitArea)
      view.hitArea->top += down;
  }
  return view;
}

void Form1::SetSurface(Surface* surface) {
  Surface* next = surface != nullptr ? surface : &picture_;
  // The new surface takes over the pen, font and text position in force.
  next->SetAttributes(surface_->Attributes());
  surface_ = next;
  shownDrawing_ = surface_->Drawn();
}

void Form1::PacedWait(std::int32_t ms) {
  Pause(Quick() ? 0 : ms);
}

// Every event runs its handler to completion, nested events included. A
// reset asked for during a wait runs once the event that started the
// animation has been handled whole.
template <class Handler>
void Form1::Dispatch(Handler&& handler) {
  if (ending_)
    return;
  ++eventDepth_;
  handler();
  FinishEvent();
}

void Form1::FinishEvent() {
  --eventDepth_;
  if (ending_)
    return;
  DescribeControls();
  UpdateInkTools();
  announcer_.Describe(Picture1.Description());
  ShowPicture();
  ShowInk();
  if (eventDepth_ == 0 && resetPending_) {
    resetPending_ = false;
    ++eventDepth_;
    Command2_Click();
    FinishEvent();
  }
}

void Form1::Click(const Control& control) {
  if (!control.Enabled() || !control.Visible())
    return;
  const auto is = [&control](const Control& c) { return &c == &control; };
  for (std::size_t i = 0; i < Command3.size(); ++i) {
    if (is(Command3[i]))
      return Dispatch([this, i] { Command3_Click(static_cast<std::int16_t>(i)); });
  }
  for (std::size_t i = 0; i < Command8.size(); ++i) {
    if (is(Command8[i]))
      return Dispatch([this, i] { Command8_Click(static_cast<std::int16_t>(i)); });
  }
  for (std::size_t i = 0; i < PenColour.size(); ++i) {
    if (is(PenColour[i]))
      return Dispatch([this, i] { PenColour_Click(static_cast<std::int16_t>(i)); });
  }
  using Handler = void (Form1::*)();
  const std::pair<const Control*, Handler> handlers[] = {
      {&Command1, &Form1::Command1_Click},       {&Command2, &Form1::Command2_Click},
      {&Command5, &Form1::Command5_Click},       {&Command7, &Form1::Command7_Click},
      {&Command9, &Form1::Command9_Click},       {&Command10, &Form1::Command10_Click},
      {&Command11, &Form1::Command11_Click},     {&Command12, &Form1::Command12_Click},
      {&PenTool, &Form1::PenTool_Click},         {&EraserTool, &Form1::EraserTool_Click},
      {&UndoInk, &Form1::UndoInk_Click},         {&ClearInk, &Form1::ClearInk_Click},
      {&SavePicture, &Form1::SavePicture_Click}, {&Furigana, &Form1::Furigana_Click},
      {&ReadAloud, &Form1::ReadAloud_Click},     {&ReadSlowly, &Form1::ReadSlowly_Click},
      {&DarkScheme, &Form1::DarkScheme_Click},
  };
  for (const auto& [button, handler] : handlers) {
    if (is(*button))
      return Dispatch([this, handler = handler] { (this->*handler)(); });
  }
}

void Form1::KeyPress(const TextBox& box, BoxKey key) {
  if (&box == &Text1)
    Dispatch([this, key] { Text1_KeyPress(key.keyAscii); });
  if (&box == &Text2)
    Dispatch([this, key] { Text2_KeyPress(key.keyAscii); });
}

void Form1::Pointer(const PointerEvent& e) {
  Dispatch([this, &e] { RoutePointer(e); });
}

// The lesson's own handlers of the plane: a press, a move or a release.
void Form1::OperatePlane(const PointerEvent& e) {
  switch (e.action) {
    case PointerEvent::Action::kPress:
      return Picture1_MouseDown(e.button, e.shift, e.x, e.y);
    case PointerEvent::Action::kMove:
      return Picture1_MouseMove(e.button, e.shift, e.x, e.y);
    case PointerEvent::Action::kRelease:
      return Picture1_MouseUp(e.button, e.shift, e.x, e.y);
  }
}

void Form1::PlaneKey(ArrowKey key) {
  Dispatch([this, key] { Picture1_KeyDown(key.arrow, key.shift); });
}

void Form1::TextReceived(TextBox& box, std::string_view text, TextOrigin origin) {
  if (!ending_)
    box.Received(text, origin);
}

void Form1::Close() {
  EndProgram();
}

void Form1::QuietIntervalEnded() {
  if (!ending_)
    announcer_.QuietEnded();
}

void Form1::DescribeControls() {
  for (Button& b : Command3)
    b.SetDescription(AccessibleDescription(b.Entry(), state_.UnitPx));
  Picture1.SetDescription(DescribePlane(state_, graphSlopeText_, graphInterceptText_) +
                          DescribeInk(ink_.Strokes().size()));
}

void Form1::ShowPicture() {
  if (surface_->Drawn() == shownDrawing_)
    return;
  shownDrawing_ = surface_->Drawn();
  host_.PictureChanged();
}

}  // namespace lesson
