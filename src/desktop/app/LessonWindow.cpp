#include "desktop/app/LessonWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desktop/access/Announcer.h"
#include "desktop/app/Fonts.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/scaling/ScaledLayout.h"
#include "desktop/surface/ImageSurface.h"
#include "desktop/surface/PictureBox.h"

namespace lesson {

namespace {

QColor ToQColor(Colour c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace

LessonWindow::LessonWindow(QWidget* parent)
    : QWidget(parent),
      image_(std::make_unique<ImageSurface>(JapaneseGothicFace(), devicePixelRatioF())),
      realPacer_(std::make_unique<EventLoopPacer>()),
      pacer_(realPacer_.get()),
      endAction_([] { QCoreApplication::exit(0); }) {
  InstallFontSubstitutes();
  // The lesson starts up first: its plane is drawn and its controls stand as
  // the lesson begins; the widgets are then made to show them.
  form_ = std::make_unique<Form1>(static_cast<Host&>(*this), *image_);
  setWindowTitle(QString::fromStdString(form_->Caption()));
  // The window opens at the size of its layout and may be made larger (or
  // somewhat smaller): everything is then shown scaled.
  resize(kFormWidth, kFormHeight);
  setMinimumSize(kFormWidth / 2, kFormHeight / 2);
  setFont(DefaultWindowFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(kLightGreen));
  setPalette(palette);
  setAutoFillBackground(true);
  BuildControls();
  layout_ = std::make_unique<ScaledLayout>(*this);
  for (QWidget* widget : widgets_)
    layout_->Add(widget);
  NameControls();
  for (std::size_t row = 0; row < kControls.size(); ++row)
    Show(form_->Controls().At(row));
  ConnectHandlers();
  FocusChanged();
}

// The window closes as its widget part goes: the focus it loses then is no
// longer the lesson's.
LessonWindow::~LessonWindow() {
  disconnect(focusTracking_);
}

void LessonWindow::BuildControls() {
  QWidget* previous = nullptr;
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    const ControlSpec& control = kControls[row];
    const QString text = QString::fromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::kTextBox: {
        auto* box = new QLineEdit(this);
        // Digits, signs and the fraction bar are typed as plain ASCII: no
        // Japanese input method turns them into full-width characters.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
        widget = box;
        break;
      }
      case ControlKind::kButton: {
        auto* button = new QPushButton(text, this);
        // Enter clicks the focused button, as on any desktop; there is no
        // window-wide default button.
        button->setAutoDefault(true);
        widget = button;
        break;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(text, this);
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        widget = label;
        break;
      }
      case ControlKind::kCheckBox:
        widget = new QCheckBox(text, this);
        // Narrow spacing, so that "Quick" fits its 49-pixel box whole.
        widget->setStyleSheet(QStringLiteral("QCheckBox { spacing: %1px; }").arg(kCheckBoxSpacing));
        break;
      case ControlKind::kPicture:
        widget = picture_ = new PictureBox(*image_, this);
        break;
    }
    widget->setObjectName(QString::fromStdString(form_->Controls().At(row).Name()));
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
    } else if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr)
        setTabOrder(previous, widget);
      previous = widget;
    }
    widgets_[row] = widget;
  }
}

void LessonWindow::ConnectHandlers() {
  Form1& form = *form_;
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    Control& model = form.Controls().At(row);
    if (auto* button = qobject_cast<QPushButton*>(widgets_[row])) {
      connect(button, &QPushButton::clicked, this, [&form, &model] { form.Click(model); });
    } else if (auto* box = qobject_cast<QLineEdit*>(widgets_[row])) {
      auto& text = static_cast<TextBox&>(model);
      connect(box, &QLineEdit::textChanged, this, [this, &text](const QString& now) {
        if (showing_ == 0)
          text.Edited(now.toStdString());
      });
    } else if (auto* check = qobject_cast<QCheckBox*>(widgets_[row])) {
      auto& tick = static_cast<CheckBox&>(model);
      connect(check, &QCheckBox::toggled, this, [this, &tick](bool checked) {
        if (showing_ == 0)
          tick.Toggled(checked);
      });
    }
  }
  picture_->SetPointerHandlers(
      [&form](std::int16_t b, std::int16_t s, float x, float y) { form.PointerDown(b, s, x, y); },
      [&form](std::int16_t b, std::int16_t s, float x, float y) { form.PointerMove(b, s, x, y); },
      [&form](std::int16_t b, std::int16_t s, float x, float y) { form.PointerUp(b, s, x, y); });
  picture_->SetArrowKeyHandler(
      [&form](Arrow key, std::int16_t shift) { form.ArrowKey(key, shift); });
  // The focus frame around the plane comes and goes with its focus.
  picture_->installEventFilter(this);
  // The pupil moves the focus with Tab and the pointer: the model follows.
  focusTracking_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == this) {
      form_->Controls().FocusMoved(nullptr);
    } else if (const Control* model = ModelOf(now)) {
      form_->Controls().FocusMoved(model);
    }
  });
}

Control* LessonWindow::ModelOf(const QWidget* widget) const {
  for (std::size_t row = 0; row < widgets_.size(); ++row) {
    if (widgets_[row] == widget && widget != nullptr)
      return &form_->Controls().At(row);
  }
  return nullptr;
}

QPushButton* LessonWindow::WidgetOf(const Button& button) const {
  return static_cast<QPushButton*>(widgets_.at(button.Row()));
}

QLineEdit* LessonWindow::WidgetOf(const TextBox& box) const {
  return static_cast<QLineEdit*>(widgets_.at(box.Row()));
}

QCheckBox* LessonWindow::WidgetOf(const CheckBox& box) const {
  return static_cast<QCheckBox*>(widgets_.at(box.Row()));
}

QLabel* LessonWindow::WidgetOf(const Label& label) const {
  return static_cast<QLabel*>(widgets_.at(label.Row()));
}

PictureBox* LessonWindow::WidgetOf(const PictureControl&) const {
  return picture_;
}

void LessonWindow::Show(Control& control) {
  QWidget* widget = widgets_.at(control.Row());
  if (widget == nullptr)
    return;  // still being built: shown once it stands
  ++showing_;
  if (widget->isEnabled() != control.Enabled())
    widget->setEnabled(control.Enabled());
  if (widget->isHidden() == control.Visible())
    widget->setHidden(!control.Visible());
  switch (control.Entry().kind) {
    case ControlKind::kButton: {
      const auto& button = static_cast<const Button&>(control);
      const QFont font = ControlFont(button.FontPoints(), button.FontBold());
      if (layout_->BaseFont(widget) != font)
        layout_->SetFont(widget, font);
      break;
    }
    case ControlKind::kTextBox: {
      auto& text = static_cast<TextBox&>(control);
      auto* box = static_cast<QLineEdit*>(widget);
      const QString shown = QString::fromStdString(text.Text());
      if (box->text() != shown)
        box->setText(shown);
      if (text.TakeSelectAll())
        box->selectAll();
      break;
    }
    case ControlKind::kCheckBox: {
      const auto& tick = static_cast<const CheckBox&>(control);
      auto* box = static_cast<QCheckBox*>(widget);
      if (box->isChecked() != tick.Checked())
        box->setChecked(tick.Checked());
      break;
    }
    case ControlKind::kLabel: {
      const auto& label = static_cast<const Label&>(control);
      const PixelRect base = layout_->Base(widget);
      if (base.left != label.Left() || base.top != label.Top())
        layout_->Move(widget, label.Left(), label.Top());
      break;
    }
    case ControlKind::kPicture:
      break;
  }
  const QString description = QString::fromStdString(control.Description());
  if (widget == picture_) {
    if (planeAnnouncer_ != nullptr)
      planeAnnouncer_->Describe(description);
  } else if (widget->accessibleDescription() != description) {
    widget->setAccessibleDescription(description);
  }
  --showing_;
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    update();
  }
  if (event->type() == QEvent::KeyPress) {
    if (const Control* model = ModelOf(qobject_cast<QWidget*>(watched))) {
      const auto* key = static_cast<QKeyEvent*>(event);
      int code = 0;
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        code = 13;
      } else if (!key->text().isEmpty()) {
        code = key->text().at(0).unicode();
      }
      if (code != 0)
        form_->KeyPress(static_cast<const TextBox&>(*model), code);
    }
  }
  // The key goes on to the box in every case.
  return QWidget::eventFilter(watched, event);
}

// When a handler disables the button that has the focus, the toolkit would
// pass the focus on to the next control: into a box, with its text selected,
// or onto a button that Enter would then click. The focus rests on the window
// instead, as in the lesson's model; Tab starts again from the first control.
bool LessonWindow::focusNextPrevChild(bool next) {
  QWidget* current = focusWidget();
  if (current != nullptr && current != this && !current->isEnabled()) {
    setFocus(Qt::OtherFocusReason);
    return true;
  }
  return QWidget::focusNextPrevChild(next);
}

void LessonWindow::SetPacer(Pacer* pacer) {
  pacer_ = pacer != nullptr ? pacer : realPacer_.get();
}

// Closing the window ends the program the same way as "終了", also in the
// middle of an animation.
void LessonWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  form_->Close();
}

}  // namespace lesson
