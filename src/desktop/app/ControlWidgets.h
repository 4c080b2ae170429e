#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "desktop/surface/PictureBox.h"
#include "lesson/app/Controls.h"
#include "lesson/supports/Palette.h"
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

// ふりがな: while they are shown, a caption's or a label's kanji have their
// readings (RubyRuns) over them, in a font half the caption's size (rounded
// up), each centred over its base run and standing on the top of the
// caption's line. The caption itself is painted as ever, in its place. Where
// the widget's box has no room for them above the caption, the widget stands
// taller by that room (its top contents margin) and paints its box beneath.

// A reading laid out: its box, in the widget's pixels, and its text.
struct ReadingPlace {
  QRectF box;
  QString reading;
};

// The readings of a caption drawn in that font within box, aligned there as
// the widget aligns it.
std::vector<ReadingPlace> LayOutReadings(const QString& caption, const QFont& font,
                                         const QRect& box, Qt::Alignment alignment);

// A push button whose caption may show its readings.
class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& text, QWidget* parent);
  void SetRubyShown(bool shown);
  bool RubyShown() const { return ruby_; }
  // Where the readings stand, in the button's pixels (none while hidden),
  // with the button painted in box.
  std::vector<ReadingPlace> ReadingsIn(const QRect& box) const;
  std::vector<ReadingPlace> Readings() const { return ReadingsIn(contentsRect()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  bool ruby_ = false;
};

// A push button that stays pressed while its mode is on. It shows the
// lesson's state alone: a click goes to the lesson, which presses or
// releases it through its view; the button never toggles itself. A pen
// colour's button shows its colour, as the scheme shows it, as a filled
// square.
class ToggleWidget final : public CaptionButton {
  Q_OBJECT

 public:
  ToggleWidget(const QString& text, std::optional<Colour> swatch, QWidget* parent);
  void ShowSwatchIn(Scheme scheme);

 protected:
  void nextCheckState() override {}
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::optional<Colour> swatch_;
};

// A label whose text may show its readings.
class CaptionLabel final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;
  void SetRubyShown(bool shown);
  std::vector<ReadingPlace> Readings() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool ruby_ = false;
};

// Turns the readings of a control's widget on or off (nothing for a widget
// without a caption that can show them).
void ShowRubyOn(QWidget* widget, bool shown);
// The room, in the widget's pixels, its readings need above a box of that
// height: 0 for a widget showing none.
int RubyRoomAbove(const QWidget* widget, int boxHeight);
// Where a widget's readings stand, in the widget's pixels.
std::vector<ReadingPlace> ReadingsOf(const QWidget* widget);

// A palette as the scheme shows it: every colour through the scheme, the
// push buttons' faces, captions and focus as the page's buttons have them.
QPalette PaletteIn(Scheme scheme, const QPalette& light);

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
