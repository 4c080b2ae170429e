#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <tuple>

#include "lesson/layout/HitAreas.h"
#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;
using enum lesson::Arrangement;

Q_DECLARE_METATYPE(lesson::Arrangement)

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}
bool Holds(const PixelRect& o, const PixelRect& i) {
  return o.left <= i.left && o.top <= i.top && o.left + o.width >= i.left + i.width &&
         o.top + o.height >= i.top + i.height;
}
PixelRect Window(Arrangement a) {
  return {0, 0, SizeOf(a).width, SizeOf(a).height};
}
// A row's box, or a label's text where IPAPGothic (bold, 1 px up) is wider.
PixelRect Shown(Arrangement a, std::size_t row) {
  PixelRect r = BoxOf(a, row);
  r.width = row == RowOf(ControlId::kLabel2)     ? 246
            : row == RowOf(ControlId::kLabel5_1) ? 29
            : row == RowOf(ControlId::kLabel6)   ? 56
                                                 : r.width;
  return r;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void arrangement_data() {
    QTest::addColumn<Arrangement>("a");
    QTest::newRow("landscape") << kLandscape;
    QTest::newRow("portrait") << kPortrait;
  }
  // Each control that takes taps, and only those, has a hit area holding its
  // box and a fingertip's square (also on the classroom screens), in the
  // window, clear of the plane's frame and of every other box and area. All
  // that is shown stands in the window, nothing over anything else unless so
  // in landscape.
  void arrangement() {
    QFETCH(Arrangement, a);
    const auto areas = HitAreas(a);
    const PixelRect plane = BoxOf(a, RowOf(ControlId::kPicture1));
    const int f = kFocusFrameWidth;
    const PixelRect frame{plane.left - f, plane.top - f, plane.width + 2 * f, plane.height + 2 * f};
    Lesson l;
    // Where each control stands and how large it is, as the tests expect it
    // (support/places.json, which the browser's tests hold the page to).
    QFile file(QFINDTESTDATA("support/places.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject places =
        QJsonDocument::fromJson(file.readAll())[a == kPortrait ? "portrait" : "landscape"]
            .toObject();
    for (std::size_t row = 0; row < kControls.size(); ++row) {
      const PixelRect area = areas[row];
      const char* name = kControls[row].name;
      QVERIFY2(l.form.Controls().At(row).Visible() == !HiddenForGood(row), name);
      QVERIFY2(TakesTaps(row) == (area != PixelRect{}), name);
      if (HiddenForGood(row))
        continue;
      const QJsonArray place =
          places[QString::fromStdString(l.form.Controls().At(row).Name())].toArray();
      const PixelRect box = BoxOf(a, row);
      QCOMPARE((QList<int>{box.left, box.top, box.width, box.height}),
               (QList<int>{place[0].toInt(-1), place[1].toInt(-1), place[2].toInt(-1),
                           place[3].toInt(-1)}));
      QVERIFY2(Holds(Window(a), Shown(a, row)), name);
      for (std::size_t other = 0; other < kControls.size(); ++other) {
        const bool meet = Overlap(Shown(a, row), Shown(a, other));
        if (other != row && !HiddenForGood(other) && meet)
          QVERIFY2(Overlap(Shown(kLandscape, row), Shown(kLandscape, other)), name);
        if (other != row && TakesTaps(other) && TakesTaps(row))
          QVERIFY2(!Overlap(area, areas[other]) && !Overlap(area, BoxOf(a, other)), name);
      }
      if (!TakesTaps(row))
        continue;
      QVERIFY2(Holds(area, BoxOf(a, row)) && Holds(Window(a), area), name);
      QVERIFY2(std::min(area.width, area.height) >= kTargetSide, name);
      QVERIFY2(area == plane || !Overlap(area, frame), name);
      for (const auto& [width, height] : {std::pair{1080, 740}, {810, 1010}, {1366, 657}}) {
        const WindowFit fit = FitWindow(width, height);
        const PixelRect shown = fit.scale.Map(area);
        QVERIFY2(fit.arrangement != a || std::min(shown.width, shown.height) >= 44, name);
      }
    }
  }

  // The plane, and "ｙ" and "χ" moved against its axes at run time, stand as in
  // landscape; the equation's boxes and notes move with it; a tablet held
  // upright shows a plane at least 600 wide.
  void portraitKeepsWhatRunTimeMovesAndTheEquation() {
    for (const std::size_t row :
         {RowOf(ControlId::kPicture1), RowOf(ControlId::kLabel5_0), RowOf(ControlId::kLabel5_1)})
      QCOMPARE(BoxOf(kPortrait, row), BoxOf(kLandscape, row));
    const PixelRect p = BoxOf(kPortrait, RowOf(ControlId::kLabel2)),
                    l2 = BoxOf(kLandscape, RowOf(ControlId::kLabel2));
    for (const ControlId id :
         {ControlId::kText1, ControlId::kText2, ControlId::kLabel3, ControlId::kLabel4})
      QCOMPARE(Arranged(kPortrait, RowOf(id), l2), p);
    QVERIFY(FitWindow(810, 1010).scale.PlaneSide() >= 600);
  }

  // Every block but the two columns of tools keeps its shape in both arrangements,
  // and with it its hit areas: they move with it, whatever the others do.
  void aBlockTakesItsAreasAlong() {
    const auto landscape = HitAreas(kLandscape), portrait = HitAreas(kPortrait);
    for (const Block block : kBlocks) {
      const PixelRect from = BoxOf(kLandscape, RowOf(block[0])),
                      to = BoxOf(kPortrait, RowOf(block[0]));
      const auto moved = [&](PixelRect r) {
        return r == PixelRect{} ? r
                                : PixelRect{r.left + to.left - from.left, r.top + to.top - from.top,
                                            r.width, r.height};
      };
      for (const ControlId id : block) {
        const std::size_t row = RowOf(id);
        QVERIFY2(block.data() == kInkBlock.data() || block.data() == kSupportsBlock.data() ||
                     (moved(BoxOf(kLandscape, row)) == BoxOf(kPortrait, row) &&
                      moved(landscape[row]) == portrait[row]),
                 kControls[row].name);
      }
    }
  }

  // Over a spread of client areas the arrangement follows the shape; landscape
  // is fitted as ever, portrait so that its window fits at the largest plane.
  void arrangementFollowsTheShape() {
    for (int w = 300; w <= 3000; w += 37) {
      for (int h = 300; h <= 2200; h += 29) {
        const auto [arrangement, s] = FitWindow(w, h);
        const WindowScale e = WindowScale::Fit(w, h);
        const double larger = (s.PlaneSide() + 1) / 640.0;
        const BaseSize b = SizeOf(arrangement);
        const QByteArray at = QByteArray::number(w) + 'x' + QByteArray::number(h);
        QVERIFY2(arrangement == (h > w ? kPortrait : kLandscape), at);
        QVERIFY2(h > w || std::tie(s.factor, s.offsetX, s.offsetY) ==
                              std::tie(e.factor, e.offsetX, e.offsetY),
                 at);
        QVERIFY2(Holds({0, 0, w, h}, s.Map(Window(arrangement))), at);
        QVERIFY2(b.width * larger > w || b.height * larger > h, at);
      }
    }
  }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "tst_layout.moc"
