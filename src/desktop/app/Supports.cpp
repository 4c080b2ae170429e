// The reading supports on the desktop: kept in the device's settings, the
// dark scheme through the palettes and the picture's rasterising, the
// readings over the kanji in the captions, and the voice.

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTimer>

#include "desktop/app/ControlWidgets.h"
#include "desktop/app/LessonWindow.h"
#include "desktop/app/Speaker.h"
#include "desktop/scaling/ScaledLayout.h"
#include "desktop/surface/PictureBox.h"
#include "desktop/surface/QtColour.h"
#include "lesson/access/SpeechTexts.h"

namespace lesson {

namespace {

// How long a note stays unless a press takes it away first.
constexpr int kNoteMs = 6000;

QString SettingKey(std::size_t index) {
  return QStringLiteral("supports/") +
         QString::fromUtf8(kSupportNames.at(index).data(),
                           static_cast<qsizetype>(kSupportNames.at(index).size()));
}

}  // namespace

Supports LessonWindow::KeptSupports() const {
  Supports supports;
  for (std::size_t i = 0; kept_ != nullptr && i < kSupportNames.size(); ++i)
    SupportAt(supports, i) = kept_->value(SettingKey(i), false).toBool();
  return supports;
}

// Only what changed is written: a lesson that never changes them leaves the
// settings as they were.
void LessonWindow::Keep(const Supports& supports) {
  if (kept_ == nullptr || supports == KeptSupports())
    return;
  for (std::size_t i = 0; i < kSupportNames.size(); ++i)
    kept_->setValue(SettingKey(i), SupportAt(supports, i));
  kept_->sync();
}

void LessonWindow::SupportsChanged(const Supports& supports) {
  Keep(supports);
  const Scheme scheme = supports.dark ? Scheme::kDark : Scheme::kLight;
  if (scheme != scheme_)
    ShowScheme(scheme);
  if (supports.ruby != ruby_)
    ShowRuby(supports.ruby);
  // Without a Japanese voice the lesson is told, and the pupil sees it
  // beside the toggle, once; the window has its controls placed by then.
  if (supports.voice && !voiceMissingShown_ && !speaker_->HasJapaneseVoice()) {
    voiceMissingShown_ = true;
    QTimer::singleShot(0, this, [this] {
      form_->NoJapaneseVoice();
      ShowNote(WidgetOf(form_->ReadAloud), QString::fromUtf8(kNoJapaneseVoice));
    });
  }
}

void LessonWindow::Speak(const std::vector<std::string>& sentences, double rate) {
  speaker_->Say(sentences, rate);
}

// The light scheme is the palettes as they were made; the dark one each of
// them with every colour through the scheme. The plane paints its picture
// afresh and the lesson draws the ink again.
void LessonWindow::ShowScheme(Scheme scheme) {
  scheme_ = scheme;
  setPalette(PaletteIn(scheme, lightPalette_));
  for (std::size_t row = 0; row < kControlCount; ++row) {
    if (lightPalettes_[row])
      widgets_[row]->setPalette(PaletteIn(scheme, *lightPalettes_[row]));
    if (auto* toggle = qobject_cast<ToggleWidget*>(widgets_[row]))
      toggle->ShowSwatchIn(scheme);
  }
  picture_->SetScheme(scheme);
  update();
}

void LessonWindow::ShowRuby(bool shown) {
  ruby_ = shown;
  for (QWidget* widget : widgets_)
    ShowRubyOn(widget, shown);
}

void LessonWindow::FitReadings(QWidget* widget) {
  if (!ruby_ && widget->contentsMargins().top() == 0)
    return;
  const PixelRect box = layout_->Shown(widget);
  const int above = RubyRoomAbove(widget, box.height);
  const QRect place(box.left, box.top - above, box.width, box.height + above);
  if (widget->contentsMargins().top() != above)
    widget->setContentsMargins(0, above, 0, 0);
  if (widget->geometry() != place)
    widget->setGeometry(place);
}

// Above the control where the window has room, else beneath it; within the
// window, over whatever lies there, and no obstacle to the pointer.
void LessonWindow::ShowNote(QWidget* beside, const QString& text) {
  if (note_ == nullptr) {
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setFrameShape(QFrame::Box);
    note_->setMargin(4);
    note_->setAutoFillBackground(true);
    note_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QPalette palette = note_->palette();
  palette.setColor(QPalette::Window, ToQColor(PageColourIn(scheme_, "paper")));
  palette.setColor(QPalette::WindowText, ToQColor(PageColourIn(scheme_, "text")));
  note_->setPalette(palette);
  note_->setFont(font());
  note_->setText(text);
  note_->adjustSize();
  const QRect b = beside->geometry();
  const int gap = layout_->Scale().Length(4);
  int top = b.top() - note_->height() - gap;
  if (top < 0)
    top = b.bottom() + gap;
  const int left =
      std::clamp(b.center().x() - note_->width() / 2, 0, std::max(0, width() - note_->width()));
  note_->move(left, top);
  note_->raise();
  note_->show();
  QTimer::singleShot(kNoteMs, note_, &QWidget::hide);
  qApp->installEventFilter(this);
}

}  // namespace lesson
