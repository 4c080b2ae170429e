#include "desktop/input/BoxKeys.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "desktop/input/QtInput.h"
#include "lesson/app/Form1.h"

namespace lesson {

bool BoxKeys::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box != nullptr && event->type() == QEvent::InputMethod)
    return Compose(box, static_cast<QInputMethodEvent*>(event));
  if (event->type() != QEvent::KeyPress || box == nullptr)
    return false;
  const auto* press = static_cast<QKeyEvent*>(event);
  if (const auto key = BoxKeyFromQt(press->key(), press->text()))
    form_.KeyPress(box_, *key);
  const std::string typed = press->text().toStdString();
  const std::string folded = FoldTyped(typed);
  if (typed.empty() || folded == typed || !box->isEnabled())
    return false;
  box->insert(QString::fromStdString(folded));
  return true;
}

// An input method's finished text reaches the box folded, in place of the
// text composed.
bool BoxKeys::Compose(QLineEdit* box, QInputMethodEvent* event) {
  const std::string commit = event->commitString().toStdString();
  const std::string folded = FoldTyped(commit);
  if (folded == commit)
    return false;
  QInputMethodEvent replaced(event->preeditString(), event->attributes());
  replaced.setCommitString(QString::fromStdString(folded), event->replacementStart(),
                           event->replacementLength());
  QCoreApplication::sendEvent(box, &replaced);
  return true;
}

}  // namespace lesson
