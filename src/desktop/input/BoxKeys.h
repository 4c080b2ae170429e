#pragma once

#include <QObject>

class QInputMethodEvent;
class QLineEdit;

namespace lesson {

class Form1;
class TextBox;

// The keys of a text box: each runs the box's key handler and then reaches
// the box; a full-width character typed there, or composed by an input
// method, reaches it as the ASCII it stands for, by the lesson's rule for
// typed text.
class BoxKeys final : public QObject {
 public:
  BoxKeys(Form1& form, TextBox& box, QObject* parent) : QObject(parent), form_(form), box_(box) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Compose(QLineEdit* box, QInputMethodEvent* event);

  Form1& form_;
  TextBox& box_;
};

}  // namespace lesson
