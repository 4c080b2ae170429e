#include <QTest>
#include <algorithm>
#include <string>

#include "lesson/supports/Ruby.h"
#include "lesson/text/Utf8.h"

// Of a text's characters: 1 where one is a kanji, 2 where one is not, 4 where one is not hiragana.
static int Kinds(std::string_view text) {
  int kinds = 0;
  for (std::size_t at = 0; at < text.size(); at += lesson::ReadUtf8(text, at).length) {
    const char32_t c = lesson::ReadUtf8(text, at).value;
    const bool kanji =
        c == U'々' || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || c >= 0x20000;
    kinds |= (kanji ? 1 : 2) | ((c >= 0x3041 && c <= 0x309F) || c == U'ー' ? 0 : 4);
  }
  return kinds;
}

class RubyTest : public QObject {
  Q_OBJECT

 private slots:
  // Each shown text's runs give it back, each kanji under a hiragana reading and nothing else
  // under one; each entry of the table is some shown text's runs, written in its notation.
  void everyShownTextReadsInHiragana() {
    std::vector<std::string> written;
    for (const std::string_view text : lesson::ShownTexts()) {
      std::string joined, notation;
      for (const auto& [base, reading] : lesson::RubyRuns(text)) {
        const std::string ruby = "｜" + std::string(base) + "《" + std::string(reading) + "》";
        const bool read = reading.empty() ? (Kinds(base) & 1) == 0
                                          : (Kinds(base) & 3) == 1 && (Kinds(reading) & 4) == 0;
        QVERIFY2(read, (ruby + " in " + std::string(text)).c_str());
        joined += base;
        notation += reading.empty() ? std::string(base) : ruby;
      }
      QCOMPARE(joined, std::string(text));
      written.push_back(notation);
    }
    for (const std::string_view entry : lesson::AnnotatedTexts())
      QVERIFY2(std::ranges::count(written, entry) > 0,
               ("no shown text is " + std::string(entry)).c_str());
  }
};

QTEST_APPLESS_MAIN(RubyTest)
#include "tst_ruby.moc"
