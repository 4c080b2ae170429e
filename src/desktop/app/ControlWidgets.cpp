#include "desktop/app/ControlWidgets.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cmath>

#include "desktop/app/Fonts.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"

namespace lesson {

void BoxWidget::ShowText(const QString& shown) {
  if (shown == text())
    return;
  const bool same = shown.size() == text().size();
  const int cursor = cursorPosition();
  const int start = selectionStart();
  const int length = static_cast<int>(selectedText().size());
  setText(shown);
  if (!same)
    return;
  if (length > 0)
    setSelection(start, length);
  else
    setCursorPosition(cursor);
}

ToggleWidget::ToggleWidget(const QString& text, std::optional<Colour> swatch, QWidget* parent)
    : QPushButton(text, parent), swatch_(swatch.has_value()) {
  setCheckable(true);
  setAutoDefault(true);
  if (swatch) {
    QPixmap square(64, 64);
    square.fill(ToQColor(*swatch));
    setIcon(QIcon(square));
  }
}

// The swatch fills half the button's height, at any scale.
void ToggleWidget::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  if (swatch_) {
    const int side = height() / 2;
    setIconSize(QSize(side, side));
  }
}

QString CheckBoxStyle(int spacing) {
  return QStringLiteral("QCheckBox { spacing: %1px; }").arg(spacing);
}

namespace {

QWidget* WidgetOfKind(const ControlRow& control, QWidget* window, ImageSurface& image) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::kTextBox: {
      auto* box = new BoxWidget(window);
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
    case ControlKind::kToggle:
      return new ToggleWidget(text, SwatchOf(control.id), window);
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

QWidget* MakeControlWidget(const ControlRow& control, const QString& name, QWidget* window,
                           ImageSurface& image) {
  QWidget* widget = WidgetOfKind(control, window, image);
  widget->setObjectName(name);
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
  // Labels lie beneath the other controls, which may cover parts of them.
  if (control.kind == ControlKind::kLabel)
    widget->lower();
  return widget;
}

int TextReach(const ControlRow& control, const QFont& font) {
  if (control.kind != ControlKind::kLabel)
    return 0;
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  const double advance = QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(control.text));
  if (advance <= control.width)
    return 0;
  return static_cast<int>(std::ceil(advance * (pixels + 1) / pixels)) + 1;
}

}  // namespace lesson
