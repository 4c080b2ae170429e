#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace lesson::bench {

// The median and the worst of runs timed one by one, in microseconds.
struct Times {
  double median = 0;
  double worst = 0;
};

inline Times Measure(int runs, const std::function<void(int)>& run) {
  std::vector<double> us;
  QElapsedTimer clock;
  for (int i = 0; i < runs; ++i) {
    clock.start();
    run(i);
    us.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e3);
  }
  std::sort(us.begin(), us.end());
  return {us[us.size() / 2], us.back()};
}

}  // namespace lesson::bench
