#include <QTest>
#include <algorithm>
#include <array>
#include <random>

#include "lesson/app/PageLook.h"
#include "lesson/supports/Palette.h"

Q_DECLARE_METATYPE(lesson::SchemeLayer)

using namespace lesson;

namespace {

std::string_view RoleOf(Colour light) {
  const auto row = std::ranges::find(SchemeColours(), light, &SchemeColour::light);
  return row != SchemeColours().end() ? row->role : std::string_view{};
}

Colour OfRole(Scheme scheme, std::string_view role) {
  return InScheme(scheme, std::ranges::find(SchemeColours(), role, &SchemeColour::role)->light);
}

}  // namespace

class PaletteTest : public QObject {
  Q_OBJECT

 private slots:
  // Light: today's colours. Dark: the plane's from the table, any other readable on its paper.
  void lightIsTodaysAndDarkReadsOnItsPaper() {
    for (int index : {0, 9, 12})
      QVERIFY(!RoleOf(QBColor(index)).empty());
    std::mt19937 random(1);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto byte = [&] { return static_cast<std::uint8_t>(channel(random)); };
    for (int i = 0; i < 2000; ++i) {
      const Colour c = i < 16 ? QBColor(i) : Colour{byte(), byte(), byte()};
      QCOMPARE(InScheme(Scheme::kLight, c).Rgb(), c.Rgb());
      if (RoleOf(c).empty())
        QVERIFY(ContrastRatio(InScheme(Scheme::kDark, c), OfRole(Scheme::kDark, "paper")) >= 4.5);
    }
    for (const PageColour& c : kPageColours)
      QCOMPARE(PageColourIn(Scheme::kLight, c.name).Rgb(), c.colour.Rgb());
  }

  void contrast_data() {
    QTest::addColumn<SchemeLayer>("layer");
    for (const SchemeLayer& layer : SchemeLayers())
      QTest::addRow("%s over %s", layer.over.data(), layer.under.data()) << layer;
  }
  // WCAG 2 in the dark scheme (texts 4.5:1, the rest 3:1); the light scheme's shown beside.
  void contrast() {
    QFETCH(SchemeLayer, layer);
    std::array<double, 2> ratio{};
    for (Scheme s : {Scheme::kLight, Scheme::kDark})
      ratio[s == Scheme::kDark] = ContrastRatio(OfRole(s, layer.over), OfRole(s, layer.under));
    qInfo("dark %.2f:1 (light %.2f:1)", ratio[1], ratio[0]);
    QVERIFY(ratio[1] >= (layer.use == ColourUse::kText ? 4.5 : 3));
  }

  // The plane's colours of meaning and the pen's, apart from line A and the
  // triangle for every vision: CIE76 at least 20 (a just noticeable difference
  // is 2.3, and a 3 px line looks paler than a patch; the light scheme's: 22.0).
  void coloursOfMeaningStayApart() {
    const std::array<Colour, 5> meanings{QBColor(12), QBColor(9), QBColor(0), kInkColours[1],
                                         kInkColours[2]};
    const std::array<const char*, 4> visions{"typical", "protanopia", "deuteranopia", "tritanopia"};
    for (std::size_t a = 0; a < 2; ++a) {
      for (std::size_t b = a + 1; b < meanings.size(); ++b) {
        const Colour x = meanings[a], y = meanings[b];
        for (std::size_t v = 0; v < visions.size(); ++v) {
          const auto vision = static_cast<Vision>(v);
          const double dark =
              ColourDistance(vision, InScheme(Scheme::kDark, x), InScheme(Scheme::kDark, y));
          const QString pair =
              QString("%1, %2, %3").arg(RoleOf(x).data(), RoleOf(y).data(), visions[v]);
          qInfo("%s: dark %.1f (light %.1f)", qPrintable(pair), dark, ColourDistance(vision, x, y));
          QVERIFY2(dark >= 20, qPrintable(pair + ": too close in the dark scheme"));
        }
      }
    }
  }
};

QTEST_APPLESS_MAIN(PaletteTest)
#include "tst_palette.moc"
