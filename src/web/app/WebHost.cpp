#include "web/app/WebHost.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "lesson/app/Form1.h"
#include "lesson/surface/Numeric.h"
#include "web/Boundary.h"
#include "web/surface/CanvasSurface.h"

namespace lesson::web {

namespace {

// A row of the control table as the page names it, when it is one.
Control* RowOf(const Form1& form, double row) {
  if (!(row >= 0 && row < static_cast<double>(kControls.size())) || std::floor(row) != row)
    return nullptr;
  return &form.Controls().At(static_cast<std::size_t>(row));
}

// A button or Shift code from the page: 16 bits as the handlers take them.
std::int16_t Code(double v) {
  const auto whole = WholeToInt16(v);
  return whole ? *whole : std::int16_t{0};
}

int FontPixels(const Control& control) {
  if (control.Entry().kind == ControlKind::kButton) {
    return PointsToPixels(static_cast<const Button&>(control).FontPoints());
  }
  const double points = control.Entry().fontPoints;
  return PointsToPixels(points > 0 ? points : kDefaultFontPoints);
}

}  // namespace

void WebHost::ShowAll() {
  for (std::size_t row = 0; row < kControls.size(); ++row)
    ControlChanged(form_->Controls().At(row));
  FocusChanged();
  PictureChanged();
}

void WebHost::RunQueuedInput() {
  double args[4] = {0, 0, 0, 0};
  while (const int kind = web_next_event(args, waits_))
    Run(kind, args);
}

void WebHost::Run(int kind, const double* args) {
  Form1& form = *form_;
  Control* control = RowOf(form, args[0]);
  switch (kind) {
    case kClickEvent:
      if (control != nullptr)
        form.Click(*control);
      break;
    case kKeyEvent:
      if (control != nullptr && control->Entry().kind == ControlKind::kTextBox) {
        const auto code = WholeToInt16(args[1]);
        form.KeyPress(static_cast<const TextBox&>(*control), code ? *code : 0);
      }
      break;
    case kEditEvent: {
      char* text = web_event_text();
      if (control != nullptr && control->Entry().kind == ControlKind::kTextBox && text != nullptr)
        static_cast<TextBox&>(*control).Edited(text);
      std::free(text);
      break;
    }
    case kToggleEvent:
      if (control != nullptr && control->Entry().kind == ControlKind::kCheckBox)
        static_cast<CheckBox&>(*control).Toggled(args[1] != 0);
      break;
    case kFocusEvent:
      form.Controls().FocusMoved(control);
      break;
    case kDownEvent:
      form.PointerDown(Code(args[0]), Code(args[1]), NarrowToFloat(args[2]),
                       NarrowToFloat(args[3]));
      break;
    case kMoveEvent:
      form.PointerMove(Code(args[0]), Code(args[1]), NarrowToFloat(args[2]),
                       NarrowToFloat(args[3]));
      break;
    case kUpEvent:
      form.PointerUp(Code(args[0]), Code(args[1]), NarrowToFloat(args[2]), NarrowToFloat(args[3]));
      break;
    case kArrowEvent: {
      static constexpr Arrow kArrows[] = {Arrow::kLeft, Arrow::kRight, Arrow::kUp, Arrow::kDown};
      const auto which = WholeToInt16(args[0]);
      if (which && *which >= 0 && *which < 4)
        form.ArrowKey(kArrows[*which], Code(args[1]));
      break;
    }
    case kResizeEvent:
      Scale(args[0], args[1]);
      break;
    default:
      break;
  }
}

// The picture drawn so far is shown (Form1 tells it before every wait); the
// wait then sleeps until its time is up or input arrives, and runs that
// input before it sleeps again.
void WebHost::Wait(std::int32_t ms) {
  if (ms <= 0)
    return;
  const double start = emscripten_get_now();
  ++waits_;
  for (;;) {
    const double now = emscripten_get_now();
    RunQueuedInput();
    const double left = ms - (now - start);
    if (left <= 0 || form_->Ending())
      break;
    web_wait(left);
  }
  --waits_;
}

void WebHost::End() {
  web_end();
}

void WebHost::Scale(double width, double height) {
  const auto whole = [](double v) {
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, 0.0, 1e6)) : 0;
  };
  scale_ = WindowScale::Fit(whole(width), whole(height));
  web_scale(scale_.factor, scale_.offsetX, scale_.offsetY, scale_.PlaneSide());
  for (std::size_t row = 0; row < kControls.size(); ++row)
    ControlChanged(form_->Controls().At(row));
  picture_.Repaint();
  PictureChanged();
}

void WebHost::ControlChanged(Control& control) {
  const ControlSpec& entry = control.Entry();
  int left = entry.left;
  int top = entry.top;
  std::string text = entry.text;
  bool checked = false;
  bool selectAll = false;
  bool bold = entry.bold;
  switch (entry.kind) {
    case ControlKind::kButton:
      bold = static_cast<const Button&>(control).FontBold();
      break;
    case ControlKind::kTextBox: {
      auto& box = static_cast<TextBox&>(control);
      text = box.Text();
      selectAll = box.TakeSelectAll();
      break;
    }
    case ControlKind::kCheckBox:
      checked = static_cast<const CheckBox&>(control).Checked();
      break;
    case ControlKind::kLabel:
      left = static_cast<const Label&>(control).Left();
      top = static_cast<const Label&>(control).Top();
      break;
    case ControlKind::kPicture:
      break;
  }
  const PixelRect at = scale_.Map({left, top, entry.width, entry.height});
  web_show_control(static_cast<int>(control.Row()), control.Enabled(), control.Visible(), at.left,
                   at.top, at.width, at.height, scale_.Length(FontPixels(control)), bold,
                   text.c_str(), checked, control.Description().c_str(), selectAll);
}

void WebHost::FocusChanged() {
  const Control* focus = form_ != nullptr ? form_->Focus() : nullptr;
  web_focus(focus != nullptr ? static_cast<int>(focus->Row()) : -1);
}

void WebHost::PictureChanged() {
  picture_.Flush();
}

}  // namespace lesson::web
