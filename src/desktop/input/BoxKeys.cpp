#include "desktop/input/BoxKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "desktop/input/QtInput.h"
#include "lesson/app/Form1.h"

namespace lesson {

bool BoxKeys::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
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

}  // namespace lesson
