#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "lesson/graph/Coefficients.h"
#include "lesson/graph/ReadNumber.h"

using namespace lesson;
using Outcome = CoefficientReading::Outcome;

class NumbersTest : public QObject {
  Q_OBJECT

 private slots:
  void readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("fraction reads its numerator") << "1/2" << 1.0;
    QTest::newRow("blanks are ignored") << "2 5" << 25.0;
    QTest::newRow("tab and line feed too") << "\t-1\n2" << -12.0;
    QTest::newRow("stops at a letter") << "3x" << 3.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("exponent") << "1.5e1" << 15.0;
    QTest::newRow("D exponent") << "1d2" << 100.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "2e+" << 2.0;
    QTest::newRow("negative decimal") << "-0.5" << -0.5;
    QTest::newRow("plus sign") << "+.25" << 0.25;
    QTest::newRow("second point stops") << "1.5.3" << 1.5;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("long octal rounds") << "&O7777777777777777777777" << 73786976294838206463.0;
    QTest::newRow("trailing garbage") << "12abc34" << 12.0;
    QTest::newRow("only a sign") << "-" << 0.0;
    QTest::newRow("only a point") << "." << 0.0;
    QTest::newRow("too small for a double") << "1e-400" << 0.0;
    QTest::newRow("carriage return is not a blank") << "1\r2" << 1.0;
    QTest::newRow("correctly rounded") << "0.1" << 0.1;
  }
  void readNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = ReadNumber(text.toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
  }

  void beyondTheDoubleRangeIsRejected() {
    for (const char* text : {"1e400", "-1e400", "&H1" /* then 300 F */}) {
      std::string s(text);
      if (s == "&H1")
        s += std::string(300, 'F');
      QVERIFY2(!ReadNumber(s).has_value(), text);
    }
  }

  // Random texts never crash and give a finite number or a rejection; texts
  // that are plain decimal numbers read as the C library reads them. A text
  // reads whole where, blanks aside, it is one number of the grammar; a text
  // for a or b that reads whole is read by the lesson.
  void randomTextsAgreeWithAReferenceReading() {
    const std::string alphabet = "0123456789.+-eEdD &HhOo/x\t";
    const std::regex plain("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?");
    const std::regex number(
        "[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?|&[hH][0-9a-fA-F]+|&[oO][0-7]+");
    QRandomGenerator random(20261208);
    for (int n = 0; n < 20000; ++n) {
      std::string text;
      const int length = static_cast<int>(random.bounded(14));
      for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
      const auto read = ReadNumber(text);
      QVERIFY2(!read || std::isfinite(*read), text.c_str());
      std::string bare = text;
      std::erase_if(bare, [](char c) { return c == ' ' || c == '\t'; });
      QVERIFY2((ReadExtent(text) == NumberExtent::kWhole) == std::regex_match(bare, number),
               text.c_str());
      if (CheckSlopeText(text) == TextCheck::kWhole)
        QVERIFY2(ReadCoefficients(text, "").outcome == Outcome::kRead, text.c_str());
      if (CheckInterceptText(text) == TextCheck::kWhole)
        QVERIFY2(ReadCoefficients("", text).outcome == Outcome::kRead, text.c_str());
      if (std::regex_match(text, plain)) {
        const double reference = std::strtod(text.c_str(), nullptr);
        if (std::isfinite(reference))
          QCOMPARE(*read, reference);
      }
    }
  }

  void coefficients_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<double>("num");
    QTest::addColumn<int>("den");
    QTest::addColumn<double>("slope");
    QTest::addColumn<float>("intercept");
    const auto ok = int(Outcome::kRead);
    QTest::newRow("2") << "2"
                       << "" << ok << 0.0 << 1 << 2.0 << 0.0f;
    QTest::newRow("-0.5") << "-0.5"
                          << "1" << ok << 0.0 << 1 << -0.5 << 1.0f;
    QTest::newRow("a empty") << ""
                             << "3" << ok << 0.0 << 1 << 0.0 << 3.0f;
    QTest::newRow("3/4") << "3/4"
                         << "" << ok << 3.0 << 4 << 0.75 << 0.0f;
    QTest::newRow("-2/3") << "-2/3"
                          << "" << ok << -2.0 << 3 << -2.0 / 3 << 0.0f;
    QTest::newRow("2/-3") << "2/-3"
                          << "" << ok << 2.0 << -3 << 2.0 / -3 << 0.0f;
    QTest::newRow("1.5/2.5") << "1.5/2.5"
                             << "" << ok << 1.5 << 2 << 0.75 << 0.0f;
    QTest::newRow("/2") << "/2"
                        << "" << ok << 0.0 << 2 << 0.0 << 0.0f;
    QTest::newRow("1 / 2") << " 1 / 2 "
                           << "" << ok << 1.0 << 2 << 0.5 << 0.0f;
    QTest::newRow("1/2/3") << "1/2/3"
                           << "" << ok << 1.0 << 2 << 0.5 << 0.0f;
    QTest::newRow("fullwidth solidus") << "1／2"
                                       << "" << ok << 0.0 << 1 << 1.0 << 0.0f;
    QTest::newRow("3.5 rounds to 4") << "1/3.5"
                                     << "" << ok << 1.0 << 4 << 0.25 << 0.0f;
    QTest::newRow("b = 1/2 reads 1") << "1"
                                     << "1/2" << ok << 0.0 << 1 << 1.0 << 1.0f;
    QTest::newRow("b in single precision") << "1"
                                           << "0.1" << ok << 0.0 << 1 << 1.0 << 0.1f;
    QTest::newRow("blanks are not empty") << " "
                                          << "" << ok << 0.0 << 1 << 0.0 << 0.0f;
    QTest::newRow("both empty") << ""
                                << "" << int(Outcome::kBothEmpty) << 0.0 << 1 << 0.0 << 0.0f;
    const auto badA = int(Outcome::kSlopeInvalid);
    for (const char* a :
         {"1/0", "2/", "1/0.4", "1/-0.5", "1/40000", "1/32767.5", "1e400", "1e400/2", "1/1e400"}) {
      QTest::newRow(a) << a << "" << badA << 0.0 << 1 << 0.0 << 0.0f;
    }
    QTest::newRow("1/-32768 fits") << "1/-32768"
                                   << "" << ok << 1.0 << -32768 << 1.0 / -32768 << 0.0f;
    QTest::newRow("b beyond single")
        << "1"
        << "1e39" << int(Outcome::kInterceptInvalid) << 0.0 << 1 << 0.0 << 0.0f;
  }
  void coefficients() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, outcome);
    QFETCH(double, num);
    QFETCH(int, den);
    QFETCH(double, slope);
    QFETCH(float, intercept);
    const CoefficientReading r = ReadCoefficients(a.toStdString(), b.toStdString());
    QCOMPARE(int(r.outcome), outcome);
    if (r.outcome != Outcome::kRead)
      return;
    QCOMPARE(r.coefficients.slopeNum, num);
    QCOMPARE(int(r.coefficients.slopeDen), den);
    QCOMPARE(r.coefficients.slopeA, slope);
    QCOMPARE(r.coefficients.interceptB, intercept);
  }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
