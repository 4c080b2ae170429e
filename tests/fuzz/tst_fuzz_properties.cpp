#include <QTest>
#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "properties/Properties.h"

using namespace lesson;
using namespace lesson::fuzz;

// The fuzz targets' properties on seeded random input, so that the suite
// guards them without clang: texts drawn from the characters of the number
// grammar, raw bytes for the decoders of the geometric targets, and doubles
// of uniformly random bit patterns for the digits.
class FuzzPropertiesTest : public QObject {
  Q_OBJECT

 private:
  static constexpr int kRounds = 20000;
  // Each number's digits are also written the slow, independent way: some
  // 15 us a number, six times that under the sanitizers.
  static constexpr int kDigitRounds = 5000;

  static std::string Text(std::mt19937& rng) {
    static const std::string kAlphabet =
        "0123456789012345678901234567890123456789..++--eEdD&HhOo/ \t\nx";
    std::string out;
    const int length = static_cast<int>(rng() % 24);
    for (int i = 0; i < length; ++i) {
      if (rng() % 16 == 0)
        out += std::string(rng() % 400, static_cast<char>('0' + rng() % 10));  // long runs
      else
        out += kAlphabet[rng() % kAlphabet.size()];
    }
    return out;
  }

  static std::string Bytes(std::mt19937& rng) {
    std::string out(rng() % 48, '\0');
    for (char& c : out)
      c = static_cast<char>(rng());
    return out;
  }

  static const std::uint8_t* Data(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
  }

 private slots:
  void propertiesHold_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u}) {
      const QByteArray s = QByteArray::number(seed);
      QTest::newRow("number reading, seed " + s) << 0 << seed;
      QTest::newRow("coefficients, seed " + s) << 1 << seed;
      QTest::newRow("clipping, seed " + s) << 2 << seed;
      QTest::newRow("constructions, seed " + s) << 3 << seed;
      QTest::newRow("digits, seed " + s) << 4 << seed;
    }
  }
  void propertiesHold() {
    QFETCH(int, target);
    QFETCH(unsigned, seed);
    std::mt19937 rng(seed);
    for (int round = 0; round < (target == 4 ? kDigitRounds : kRounds); ++round) {
      std::string failure;
      if (target == 4) {
        const std::uint64_t high = rng();
        failure = CheckDigits(std::bit_cast<double>(high << 32 | rng()));
      } else if (target == 0) {
        failure = CheckReadNumber(Text(rng));
      } else if (target == 1) {
        const std::string texts = Text(rng) + '\0' + Text(rng);
        failure = CheckCoefficients(Data(texts), texts.size());
      } else {
        const std::string bytes = Bytes(rng);
        failure = target == 2 ? CheckClip(Data(bytes), bytes.size())
                              : CheckConstructions(Data(bytes), bytes.size());
      }
      if (!failure.empty())
        QFAIL(qPrintable(QString::fromStdString(failure)));
    }
  }

  // Texts at the corners of the grammar, read by both readers: blanks, a
  // fraction's numerator, exponents of E and D, &H and &O, a second point,
  // stray letters and signs, a carriage return, the ends of the double range;
  // and a and b (joined by ";") at the limits of the denominator and of b.
  void examplesHold() {
    const QString numbers =
        "1/2|2 5|\t-1\n2|3x||abc|1.5e1|1d2|25E-1|2e+|-0.5|+.25|1.5.3|&HFF|&hff|"
        "&O17|&O7777777777777777777777|12abc34|-|.|1e-400|1\r2|0.1|1e400|-1e400|"
        "&H1" +
        QString(300, 'F');
    for (const QString& text : numbers.split('|')) {
      const std::string failure = CheckReadNumber(text.toStdString());
      QVERIFY2(failure.empty(), failure.c_str());
    }
    const QString pairs = QString::fromUtf8(
        "2;|-0.5;1|;3|3/4;|-2/3;|2/-3;|1.5/2.5;|/2;| 1 / 2 ;|1/2/3;|1／2;|1/3.5;|1;1/2|1;0.1| ;|;|"
        "1/0;|2/;|1/0.4;|1/-0.5;|1/40000;|1/32767.5;|1e400;|1e400/2;|1/1e400;|1/-32768;|1;1e39");
    for (QString pair : pairs.split('|')) {
      const std::string texts = pair.replace(';', QChar(0)).toStdString();
      const std::string failure = CheckCoefficients(Data(texts), texts.size());
      QVERIFY2(failure.empty(), failure.c_str());
    }
  }

  void digitsOfPowers() {
    const std::string failure = CheckDigitsOfPowers();
    if (!failure.empty())
      QFAIL(qPrintable(QString::fromStdString(failure)));
  }
};

QTEST_APPLESS_MAIN(FuzzPropertiesTest)
#include "tst_fuzz_properties.moc"
