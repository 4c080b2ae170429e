#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace lesson {

// ふりがな: the readings a front-end shows in small hiragana over the kanji
// of the lesson's texts, for pupils who have not learnt them yet.

// One run of a shown text: a base and the reading shown over it (hiragana),
// or an empty reading for a run shown without one (kana, digits, latin,
// punctuation). The base views the text given to RubyRuns; the reading views
// the table, which lives as long as the program.
struct RubyRun {
  std::string_view base;
  std::string_view reading;
};

// The runs of a text the lesson shows, in order; their bases joined give the
// text. A text without kanji, or not in the table, is one run without a
// reading.
std::vector<RubyRun> RubyRuns(std::string_view text);

// Every text the lesson shows on screen, gathered from where each is defined
// (the control table's captions, the notices, the ink's and the speech's
// messages), each once, for tests and for the front-ends. Captions that are
// empty show nothing and are left out.
std::vector<std::string_view> ShownTexts();

// The table itself: each shown text that holds kanji, written once with its
// readings in the ruby notation Japanese publishing uses: ｜base《reading》
// (the ｜ is U+FF5C, 《》 U+300A/U+300B). Every base starts with its ｜, and
// a reading is split wherever okurigana come between kanji:
// "｜座標平面《ざひょうへいめん》の｜大《おお》きさ", "｜読《よ》み｜上《あ》げ".
std::span<const std::string_view> AnnotatedTexts();

}  // namespace lesson
