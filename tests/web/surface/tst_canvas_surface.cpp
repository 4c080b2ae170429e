#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "lesson/surface/Clip.h"
#include "support/Recording.h"
#include "web/surface/CanvasSurface.h"

using namespace lesson;
using namespace lesson::test;
using lesson::web::CanvasSurface;

namespace {

// A canvas as far as which marks cover which part of it, in cells of 4
// plane pixels: each cell holds a fingerprint of the marks drawn over it, in
// order. Runs display lists as the page does, snapshots included.
class ModelCanvas final : public web::DisplaySink {
 public:
  static constexpr std::size_t kCells = 160;
  using Grid = std::vector<std::uint64_t>;

  Grid cells = Grid(kCells * kCells, 0);
  std::map<int, std::string> texts;
  int clears = 0;
  int restores = 0;

  void Intern(int id, std::string_view text) override { texts[id] = std::string(text); }
  // Each operation is read by its fields' names, as the page reads it.
  void Draw(const double* ops, std::size_t count) override {
    for (std::size_t i = 0; i < count;) {
      const int op = static_cast<int>(ops[i]);
      QVERIFY(op >= 1 && op <= static_cast<int>(web::kDisplayOps.size()));
      const std::size_t size = web::kDisplayOps[static_cast<std::size_t>(op - 1)]->fields.size();
      QVERIFY(i + 1 + size <= count);
      const std::span<const double> fields(ops + i + 1, size);
      i += 1 + size;
      if (op == web::kClearOp.id) {
        ++clears;
        cells.assign(cells.size(), 0);
      } else if (op == web::kStrokeOp.id) {
        const web::Received<web::kStrokeOp> s(fields, {});
        Stroke(cells, s.Number<"x1">(), s.Number<"y1">(), s.Number<"x2">(), s.Number<"y2">(),
               s.Number<"colour">(), s.Number<"width">());
      } else if (op == web::kTextOp.id) {
        const web::Received<web::kTextOp> s(fields, {});
        Text(cells, s.Number<"x">(), s.Number<"top">(), s.Number<"colour">(),
             s.Number<"pixelSize">(), s.Number<"bold">(),
             texts.at(static_cast<int>(s.Number<"textId">())));
      } else if (op == web::kSaveOp.id) {
        const web::Received<web::kSaveOp> s(fields, {});
        snapshots_[static_cast<std::size_t>(s.Number<"slot">())] = cells;
      } else {
        ++restores;
        const web::Received<web::kRestoreOp> s(fields, {});
        const Grid& snapshot = snapshots_.at(static_cast<std::size_t>(s.Number<"slot">()));
        Cover(s.Number<"left">(), s.Number<"top">(), s.Number<"right">(), s.Number<"bottom">(),
              [&](std::size_t at) { cells[at] = snapshot.at(at); });
      }
    }
  }

  // The marks a stroke and a text cover at least, drawn the plain way.
  static void Stroke(Grid& grid, double x1, double y1, double x2, double y2, double colour,
                     double width) {
    const double half = width / 2;
    const auto id = Fingerprint({1, x1, y1, x2, y2, colour, width});
    Cover(std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half + 1,
          std::max(y1, y2) + half + 1, [&](std::size_t at) { grid[at] = Mix(grid[at], id); });
  }
  static void Text(Grid& grid, double x, double top, double colour, double size, double bold,
                   const std::string& text) {
    const auto id =
        Fingerprint({2, x, top, colour, size, bold, double(std::hash<std::string>{}(text))});
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    Cover(x, top, x + size * static_cast<double>(characters), top + size,
          [&](std::size_t at) { grid[at] = Mix(grid[at], id); });
  }

 private:
  static std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    return (h ^ v) * 0x100000001b3ULL + 0x9e3779b97f4a7c15ULL;
  }
  static std::uint64_t Fingerprint(std::initializer_list<double> values) {
    std::uint64_t h = 0;
    for (double v : values)
      h = Mix(h, std::hash<double>{}(v));
    return h;
  }
  template <class F>
  static void Cover(double left, double top, double right, double bottom, F each) {
    const auto cell = [](double v) {
      return static_cast<std::size_t>(std::clamp(std::floor(v / 4), 0.0, double(kCells - 1)));
    };
    if (right < 0 || bottom < 0 || left > 640 || top > 640)
      return;
    for (std::size_t y = cell(top); y <= cell(bottom); ++y)
      for (std::size_t x = cell(left); x <= cell(right); ++x)
        each(y * kCells + x);
  }

  std::map<std::size_t, Grid> snapshots_;
};

// The plain drawing of the calls since the last clearing.
ModelCanvas::Grid Plain(const std::vector<DrawCall>& calls) {
  ModelCanvas::Grid grid(ModelCanvas::kCells * ModelCanvas::kCells, 0);
  std::size_t from = 0;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind == DrawCall::Kind::kCls)
      from = i;
  }
  for (std::size_t i = from; i < calls.size(); ++i) {
    const DrawCall& c = calls[i];
    const auto rgb = [](Colour k) { return double((k.r << 16) | (k.g << 8) | k.b); };
    if (c.kind == DrawCall::Kind::kLine) {
      const int width = std::clamp<int>(c.stroke.width, 1, 1000);
      const auto s = ClipStroke({c.stroke.x1, c.stroke.y1, c.stroke.x2, c.stroke.y2}, width, 640);
      if (!s)
        continue;
      ModelCanvas::Stroke(grid, s->x1, s->y1, s->x2, s->y2, rgb(c.stroke.colour), double(width));
    } else if (c.kind == DrawCall::Kind::kPrint) {
      const int size = PointsToPixels(c.attributes.fontSize);
      if (c.attributes.currentX > 700 || c.attributes.currentY > 700 ||
          c.attributes.currentX < -700 || c.attributes.currentY < -700)
        continue;  // nowhere near the plane
      ModelCanvas::Text(grid, c.attributes.currentX, c.attributes.currentY + TextLeading(size),
                        rgb(c.attributes.foreColor), size, c.attributes.fontBold ? 1 : 0, c.text);
    }
  }
  return grid;
}

// The page's host under test: every notice of the picture flushes it.
class CanvasHost final : public Host {
 public:
  CanvasSurface* picture = nullptr;
  FakeWait wait;
  double NowMs() override { return wait.NowMs(); }
  bool SleepUntil(double deadlineMs) override { return wait.SleepUntil(deadlineMs); }
  void RunQueuedInput() override { wait.RunQueuedInput(); }
  void End() override {}
  void ControlChanged(Control&) override {}
  void FitChanged(const WindowFit&) override {}
  void FocusChanged() override {}
  void PictureChanged() override { picture->Flush(); }
  void InkChanged(const InkUpdate&) override {}
  void SavePicture(const std::string&) override {}
  void Announce(const std::string&) override {}
  void StartQuietInterval(std::int32_t) override {}
  void SupportsChanged(const Supports&) override {}
  void Speak(const std::vector<std::string>&, double) override {}
};

}  // namespace

// The canvas surface hands the page display lists that reuse a snapshot
// where rebuilds repeat one another: after every event, and at every wait of
// an animation, the canvas must show exactly the plain drawing of the calls
// since the last clearing.
class CanvasSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void displayListsShowThePlainDrawing_data() {
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 5") << 5u;
    QTest::newRow("seed 55") << 55u;
  }
  void displayListsShowThePlainDrawing() {
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    ModelCanvas canvas;
    CanvasSurface picture(canvas);
    RecordingSurface recording(&picture);
    CanvasHost host;
    host.picture = &picture;
    Form1 form(host, recording);
    host.wait.form = &form;
    form.Start();
    const auto check = [&](const char* when, int step) {
      QVERIFY2(canvas.cells == Plain(recording.calls),
               qPrintable(QString("%1 at step %2").arg(when).arg(step)));
    };
    form.Text1.SetText("2/3");
    form.Text2.SetText("1");
    form.Click(form.Command5);
    for (int step = 0; step < 150 && !QTest::currentTestFailed(); ++step) {
      // The canvas is looked at during the waits of the animations too, now
      // and then after it lost its pixels to a new size there.
      const bool lost = rng.bounded(4) == 0;
      host.wait.At(host.wait.waits.size() + rng.bounded(8), [&, lost, step] {
        if (lost)
          picture.Repaint(), picture.Flush();
        check("a wait", step);
      });
      const Control* controls[] = {
          &form.Command10,   &form.Command11,   &form.Command12, &form.Command9,
          &form.Command8[0], &form.Command8[1], &form.Command7,  &form.Command3[rng.bounded(4)]};
      if (rng.bounded(3) == 0) {
        form.Click(*controls[rng.bounded(8)]);
      } else {
        const float x = float(rng.bounded(640)), y = float(rng.bounded(640));
        using Action = PointerEvent::Action;
        form.Pointer({Action::kPress, 1, 0, x, y});
        for (int move = 0, n = 1 + int(rng.bounded(4)); move < n; ++move) {
          form.Pointer({Action::kMove, 1, 0, x + float(rng.bounded(-90, 90)),
                        y + float(rng.bounded(-90, 90))});
        }
        form.Pointer({Action::kRelease, 1, 0, x, y});
      }
      if (rng.bounded(10) == 0)
        picture.Repaint(), picture.Flush();
      check("after the event", step);
    }

    // A drag over a shown triangle takes the snapshot back at every move
    // rather than paint the whole picture again.
    if (form.State().TriangleState == 0)
      form.Click(form.Command12);
    const int clears = canvas.clears;
    const int restores = canvas.restores;
    using Action = PointerEvent::Action;
    form.Pointer({Action::kPress, 1, 0, 300, 300});
    for (int move = 1; move <= 20; ++move)
      form.Pointer({Action::kMove, 1, 0, 300.0f + float(move), 300});
    form.Pointer({Action::kRelease, 1, 0, 320, 300});
    check("after a drag", 150);
    QVERIFY(canvas.clears <= clears + 1 && canvas.restores >= restores + 18);
  }
};

QTEST_APPLESS_MAIN(CanvasSurfaceTest)
#include "tst_canvas_surface.moc"
