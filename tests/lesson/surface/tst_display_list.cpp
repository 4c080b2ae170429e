#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "lesson/surface/DisplayList.h"

using namespace lesson;

namespace {

// Pixels as far as which marks cover which part of the plane, in cells of 4
// plane pixels: each cell holds a fingerprint of the marks drawn over it, in
// order. A mark covers the cells of the part of its bounds that a rasteriser
// may really touch (its bounds less their margin), so a restore that left
// out any pixel a mark touched would show.
class ModelRaster final : public Raster {
 public:
  static constexpr std::size_t kCells = kPlaneSide / 4;
  using Grid = std::vector<std::uint64_t>;

  Grid cells = Grid(kCells * kCells, 0);
  std::map<std::size_t, Grid> snapshots;
  int blanks = 0;
  int restores = 0;

  void Blank() override {
    ++blanks;
    cells.assign(cells.size(), 0);
  }
  void Restore(std::size_t slot, const PlaneArea& a) override {
    QVERIFY(slot < DisplayList::kSnapshots && snapshots.contains(slot));
    ++restores;
    Cover(a, [&](std::size_t at) { cells[at] = snapshots[slot][at]; });
  }
  void Save(std::size_t slot) override {
    QVERIFY(slot < DisplayList::kSnapshots);
    snapshots[slot] = cells;
  }
  void Paint(std::span<const Mark> marks) override {
    for (const Mark& m : marks)
      Draw(cells, m);
  }

  static void Draw(Grid& grid, const Mark& m) {
    const std::uint64_t id = std::hash<std::string>{}(m.text) ^
                             std::hash<double>{}(m.segment.x1 * 7 + m.segment.y2) ^ m.colour.Rgb();
    const double inset = 2;
    const PlaneArea touched{m.bounds.left + inset, m.bounds.top + inset, m.bounds.right - inset,
                            m.bounds.bottom - inset};
    Cover(touched, [&](std::size_t at) { grid[at] = (grid[at] ^ id) * 0x100000001b3ULL + 1; });
  }

  template <class F>
  static void Cover(const PlaneArea& a, F each) {
    const auto cell = [](double v) {
      return static_cast<std::size_t>(std::clamp(std::floor(v / 4), 0.0, double(kCells - 1)));
    };
    if (a.Empty() || a.right < 0 || a.bottom < 0 || a.left > kPlaneSide || a.top > kPlaneSide)
      return;
    for (std::size_t y = cell(a.top); y <= cell(a.bottom); ++y)
      for (std::size_t x = cell(a.left); x <= cell(a.right); ++x)
        each(y * kCells + x);
  }
};

ModelRaster::Grid Plain(std::span<const Mark> marks) {
  ModelRaster::Grid grid(ModelRaster::kCells * ModelRaster::kCells, 0);
  for (const Mark& m : marks)
    ModelRaster::Draw(grid, m);
  return grid;
}

// A mark of the i-th kind: strokes and texts across and beyond the plane.
Mark MarkOf(std::uint32_t i) {
  QRandomGenerator rng(i);
  const double x = rng.bounded(-100, 740), y = rng.bounded(-100, 740);
  if (i % 5 == 0) {
    const auto m =
        TextMark(x, y, " " + std::to_string(i % 13), QBColor(int(i % 16)), 27, true, {40, 35});
    if (m)
      return *m;
  }
  const auto m = StrokeMark({x, y, x + rng.bounded(-300, 300), y + rng.bounded(-300, 300)},
                            QBColor(int(i % 16)), int(1 + i % 4));
  return m ? *m : *StrokeMark({0, 0, 1, 1}, QBColor(0), 1);
}

}  // namespace

// The display list keeps the pixels of each picture exactly those of
// drawing its marks in turn, however rebuilds repeat or part from the
// picture before, and tells every area it changed.
class DisplayListTest : public QObject {
  Q_OBJECT

 private slots:
  void pixelsAreThoseOfThePlainDrawing_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {3u, 33u})
      QTest::addRow("seed %u", seed) << seed;
  }
  void pixelsAreThoseOfThePlainDrawing() {
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    ModelRaster raster;
    DisplayList list(raster);
    ModelRaster::Grid shown = raster.cells;
    std::vector<Mark> frame;  // the marks since the last clear
    const auto clear = [&] {
      list.Clear();
      frame.clear();
    };
    const auto add = [&](std::uint32_t kind) {
      frame.push_back(MarkOf(kind));
      list.Add(MarkOf(kind));
    };
    // Rebuilds as a lesson makes them: the same long beginning (a plane,
    // a graph, line A), then a part of their own (the triangle moved).
    std::vector<std::uint32_t> beginning(40 + rng.bounded(60));
    for (auto& k : beginning)
      k = rng.generate() % 500;
    for (int rebuild = 0; rebuild < 200 && !QTest::currentTestFailed(); ++rebuild) {
      clear();
      if (rng.bounded(8) == 0)
        beginning.resize(rng.bounded(33, 100), rng.generate() % 500);
      const std::size_t agreeing =
          rng.bounded(8) == 0 ? rng.bounded(int(beginning.size())) : beginning.size();
      std::vector<std::uint32_t> kinds(beginning.begin(), beginning.begin() + agreeing);
      for (int n = rng.bounded(1, 12); n > 0; --n)
        kinds.push_back(rng.generate() % 500);
      for (std::uint32_t k : kinds) {
        add(k);
        // Shown at the waits of an animation too, and now and then at
        // another pixel ratio.
        if (rng.bounded(30) == 0) {
          if (rng.bounded(4) == 0)
            list.Repaint();
          const PlaneArea changed = list.Flush();
          QVERIFY(raster.cells == Plain(frame));
          for (std::size_t at = 0; at < shown.size(); ++at) {
            if (shown[at] != raster.cells[at]) {
              const std::size_t column = at % ModelRaster::kCells;
              const std::size_t row = at / ModelRaster::kCells;
              const auto x = static_cast<double>(column) * 4;
              const auto y = static_cast<double>(row) * 4;
              QVERIFY2(changed.left <= x + 4 && x <= changed.right && changed.top <= y + 4 &&
                           y <= changed.bottom,
                       "a changed pixel outside the area told");
            }
          }
          shown = raster.cells;
        }
      }
      (void)list.Flush();
      QVERIFY2(raster.cells == Plain(frame), qPrintable(QString("rebuild %1").arg(rebuild)));
      shown = raster.cells;
    }
    // A drag: rebuilds that repeat the beginning take the snapshot back
    // rather than paint the whole picture again.
    const int blanks = raster.blanks;
    const int restores = raster.restores;
    for (std::uint32_t move = 0; move < 20; ++move) {
      clear();
      for (std::uint32_t k : beginning)
        add(k);
      add(1000 + move);
      (void)list.Flush();
      QVERIFY(raster.cells == Plain(frame));
    }
    QVERIFY(raster.blanks <= blanks + 1);
    QVERIFY(raster.restores >= restores + 18);
  }

  // Strokes touch the pixels within half their pen of their path and texts
  // their cell, and a mark that cannot reach the plane is left out.
  void boundsHoldEveryPixelAMarkTouches() {
    const Mark stroke = *StrokeMark({100, 200, 300, 200}, QBColor(0), 3);
    QVERIFY(stroke.bounds.left <= 100 - 1.5 - 1 && stroke.bounds.right >= 300 + 1.5 + 2);
    QVERIFY(stroke.bounds.top <= 200 - 2.5 && stroke.bounds.bottom >= 200 + 2.5 + 1);
    const Mark wide = *StrokeMark({0, 0, 0, 10}, QBColor(0), 5000);
    QCOMPARE(wide.width, 1000);
    const Mark text = *TextMark(10, 20, "Ｏ", QBColor(0), 27, true, {27, 36});
    QVERIFY(text.bounds.left < 10 && text.bounds.right > 10 + 27 + 2);
    QVERIFY(text.bounds.top < 20 && text.bounds.bottom > 20 + 36 + 2);
    QVERIFY(!StrokeMark({-50, -50, -10, -40}, QBColor(0), 3));
    QVERIFY(!StrokeMark({NAN, 0, 10, 10}, QBColor(0), 3));
    QVERIFY(!TextMark(700, 20, " 25", QBColor(0), 27, true, {40, 36}));
    QVERIFY(!TextMark(20, INFINITY, " 2", QBColor(0), 27, true, {40, 36}));
    QVERIFY(TextMark(-50, 20, " -10", QBColor(0), 27, true, {54, 36}));
  }
};

QTEST_APPLESS_MAIN(DisplayListTest)
#include "tst_display_list.moc"
