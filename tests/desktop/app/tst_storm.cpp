#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <memory>
#include <random>

#include "desktop/app/Fonts.h"
#include "desktop/support/ReferenceSurface.h"
#include "desktop/support/Window.h"
#include "lesson/graph/GraphGeometry.h"

using namespace lesson;
using namespace lesson::test;

namespace {

// Texts that break the limits of the lesson or a careless reader, one a line.
const char* const kHostile =
    "1/0\n2/\n1/0.4\n1/40000\n1/-32768\n1/32767\n327/1\n1e309\n-1e309\n1e-400\n1e-320\n"
    "3.5e38\n-3.41e38\n1e300\n-1e300/3\n&HFFFFFFFFFFFFFFFFFFFFFFFF\n&O777777777777777777777\n"
    "１／２\n1／2\nNaN\ninf\n-\n+.\n1e\n1/2/3\n \t\n0.5/0.5\n2/3\n-2/3\n2/-3\n3/5\n1/49\n0\n"
    "🙂\n\u202e1/2\n12345678901234567890/7";

// Where a construction's full rebuild draws what, when a handler rebuilds the
// picture; the order matters where strokes overlap.
enum class Rebuild { kNone, kReset, kSize, kEnlarge, kMultiple, kEraseTriangle, kEraseLineA };

}  // namespace

// Seeded random storms of clicks, keys, texts, pointer events and window
// sizes (pixel ratios below and above 1) on a real window, some delivered
// inside the animations' waits so that handlers nest. After every event the
// lesson state must lie in its domain and the Quick box follow the
// press/release rule; whenever no wait is in progress the buttons must agree
// with the lesson state, the picture with a plain rendering of what was drawn
// since the last clearing (after a rebuild that nothing interrupted, also
// with a fresh rebuild of the lesson state), and what the plane has painted
// on the screen, its partial repaints during the waits included, with the
// picture.
class StormTest : public QObject {
  Q_OBJECT

 private:
  // Delivers random events inside the waits of the animations.
  class StormPacer final : public Pacer {
   public:
    explicit StormPacer(StormTest& storm) : storm_(storm) {}
    double NowMs() override { return now_; }
    // A sleep takes no time of the clock's own: the events delivered inside
    // it, and the waits they start, take theirs.
    bool SleepUntil(double deadline) override {
      ++storm_.depth_;
      QCoreApplication::processEvents();
      const int count = storm_.depth_ <= 3 && storm_.rng_() % 4 == 0 ? 1 + storm_.rng_() % 3 : 0;
      for (int i = 0; i < count && storm_.left_ > 0 && !QTest::currentTestFailed(); ++i)
        storm_.Event();
      --storm_.depth_;
      now_ = std::max(now_, deadline);
      return true;
    }
    void RunQueuedInput() override { QCoreApplication::processEvents(); }

   private:
    StormTest& storm_;
    double now_ = 0;
  };

  // The window under test, and a second one that rebuilds pictures afresh.
  struct Windows {
    WindowLesson lesson;
    Lesson mirror;
  };
  std::unique_ptr<Windows> windows_;
  std::mt19937 rng_;
  int depth_ = 0;
  int left_ = 0;  // events still to deliver
  bool nested_ = false;
  int plainChecks_ = 0;
  int rebuildChecks_ = 0;
  int nestedEvents_ = 0;
  int deepest_ = 0;
  QImage screen_;  // the picture's pixels as the plane has painted them

  Form1& F() { return windows_->lesson.form; }
  LessonWindow& Window() { return windows_->lesson.window; }
  template <class Model>
  auto W(const Model& model) {
    return Window().WidgetOf(model);
  }
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  // Keeps what each paint of the plane puts on the screen.
  bool eventFilter(QObject* object, QEvent* event) override {
    if (windows_ && object == W(F().Picture1) && event->type() == QEvent::Paint) {
      const QImage& image = Window().PictureImage().Image();
      if (screen_.size() != image.size())
        screen_ = QImage(image.size(), image.format());
      const QRect area = static_cast<QPaintEvent*>(event)->rect() & image.rect();
      QPainter(&screen_).drawImage(area, image, area);
    }
    return false;
  }

  QString RandomText() {
    static const QStringList kTexts = QString::fromUtf8(kHostile).split('\n');
    if (Pick(3) == 0)
      return kTexts[Pick(static_cast<int>(kTexts.size()))];
    static const QString kAlphabet =
        QStringLiteral("0123456789012345678901234567890../+-eEdD&HO x");
    QString text;
    for (int i = Pick(12); i > 0; --i)
      text += kAlphabet[Pick(static_cast<int>(kAlphabet.size()))];
    return text;
  }

  QPointF PlanePoint() {
    if (Pick(6) == 0)  // off the plane, as the pointer's grab reports it
      return QPointF(Pick(20001) - 10000, Pick(20001) - 10000) * (Pick(2) == 0 ? 1 : 37.5);
    return QPointF(Pick(64000) / 100.0, Pick(64000) / 100.0);
  }

  // Key presses as a keyboard or an input method sends them, any character.
  static void Type(QWidget* w, const QString& text) {
    for (QChar c : text) {
      const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
      QApplication::sendEvent(w, &press);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
      QApplication::sendEvent(w, &release);
    }
  }

  void Pointer(QEvent::Type type) {
    const QPointF at = PlanePoint();
    const Qt::MouseButton button = Pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
    QMouseEvent event(type, at, W(F().Picture1)->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(W(F().Picture1), &event);
  }

  // One random event, checked afterwards.
  void Event() {
    --left_;
    if (depth_ > 0) {
      nested_ = true;
      ++nestedEvents_;
      deepest_ = std::max(deepest_, depth_);
    }
    Form1& f = F();
    Rebuild rebuild = Rebuild::kNone;
    const LessonState before = f.State();
    const bool dragging = f.State().TriangleState == 2;
    const int kind = Pick(100);
    if (kind < 30) {
      // The ink's tools stay off: with one on, the pointer writes on the
      // plane instead of working the lesson this storm follows.
      std::vector<QWidget*> enabled;
      for (QWidget* w : Window().findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (w->isVisible() && w->isEnabled() && w != W(f.Command1) &&
            ((button != nullptr && !button->isCheckable()) || qobject_cast<QCheckBox*>(w) ||
             w == W(f.Text1) || w == W(f.Text2))) {
          enabled.push_back(w);
        }
      }
      QWidget* w = enabled[static_cast<std::size_t>(Pick(static_cast<int>(enabled.size())))];
      const bool quickBefore = f.Quick();
      QTest::mouseClick(w, Qt::LeftButton);
      if (w == W(f.Check2))
        QCOMPARE(f.Quick(), !quickBefore);
      if (w == W(f.Command2))
        QCOMPARE(f.Quick(), depth_ > 0);  // a reset during a wait lets the animation finish
      const std::pair<QWidget*, Rebuild> rebuilds[] = {
          {W(f.Command3[0]), Rebuild::kSize},
          {W(f.Command3[1]), Rebuild::kSize},
          {W(f.Command3[2]), Rebuild::kSize},
          {W(f.Command3[3]), Rebuild::kSize},
          {W(f.Command8[0]), Rebuild::kEnlarge},
          {W(f.Command8[1]), Rebuild::kEnlarge},
          {W(f.Command7), Rebuild::kMultiple},
          {W(f.Command9), Rebuild::kEraseTriangle},
          {W(f.Command11), Rebuild::kEraseLineA},
          {depth_ == 0 ? W(f.Command2) : nullptr, Rebuild::kReset}};
      for (const auto& [button, kind] : rebuilds)
        rebuild = w == button ? kind : rebuild;
    } else if (kind < 42) {
      QLineEdit* box = Pick(2) == 0 ? W(f.Text1) : W(f.Text2);
      if (Pick(20) == 0) {  // pasted: far longer than anyone types
        box->setText(QString(100000, QChar(u'0' + Pick(10))).insert(Pick(40000), RandomText()));
      } else {
        if (Pick(3) == 0)
          box->clear();
        Type(box, RandomText());
      }
    } else if (kind < 54) {
      // The arrows move the triangle when the plane has the focus.
      static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Left,
                                      Qt::Key_Down};
      QWidget* target =
          QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
      const Qt::Key key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
      // Ending is tested on its own; the ink's tools stay off, as above.
      const auto* pushed = qobject_cast<QPushButton*>(target);
      const bool toggle = pushed != nullptr && pushed->isCheckable();
      if ((target != W(f.Command1) && !toggle) || key == Qt::Key_Tab)
        QTest::keyClick(target, key);
    } else if (kind < 62) {
      Pointer(QEvent::MouseButtonPress);
      QVERIFY(f.Quick());
    } else if (kind < 88) {
      Pointer(QEvent::MouseMove);
      if (dragging)
        rebuild = Rebuild::kEnlarge;  // the same order: plane, graph, line A, triangle
    } else if (kind < 96) {
      Pointer(QEvent::MouseButtonRelease);
      QVERIFY(!f.Quick());
    } else if (kind < 98) {
      QTest::mouseClick(&Window(), Qt::LeftButton, {}, QPoint(670 + Pick(340), 600 + Pick(30)));
    } else {
      Window().resize(200 + Pick(1200), 200 + Pick(900));
    }
    CheckDomain();
    if (depth_ == 0)
      Quiet(rebuild, before);
  }

  void CheckDomain() {
    const LessonState& s = F().State();
    QVERIFY(s.UnitPx == 100 || s.UnitPx == 50 || s.UnitPx == 25 || s.UnitPx == 14);
    QVERIFY(s.OriginX == 320 && s.OriginY == 320);
    QVERIFY(s.LineAState == 0 || s.LineAState == 1);
    QVERIFY(s.TriangleState >= 0 && s.TriangleState <= 2);
    QVERIFY(s.GraphDrawn == 0 || s.GraphDrawn == 1);
    QVERIFY(s.TriangleScale != 0);
    QVERIFY(s.GraphDrawn == 0 || s.SlopeDen != 0);
    QVERIFY(std::isfinite(s.SlopeA) && std::isfinite(s.SlopeNum) && std::isfinite(s.InterceptB));
    QVERIFY(std::isfinite(s.TriangleX) && std::isfinite(s.TriangleY));
  }

  // No wait is in progress: the buttons carry the lesson's course and the
  // picture is what was drawn.
  void Quiet(Rebuild rebuild, const LessonState& before) {
    // The plane asks for a repaint of what changed, then paints it.
    for (int round = 0; round < 2; ++round)
      QCoreApplication::processEvents();
    QVERIFY2(screen_ == Window().PictureImage().Image(), "a stale pixel on the screen");
    Form1& f = F();
    const LessonState& s = f.State();
    const bool triangle = s.TriangleState != 0;
    QCOMPARE(W(f.Command5)->isEnabled(), s.GraphDrawn == 0);
    // Line A restarted inside a wait of its own erase button leaves "補助線A"
    // enabled over a shown line A, so only this direction holds for it.
    QVERIFY(!(s.GraphDrawn == 1 && s.LineAState == 0) || W(f.Command10)->isEnabled());
    QVERIFY(s.GraphDrawn == 1 || !W(f.Command10)->isEnabled());
    QVERIFY(s.LineAState == 0 || (W(f.Command11)->isEnabled() && s.GraphDrawn == 1));
    QCOMPARE(W(f.Command9)->isEnabled(), triangle);
    QCOMPARE(W(f.Command8[0])->isEnabled(), triangle);
    QCOMPARE(W(f.Command8[1])->isEnabled(), triangle);
    QVERIFY(triangle || !W(f.Command7)->isEnabled());
    for (const Control* c : std::initializer_list<const Control*>{
             &f.Text1, &f.Text2, &f.Command1, &f.Command2, &f.Command3[0], &f.Command3[1],
             &f.Command3[2], &f.Command3[3], &f.Check2}) {
      QVERIFY(W(*c)->isEnabled() && W(*c)->isVisible());
    }
    QVERIFY(!W(f.Command4)->isVisible() && !W(f.Command6)->isVisible() &&
            !W(f.Check1)->isVisible());

    std::vector<DrawCall>& calls = windows_->lesson.surface.calls;
    for (std::size_t i = calls.size(); i-- > 0;) {
      if (calls[i].kind == DrawCall::Kind::kCls) {
        calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
    if (rebuild != Rebuild::kNone && !nested_) {
      ++rebuildChecks_;
      QVERIFY2(Window().PictureImage().Image() == FreshRebuild(rebuild, before),
               "differs from a fresh rebuild");
    } else if (!calls.empty() && calls.front().kind == DrawCall::Kind::kCls) {
      ++plainChecks_;
      QVERIFY2(Window().PictureImage().Image() == PlainRendering(calls),
               "differs from a plain rendering of its drawing");
    }
    nested_ = false;
  }

  QImage PlainRendering(const std::vector<DrawCall>& calls) {
    ImageSurface plain(JapaneseGothicFace(), Window().PictureImage().DevicePixelRatio());
    ReplaySinceCls(calls, plain);
    return plain.Image();
  }

  // The picture the handler should have left, drawn by a second window from
  // the lesson state alone onto a new image. The triangle's erase button
  // draws line A before the graph re-reads the boxes, so from the
  // coefficients as they were before it.
  QImage FreshRebuild(Rebuild rebuild, const LessonState& before) {
    Form1& m = windows_->mirror.form;
    const LessonState& s = F().State();
    m.State() = s;
    m.SetQuick(true);
    ImageSurface fresh(JapaneseGothicFace(), Window().PictureImage().DevicePixelRatio());
    m.SetSurface(&fresh);
    fresh.SetFontSize(20);
    const bool graph = s.GraphDrawn == 1 && !(F().Text1.Text().empty() && F().Text2.Text().empty());
    const bool lineA = s.LineAState == 1;
    const auto drawGraph = [&] {
      if (!graph)
        return;
      fresh.SetDrawWidth(3);
      if (const auto g = GraphEndPoints(s.Mapping(), s.SlopeA, s.InterceptB))
        fresh.Line(g->x1, g->y1, g->x2, g->y2);
    };
    const auto drawLineA = [&] {
      if (lineA)
        m.Command10_Click();
    };
    const auto drawTriangle = [&](bool when) {
      if (when)
        m.DrawSlopeTriangle(m.State().TriangleScale);
    };
    m.DrawPlane();
    switch (rebuild) {
      case Rebuild::kNone:
      case Rebuild::kReset:
        break;
      case Rebuild::kSize:
      case Rebuild::kEnlarge:
        drawGraph();
        drawLineA();
        drawTriangle(rebuild == Rebuild::kEnlarge || s.TriangleState == 1);
        break;
      case Rebuild::kMultiple:
        drawGraph();
        drawLineA();
        drawTriangle(true);
        drawLineA();
        break;
      case Rebuild::kEraseTriangle:
        m.State() = before;
        drawLineA();
        m.State() = s;
        drawGraph();
        break;
      case Rebuild::kEraseLineA:
        drawGraph();
        drawTriangle(s.TriangleState == 1);
        break;
    }
    m.SetSurface(nullptr);
    return fresh.Image();
  }

 private slots:
  void invariantsHoldThroughAStorm_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {11u, 23u, 47u, 95u})
      QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
  }
  void invariantsHoldThroughAStorm() {
    QFETCH(unsigned, seed);
    constexpr int kEvents = 5000;
    windows_ = std::make_unique<Windows>();
    screen_ = QImage();
    W(F().Picture1)->installEventFilter(this);
    StormPacer pacer(*this);
    Window().SetPacer(&pacer);
    Window().show();
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    F().DrawPlane();  // from here on every drawing call is recorded
    rng_.seed(seed);
    left_ = kEvents;
    plainChecks_ = rebuildChecks_ = nestedEvents_ = deepest_ = 0;
    while (left_ > 0 && !QTest::currentTestFailed())
      Event();
    qInfo(
        "seed %u: %d events (%d inside waits, nested %d deep), %d comparisons with a plain "
        "rendering, %d with a fresh rebuild",
        seed, kEvents - left_, nestedEvents_, deepest_, plainChecks_, rebuildChecks_);
    windows_.reset();
    if (QTest::currentTestFailed())
      return;
    // The storm reached what it is for: input three waits deep, and many
    // pictures compared both ways.
    QVERIFY2(nestedEvents_ >= 200 && deepest_ == 3, "the storm hardly nested");
    QVERIFY2(plainChecks_ >= 2000 && rebuildChecks_ >= 400, "the storm hardly compared pictures");
  }
};

QTEST_MAIN(StormTest)
#include "tst_storm.moc"
