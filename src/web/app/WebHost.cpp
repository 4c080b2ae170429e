#include "web/app/WebHost.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>

#include "lesson/app/Form1.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/supports/Ruby.h"
#include "lesson/supports/Supports.h"
#include "lesson/surface/Numeric.h"
#include "web/Boundary.h"
#include "web/input/DomInput.h"
#include "web/input/EventQueue.h"
#include "web/schema/Messages.h"
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

std::string RunsText(std::string_view text) {
  std::string runs;
  bool read = false;
  for (const RubyRun& run : RubyRuns(text)) {
    read = read || !run.reading.empty();
    ((runs += run.base) += kRunEnd) += run.reading;
    runs += kRunEnd;
  }
  return read ? runs : std::string();
}

// UTF-8 takes at most three bytes for each UTF-16 unit a box holds.
WebHost::WebHost(CanvasSurface& picture)
    : picture_(picture),
      text_(static_cast<std::size_t>(kBoxMaxLength) * 3 + 64),
      points_(static_cast<std::size_t>(kEventPoints)) {}

void WebHost::Start(double width, double height) {
  form_->Start(std::max(0, Whole(width)), std::max(0, Whole(height)));
}

// Whatever the page has queued joins the lesson's own queue, in order.
void WebHost::Pull() {
  PageEvent e;
  while ((e.kind = web_next_event(e.numbers.data(), text_.data(),
                                  static_cast<int>(text_.size()))) != 0) {
    e.texts = text_.data();
    if (e.kind == kPointerEvent.id) {
      const int count = web_event_points(points_.data(), static_cast<int>(points_.size()));
      e.points.assign(points_.begin(), points_.begin() + std::clamp(count, 0, kEventPoints));
    }
    queue_.Push(std::move(e));
    e = PageEvent{};
  }
}

void WebHost::RunQueuedInput() {
#ifdef LESSON_WEB_TESTING
  ++runs_;
#endif
  for (Pull(); auto e = queue_.Pop(); Pull())
    Run(*e);
#ifdef LESSON_WEB_TESTING
  --runs_;
#endif
}

// Each event is read by its fields' names (schema/Messages.h).
void WebHost::Run(const PageEvent& event) {
  Form1& form = *form_;
  const int kind = event.kind;
  const std::span<const double> numbers = event.numbers;
  const std::string_view texts = event.texts;
  if (kind == kClickEvent.id) {
    if (Control* control = RowOf(form, Received<kClickEvent>(numbers, texts).Number<"row">()))
      form.Click(*control);
  } else if (kind == kKeyEvent.id) {
    const Received<kKeyEvent> e(numbers, texts);
    const auto key =
        BoxKeyFromDom(e.Text<"key">(), e.Flag<"isComposing">(), Whole(e.Number<"keyCode">()));
    if (TextBox* box = BoxAt(form, e.Number<"row">()); box != nullptr && key)
      form.KeyPress(*box, *key);
  } else if (kind == kInputEvent.id) {
    const Received<kInputEvent> e(numbers, texts);
    if (TextBox* box = BoxAt(form, e.Number<"row">()))
      form.TextReceived(*box, e.Text<"value">(),
                        OriginFromDom(e.Text<"inputType">(), e.Flag<"isComposing">()));
  } else if (kind == kCompositionEndEvent.id) {
    const Received<kCompositionEndEvent> e(numbers, texts);
    if (TextBox* box = BoxAt(form, e.Number<"row">()))
      form.TextReceived(*box, e.Text<"value">(), TextOrigin::kTyped);
  } else if (kind == kToggleEvent.id) {
    const Received<kToggleEvent> e(numbers, texts);
    if (Control* control = RowOf(form, e.Number<"row">());
        control != nullptr && control->Entry().kind == ControlKind::kCheckBox)
      static_cast<CheckBox&>(*control).Toggled(e.Flag<"checked">());
  } else if (kind == kFocusEvent.id) {
    form.Controls().FocusMoved(RowOf(form, Received<kFocusEvent>(numbers, texts).Number<"row">()));
  } else if (kind == kPointerEvent.id) {
    const Received<kPointerEvent> e(numbers, texts);
    const std::span<const double> trail = event.points;
    const CanvasBox box{e.Number<"boxLeft">(), e.Number<"boxTop">(), e.Number<"boxWidth">()};
    const std::string type =
        std::string(e.Text<"type">()) + " " + std::string(e.Text<"pointerType">());
    const auto pointer = PointerFromDom(
        type, Whole(e.Number<"button">()), Whole(e.Number<"buttons">()), e.Flag<"shiftKey">(),
        e.Flag<"ctrlKey">(), e.Flag<"altKey">(), e.Number<"clientX">(), e.Number<"clientY">(), box,
        e.Number<"pointerId">(), trail);
    if (pointer)
      form.Pointer(*pointer);
  } else if (kind == kPlaneKeyEvent.id) {
    const Received<kPlaneKeyEvent> e(numbers, texts);
    const auto key = ArrowFromDom(e.Text<"key">(), e.Flag<"shiftKey">(), e.Flag<"ctrlKey">(),
                                  e.Flag<"altKey">());
    if (key)
      form.PlaneKey(*key);
  } else if (kind == kResizeEvent.id) {
    const Received<kResizeEvent> e(numbers, texts);
    form.Resize(std::max(0, Whole(e.Number<"width">())), std::max(0, Whole(e.Number<"height">())));
  } else if (kind == kRepaintEvent.id) {
    form.Repaint();
  } else if (kind == kQuietEvent.id) {
    form.QuietIntervalEnded();
  } else if (kind == kNoVoiceEvent.id) {
    form.NoJapaneseVoice();
  } else if (kind == kLinkEvent.id) {
    form.Prepare(Preparation::FromQuery(Received<kLinkEvent>(numbers, texts).Text<"query">()));
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
  const std::string noticeRuns = RunsText(kEndedNotice);
  const std::string restartRuns = RunsText(kRestartCaption);
  Record<kEnding> ending;
  ending.Set<"notice">(kEndedNotice);
  ending.Set<"restart">(kRestartCaption);
  ending.Set<"noticeRuns">(noticeRuns.c_str());
  ending.Set<"restartRuns">(restartRuns.c_str());
  web_end(ending.data());
}

// Every control stands at its place and size in the new fit (a tablet turned
// upright has them beneath the plane); the canvas has lost its picture at its
// new size and is drawn afresh, and so are the layers of ink.
void WebHost::FitChanged(const WindowFit&) {
  shown_ = true;
  picture_.Repaint();
  PictureChanged();
  form_->InkLost();
}

void WebHost::ControlChanged(Control& control) {
  const ControlView v = form_->ViewOf(control);
  const WindowScale& scale = form_->Fit().scale;
  const PixelRect at = scale.Map(v.place);
  Record<kView> r;
  r.Set<"row">(static_cast<double>(control.Row()));
  r.Set<"visible">(v.visible);
  r.Set<"enabled">(v.enabled);
  r.Set<"left">(static_cast<double>(at.left));
  r.Set<"top">(static_cast<double>(at.top));
  r.Set<"width">(static_cast<double>(at.width));
  r.Set<"height">(static_cast<double>(at.height));
  if (v.hitArea) {
    const PixelRect hit = scale.Map(*v.hitArea);
    r.Set<"hitLeft">(static_cast<double>(hit.left));
    r.Set<"hitTop">(static_cast<double>(hit.top));
    r.Set<"hitWidth">(static_cast<double>(hit.width));
    r.Set<"hitHeight">(static_cast<double>(hit.height));
  }
  if (v.font) {
    r.Set<"fontPixels">(static_cast<double>(scale.Length(FontPixels(v.font->points))));
    r.Set<"bold">(v.font->bold);
  }
  // A box the pupil has edited since the lesson last took its text keeps
  // what the pupil typed: that edit is on its way.
  bool editing = false;
  if (control.Entry().kind == ControlKind::kTextBox) {
    Pull();
    editing = queue_.EditPending(static_cast<double>(control.Row()));
  }
  r.Set<"text">(v.text && !editing ? v.text->c_str() : nullptr);
  r.Set<"checked">(v.checked);
  r.Set<"description">(v.description ? v.description->c_str() : nullptr);
  r.Set<"selectAll">(v.selectAll);
  web_show_control(r.data());
}

void WebHost::FocusChanged() {
  const Control* focus = form_->Focus();
  web_focus(focus != nullptr ? static_cast<int>(focus->Row()) : -1);
}

void WebHost::PictureChanged() {
  picture_.Flush();
}

void WebHost::InkChanged(const InkUpdate& update) {
  const std::vector<double> list = InkList(update, picture_.SchemeShown());
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

// A new scheme has the picture and the ink drawn afresh in its colours, as
// a new fit does; the readings turned on or off, every control is shown anew
// (a few stand lower while the readings are shown: Form1::ViewOf). Before
// the first fit all is shown as the supports ask from the start.
void WebHost::SupportsChanged(const Supports& supports) {
  Record<kSupportsRecord> r;
  r.Set<"ruby">(supports.ruby);
  r.Set<"voice">(supports.voice);
  r.Set<"slow">(supports.slow);
  r.Set<"dark">(supports.dark);
  web_supports(r.data());
  const Scheme scheme = SchemeOf(supports);
  if (scheme == picture_.SchemeShown())
    return;
  picture_.SetScheme(scheme);
  if (shown_) {
    picture_.Repaint();
    PictureChanged();
    form_->InkLost();
  }
}

void WebHost::Speak(const std::vector<std::string>& sentences, double rate) {
  std::string text;
  for (const std::string& sentence : sentences)
    (text += sentence) += kSentenceEnd;
  Record<kSpeech> r;
  r.Set<"sentences">(text.c_str());
  r.Set<"rate">(rate);
  web_speak(r.data());
}

}  // namespace lesson::web
