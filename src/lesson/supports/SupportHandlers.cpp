// The reading supports: each toggle turns its support on or off, and the
// host shows and keeps them. None of them changes what the lesson does.

#include "lesson/access/Speech.h"
#include "lesson/access/SpeechTexts.h"
#include "lesson/app/Form1.h"

namespace lesson {

void Form1::SetSupports(const Supports& supports) {
  if (ending_)
    return;
  const bool voiceTurnedOn = supports.voice && !supports_.voice;
  const bool rubyTurned = supports.ruby != supports_.ruby;
  supports_ = supports;
  Furigana.SetPressed(supports_.ruby);
  ReadAloud.SetPressed(supports_.voice);
  ReadSlowly.SetPressed(supports_.slow);
  DarkScheme.SetPressed(supports_.dark);
  host_.SupportsChanged(supports_);
  // With readings shown or taken away a few rows move (layout/RubyRoom.h):
  // every control is shown anew where it now stands.
  if (rubyTurned) {
    for (std::size_t row = 0; row < kControlCount; ++row)
      host_.ControlChanged(controls_.At(row));
  }
  // Turned on, it first says what the plane shows.
  if (voiceTurnedOn)
    Say(SayPlane(state_, graphSlopeText_, graphInterceptText_));
}

void Form1::Toggle(bool Supports::*support) {
  Supports next = supports_;
  next.*support = !(next.*support);
  SetSupports(next);
}

void Form1::Furigana_Click() {
  Toggle(&Supports::ruby);
}

void Form1::ReadAloud_Click() {
  Toggle(&Supports::voice);
}

void Form1::ReadSlowly_Click() {
  Toggle(&Supports::slow);
}

void Form1::DarkScheme_Click() {
  Toggle(&Supports::dark);
}

void Form1::Say(const std::vector<std::string>& sentences) {
  if (supports_.voice && replays_ == 0 && !sentences.empty())
    host_.Speak(sentences, kSpeechRates[static_cast<std::size_t>(
                               supports_.slow ? SpeechSpeed::kSlow : SpeechSpeed::kNormal)]);
}

// Told once: the toggle's description carries it from then on, for a
// screen reader and for the front-end's note beside the toggle.
void Form1::NoJapaneseVoice() {
  if (voiceMissingTold_ || ending_)
    return;
  voiceMissingTold_ = true;
  ReadAloud.SetDescription(kNoJapaneseVoice);
}

}  // namespace lesson
