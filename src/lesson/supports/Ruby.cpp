#include "lesson/supports/Ruby.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "lesson/access/SpeechTexts.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
#include "lesson/ink/InkTexts.h"

namespace lesson {

namespace {

// Each text whole, as the pupil meets it, so that a kanji reads as it does in
// its place: the size button 大 is だい, the 大 of 大きさ is おお.
// The long notices are written in several literals that join into one.
// clang-format off
// NOLINTBEGIN(bugprone-suspicious-missing-comma)
constexpr std::string_view kAnnotated[] = {
    // The control table's captions.
    "｜初期画面《しょきがめん》(クリア)",
    "｜終了《しゅうりょう》",
    "｜小《しょう》",
    "｜中《ちゅう》",
    "｜大《だい》",
    "｜特大《とくだい》",
    "｜座標平面《ざひょうへいめん》の｜大《おお》きさ",
    "１｜次関数《じかんすう》 ｙ＝ａχ＋ｂで",
    "ａとｂの｜値《あたい》を｜入力《にゅうりょく》せよ。",
    "｜整数倍《せいすうばい》",
    "｜拡大《かくだい》",
    "｜縮小《しゅくしょう》",
    "｜消去《しょうきょ》",
    "｜補助線《ほじょせん》A",
    "｜補助線《ほじょせん》B",
    "｜補助線《ほじょせん》C",
    "｜分数可《ぶんすうか》",
    "｜整数《せいすう》",
    "1｜倍《ばい》～５｜倍《ばい》",
    "｜消《け》しゴム",
    "｜元《もと》に｜戻《もど》す",
    "｜全部《ぜんぶ》｜消《け》す",
    "｜画像《がぞう》で｜保存《ほぞん》",
    "｜読《よ》み｜上《あ》げ",
    "｜白黒反転《しろくろはんてん》",
    // The notices.
    "プログラムを｜終了《しゅうりょう》しました。",
    "このブラウザーでは、この｜授業《じゅぎょう》のプログラムを｜動《うご》かせません。",
    "Chrome、Edge、Safari の｜新《あたら》しい｜版《はん》で｜開《ひら》いてください。"
    "iPad の「ロックダウン モード」や、｜学校《がっこう》の｜管理《かんり》の｜設定《せってい》で"
    " WebAssembly が｜止《と》められているときは、｜先生《せんせい》に｜相談《そうだん》してください。",
    "｜授業《じゅぎょう》のファイルを｜読《よ》み｜込《こ》めませんでした。",
    "ネットワークが｜切《き》れたか、ファイルやフォルダーのコピーが｜途中《とちゅう》で"
    "｜終《お》わっているのかもしれません。つながりを｜確《たし》かめて、もう｜一度《いちど》"
    "｜読《よ》み｜込《こ》んでください。｜直《なお》らないときは、｜先生《せんせい》に"
    "｜相談《そうだん》してください。",
    "｜授業《じゅぎょう》のプログラムが｜途中《とちゅう》で｜止《と》まってしまいました。",
    "もう｜一度《いちど》｜読《よ》み｜込《こ》むと、はじめからやり｜直《なお》せます。"
    "｜何度《なんど》も｜止《と》まるときは、｜先生《せんせい》に｜相談《そうだん》してください。",
    "もう｜一度《いちど》｜読《よ》み｜込《こ》む",
    "このファイルは、Chrome、Edge、Safari で｜開《ひら》くと｜動《うご》きます。iPad では、"
    "｜学校《がっこう》から｜知《し》らされた｜授業《じゅぎょう》のアドレスを Safari で"
    "｜開《ひら》いてください。",
    // The ink's and the speech's messages.
    "｜画像《がぞう》を｜保存《ほぞん》できませんでした。",
    "この｜端末《たんまつ》には、｜日本語《にほんご》の｜読《よ》み｜上《あ》げの｜声《こえ》がありません。",
};
// NOLINTEND(bugprone-suspicious-missing-comma)
// clang-format on

constexpr std::string_view kBaseMark = "｜";
constexpr std::string_view kReadingOpen = "《";
constexpr std::string_view kReadingClose = "》";

// The runs of text as an annotated entry writes them, or none where the
// entry with its marks and readings taken out is not the text. UTF-8 never
// finds a mark inside another character, so a byte search is enough.
std::optional<std::vector<RubyRun>> Match(std::string_view entry, std::string_view text) {
  std::vector<RubyRun> runs;
  std::size_t at = 0;  // the bytes of text matched so far
  // Matches part with the text where the match has come to, and keeps it as
  // a run with the reading given.
  const auto take = [&](std::string_view part, std::string_view reading) {
    if (text.substr(at, part.size()) != part)
      return false;
    if (!part.empty())
      runs.push_back({text.substr(at, part.size()), reading});
    at += part.size();
    return true;
  };
  while (!entry.empty()) {
    const std::size_t mark = entry.find(kBaseMark);
    if (!take(entry.substr(0, mark), {}))
      return std::nullopt;
    if (mark == std::string_view::npos)
      break;
    entry.remove_prefix(mark + kBaseMark.size());
    const std::size_t open = entry.find(kReadingOpen);
    const std::size_t close = entry.find(kReadingClose);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
      return std::nullopt;
    const std::size_t reading = open + kReadingOpen.size();
    if (!take(entry.substr(0, open), entry.substr(reading, close - reading)))
      return std::nullopt;
    entry.remove_prefix(close + kReadingClose.size());
  }
  if (at != text.size())
    return std::nullopt;
  return runs;
}

}  // namespace

std::vector<RubyRun> RubyRuns(std::string_view text) {
  for (const std::string_view entry : kAnnotated) {
    if (std::optional<std::vector<RubyRun>> runs = Match(entry, text))
      return std::move(*runs);
  }
  return {{text, {}}};
}

std::vector<std::string_view> ShownTexts() {
  std::vector<std::string_view> texts;
  const auto add = [&texts](std::string_view text) {
    if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end())
      texts.push_back(text);
  };
  for (const ControlRow& row : kControls)
    add(row.text);
  add(kEndedNotice);
  add(kRestartCaption);
  for (const NamedNotice& named : kPageNotices) {
    add(named.notice.what);
    add(named.notice.advice);
  }
  add(kReloadCaption);
  add(kNoScriptNotice);
  add(kSaveFailed);
  add(kNoJapaneseVoice);
  return texts;
}

std::span<const std::string_view> AnnotatedTexts() {
  return kAnnotated;
}

}  // namespace lesson
