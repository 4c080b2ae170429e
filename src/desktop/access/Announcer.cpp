#include "desktop/access/Announcer.h"

#include <QWidget>

namespace lesson {

Announcer::Announcer(QWidget& control, std::chrono::milliseconds interval)
    : QObject(&control), control_(control) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(interval);
  connect(&quiet_, &QTimer::timeout, this, &Announcer::Flush);
}

void Announcer::Describe(const QString& description) {
  if (quiet_.isActive()) {
    pending_ = description;
    hasPending_ = true;
    return;
  }
  if (description == control_.accessibleDescription())
    return;
  // Setting the description sends the toolkit's description-changed event.
  control_.setAccessibleDescription(description);
  quiet_.start();
}

void Announcer::Flush() {
  if (!hasPending_)
    return;
  hasPending_ = false;
  Describe(pending_);
}

}  // namespace lesson
