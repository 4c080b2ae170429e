#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <string>
#include <vector>

class QTextToSpeech;

namespace lesson {

// 読み上げ: the lesson's sentences said by the system's speech engine, in a
// Japanese voice only. The engine is started at the first need of it, not
// with the window: most lessons never read aloud. A voice that is not
// Japanese would read the kanji as nonsense, or spell them, so a device
// without one stays silent (and the window says so).
//
// The engine says one text at a time: the sentences wait in a queue, and the
// next is said when the engine is ready again. Nothing here waits: the
// animations keep their pace whatever is being said.
class Speaker final : public QObject {
 public:
  explicit Speaker(QObject* parent = nullptr);
  ~Speaker() override;

  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // Whether a Japanese voice speaks; starts the engine the first time.
  bool HasJapaneseVoice();
  // Cuts short what is being said and says the sentences in turn, at rate
  // times the voice's own pace.
  void Say(const std::vector<std::string>& sentences, double rate);

  // The engine's rate (-1 slowest, 0 the voice's own, 1 fastest) for a
  // rate as the lesson gives it (1 the voice's own pace).
  static double EngineRate(double rate);

 private:
  void SayNext();

  QTextToSpeech* engine_ = nullptr;
  bool started_ = false;
  bool japanese_ = false;
  std::deque<QString> queue_;
};

}  // namespace lesson
