// The ink's tools and the pointer on the plane: who writes, who erases and
// who drags the triangle.

#include <cmath>

#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/ink/InkTexts.h"

namespace lesson {

namespace {

// A mark's width and the eraser's reach, in plane pixels.
constexpr float kInkWidth = 4;
constexpr float kEraserRadius = 12;

// Points far outside the plane are held at a distance: a pointer held
// beyond the window still writes toward it, and no number grows without
// bound.
InkPoint Held(PointerPoint p) {
  const auto hold = [](float v) {
    return std::isfinite(v) ? std::fmax(-640.f, std::fmin(v, 1280.f)) : 0.f;
  };
  return {hold(p.x), hold(p.y)};
}

}  // namespace

void Form1::PenTool_Click() {
  tool_ = tool_ == InkTool::kPen ? InkTool::kNone : InkTool::kPen;
}

// A colour chosen is a colour to write with: the pen goes on.
void Form1::PenColour_Click(std::int16_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kInkColours.size())
    return;
  inkColour_ = static_cast<std::size_t>(index);
  tool_ = InkTool::kPen;
}

void Form1::EraserTool_Click() {
  tool_ = tool_ == InkTool::kEraser ? InkTool::kNone : InkTool::kEraser;
}

void Form1::UndoInk_Click() {
  EndPointer();
  ink_.Undo();
}

void Form1::ClearInk_Click() {
  EndPointer();
  ink_.Clear();
}

void Form1::SavePicture_Click() {
  EndPointer();
  ShowPicture();
  ShowInk();
  host_.SavePicture(PictureFileName());
}

std::string Form1::PictureFileName() const {
  return PictureName(state_.GraphDrawn == 1, graphSlopeText_, graphInterceptText_);
}

void Form1::InkLost() {
  inkShown_.Lost();
  ShowInk();
}

InkScale Form1::Scale() const {
  return {state_.UnitPx, static_cast<float>(state_.OriginX), static_cast<float>(state_.OriginY)};
}

void Form1::UpdateInkTools() {
  PenTool.SetPressed(tool_ == InkTool::kPen);
  for (std::size_t i = 0; i < PenColour.size(); ++i)
    PenColour[i].SetPressed(inkColour_ == i);
  EraserTool.SetPressed(tool_ == InkTool::kEraser);
  UndoInk.SetEnabled(ink_.CanUndo());
  ClearInk.SetEnabled(!ink_.Strokes().empty());
}

void Form1::ShowInk() {
  if (const auto update = inkShown_.Update(ink_, Scale()))
    host_.InkChanged(*update);
}

void Form1::RoutePointer(const PointerEvent& e) {
  const bool press = e.action == PointerEvent::Action::kPress;
  if (holder_ && holder_->id != e.id) {
    // Another pointer holds the plane: only a pen coming down takes it, from
    // a finger or the mouse.
    if (!press || e.kind != PointerKind::kPen || holder_->kind == PointerKind::kPen)
      return;
    EndPointer();
  }
  if (!holder_) {
    // The tip of a pen, a finger, the mouse's main button: another button
    // of the mouse keeps to the lesson's handlers.
    const bool writes =
        (e.kind == PointerKind::kPen || tool_ != InkTool::kNone) && (e.button & kLeftButton) != 0;
    if (!press) {
      // A pointer the plane never saw pressed: the lesson's handlers take it
      // as they always have, unless it would write.
      if (!writes)
        OperatePlane(e);
      return;
    }
    PlaneHolder holder{e.id, e.kind, PointerRole::kOperate, {e.x, e.y}};
    if (tool_ == InkTool::kEraser)
      holder.role = PointerRole::kErase;
    else if (writes)
      holder.role = PointerRole::kWrite;
    holder_ = holder;
  }
  if (holder_->role == PointerRole::kOperate) {
    holder_->last = {e.x, e.y};
    OperatePlane(e);
  } else
    Ink_Pointer(e);
  if (holder_ && e.up)
    holder_.reset();
}

// A writing or erasing pointer: every point it passed through counts.
void Form1::Ink_Pointer(const PointerEvent& e) {
  PlaneHolder& h = *holder_;
  const bool erase = h.role == PointerRole::kErase;
  if (e.action == PointerEvent::Action::kPress) {
    h.last = {e.x, e.y};
    if (erase)
      ink_.Erase(Held(h.last), Held(h.last), kEraserRadius, Scale());
    else
      ink_.Begin(Held(h.last), kInkColours[inkColour_], kInkWidth, state_.UnitPx);
    return;
  }
  const auto through = [&](PointerPoint p) {
    if (erase)
      ink_.Erase(Held(h.last), Held(p), kEraserRadius, Scale());
    else
      ink_.Extend(Held(p));
    h.last = p;
  };
  for (const PointerPoint& p : e.trail)
    through(p);
  through({e.x, e.y});
  if (e.up) {
    if (erase)
      ink_.EndErasing();
    else
      ink_.End();
  }
}

// The pointer that holds the plane lets go of it as if it were lifted where
// it was last: a drag of the triangle ends, a mark is finished.
void Form1::EndPointer() {
  if (!holder_)
    return;
  const PlaneHolder h = *holder_;
  holder_.reset();
  switch (h.role) {
    case PointerRole::kOperate:
      Picture1_MouseUp(kLeftButton, 0, h.last.x, h.last.y);
      break;
    case PointerRole::kWrite:
      ink_.End();
      break;
    case PointerRole::kErase:
      ink_.EndErasing();
      break;
  }
}

}  // namespace lesson
