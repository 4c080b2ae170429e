#include "web/app/WebHost.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "lesson/app/Form1.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/surface/Numeric.h"
#include "web/Boundary.h"
#include "web/input/DomInput.h"
#include "web/surface/CanvasSurface.h"

namespace lesson::web {

namespace {

// A row of the control table as the page names it, when it is one.
Control* RowOf(const Form1& form, double row) {
  if (!(row >= 0 && row < static_cast<double>(kControls.size())) || std::floor(row) != row)
    return nullptr;
  return &form.Controls().At(static_cast<std::size_t>(row));
}

// The text box at that row, when there is one.
TextBox* BoxAt(const Form1& form, double row) {
  Control* control = RowOf(form, row);
  return control != nullptr && control->Entry().kind == ControlKind::kTextBox
             ? static_cast<TextBox*>(control)
             : nullptr;
}

int Whole(double v) {
  return std::isfinite(v) ? static_cast<int>(std::clamp(v, -1e6, 1e6)) : 0;
}

}  // namespace

// UTF-8 takes at most three bytes for each UTF-16 unit a box holds.
WebHost::WebHost(CanvasSurface& picture)
    : picture_(picture), text_(static_cast<std::size_t>(kBoxMaxLength) * 3 + 64) {}

void WebHost::Start(double width, double height) {
  ShowScaled(width, height);
  FocusChanged();
  web_announce(form_->Picture1.Description().c_str());
  PictureChanged();
}

void WebHost::RunQueuedInput() {
  double numbers[kEventNumbers] = {};
  while (const int kind = web_next_event(numbers, text_.data(), static_cast<int>(text_.size())))
    Run(kind, numbers, text_.data());
}

void WebHost::Run(int kind, const double* n, const char* text) {
  Form1& form = *form_;
  switch (kind) {
    case kClickEvent:
      if (Control* control = RowOf(form, n[0]))
        form.Click(*control);
      break;
    case kKeyEvent:
      if (TextBox* box = BoxAt(form, n[0])) {
        if (const auto key = BoxKeyFromDom(text, n[1] != 0, Whole(n[2])))
          form.KeyPress(*box, *key);
      }
      break;
    case kInputEvent:
      if (TextBox* box = BoxAt(form, n[0])) {
        const std::string_view all(text);
        const auto typeBytes =
            std::min(static_cast<std::size_t>(std::max(0, Whole(n[2]))), all.size());
        form.TextReceived(*box, all.substr(typeBytes),
                          OriginFromDom(all.substr(0, typeBytes), n[1] != 0));
      }
      break;
    case kCompositionEndEvent:
      if (TextBox* box = BoxAt(form, n[0]))
        form.TextReceived(*box, text, TextOrigin::kTyped);
      break;
    case kToggleEvent:
      if (Control* control = RowOf(form, n[0]);
          control != nullptr && control->Entry().kind == ControlKind::kCheckBox)
        static_cast<CheckBox&>(*control).Toggled(n[1] != 0);
      break;
    case kFocusEvent:
      form.Controls().FocusMoved(RowOf(form, n[0]));
      break;
    case kPointerEvent:
      if (const auto e = PointerFromDom(Whole(n[0]), Whole(n[1]), Whole(n[2]), n[3] != 0, n[4] != 0,
                                        n[5] != 0, n[6], n[7]))
        form.Pointer(*e);
      break;
    case kPlaneKeyEvent:
      if (const auto key = ArrowFromDom(text, n[0] != 0, n[1] != 0, n[2] != 0))
        form.PlaneKey(*key);
      break;
    case kResizeEvent:
      Scale(n[0], n[1]);
      break;
    case kQuietEvent:
      form.QuietIntervalEnded();
      break;
    case kLinkEvent:
      form.Prepare(Preparation::FromQuery(text));
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
  web_end(kEndedNotice, kRestartCaption);
}

void WebHost::ShowScaled(double width, double height) {
  scale_ = WindowScale::Fit(std::max(0, Whole(width)), std::max(0, Whole(height)));
  for (std::size_t row = 0; row < kControls.size(); ++row)
    ControlChanged(form_->Controls().At(row));
}

void WebHost::Scale(double width, double height) {
  ShowScaled(width, height);
  picture_.Repaint();
  PictureChanged();
}

void WebHost::ControlChanged(Control& control) {
  const ControlView v = TakeView(control);
  const PixelRect at = scale_.Map({v.left, v.top, v.width, v.height});
  web_show_control(static_cast<int>(control.Row()), v.enabled, v.visible, at.left, at.top, at.width,
                   at.height, scale_.Length(FontPixels(v.fontPoints)), v.bold, v.text.c_str(),
                   v.checked, v.description.c_str(), v.selectAll);
}

void WebHost::FocusChanged() {
  const Control* focus = form_ != nullptr ? form_->Focus() : nullptr;
  web_focus(focus != nullptr ? static_cast<int>(focus->Row()) : -1);
}

void WebHost::PictureChanged() {
  picture_.Flush();
}

void WebHost::Announce(const std::string& planeDescription) {
  web_announce(planeDescription.c_str());
}

void WebHost::StartQuietInterval(std::int32_t ms) {
  web_quiet_after(ms);
}

}  // namespace lesson::web
