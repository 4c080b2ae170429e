// What the lesson asks of the desktop: the waits of the animations, the end
// of the program, and showing what changed.

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "desktop/app/LessonWindow.h"
#include "desktop/plane/EventLoopPacer.h"
#include "desktop/surface/PictureBox.h"
#include "lesson/ink/InkTexts.h"

namespace lesson {

double LessonWindow::NowMs() {
  return pacer_->NowMs();
}

bool LessonWindow::SleepUntil(double deadlineMs) {
  return pacer_->SleepUntil(deadlineMs);
}

void LessonWindow::RunQueuedInput() {
  pacer_->RunQueuedInput();
}

void LessonWindow::End() {
  hide();
  if (endAction_)
    endAction_();
}

void LessonWindow::ControlChanged(Control& control) {
  Show(control);
}

void LessonWindow::FocusChanged() {
  const Control* focus = form_->Focus();
  QWidget* widget = focus != nullptr ? WidgetOf(*focus) : this;
  if (focusWidget() != widget)
    widget->setFocus(Qt::OtherFocusReason);
}

// The plane repaints what changed once the handler has returned to the event
// loop, or the animation has gone to sleep in its wait.
void LessonWindow::PictureChanged() {
  picture_->RepaintChangesLater();
}

// The ink's layers are rasterised at once; the plane repaints where they
// changed in the next frame.
void LessonWindow::InkChanged(const InkUpdate& update) {
  picture_->ShowInk(update);
}

// The picture handed in goes onto the clipboard, to paste into a report or a
// class's shared document, and then where the save action puts it.
void LessonWindow::SavePicture(const std::string& fileName) {
  const QImage image = picture_->ShownImage();
  QGuiApplication::clipboard()->setImage(image);
  if (saveAction_)
    saveAction_(image, QString::fromStdString(fileName));
}

// The pupil chooses where, starting in the pictures folder (or the home
// folder) with the lesson's name for the picture.
void LessonWindow::SaveToChosenFile(const QImage& image, const QString& fileName) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QDir::homePath();
  const QString title =
      QString::fromUtf8(ControlCaption(ControlId::kSavePicture).data(),
                        static_cast<qsizetype>(ControlCaption(ControlId::kSavePicture).size()));
  QString path = QFileDialog::getSaveFileName(this, title, QDir(folder).filePath(fileName),
                                              QStringLiteral("PNG (*.png)"));
  if (path.isEmpty())
    return;
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
    path += QStringLiteral(".png");
  if (!image.save(path, "PNG"))
    QMessageBox::warning(this, title,
                         QString::fromUtf8(kSaveFailed) + "\n" + QDir::toNativeSeparators(path));
}

// Setting the plane's description sends the toolkit's description-changed
// event to the screen reader.
void LessonWindow::Announce(const std::string& planeDescription) {
  picture_->setAccessibleDescription(QString::fromStdString(planeDescription));
}

void LessonWindow::StartQuietInterval(std::int32_t ms) {
  QTimer::singleShot(ms, this, [this] { form_->QuietIntervalEnded(); });
}

}  // namespace lesson
