#include "desktop/app/LessonWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

#include "desktop/app/ControlWidgets.h"
#include "desktop/app/Fonts.h"
#include "desktop/app/Speaker.h"
#include "desktop/input/BoxKeys.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/scaling/ScaledLayout.h"
#include "desktop/surface/ImageSurface.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"

namespace lesson {

LessonWindow::LessonWindow(QWidget* parent, QSettings* kept)
    : QWidget(parent),
      image_(std::make_unique<ImageSurface>(JapaneseGothicFace(), devicePixelRatioF())),
      realPacer_(std::make_unique<EventLoopPacer>()),
      pacer_(realPacer_.get()),
      endAction_([] { QCoreApplication::exit(0); }),
      saveAction_(
          [this](const QImage& image, const QString& name) { SaveToChosenFile(image, name); }),
      kept_(kept),
      speaker_(new Speaker(this)) {
  InstallFontSubstitutes();
  // The lesson starts up first: its plane is drawn and its controls stand as
  // the lesson begins; once the widgets stand, the lesson shows itself.
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
  lightPalette_ = this->palette();
  layout_ = std::make_unique<ScaledLayout>(*this);
  BuildControls();
  NameControls();
  ConnectHandlers();
  // The first picture is already in the supports the device keeps.
  form_->SetSupports(KeptSupports());
  form_->Start(width(), height());
}

// The window closes as its widget part goes: the focus it loses then is no
// longer the lesson's.
LessonWindow::~LessonWindow() {
  disconnect(focusTracking_);
}

// One widget for each row of the control table, in its tab order, placed
// by the lesson once it shows itself.
void LessonWindow::BuildControls() {
  QWidget* previous = nullptr;
  for (std::size_t row = 0; row < kControlCount; ++row) {
    const QString name = QString::fromStdString(form_->Controls().At(row).Name());
    QWidget* widget = widgets_[row] = MakeControlWidget(kControls[row], name, this, *image_);
    layout_->Add(widget, TextReach(kControls[row], widget->font()));
    if (widget->testAttribute(Qt::WA_SetPalette))
      lightPalettes_[row] = widget->palette();
    if (auto* plane = qobject_cast<PictureBox*>(widget))
      picture_ = plane;
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr)
        setTabOrder(previous, widget);
      previous = widget;
    }
  }
}

void LessonWindow::ConnectHandlers() {
  Form1& form = *form_;
  for (std::size_t row = 0; row < kControlCount; ++row) {
    Control& model = form.Controls().At(row);
    if (auto* button = qobject_cast<QPushButton*>(widgets_[row])) {
      connect(button, &QPushButton::clicked, this, [&form, &model] { form.Click(model); });
    } else if (auto* box = qobject_cast<QLineEdit*>(widgets_[row])) {
      auto& text = static_cast<TextBox&>(model);
      auto* keys = new BoxKeys(form, text, box);
      box->installEventFilter(keys);
      connect(box, &QLineEdit::textChanged, this, [this, &text, keys](const QString& now) {
        if (showing_ == 0)
          form_->TextReceived(text, now.toStdString(), keys->TakeOrigin());
      });
    } else if (auto* check = qobject_cast<QCheckBox*>(widgets_[row])) {
      auto& tick = static_cast<CheckBox&>(model);
      connect(check, &QCheckBox::toggled, this, [this, &tick](bool checked) {
        if (showing_ == 0)
          tick.Toggled(checked);
      });
    }
  }
  picture_->SetPointerHandler([&form](const PointerEvent& e) { form.Pointer(e); });
  picture_->SetArrowKeyHandler([&form](ArrowKey key) { form.PlaneKey(key); });
  picture_->SetInkLostHandler([&form] { form.InkLost(); });
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
  const auto it = std::find(widgets_.begin(), widgets_.end(), widget);
  return widget == nullptr || it == widgets_.end()
             ? nullptr
             : &form_->Controls().At(static_cast<std::size_t>(it - widgets_.begin()));
}

// Every field the lesson's view gives is applied; only what differs reaches
// the widget. Texts and ticks go through the widgets' own properties.
void LessonWindow::Show(Control& control) {
  QWidget* widget = widgets_.at(control.Row());
  const ControlView v = form_->ViewOf(control);
  ++showing_;
  if (v.enabled && widget->isEnabled() != *v.enabled)
    widget->setEnabled(*v.enabled);
  if (widget->isHidden() == v.visible)
    widget->setHidden(!v.visible);
  if (v.font)
    layout_->SetFont(widget, v.font->points > 0
                                 ? std::optional(ControlFont(v.font->points, v.font->bold))
                                 : std::nullopt);
  layout_->Place(widget, v.place);
  if (v.text && widget->property("text").toString() != QString::fromStdString(*v.text))
    widget->setProperty("text", QString::fromStdString(*v.text));
  if (v.checked && widget->property("checked").toBool() != *v.checked)
    widget->setProperty("checked", *v.checked);
  if (v.selectAll)
    QMetaObject::invokeMethod(widget, "selectAll");
  if (v.description && widget->accessibleDescription() != QString::fromStdString(*v.description))
    widget->setAccessibleDescription(QString::fromStdString(*v.description));
  FitReadings(widget);
  --showing_;
}

// The focus frame around the plane comes and goes with its focus.
bool LessonWindow::eventFilter(QObject* watched, QEvent* event) {
  // A note goes at the next press, wherever it lands.
  if (note_ != nullptr &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin ||
       event->type() == QEvent::TabletPress)) {
    note_->hide();
    qApp->removeEventFilter(this);
  }
  if (watched == picture_ &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    update();
  }
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
