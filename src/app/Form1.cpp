#include "app/Form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ControlTable.h"
#include "app/Fonts.h"
#include "plane/Pause.h"
#include "scaling/ScaledLayout.h"
#include "surface/ImageSurface.h"
#include "surface/PictureBox.h"

namespace lesson {

namespace {

QColor ToQColor(Colour c) {
  return QColor(c.r, c.g, c.b);
}

QString ObjectName(const ControlSpec& control) {
  QString name = QString::fromUtf8(control.name);
  if (control.index >= 0)
    name += QStringLiteral("(%1)").arg(control.index);
  return name;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      image_(std::make_unique<ImageSurface>(JapaneseGothicFace(), devicePixelRatioF())),
      surface_(image_.get()),
      realPacer_(std::make_unique<EventLoopPacer>()),
      pacer_(realPacer_.get()),
      endAction_([] { QCoreApplication::exit(0); }) {
  InstallFontSubstitutes();
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
  for (QObject* child : children()) {
    if (auto* control = qobject_cast<QWidget*>(child))
      layout_->Add(control);
  }
  NameControls();
  ConnectHandlers();
  Form_Load();
  Text1->setFocus();
  DescribeControls();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  QWidget* previous = nullptr;
  for (const ControlSpec& control : kControls) {
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
        widget = Picture1 = new PictureBox(*image_, this);
        break;
    }
    widget->setObjectName(ObjectName(control));
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
  }

  const auto find = [this](const char* name) {
    return findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
  };
  const auto button = [&](const char* name) { return static_cast<QPushButton*>(find(name)); };
  const auto label = [&](const char* name) { return static_cast<QLabel*>(find(name)); };
  Text1 = static_cast<QLineEdit*>(find("Text1"));
  Text2 = static_cast<QLineEdit*>(find("Text2"));
  Command1 = button("Command1");
  Command2 = button("Command2");
  Command3 = {button("Command3(0)"), button("Command3(1)"), button("Command3(2)"),
              button("Command3(3)")};
  Command4 = button("Command4");
  Command5 = button("Command5");
  Command6 = button("Command6");
  Command7 = button("Command7");
  Command8 = {button("Command8(0)"), button("Command8(1)")};
  Command9 = button("Command9");
  Command10 = button("Command10");
  Command11 = button("Command11");
  Command12 = button("Command12");
  Check1 = static_cast<QCheckBox*>(find("Check1"));
  Check2 = static_cast<QCheckBox*>(find("Check2"));
  Label1 = label("Label1");
  Label2 = label("Label2");
  Label3 = label("Label3");
  Label4 = label("Label4");
  Label5 = {label("Label5(0)"), label("Label5(1)")};
  Label6 = label("Label6");
  Label7 = label("Label7");
  Label8 = label("Label8");
}

void Form1::ConnectHandlers() {
  // Every handler that an event starts is followed by bringing the
  // accessible descriptions up to date.
  const auto onClick = [this](QPushButton* b, void (Form1::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] {
      (this->*handler)();
      AfterHandler();
    });
  };
  onClick(Command1, &Form1::Command1_Click);
  onClick(Command2, &Form1::Command2_Click);
  onClick(Command5, &Form1::Command5_Click);
  onClick(Command7, &Form1::Command7_Click);
  onClick(Command9, &Form1::Command9_Click);
  onClick(Command10, &Form1::Command10_Click);
  onClick(Command11, &Form1::Command11_Click);
  onClick(Command12, &Form1::Command12_Click);
  for (std::size_t i = 0; i < Command3.size(); ++i) {
    connect(Command3[i], &QPushButton::clicked, this, [this, i] {
      Command3_Click(static_cast<std::int16_t>(i));
      AfterHandler();
    });
  }
  for (std::size_t i = 0; i < Command8.size(); ++i) {
    connect(Command8[i], &QPushButton::clicked, this, [this, i] {
      Command8_Click(static_cast<std::int16_t>(i));
      AfterHandler();
    });
  }
  Picture1->SetPointerHandlers(
      [this](std::int16_t b, std::int16_t s, float x, float y) {
        Picture1_MouseDown(b, s, x, y);
        AfterHandler();
      },
      [this](std::int16_t b, std::int16_t s, float x, float y) {
        Picture1_MouseMove(b, s, x, y);
        AfterHandler();
      },
      [this](std::int16_t b, std::int16_t s, float x, float y) {
        Picture1_MouseUp(b, s, x, y);
        AfterHandler();
      });
  Picture1->SetArrowKeyHandler([this](int key, std::int16_t shift) {
    Picture1_KeyDown(key, shift);
    AfterHandler();
  });
  // The focus frame around the plane comes and goes with its focus.
  Picture1->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Picture1 &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    update();
  }
  if (event->type() == QEvent::KeyPress && (watched == Text1 || watched == Text2)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      code = 13;
    } else if (!key->text().isEmpty()) {
      code = key->text().at(0).unicode();
    }
    if (code != 0) {
      if (watched == Text1) {
        Text1_KeyPress(code);
      } else {
        Text2_KeyPress(code);
      }
    }
  }
  // The key goes on to the box in every case.
  return QWidget::eventFilter(watched, event);
}

// When a handler disables the button that has the focus, the toolkit would
// pass the focus on to the next control: into a box, with its text selected,
// or onto a button that Enter would then click. The focus rests on the window
// instead; Tab starts again from the first control.
bool Form1::focusNextPrevChild(bool next) {
  QWidget* current = focusWidget();
  if (current != nullptr && current != this && !current->isEnabled()) {
    setFocus(Qt::OtherFocusReason);
    return true;
  }
  return QWidget::focusNextPrevChild(next);
}

void Form1::SetSurface(Surface* surface) {
  Surface* next = surface != nullptr ? surface : image_.get();
  // The new surface takes over the pen, font and text position in force.
  next->SetAttributes(surface_->Attributes());
  surface_ = next;
}

void Form1::SetPacer(Pacer* pacer) {
  pacer_ = pacer != nullptr ? pacer : realPacer_.get();
}

bool Form1::Quick() const {
  return Check2->isChecked();
}

void Form1::SetQuick(bool ticked) {
  Check2->setChecked(ticked);
}

void Form1::PacedWait(std::int32_t ms) {
  Pause(Quick() ? 0 : ms);
}

}  // namespace lesson
