#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lesson {

class Control;
struct InkUpdate;
struct Supports;
struct WindowFit;

// What the lesson asks of the screen it runs on. A front-end (the desktop
// window, the browser page) implements this and nothing else of the lesson
// reaches beyond it: the front-end shows the controls and the picture, and
// hands the lesson its input through Form1's event functions.
//
// Nothing is asked of it before Form1::Start and nothing after End.
class Host {
 public:
  virtual ~Host() = default;

  // --- the waits of the animations ----------------------------------------
  // The lesson's wait (Form1::Pause) is a loop of these three: it runs the
  // input that has arrived, then sleeps until its deadline or until more
  // input arrives, and so on until the deadline has passed.
  //
  // Milliseconds by a monotonic clock, from any start.
  virtual double NowMs() = 0;
  // Sleeps until NowMs() reaches the deadline or input arrives, whichever
  // comes first (it may return sooner). Sleeps rather than spins. False
  // when the program is being taken down: the wait then ends at once.
  virtual bool SleepUntil(double deadlineMs) = 0;
  // Runs the input that has arrived, each event through Form1's event
  // functions, to completion: an animation it starts waits inside this call.
  virtual void RunQueuedInput() = 0;

  // Ends the program at once. The lesson makes no further wait afterwards.
  virtual void End() = 0;

  // A control's model changed: its font, enabled or visible state, text (or
  // a request to select it all), tick, place or description. The front-end
  // shows the control's view (Form1::ViewOf) as it stands.
  virtual void ControlChanged(Control& control) = 0;
  // The window was given a new size and the lesson fits it anew: another
  // arrangement or scale (Form1::Resize). Every control has just been told
  // in the new fit; the front-end scales its controls and the picture to it
  // and draws afresh what it lost on the way (the picture, the ink's layers).
  virtual void FitChanged(const WindowFit& fit) = 0;
  // The keyboard focus moved to another control, or to none (the window).
  virtual void FocusChanged() = 0;
  // Something was drawn on the picture since the last notice; it comes
  // before every wait and after every event, so that a front-end shows the
  // picture then.
  virtual void PictureChanged() = 0;
  // The marks on the plane changed: the front-end brings its layers of ink
  // above the picture up to date as the update says (only rasterising it),
  // at once, so that a mark shows in the next frame.
  virtual void InkChanged(const InkUpdate& update) = 0;
  // The pupil hands the plane in: the front-end makes a PNG of the picture
  // with the ink over it, at the resolution it shows them, and offers it
  // under this name (the device's share sheet, a download or a file the
  // pupil chooses). The lesson itself sends nothing anywhere.
  virtual void SavePicture(const std::string& fileName) = 0;

  // Tells a screen reader the plane's description anew. The lesson spaces
  // these out itself: after each it asks for a quiet interval, and the
  // front-end calls Form1::QuietIntervalEnded once that has run out.
  virtual void Announce(const std::string& planeDescription) = 0;
  virtual void StartQuietInterval(std::int32_t ms) = 0;

  // The reading supports in force (at the start, then at each change): the
  // front-end keeps them for its device and shows the lesson as they ask,
  // the readings over the kanji and the dark scheme (the lesson's colours
  // mapped through the palette where it rasterises).
  virtual void SupportsChanged(const Supports& supports) = 0;
  // Says the sentences in Japanese, one after another, at rate times the
  // voice's own pace; whatever is still being said is cut short first, so
  // that speech never lags behind the lesson. Asked only while 読み上げ is
  // on; a host with no Japanese voice says nothing and calls
  // Form1::NoJapaneseVoice.
  virtual void Speak(const std::vector<std::string>& sentences, double rate) = 0;
};

}  // namespace lesson
