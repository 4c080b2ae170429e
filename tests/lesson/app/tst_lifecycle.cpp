#include <QTest>
#include <cmath>
#include <numeric>

#include "support/Recording.h"

using namespace lesson;
using namespace lesson::test;

// Start-up, the initial screen and the end, on the lesson alone.
class LifecycleTest : public QObject {
  Q_OBJECT

 private slots:
  void startUp() {
    Lesson l;
    QCOMPARE(l.form.Caption(), std::string("１次関数のグラフ(2)　　by r.Yorune"));
    const LessonState& s = l.form.State();
    QCOMPARE((std::array<int, 8>{s.OriginX, s.OriginY, s.UnitPx, s.TriangleScale, s.GraphDrawn,
                                 s.LineAState, s.TriangleState, int(s.TriangleX)}),
             (std::array<int, 8>{320, 320, 50, 1, 0, 0, 0, 0}));
    QCOMPARE(l.form.Picture().FontSize(), 20.0f);
    QCOMPARE(l.Focus(), &l.form.Text1);
    QVERIFY(!l.form.Command4.Visible() && !l.form.Command6.Visible() && !l.form.Check1.Visible());
    // Every control of the table has its model, in tab order.
    for (std::size_t row = 0; row < kControls.size(); ++row)
      QCOMPARE(l.form.Controls().At(row).Row(), row);
  }

  // A click on any control the pupil cannot use (disabled, as a window
  // system may still deliver one) does nothing: no handler runs, nothing is
  // drawn, told or ended.
  void aDisabledControlTakesNoClick() {
    for (std::size_t row = 0; row < kControlCount; ++row) {
      Lesson l;
      l.Graph("2/3", "1");
      Control& control = l.form.Controls().At(row);
      control.SetEnabled(false);
      const auto seen = [&l] {
        const TestHost& h = l.host;
        return std::vector<std::size_t>{l.surface.calls.size(),       h.announced.size(),
                                        h.inkUpdates.size(),          h.saved.size(),
                                        std::size_t(h.ended),         std::size_t(h.pictureNotices),
                                        std::size_t(h.controlNotices)};
      };
      const auto before = seen();
      const LessonState state = l.form.State();
      l.Click(control);
      QVERIFY2(seen() == before && l.form.State().GraphDrawn == state.GraphDrawn &&
                   l.form.State().UnitPx == state.UnitPx &&
                   l.form.State().LineAState == state.LineAState,
               qPrintable(QString::number(row)));
    }
  }

  // A new size is told once as a new fit, every control shown in it first;
  // after "終了" nothing of a resize reaches the host.
  void resizeIsToldUntilTheEnd_data() {
    QTest::addColumn<bool>("ended");
    QTest::newRow("shown") << false;
    QTest::newRow("after 終了") << true;
  }
  void resizeIsToldUntilTheEnd() {
    QFETCH(bool, ended);
    Lesson l;
    QVERIFY(l.host.fits == std::vector{FitWindow(kFormWidth, kFormHeight)});
    if (ended)
      l.Click(l.form.Command1);
    const int notices = l.host.controlNotices, pictures = l.host.pictureNotices;
    l.form.Resize(810, 1010);
    l.form.Resize(810, 1010);
    QCOMPARE(l.host.controlNotices - notices, ended ? 0 : int{kControlCount});
    QCOMPARE(l.host.fits.size(), ended ? 1u : 2u);
    QVERIFY(l.host.fits.back() == FitWindow(ended ? 1024 : 810, ended ? 687 : 1010));
    QCOMPARE(l.host.pictureNotices, pictures);
    // A new pixel ratio in the same room: the plane's view and the fit again.
    l.form.Repaint();
    QCOMPARE(l.host.controlNotices - notices, ended ? 0 : int{kControlCount} + 1);
    QCOMPARE(l.host.fits.size(), ended ? 1u : 3u);
  }

  // The initial screen empties the plane and the boxes but keeps the plane
  // size, the coefficients, the anchor and the state of "補助線C".
  void resetKeepsSizeCoefficientsAndAnchor_data() {
    QTest::addColumn<bool>("withTriangle");
    QTest::newRow("graph only: 補助線C stays enabled") << false;
    QTest::newRow("triangle shown: 補助線C stays disabled") << true;
  }
  void resetKeepsSizeCoefficientsAndAnchor() {
    QFETCH(bool, withTriangle);
    Lesson l;
    l.form.Command3_Click(2);
    l.Graph("2/3", "1");
    l.form.SetQuick(true);
    l.Click(l.form.Command10);
    if (withTriangle)
      l.Click(l.form.Command12);
    l.Click(l.form.Command2);
    const LessonState& s = l.form.State();
    QCOMPARE((std::array<int, 8>{s.OriginX, s.OriginY, s.TriangleScale, s.GraphDrawn, s.LineAState,
                                 s.TriangleState, s.UnitPx, s.SlopeDen}),
             (std::array<int, 8>{320, 320, 1, 0, 0, 0, 25, 3}));
    QVERIFY(s.SlopeA == 2.0 / 3 && s.SlopeNum == 2 && s.InterceptB == 1);
    QCOMPARE(s.TriangleY, withTriangle ? 295.0f : 0.0f);
    QVERIFY(l.form.Text1.Text().empty() && l.form.Text2.Text().empty());
    QCOMPARE(l.surface.calls.back().kind, DrawCall::Kind::kPrint);  // the plane came last
    for (const Button* b : {&l.form.Command10, &l.form.Command11, &l.form.Command7,
                            &l.form.Command8[0], &l.form.Command8[1], &l.form.Command9}) {
      QVERIFY(!b->Enabled());
    }
    QVERIFY(l.form.Command5.Enabled() && !l.form.Quick());
    QCOMPARE(l.form.Command12.Enabled(), !withTriangle);
    QCOMPARE(l.Focus(), &l.form.Text1);
    QVERIFY(l.form.Command3[2].FontBold() && !l.form.Command3[1].FontBold());
  }

  // A reset clicked during an animation lets it finish at once, then resets:
  // nothing of the animation is left on the fresh plane.
  void resetDuringAnAnimationComesAfterIt() {
    Lesson l;
    l.Graph("2/3", "1");
    l.pacer.At(2, [&] { l.Click(l.form.Command2); });
    l.Click(l.form.Command10);
    QCOMPARE(l.pacer.waits.size(), std::size_t{3});  // the rest drawn without waiting
    std::vector<DrawCall> fresh = l.surface.calls;
    for (std::size_t i = fresh.size(); i-- > 0;) {
      if (fresh[i].kind == DrawCall::Kind::kCls) {
        fresh.erase(fresh.begin(), fresh.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
    QVERIFY(fresh.size() < l.surface.calls.size());  // the animation was drawn before it
    for (const DrawCall& c : fresh)
      QVERIFY(c.kind != DrawCall::Kind::kLine || c.stroke.colour == QBColor(0));
    QVERIFY(fresh.back().text == "-10");  // the plane's last number
    QVERIFY(!l.form.Command11.Enabled() && !l.form.Quick() && l.form.Command5.Enabled());
    QCOMPARE(l.form.State().LineAState, std::int16_t{0});
    QCOMPARE(l.Focus(), &l.form.Text1);
  }

  // A wait ends at its deadline whatever runs inside it: the slope triangle
  // started during line A's first wait (a new size reopens "補助線C") draws
  // with waits of its own, longer than that wait, and line A goes on as soon
  // as the triangle is done.
  void aNestedAnimationDoesNotLengthenTheWait() {
    const auto sleptFor = [](const Lesson& l) {
      const std::vector<int> waits = l.WaitTimes();
      return std::accumulate(waits.begin(), waits.end(), 0.0);
    };
    Lesson alone;
    alone.form.Command3_Click(2);
    alone.Graph("2/3", "1");
    alone.Click(alone.form.Command10);
    Lesson l;
    l.form.Command3_Click(2);
    l.Graph("2/3", "1");
    l.Clear();
    l.pacer.At(0, [&] {
      l.Click(l.form.Command3[2]);
      l.Click(l.form.Command12);
    });
    const double start = l.host.NowMs();
    l.Click(l.form.Command10);
    const std::vector<int> waits = l.WaitTimes();
    QCOMPARE(std::vector<int>(waits.begin(), waits.begin() + 6),
             (std::vector<int>{200, 200, 50, 300, 200, 50}));  // the triangle's, nested
    QCOMPARE(sleptFor(l), sleptFor(alone) + 800);
    QVERIFY(std::abs(l.host.NowMs() - start - (sleptFor(alone) + 800 - 200)) < 1);
  }
};

QTEST_APPLESS_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
