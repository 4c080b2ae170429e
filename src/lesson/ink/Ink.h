#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lesson/surface/Colour.h"

namespace lesson {

// A point of a mark, in the plane's pixels (0 to 640, y downwards).
struct InkPoint {
  float x = 0;
  float y = 0;

  friend bool operator==(InkPoint, InkPoint) = default;
};

// One mark: the points a pointer passed through while it wrote, with its
// colour and width. unitPx is the plane's scale when it was written: a mark
// stays at the place on the grid where it was written (the plane's origin
// never moves), so at another scale its points are shown scaled about the
// origin.
struct InkStroke {
  std::uint64_t id = 0;  // the order of writing: later marks lie above earlier ones
  Colour colour;
  float width = 0;
  std::int16_t unitPx = 0;
  std::vector<InkPoint> points;
};

// How the plane shows the marks now: its scale and its origin, in plane
// pixels.
struct InkScale {
  std::int16_t unitPx = 0;
  float originX = 0;
  float originY = 0;
};

// The marks written on the plane, beside the lesson's state and apart from
// its picture: strokes added, removed by an eraser's touch, cleared, and
// each of these undone, last first.
//
// The ink is bounded. A stroke holds at most kMaxStrokePoints points: a
// longer one goes on as a new stroke from its last point, seamlessly. The
// marks hold at most kMaxPoints points in all: at the cap the oldest marks
// are removed whole (they are not undoable; a teacher's marks at the start of a long lesson go
// first), until a tenth of the room is free. The undo history holds at most kMaxHistory actions and
// kMaxPoints points of removed marks; older actions can no longer be undone.
class Ink {
 public:
  static constexpr std::size_t kMaxStrokePoints = 2000;
  static constexpr std::size_t kMaxPoints = 100000;
  static constexpr std::size_t kMaxHistory = 100;

  const std::vector<InkStroke>& Strokes() const { return strokes_; }
  std::size_t PointCount() const { return points_; }
  // The stroke being written, or nullptr.
  const InkStroke* Active() const { return writing_ ? &strokes_.back() : nullptr; }
  bool CanUndo() const { return !history_.empty(); }

  // Counts the changes that take marks away or bring them back (an erasure,
  // a clearing, an undo, the cap): a front-end that has drawn the marks
  // draws them afresh after one. Marks written and finished only add to
  // what it has drawn.
  std::uint64_t Revision() const { return revision_; }

  // A pointer starts writing at a point; it goes on and ends.
  void Begin(InkPoint at, Colour colour, float width, std::int16_t unitPx);
  void Extend(InkPoint to);
  void End();

  // The eraser touches the plane along the segment from one point to the
  // next (a press touches at one point): every mark that passes within
  // radius of it (its own width included) is removed whole. The strokes one
  // gesture removes are undone together: EndErasing closes the gesture.
  // True when a mark was removed.
  bool Erase(InkPoint from, InkPoint to, float radius, const InkScale& scale);
  void EndErasing() { erasing_ = false; }

  // Removes every mark (undoable).
  void Clear();
  // Undoes the last action that can be undone: a stroke, an erasure or a
  // clearing.
  void Undo();

 private:
  enum class Kind { kAdded, kErased, kCleared };
  struct Action {
    Kind kind;
    std::uint64_t added = 0;         // kAdded: the stroke's id
    std::vector<InkStroke> removed;  // kErased, kCleared
  };

  void Record(Action action);
  void Restore(std::vector<InkStroke> strokes);
  void MakeRoom();
  void TrimHistory();
  void Changed() { ++revision_; }

  std::vector<InkStroke> strokes_;  // by id
  std::vector<Action> history_;
  std::size_t points_ = 0;
  std::size_t historyPoints_ = 0;
  std::uint64_t nextId_ = 1;
  std::uint64_t revision_ = 0;
  bool writing_ = false;
  bool erasing_ = false;
};

// A stroke's point as the plane shows it at a scale: moved about the origin
// by the ratio of that scale to the stroke's own.
InkPoint Placed(const InkStroke& stroke, InkPoint p, const InkScale& scale);

}  // namespace lesson
