#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <optional>

#include "desktop/surface/PictureBox.h"
#include "lesson/app/Controls.h"
#include "lesson/surface/Colour.h"

namespace lesson {

class ImageSurface;

// The spacing between a check box and its text, narrow so that "Quick" fits
// its 49-pixel box whole; as a style sheet at a scaled length.
inline constexpr int kCheckBoxSpacing = 3;
QString CheckBoxStyle(int spacing);

// A text box that shows the lesson's text for it: where that has as many
// characters as the text shown (typed full-width characters folded to
// ASCII), the caret and the selection stay where they were.
class BoxWidget final : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE ShowText)

 public:
  using QLineEdit::QLineEdit;
  void ShowText(const QString& text);
};

// A push button that stays pressed while its mode is on. It shows the
// lesson's state alone: a click goes to the lesson, which presses or
// releases it through its view; the button never toggles itself. A pen
// colour's button shows its colour as a filled square.
class ToggleWidget final : public QPushButton {
  Q_OBJECT

 public:
  ToggleWidget(const QString& text, std::optional<Colour> swatch, QWidget* parent);

 protected:
  void nextCheckState() override {}
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool swatch_ = false;
};

// The widget that shows a control of the model's kind.
template <class Model>
struct ShownBy {
  using Widget = QWidget;
};
template <>
struct ShownBy<Button> {
  using Widget = QPushButton;
};
template <>
struct ShownBy<ToggleButton> {
  using Widget = QPushButton;
};
template <>
struct ShownBy<TextBox> {
  using Widget = QLineEdit;
};
template <>
struct ShownBy<CheckBox> {
  using Widget = QCheckBox;
};
template <>
struct ShownBy<Label> {
  using Widget = QLabel;
};
template <>
struct ShownBy<PictureControl> {
  using Widget = PictureBox;
};

// The widget of a row of the control table, on the window: of its kind,
// named, with its font and colours. The plane shows the image. The lesson
// places it when it shows itself.
QWidget* MakeControlWidget(const ControlRow& control, const QString& name, QWidget* window,
                           ImageSurface& image);

// How wide a control must be at least, in layout pixels, for its text in
// that font: a label's text shows whole, also where the face makes it wider
// than its box ("ｙ＝ … χ＋" in IPAPGothic), with room for the font one pixel
// larger, as a scale may round it. 0 where the box is enough.
int TextReach(const ControlRow& control, const QFont& font);

}  // namespace lesson
