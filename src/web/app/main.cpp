// The lesson in the browser: the page loads this module and calls
// lesson_start once, with the room it gives the lesson and the reading
// supports its device keeps, then
// lesson_run_input whenever input arrives while the lesson is idle. Every
// other call goes from here to the page (Boundary.h).

#include <emscripten.h>

#include <string>

#include "lesson/app/ControlTable.h"
#include "lesson/app/Form1.h"
#include "lesson/supports/Palette.h"
#include "lesson/supports/Supports.h"
#include "web/Boundary.h"
#include "web/app/WebHost.h"
#include "web/schema/Messages.h"
#include "web/surface/CanvasSurface.h"

namespace lesson::web {

namespace {

std::optional<double> Rgb(const std::optional<Colour>& c, Scheme scheme = Scheme::kLight) {
  return c ? std::optional<double>(InScheme(scheme, *c).Rgb()) : std::nullopt;
}

// Display lists and texts go to the page's canvas.
class PageCanvas final : public DisplaySink {
 public:
  void Draw(const double* ops, std::size_t count) override {
    web_draw(ops, static_cast<int>(count));
  }
  void Intern(int id, std::string_view text) override { web_intern(id, std::string(text).c_str()); }
};

// The lesson of the page, for as long as the page lives.
struct PageLesson {
  PageCanvas canvas;
  CanvasSurface picture{canvas};
  WebHost host{picture};
  Form1 form{host, picture};
};

PageLesson* page = nullptr;

// The window and its controls, from the control table; the lesson places
// and shows them as it starts.
void BuildPage(const Form1& form) {
  web_window(form.Caption().c_str());
  for (std::size_t row = 0; row < kControlCount; ++row) {
    const Control& control = form.Controls().At(row);
    const ControlRow& c = control.Entry();
    // The texts stay until the page has taken the record.
    const std::string name = control.Name();
    const std::string accessibleName(control.AccessibleName());
    const std::string runs = RunsText(c.text);
    Record<kControl> r;
    r.Set<"row">(static_cast<double>(row));
    r.Set<"kind">(static_cast<double>(c.kind));
    r.Set<"name">(name.c_str());
    r.Set<"text">(c.text);
    r.Set<"textColour">(Rgb(c.textColour));
    r.Set<"background">(Rgb(c.background));
    r.Set<"accessibleName">(accessibleName.c_str());
    r.Set<"description">(control.Description().c_str());
    r.Set<"maxLength">(c.kind == ControlKind::kTextBox ? double{kBoxMaxLength} : 0.0);
    r.Set<"swatch">(Rgb(SwatchOf(c.id)));
    r.Set<"darkTextColour">(Rgb(c.textColour, Scheme::kDark));
    r.Set<"darkBackground">(Rgb(c.background, Scheme::kDark));
    r.Set<"darkSwatch">(Rgb(SwatchOf(c.id), Scheme::kDark));
    r.Set<"runs">(runs.empty() ? nullptr : runs.c_str());
    web_add_control(r.data());
  }
}

}  // namespace

}  // namespace lesson::web

extern "C" {

// stored: the supports the device keeps, one bit each in the order of
// kSupportNames, or -1 where it keeps none.
EMSCRIPTEN_KEEPALIVE void lesson_start(double width, double height, int stored) {
  using lesson::web::page;
  if (page != nullptr)
    return;
  page = new lesson::web::PageLesson;
  page->host.Bind(page->form);
  lesson::web::BuildPage(page->form);
  if (stored >= 0) {
    lesson::Supports supports;
    for (std::size_t i = 0; i < lesson::kSupportNames.size(); ++i)
      lesson::SupportAt(supports, i) = ((static_cast<unsigned>(stored) >> i) & 1U) != 0;
    page->form.SetSupports(supports);
  }
  page->host.Start(width, height);
#ifdef LESSON_WEB_TESTING
  web_test_started();
#endif
}

EMSCRIPTEN_KEEPALIVE void lesson_run_input() {
  if (lesson::web::page != nullptr)
    lesson::web::page->host.RunQueuedInput();
}

#ifdef LESSON_WEB_TESTING
// For the test object of a test build (js/testing.js): the waits in
// progress, nested ones included.
EMSCRIPTEN_KEEPALIVE int lesson_waits() {
  return lesson::web::page != nullptr ? lesson::web::page->host.Waits() : 0;
}
#endif
}
