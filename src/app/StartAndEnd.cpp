// Start-up, the initial screen and the end of the program.

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/Form1.h"
#include "surface/Surface.h"

namespace lesson {

void Form1::Form_Load() {
  setWindowTitle(QString::fromUtf8("１次関数のグラフ(2)　　by r.Yorune"));
  Picture().SetFontSize(20);
  state_.UnitPx = 50;
  SetStartValues();
  DrawPlane();
  for (QPushButton* b :
       {Command10, Command11, Command12, Command9, Command8[0], Command8[1], Command7}) {
    b->setEnabled(false);
  }
  // These three take no part in the lesson and are never shown.
  Command6->hide();
  Command4->hide();
  Check1->hide();
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
  Text1->setText(QString());
  Text2->setText(QString());
  DrawPlane();
  for (QPushButton* b : {Command10, Command11, Command7, Command8[0], Command8[1], Command9}) {
    b->setEnabled(false);
  }
  Text1->setFocus();
  Command5->setEnabled(true);
  SetQuick(false);
}

// "終了": the program ends at once.
void Form1::Command1_Click() {
  EndProgram();
}

// Closing the window ends the program the same way, also in the middle of an
// animation.
void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

void Form1::EndProgram() {
  if (ending_)
    return;
  // From here on every wait returns at once, so an animation that is waiting
  // finishes at once into the hidden picture and the event loops can end.
  ending_ = true;
  hide();
  if (endAction_)
    endAction_();
}

}  // namespace lesson
