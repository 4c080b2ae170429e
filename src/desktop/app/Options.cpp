#include "desktop/app/Options.h"

#include <initializer_list>
#include <string_view>

namespace lesson {

namespace {

bool IsFlag(const std::string& name) {
  return name == "quick" || name == "draw" || name == "ruby" || name == "voice" || name == "slow" ||
         name == "dark";
}

// A message in Japanese and in English, each made of its parts.
std::string Bilingual(std::initializer_list<std::string_view> japanese,
                      std::initializer_list<std::string_view> english) {
  std::string out;
  for (std::string_view part : japanese)
    out += part;
  out += '\n';
  for (std::string_view part : english)
    out += part;
  return out;
}

}  // namespace

Options ReadOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument.rfind("--", 0) != 0) {
      const bool toolkits = argument.rfind('-', 0) == 0;
      // A value after the toolkit's option (-style Fusion) is the toolkit's too.
      if (toolkits && i + 1 < arguments.size() && arguments[i + 1].rfind('-', 0) != 0)
        ++i;
      else if (!toolkits)
        options.error =
            Bilingual({"余分な引数です: ", argument}, {"unexpected argument: ", argument});
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(2, equals == std::string::npos ? equals : equals - 2);
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (IsFlag(name)) {
      value = "1";
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (name == "size" || name == "a" || name == "b" || name == "aux") {
      options.error = Bilingual({"--", name, " には値が要ります"}, {"--", name, " needs a value"});
      break;
    }
    switch (options.preparation.Take(name, value)) {
      case Preparation::Taken::kYes:
        break;
      case Preparation::Taken::kUnknownName:
        options.error =
            Bilingual({"知らないオプションです: --", name}, {"unknown option: --", name});
        break;
      case Preparation::Taken::kUnreadableValue:
        options.error = Bilingual({"--", name, " の値 \"", value, "\" は読めません"},
                                  {"--", name, ": cannot read the value \"", value, "\""});
        break;
    }
  }
  return options;
}

std::string Usage(const std::string& program) {
  return "使い方: " + program + R"( [オプション]
１次関数 y = ax + b のグラフの授業を開きます。オプションで、例を用意した状態で始められます。
  --size 大きさ   座標平面の大きさ: 1〜4、または 小、中、大、特大
  --a 文字列      傾き a の欄に入力する文字列 (2、-0.5、2/3 など)
  --b 文字列      切片 b の欄に入力する文字列
  --quick         Quick にチェックを入れる (アニメーションを待たずにかく)
  --draw          グラフをかく
  --aux A|C|AC    グラフをかいたあと、補助線A、補助線C、またはその両方をかく
  --ruby          ふりがなをつける (--ruby=0 で消す)
  --voice         読み上げをオンにする (--voice=0 でオフ)
  --slow          ゆっくり読み上げる (--slow=0 でふつう)
  --dark          白黒反転で表示する (--dark=0 でふつう)
  --help          この説明を表示する

Usage: )" +
         program +
         R"( [options]
Opens the lesson on the graph of the linear function y = ax + b. The options
start it with an example prepared.
  --size SIZE     size of the coordinate plane: 1 to 4, or 小, 中, 大, 特大
  --a TEXT        the text typed into the box for the slope a (2, -0.5, 2/3 ...)
  --b TEXT        the text typed into the box for the intercept b
  --quick         tick Quick (draw without the animations' pauses)
  --draw          draw the graph
  --aux A|C|AC    after drawing, draw line A, the slope triangle (C), or both
  --ruby          show readings over the kanji (--ruby=0: hide them)
  --voice         read the lesson aloud (--voice=0: silent)
  --slow          read aloud slowly (--slow=0: at the voice's pace)
  --dark          show the dark scheme (--dark=0: the light one)
  --help          show this help

例 / example:
  )" + program +
         " --size 大 --a 2/3 --b -1 --quick --draw --aux AC\n";
}

}  // namespace lesson
