#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "desktop/surface/PictureBox.h"
#include "lesson/app/Controls.h"

namespace lesson {

class ImageSurface;

// The spacing between a check box and its text, narrow so that "Quick" fits
// its 49-pixel box whole; as a style sheet at a scaled length.
inline constexpr int kCheckBoxSpacing = 3;
QString CheckBoxStyle(int spacing);

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
// named, placed, with its font and colours. The plane shows the image.
QWidget* MakeControlWidget(const ControlSpec& control, const QString& name, QWidget* window,
                           ImageSurface& image);

}  // namespace lesson
