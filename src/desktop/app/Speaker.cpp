#include "desktop/app/Speaker.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>
#include <algorithm>

namespace lesson {

Speaker::Speaker(QObject* parent) : QObject(parent) {}

Speaker::~Speaker() = default;

// The engine the system has first (speech-dispatcher's on Debian), its
// locale and voice set to Japanese ones where it has them. An engine that
// fails to start lists none.
bool Speaker::HasJapaneseVoice() {
  if (started_)
    return japanese_;
  started_ = true;
  if (QTextToSpeech::availableEngines().isEmpty())
    return false;
  engine_ = new QTextToSpeech(this);
  if (engine_->state() == QTextToSpeech::Error)
    return false;
  const auto isJapanese = [](const QLocale& locale) {
    return locale.language() == QLocale::Japanese;
  };
  const QList<QLocale> locales = engine_->availableLocales();
  const auto locale = std::ranges::find_if(locales, isJapanese);
  if (locale == locales.end())
    return false;
  engine_->setLocale(*locale);
  const QList<QVoice> voices = engine_->availableVoices();
  const auto voice =
      std::ranges::find_if(voices, [&](const QVoice& v) { return isJapanese(v.locale()); });
  if (voice == voices.end())
    return false;
  engine_->setVoice(*voice);
  connect(engine_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
    if (state == QTextToSpeech::Ready)
      SayNext();
  });
  japanese_ = true;
  return true;
}

double Speaker::EngineRate(double rate) {
  return std::clamp(rate - 1.0, -1.0, 1.0);
}

void Speaker::Say(const std::vector<std::string>& sentences, double rate) {
  if (!HasJapaneseVoice())
    return;
  queue_.clear();
  for (const std::string& sentence : sentences)
    queue_.push_back(QString::fromStdString(sentence));
  engine_->setRate(EngineRate(rate));
  engine_->stop();
  // An engine still speaking says the next once it has stopped.
  if (engine_->state() != QTextToSpeech::Speaking)
    SayNext();
}

void Speaker::SayNext() {
  if (queue_.empty() || engine_->state() == QTextToSpeech::Speaking)
    return;
  const QString next = queue_.front();
  queue_.pop_front();
  engine_->say(next);
}

}  // namespace lesson
