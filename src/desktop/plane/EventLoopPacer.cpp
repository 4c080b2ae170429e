#include "desktop/plane/EventLoopPacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace lesson {

double EventLoopPacer::NowMs() {
  using Ms = std::chrono::duration<double, std::milli>;
  return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool EventLoopPacer::SleepUntil(double deadlineMs) {
  const double left = deadlineMs - NowMs();
  if (!(left > 0))
    return true;
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  constexpr int kTimeUp = 1;
  QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kTimeUp); });
  // A wait lasts an animation's step: never near the timer's limit.
  timer.start(static_cast<int>(std::clamp(std::ceil(left), 1.0, 1e9)));
  // Sleeps until the timer ends the loop. When the application is quitting
  // the loop ends with another code (or at once): stop waiting then.
  return loop.exec() == kTimeUp;
}

void EventLoopPacer::RunQueuedInput() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace lesson
