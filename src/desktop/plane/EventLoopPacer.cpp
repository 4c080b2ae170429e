#include "desktop/plane/EventLoopPacer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace lesson {

void EventLoopPacer::Wait(std::int32_t ms) {
  if (ms <= 0)
    return;
  const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
  // Events already pending are handled even when the time is short.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  while (!deadline.hasExpired()) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    constexpr int kTimeUp = 1;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kTimeUp); });
    timer.start(static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, ms)));
    // Sleeps until the timer ends the loop. When the application is quitting
    // the loop ends with another code (or at once): stop waiting then.
    if (loop.exec() != kTimeUp)
      return;
  }
}

}  // namespace lesson
