#include "desktop/app/ControlWidgets.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "desktop/app/Fonts.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"

namespace lesson {

QString CheckBoxStyle(int spacing) {
  return QStringLiteral("QCheckBox { spacing: %1px; }").arg(spacing);
}

namespace {

QWidget* WidgetOfKind(const ControlSpec& control, QWidget* window, ImageSurface& image) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::kTextBox: {
      auto* box = new QLineEdit(window);
      box->setMaxLength(kBoxMaxLength);
      // Digits, signs and the fraction bar are typed as plain ASCII: no
      // Japanese input method turns them into full-width characters.
      box->setAttribute(Qt::WA_InputMethodEnabled, false);
      return box;
    }
    case ControlKind::kButton: {
      auto* button = new QPushButton(text, window);
      // Enter clicks the focused button, as on any desktop; there is no
      // window-wide default button.
      button->setAutoDefault(true);
      return button;
    }
    case ControlKind::kLabel: {
      auto* label = new QLabel(text, window);
      label->setAutoFillBackground(true);
      label->setFocusPolicy(Qt::NoFocus);
      return label;
    }
    case ControlKind::kCheckBox: {
      auto* box = new QCheckBox(text, window);
      box->setStyleSheet(CheckBoxStyle(kCheckBoxSpacing));
      return box;
    }
    case ControlKind::kPicture:
      break;
  }
  return new PictureBox(image, window);
}

}  // namespace

QWidget* MakeControlWidget(const ControlSpec& control, const QString& name, QWidget* window,
                           ImageSurface& image) {
  QWidget* widget = WidgetOfKind(control, window, image);
  widget->setObjectName(name);
  widget->setGeometry(control.left, control.top, control.width, control.height);
  if (control.fontPoints > 0)
    widget->setFont(ControlFont(control.fontPoints, control.bold));
  if (control.textColour || control.background) {
    QPalette palette = widget->palette();
    if (control.textColour)
      palette.setColor(QPalette::WindowText, ToQColor(*control.textColour));
    if (control.background)
      palette.setColor(QPalette::Window, ToQColor(*control.background));
    widget->setPalette(palette);
  }
  if (control.kind == ControlKind::kLabel) {
    // Labels lie beneath the other controls, which may cover parts of them.
    widget->lower();
    // A label's text shows whole, also where the face makes it wider than
    // its box ("ｙ＝ … χ＋" in IPAPGothic): such a label reaches as far as
    // its text, with room for the font one pixel larger, as a scale may
    // round it.
    const QFont font = widget->font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const double advance = QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(control.text));
    if (advance > control.width)
      widget->resize(static_cast<int>(std::ceil(advance * (pixels + 1) / pixels)) + 1,
                     control.height);
  }
  return widget;
}

}  // namespace lesson
