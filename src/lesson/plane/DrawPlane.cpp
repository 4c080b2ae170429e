// The empty coordinate plane and the paced wait of the animations.

#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/plane/PlaneGeometry.h"
#include "lesson/plane/PlaneTexts.h"
#include "lesson/surface/Colour.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"

namespace lesson {

// Clears the picture and draws the plane for the current scale: the axes,
// a grid line at every unit, "Ｏ", the scale numbers, and the axis names moved
// up against the axes. It leaves the pen black and 3 pixels wide and the text
// bold; the font size stays as it was.
void Form1::DrawPlane() {
  Surface& pic = Picture();
  const PixelMapping at = state_.Mapping();
  const float ox = state_.OriginX;
  const float oy = state_.OriginY;
  pic.Cls();
  const std::int16_t n = GridLineCount(pic.Width(), state_.UnitPx);
  pic.SetForeColor(QBColor(0));
  pic.SetDrawWidth(3);
  pic.Line(0, oy, pic.Width(), oy);
  pic.Line(ox, 0, ox, pic.Height());
  pic.SetDrawWidth(1);
  for (int i = 1; i <= n; ++i) {
    const float below = NarrowToFloat(at.Y(-i));
    const float right = NarrowToFloat(at.X(i));
    const float above = NarrowToFloat(at.Y(i));
    const float left = NarrowToFloat(at.X(-i));
    pic.Line(0, below, pic.Width(), below);
    pic.Line(right, 0, right, pic.Height());
    pic.Line(0, above, pic.Width(), above);
    pic.Line(left, 0, left, pic.Height());
  }
  pic.SetFontBold(true);
  PrintAt(pic, ox - 20, oy - 2, kOriginMark);
  for (const ScaleNumber& number : ScaleNumbers(state_.OriginX, state_.OriginY, state_.UnitPx)) {
    PrintAt(pic, number.x, number.y, number.text);
  }
  // Window pixels of the layout: the plane's top-left corner lies at (16, 32).
  Label5[0].Move(state_.OriginX + 4, Label5[0].Top());
  Label5[1].Move(Label5[1].Left(), state_.OriginY + 28);
  pic.SetDrawWidth(3);
}

// Waits ms milliseconds while the front-end processes the pupil's input:
// what has been drawn so far is shown first, and handlers may run nested
// inside the wait.
void Form1::Pause(std::int32_t ms) {
  if (ending_)
    return;
  if (ms > 0)
    ShowPicture();
  ++waitDepth_;
  WaitFor(ms);
  --waitDepth_;
}

// The input is run before the first sleep, so that what is pending is
// handled even when the time is short. The deadline is fixed at the start:
// an animation that a click starts nested inside the wait takes its own
// time, and the wait ends as soon as its deadline has passed, however long
// the nested one took. No wait is made once the lesson ends.
void Form1::WaitFor(std::int32_t ms) {
  if (ms <= 0)
    return;
  const double deadline = host_.NowMs() + ms;
  host_.RunQueuedInput();
  while (!ending_ && host_.NowMs() < deadline && host_.SleepUntil(deadline))
    host_.RunQueuedInput();
}

}  // namespace lesson
