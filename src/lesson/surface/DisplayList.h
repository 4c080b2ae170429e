#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/surface/Clip.h"
#include "lesson/surface/Colour.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// A rectangle of the plane in plane pixels; empty unless right > left and
// bottom > top.
struct PlaneArea {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool Empty() const { return !(right > left && bottom > top); }
  // The smallest area that holds both.
  PlaneArea operator|(const PlaneArea& other) const;
  PlaneArea& operator|=(const PlaneArea& other) { return *this = *this | other; }
  friend bool operator==(const PlaneArea&, const PlaneArea&) = default;

  static PlaneArea WholePlane() { return {0, 0, kPlaneSide, kPlaneSide}; }
};

// One stroke or text as it reaches the pixels, after clipping: everything
// that decides its pixels, so that equal marks drawn over equal pictures
// give equal pictures; and the plane pixels that hold every pixel it may
// touch, which follow from the rest.
struct Mark {
  bool isText = false;
  Segment segment;  // the clipped stroke, or the top-left corner of the text's cell in x1, y1
  Colour colour;
  int width = 1;  // a stroke's pen, in pixels
  std::string text;
  int pixelSize = 0;  // a text's font
  bool bold = false;
  PlaneArea bounds;

  bool operator==(const Mark& other) const;
};

// How far a text reaches in the face a front-end writes it in: its advance
// and the height of one text line, in pixels.
struct TextExtent {
  double advance = 0;
  double lineHeight = 0;
};

// The mark of a stroke of that width (held between 1 and 1000 pixels), or
// nothing where no part of it can show on the plane.
std::optional<Mark> StrokeMark(const Segment& segment, Colour colour, int width);
// The mark of a text whose cell has its top-left corner at (x, y), or
// nothing where no part of it can show on the plane.
std::optional<Mark> TextMark(double x, double y, std::string_view text, Colour colour,
                             int pixelSize, bool bold, const TextExtent& extent);

// What Blank makes the whole picture.
inline constexpr Colour kBlankColour{255, 255, 255};

// What a front-end does to its picture's pixels when the display list says
// so. Snapshots are copies of the picture kept in numbered slots.
class Raster {
 public:
  virtual ~Raster() = default;
  // The whole picture kBlankColour.
  virtual void Blank() = 0;
  // The pixels of a snapshot copied back within the area.
  virtual void Restore(std::size_t slot, const PlaneArea& area) = 0;
  // The picture as it stands becomes the snapshot in the slot.
  virtual void Save(std::size_t slot) = 0;
  virtual void Paint(std::span<const Mark> marks) = 0;
};

// The picture since the last clear as a list of marks, brought to the
// front-end's pixels when it is shown.
//
// A rebuild of the picture often repeats the previous one mark for mark up
// to some point: a drag moves only the triangle over the same plane, graph
// and line A. The list therefore keeps the previous picture's marks and, at
// the point where a rebuild first went its own way, has the front-end keep a
// snapshot of the picture as it stood there. A rebuild is compared with the
// kept marks one by one and costs nothing while it agrees; where it parts,
// the pixels are taken back to the latest snapshot within the agreeing part,
// only where the marks drawn since may have touched them. A snapshot is
// keyed by the marks that produced it, so it is never shown for another
// picture.
class DisplayList {
 public:
  // Snapshots kept at once: each is a whole picture.
  static constexpr std::size_t kSnapshots = 2;
  // A snapshot costs a copy of the picture; below this many agreeing marks
  // painting them again is about as cheap.
  static constexpr std::size_t kMinSnapshotMarks = 32;

  explicit DisplayList(Raster& raster) : raster_(raster) {}
  DisplayList(const DisplayList&) = delete;
  DisplayList& operator=(const DisplayList&) = delete;

  void Clear();
  void Add(Mark mark);
  // Brings the pixels up to every mark since the last clear; returns the
  // plane area whose pixels may have changed since the last flush.
  PlaneArea Flush();
  // The front-end's pixels were lost (a new size or pixel ratio): the next
  // flush paints the whole picture afresh.
  void Repaint();

 private:
  static constexpr std::size_t kUnknown = SIZE_MAX;
  struct Snapshot {
    std::size_t marks;  // the picture after this many marks
    std::size_t slot;
  };

  const Snapshot* LatestUpTo(std::size_t index) const;
  void Restore();
  void RewindTo(std::size_t index);
  void DropFrom(std::size_t index);
  void PaintUpTo(std::size_t end);
  void Save(std::size_t marks);

  Raster& raster_;
  // marks_[0, cursor_) is the picture since the last clear; the marks after
  // the cursor are the rest of the previous picture, which the next ones
  // may repeat.
  std::vector<Mark> marks_;
  std::size_t cursor_ = 0;
  // The pixels show marks_[0, shown_); kUnknown when they show something
  // else, as they do before the first flush: a front-end's pixels need not
  // start white.
  std::size_t shown_ = kUnknown;
  std::vector<Snapshot> snapshots_;
  // Where the next flush takes a snapshot.
  std::optional<std::size_t> wanted_;
  PlaneArea changed_;
};

// A drawing area whose calls become a display list that a front-end
// rasterises: it only measures texts in its face and does what the list asks
// of its pixels.
class ListSurface : public Surface {
 public:
  float Width() const override { return kPlaneSide; }
  float Height() const override { return kPlaneSide; }

 protected:
  explicit ListSurface(Raster& raster) : list_(raster) {}

  DisplayList& List() { return list_; }
  virtual TextExtent Measure(std::string_view text, int pixelSize, bool bold) = 0;

 private:
  void DoCls() override;
  void DoStroke(const Stroke& stroke) override;
  float DoPrint(std::string_view text) override;

  DisplayList list_;
};

}  // namespace lesson
