#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lesson/supports/Palette.h"
#include "lesson/surface/DisplayList.h"
#include "web/schema/Messages.h"

namespace lesson::web {

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
  // Every colour the list writes is shown as the scheme has it; the lesson
  // draws in its own colours whatever the scheme. A new scheme takes a
  // repaint to reach what is drawn already.
  void SetScheme(Scheme scheme) { scheme_ = scheme; }
  Scheme SchemeShown() const { return scheme_; }

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

  double Shown(Colour colour) const { return InScheme(scheme_, colour).Rgb(); }

  DisplaySink& sink_;
  Scheme scheme_ = Scheme::kLight;
  std::vector<double> ops_;
  std::unordered_map<std::string, int> texts_;
};

}  // namespace lesson::web
