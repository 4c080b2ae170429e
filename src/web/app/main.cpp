// The lesson in the browser: the page loads this module and calls
// lesson_start once, then lesson_run_input whenever input arrives while the
// lesson is idle. Every other call goes from here to the page (Boundary.h).

#include <emscripten.h>

#include <string>

#include "lesson/access/AccessibleTexts.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Form1.h"
#include "lesson/surface/Numeric.h"
#include "web/Boundary.h"
#include "web/app/WebHost.h"
#include "web/surface/CanvasSurface.h"

namespace lesson::web {

namespace {

int Rgb(Colour c) {
  return (c.r << 16) | (c.g << 8) | c.b;
}

int Rgb(const std::optional<Colour>& c) {
  return c ? Rgb(*c) : -1;
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

// The window and its controls, from the control table.
void BuildPage() {
  web_window(kCaption, kFormWidth, kFormHeight, Rgb(kLightGreen), Rgb(kFocusFrameColour),
             kFocusFrameWidth, kDescriptionIntervalMs, kEndedNotice, kRestartCaption);
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    const ControlSpec& c = kControls[row];
    std::string name = c.name;
    if (c.index >= 0)
      name += "(" + std::to_string(c.index) + ")";
    web_add_control(static_cast<int>(row), static_cast<int>(c.kind), name.c_str(), c.text, c.left,
                    c.top, c.width, c.height,
                    PointsToPixels(c.fontPoints > 0 ? c.fontPoints : kDefaultFontPoints), c.bold,
                    Rgb(c.textColour), Rgb(c.background), AccessibleName(c).c_str());
  }
}

}  // namespace

}  // namespace lesson::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void lesson_start() {
  using lesson::web::page;
  if (page != nullptr)
    return;
  lesson::web::BuildPage();
  page = new lesson::web::PageLesson;
  page->host.Bind(page->form);
  page->host.ShowAll();
}

EMSCRIPTEN_KEEPALIVE void lesson_run_input() {
  if (lesson::web::page != nullptr)
    lesson::web::page->host.RunQueuedInput();
}
}
