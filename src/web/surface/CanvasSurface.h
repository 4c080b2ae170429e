#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lesson/surface/Surface.h"

namespace lesson::web {

// The numbers of a display list, as the page's canvas runs it.
enum DisplayOp : int {
  kClearOp = 1,    // the whole picture white
  kStrokeOp = 2,   // x1 y1 x2 y2 colour width: a round-capped stroke
  kTextOp = 3,     // x y colour pixelSize bold textId: a text, its cell's top-left at x, y
  kSaveOp = 4,     // the picture as it stands becomes the snapshot
  kRestoreOp = 5,  // left top right bottom: the snapshot copied back within those plane pixels
};

// Where a display list goes: the page's canvas, or a test.
class DisplaySink {
 public:
  virtual ~DisplaySink() = default;
  virtual void Draw(const double* ops, std::size_t count) = 0;
  // Names a text by the number the display lists use for it.
  virtual void Intern(int id, std::string_view text) = 0;
};

// The drawing area in the browser: every stroke and text is recorded and,
// when the lesson shows its picture (before a wait, after an event), handed
// to the page's canvas as one display list, in plane pixels; the canvas
// draws at the screen's pixel ratio.
//
// A rebuild draws most of the picture before it again (the plane, the graph,
// line A), and only the rest differs (the dragged triangle). Where a rebuild
// first goes its own way the canvas keeps a snapshot; a later rebuild that
// repeats everything before that point, call for call, takes the snapshot
// back instead of drawing it again, within the area that was drawn over it
// since. The snapshot is keyed by the exact calls that made it, so the
// picture is always that of drawing every call in turn.
class CanvasSurface final : public Surface {
 public:
  static constexpr int kSize = 640;
  // Fewer shared calls than this are drawn again rather than kept.
  static constexpr std::size_t kWorthASnapshot = 32;
  // Distinct texts named before the names start afresh.
  static constexpr std::size_t kMaxTexts = 4096;

  explicit CanvasSurface(DisplaySink& sink) : sink_(sink) {}

  float Width() const override { return kSize; }
  float Height() const override { return kSize; }

  // Hands what was drawn since the last call to the page.
  void Flush();
  // The canvas has lost its picture (a new size): the next flush draws the
  // whole picture again, and the snapshot, of the old size, is dropped.
  void Repaint();

 protected:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

 private:
  // A stroke (after clipping) or a text, with all that decides its pixels.
  struct Mark {
    bool isText = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text's top-left corner in x1, y1
    std::uint32_t colour = 0;
    int width = 1;  // a stroke's pen
    int pixelSize = 0;
    bool bold = false;
    int text = 0;
    // Plane pixels that hold every pixel it may touch: left, top, right, bottom.
    double bounds[4] = {0, 0, 0, 0};

    bool operator==(const Mark& other) const;
  };

  int TextId(std::string_view text);
  void Add(const Mark& mark);
  void Emit(const Mark& mark);
  void Grow(const Mark& mark);

  DisplaySink& sink_;
  std::vector<Mark> frame_;     // the calls since the last Cls
  std::vector<Mark> previous_;  // those of the picture before
  std::size_t shown_ = 0;       // how many of frame_ the canvas shows
  bool newFrame_ = true;        // the canvas still shows an older picture
  // The snapshot: the picture after these calls.
  std::vector<Mark> snapshot_;
  bool hasSnapshot_ = false;
  // Whether the canvas is the snapshot with marks drawn over it, and the
  // area they cover.
  bool overSnapshot_ = false;
  double dirty_[4] = {0, 0, 0, 0};
  bool hasDirty_ = false;
  std::vector<double> ops_;
  std::unordered_map<std::string, int> texts_;
};

}  // namespace lesson::web
