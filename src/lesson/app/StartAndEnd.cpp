// Start-up, the initial screen and the end of the program.

#include "lesson/app/ControlTable.h"
#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/surface/Surface.h"

namespace lesson {

void Form1::Form_Load() {
  caption_ = kCaption;
  Picture().SetFontSize(20);
  state_.UnitPx = 50;
  SetStartValues();
  DrawPlane();
  for (Button* b :
       {&Command10, &Command11, &Command12, &Command9, &Command8[0], &Command8[1], &Command7}) {
    b->SetEnabled(false);
  }
  // These three take no part in the lesson and are never shown.
  Command6.Hide();
  Command4.Hide();
  Check1.Hide();
}

// The fields that start-up and the initial screen both set; the scale, the
// coefficients and the triangle's anchor are not among them.
void Form1::SetStartValues() {
  state_.OriginX = 320;
  state_.OriginY = 320;
  state_.TriangleScale = 1;
  state_.GraphDrawn = 0;
  state_.LineAState = 0;
  state_.TriangleState = 0;
}

// "初期画面(クリア)": back to the empty plane for a new function. The plane
// size, the coefficients, the triangle's anchor and the state of "補助線C"
// stay as they are.
//
// Clicked while an animation waits, the reset would be drawn over by the rest
// of that animation and undone by the handler that started it. Instead the
// animation is let finish at once (Quick ticked) and the reset follows it.
void Form1::Command2_Click() {
  if (waitDepth_ > 0) {
    SetQuick(true);
    resetPending_ = true;
    return;
  }
  SetStartValues();
  Text1.SetText("");
  Text2.SetText("");
  DrawPlane();
  // A new function starts on a clean plane; 元に戻す brings the marks back.
  ink_.Clear();
  for (Button* b : {&Command10, &Command11, &Command7, &Command8[0], &Command8[1], &Command9}) {
    b->SetEnabled(false);
  }
  Text1.SetFocus();
  Command5.SetEnabled(true);
  SetQuick(false);
}

// "終了": the program ends at once.
void Form1::Command1_Click() {
  EndProgram();
}

// From here on every wait returns at once, so an animation that is waiting
// finishes at once and the front-end can end.
void Form1::EndProgram() {
  if (ending_)
    return;
  ending_ = true;
  // Whatever the handlers still unwinding change, the front-end hears
  // nothing more of it: what stands behind the end stays as it is.
  host_.Close();
  host_.End();
}

}  // namespace lesson
