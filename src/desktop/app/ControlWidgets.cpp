#include "desktop/app/ControlWidgets.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "desktop/app/Fonts.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"
#include "lesson/supports/Ruby.h"

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

namespace {

int PixelSize(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

void PaintReadings(QPainter& painter, const std::vector<ReadingPlace>& places, const QFont& font,
                   const QColor& colour) {
  if (places.empty())
    return;
  QFont small = font;
  small.setPixelSize((PixelSize(font) + 1) / 2);
  painter.setFont(small);
  painter.setPen(colour);
  for (const ReadingPlace& place : places)
    painter.drawText(place.box, Qt::AlignCenter, place.reading);
}

// The room above a box that readings standing at those places need.
int RoomAbove(const std::vector<ReadingPlace>& places) {
  double top = 0;
  for (const ReadingPlace& place : places)
    top = std::min(top, place.box.top());
  return static_cast<int>(std::ceil(-top));
}

QColor CaptionColour(const QWidget& widget, QPalette::ColorRole role) {
  return widget.palette().color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

}  // namespace

std::vector<ReadingPlace> LayOutReadings(const QString& caption, const QFont& font,
                                         const QRect& box, Qt::Alignment alignment) {
  std::vector<ReadingPlace> places;
  const QByteArray utf8 = caption.toUtf8();
  const std::vector<RubyRun> runs =
      RubyRuns(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
  if (std::ranges::all_of(runs, [](const RubyRun& run) { return run.reading.empty(); }))
    return places;
  // The caption's line, for where each base run begins and ends on it.
  QTextLayout layout(caption, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  // Where the widget draws the caption: the same layout its painter makes.
  const QRectF drawn = QFontMetricsF(font).boundingRect(QRectF(box), alignment, caption);
  QFont small = font;
  small.setPixelSize((PixelSize(font) + 1) / 2);
  const QFontMetricsF metrics(small);
  int at = 0;
  for (const RubyRun& run : runs) {
    const QString base =
        QString::fromUtf8(run.base.data(), static_cast<qsizetype>(run.base.size()));
    const int end = at + static_cast<int>(base.size());
    if (!run.reading.empty()) {
      const QString reading =
          QString::fromUtf8(run.reading.data(), static_cast<qsizetype>(run.reading.size()));
      const double centre = drawn.left() + (line.cursorToX(at) + line.cursorToX(end)) / 2;
      const double width = metrics.horizontalAdvance(reading);
      places.push_back(
          {QRectF(centre - width / 2, drawn.top() - metrics.height(), width, metrics.height()),
           reading});
    }
    at = end;
  }
  return places;
}

CaptionButton::CaptionButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CaptionButton::SetRubyShown(bool shown) {
  if (shown == ruby_)
    return;
  ruby_ = shown;
  update();
}

// The caption stands where the style puts a button's label: centred in the
// contents of the button's box.
std::vector<ReadingPlace> CaptionButton::ReadingsIn(const QRect& box) const {
  if (!ruby_ || text().isEmpty())
    return {};
  QStyleOptionButton option;
  initStyleOption(&option);
  option.rect = box;
  const QRect label = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  return LayOutReadings(text(), font(), label, Qt::AlignCenter);
}

// While the readings are shown the button is painted as ever, within its
// box beneath the room for them, and the readings over it.
void CaptionButton::paintEvent(QPaintEvent* event) {
  if (!ruby_) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.rect = contentsRect();
  painter.drawControl(QStyle::CE_PushButton, option);
  PaintReadings(painter, Readings(), font(), CaptionColour(*this, QPalette::ButtonText));
}

// The room above the box takes no click: what lies beneath it is the
// window's.
bool CaptionButton::hitButton(const QPoint& pos) const {
  return contentsMargins().top() > 0 ? contentsRect().contains(pos) : QPushButton::hitButton(pos);
}

ToggleWidget::ToggleWidget(const QString& text, std::optional<Colour> swatch, QWidget* parent)
    : CaptionButton(text, parent), swatch_(swatch) {
  setCheckable(true);
  setAutoDefault(true);
  ShowSwatchIn(Scheme::kLight);
}

void ToggleWidget::ShowSwatchIn(Scheme scheme) {
  if (!swatch_)
    return;
  QPixmap square(64, 64);
  square.fill(ToQColor(scheme, *swatch_));
  setIcon(QIcon(square));
}

// The swatch fills half the button's height, at any scale.
void ToggleWidget::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  if (swatch_) {
    const int side = height() / 2;
    setIconSize(QSize(side, side));
  }
}

void CaptionLabel::SetRubyShown(bool shown) {
  if (shown == ruby_)
    return;
  ruby_ = shown;
  update();
}

std::vector<ReadingPlace> CaptionLabel::Readings() const {
  return ruby_ ? LayOutReadings(text(), font(), contentsRect(), alignment())
               : std::vector<ReadingPlace>{};
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!ruby_)
    return;
  QPainter painter(this);
  PaintReadings(painter, Readings(), font(), CaptionColour(*this, foregroundRole()));
}

void ShowRubyOn(QWidget* widget, bool shown) {
  if (auto* button = qobject_cast<CaptionButton*>(widget))
    button->SetRubyShown(shown);
  else if (auto* label = qobject_cast<CaptionLabel*>(widget))
    label->SetRubyShown(shown);
}

std::vector<ReadingPlace> ReadingsOf(const QWidget* widget) {
  if (const auto* button = qobject_cast<const CaptionButton*>(widget))
    return button->Readings();
  if (const auto* label = qobject_cast<const CaptionLabel*>(widget))
    return label->Readings();
  return {};
}

// The readings laid out over the box alone, as if the widget had no room
// above it: how far above its top they reach.
int RubyRoomAbove(const QWidget* widget, int boxHeight) {
  const QRect box(0, 0, widget->width(), boxHeight);
  if (const auto* button = qobject_cast<const CaptionButton*>(widget))
    return RoomAbove(button->ReadingsIn(box));
  if (const auto* label = qobject_cast<const CaptionLabel*>(widget)) {
    const QMargins m = label->contentsMargins();
    return label->Readings().empty()
               ? 0
               : RoomAbove(LayOutReadings(label->text(), label->font(),
                                          box.adjusted(m.left(), 0, -m.right(), 0),
                                          label->alignment()));
  }
  return 0;
}

QPalette PaletteIn(Scheme scheme, const QPalette& light) {
  if (scheme == Scheme::kLight)
    return light;
  QPalette shown = light;
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto r = static_cast<QPalette::ColorRole>(role);
      const QColor c = light.color(group, r);
      shown.setColor(group, r,
                     ToQColor(scheme, Colour{static_cast<std::uint8_t>(c.red()),
                                             static_cast<std::uint8_t>(c.green()),
                                             static_cast<std::uint8_t>(c.blue())}));
    }
  }
  const auto page = [scheme](std::string_view name) {
    return ToQColor(PageColourIn(scheme, name));
  };
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    shown.setColor(group, QPalette::Button, page("button-top"));
    shown.setColor(group, QPalette::ButtonText, page("text"));
    shown.setColor(group, QPalette::Highlight, page("focus"));
    shown.setColor(group, QPalette::Base, page("paper"));
    shown.setColor(group, QPalette::Text, page("text"));
  }
  shown.setColor(QPalette::Disabled, QPalette::Button, page("disabled"));
  shown.setColor(QPalette::Disabled, QPalette::Base, page("disabled"));
  for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
    shown.setColor(QPalette::Disabled, role, page("disabled-text"));
  return shown;
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
      auto* button = new CaptionButton(text, window);
      // Enter clicks the focused button, as on any desktop; there is no
      // window-wide default button.
      button->setAutoDefault(true);
      return button;
    }
    case ControlKind::kToggle:
      return new ToggleWidget(text, SwatchOf(control.id), window);
    case ControlKind::kLabel: {
      auto* label = new CaptionLabel(text, window);
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
