#include "web/app/WebHost.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>

#include "lesson/app/Form1.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/surface/Numeric.h"
#include "web/Boundary.h"
#include "web/input/DomInput.h"
#include "web/surface/CanvasSurface.h"
#include "web/surface/InkList.h"

namespace lesson::web {

namespace {

// A row of the control table as the page names it, when it is one.
Control* RowOf(const Form1& form, double row) {
  if (!(row >= 0 && row < static_cast<double>(kControlCount)) || std::floor(row) != row)
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
    : picture_(picture),
      text_(static_cast<std::size_t>(kBoxMaxLength) * 3 + 64),
      points_(static_cast<std::size_t>(kEventPoints)) {}

void WebHost::Start(double width, double height) {
  fit_ = FitWindow(std::max(0, Whole(width)), std::max(0, Whole(height)));
  form_->Start();
}

void WebHost::RunQueuedInput() {
#ifdef LESSON_WEB_TESTING
  ++runs_;
#endif
  double numbers[kEventNumbers] = {};
  while (const int kind = web_next_event(numbers, text_.data(), static_cast<int>(text_.size())))
    Run(kind, numbers, text_.data());
#ifdef LESSON_WEB_TESTING
  --runs_;
#endif
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
    case kPointerEvent: {
      const int count = web_event_points(points_.data(), static_cast<int>(points_.size()));
      const std::span<const double> trail(
          points_.data(), static_cast<std::size_t>(std::clamp(count, 0, kEventPoints)));
      if (const auto e =
              PointerFromDom(text, Whole(n[0]), Whole(n[1]), n[2] != 0, n[3] != 0, n[4] != 0, n[5],
                             n[6], CanvasBox{n[7], n[8], n[9]}, n[10], trail))
        form.Pointer(*e);
      break;
    }
    case kPlaneKeyEvent:
      if (const auto key = ArrowFromDom(text, n[0] != 0, n[1] != 0, n[2] != 0))
        form.PlaneKey(*key);
      break;
    case kResizeEvent:
      Fit(n[0], n[1]);
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

double WebHost::NowMs() {
  return emscripten_get_now();
}

// The picture drawn so far has been shown (Form1 tells it before every
// wait); the page sleeps until the deadline or the next input.
bool WebHost::SleepUntil(double deadlineMs) {
  const double left = deadlineMs - NowMs();
  if (left > 0)
    web_wait(left);
  return true;
}

void WebHost::End() {
  web_end(kEndedNotice, kRestartCaption);
}

// Every control is shown again in the arrangement and at the scale that fit
// the new room (a tablet turned upright has them beneath the plane); the
// canvas has lost its picture at its new size and is drawn afresh.
void WebHost::Fit(double width, double height) {
  fit_ = FitWindow(std::max(0, Whole(width)), std::max(0, Whole(height)));
  for (std::size_t row = 0; row < kControlCount; ++row)
    ControlChanged(form_->Controls().At(row));
  picture_.Repaint();
  PictureChanged();
  form_->InkLost();
}

void WebHost::ControlChanged(Control& control) {
  const ControlView v = form_->ViewOf(control, fit_.arrangement);
  const WindowScale& scale = fit_.scale;
  const PixelRect at = scale.Map(v.place);
  const PixelRect hit = v.hitArea ? scale.Map(*v.hitArea) : PixelRect{0, 0, -1, -1};
  const auto flag = [](const std::optional<bool>& value) { return value ? int{*value} : -1; };
  web_show_control(static_cast<int>(control.Row()), v.visible, flag(v.enabled), at.left, at.top,
                   at.width, at.height, hit.left, hit.top, hit.width, hit.height,
                   v.font ? scale.Length(FontPixels(v.font->points)) : -1, v.font && v.font->bold,
                   v.text ? v.text->c_str() : nullptr, flag(v.checked),
                   v.description ? v.description->c_str() : nullptr, v.selectAll);
}

void WebHost::FocusChanged() {
  const Control* focus = form_->Focus();
  web_focus(focus != nullptr ? static_cast<int>(focus->Row()) : -1);
}

void WebHost::PictureChanged() {
  picture_.Flush();
}

void WebHost::InkChanged(const InkUpdate& update) {
  const std::vector<double> list = InkList(update);
  web_ink(list.data(), static_cast<int>(list.size()));
}

void WebHost::SavePicture(const std::string& fileName) {
  web_save_picture(fileName.c_str());
}

void WebHost::Announce(const std::string& planeDescription) {
  web_announce(planeDescription.c_str());
}

void WebHost::StartQuietInterval(std::int32_t ms) {
  web_quiet_after(ms);
}

}  // namespace lesson::web
