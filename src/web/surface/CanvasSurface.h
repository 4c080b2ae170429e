#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lesson/surface/DisplayList.h"

namespace lesson::web {

// The numbers of a display list, as the page's canvas runs it.
enum DisplayOp : int {
  kClearOp = 1,    // the whole picture white
  kStrokeOp = 2,   // x1 y1 x2 y2 colour width: a round-capped stroke
  kTextOp = 3,     // x y colour pixelSize bold textId: a text, its cell's top-left at x, y
  kSaveOp = 4,     // slot: the picture as it stands becomes that snapshot
  kRestoreOp = 5,  // slot left top right bottom: the snapshot copied back within those plane pixels
};
// Each operation with the page's name for it and the numbers it takes, its
// own included.
struct DisplayOpRow {
  DisplayOp op;
  const char* name;
  int size;
};
inline constexpr std::array<DisplayOpRow, 5> kDisplayOps{{{kClearOp, "clear", 1},
                                                          {kStrokeOp, "stroke", 7},
                                                          {kTextOp, "text", 7},
                                                          {kSaveOp, "save", 2},
                                                          {kRestoreOp, "restore", 6}}};
constexpr int SizeOf(DisplayOp op) {
  for (const DisplayOpRow& entry : kDisplayOps) {
    if (entry.op == op)
      return entry.size;
  }
  return 0;
}

// Where a display list goes: the page's canvas, or a test.
class DisplaySink {
 public:
  virtual ~DisplaySink() = default;
  virtual void Draw(const double* ops, std::size_t count) = 0;
  // Names a text by the number the display lists use for it.
  virtual void Intern(int id, std::string_view text) = 0;
};

// The drawing area in the browser: the lesson's display list, handed to the
// page's canvas as a list of numbers when the lesson shows its picture
// (before a wait, after an event), in plane pixels; the canvas draws at the
// screen's pixel ratio and keeps the snapshots the list asks for.
class CanvasSurface final : private Raster, public ListSurface {
 public:
  // Distinct texts named before the names start afresh.
  static constexpr std::size_t kMaxTexts = 4096;

  explicit CanvasSurface(DisplaySink& sink)
      : ListSurface(static_cast<Raster&>(*this)), sink_(sink) {}

  // Hands what was drawn since the last call to the page.
  void Flush();
  // The canvas has lost its picture (a new size): the next flush draws the
  // whole picture again.
  void Repaint() {
    ops_.clear();
    List().Repaint();
  }

 protected:
  // The canvas measures texts itself; a text is taken as wide as any glyph
  // of the face can reach, emboldened, with room for its bearings.
  TextExtent Measure(std::string_view text, int pixelSize, bool bold) override;

 private:
  void Blank() override;
  void Restore(std::size_t slot, const PlaneArea& area) override;
  void Save(std::size_t slot) override;
  void Paint(std::span<const Mark> marks) override;
  int TextId(const std::string& text);
  // Appends an operation with its operands, as many as it takes.
  template <DisplayOp op, class... Operands>
  void Emit(Operands... operands) {
    static_assert(sizeof...(Operands) + 1 == SizeOf(op));
    ops_.insert(ops_.end(), {static_cast<double>(op), static_cast<double>(operands)...});
  }

  DisplaySink& sink_;
  std::vector<double> ops_;
  std::unordered_map<std::string, int> texts_;
};

}  // namespace lesson::web
