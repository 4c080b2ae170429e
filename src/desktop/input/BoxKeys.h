#pragma once

#include <QObject>
#include <optional>

#include "lesson/input/Input.h"

namespace lesson {

class Form1;
class TextBox;

// The keys of a text box: each runs the box's key handler and then reaches
// the box. It also tells how the box's next edit came: by a key or an input
// method (typed), or by a paste, a drop or the context menu (pasted).
class BoxKeys final : public QObject {
 public:
  BoxKeys(Form1& form, TextBox& box, QObject* parent) : QObject(parent), form_(form), box_(box) {}

  // How the edit that the box reports now came; it is taken once.
  TextOrigin TakeOrigin();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1& form_;
  TextBox& box_;
  std::optional<TextOrigin> origin_;
};

}  // namespace lesson
