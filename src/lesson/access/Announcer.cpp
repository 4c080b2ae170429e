#include "lesson/access/Announcer.h"

#include <cmath>
#include <cstdint>

#include "lesson/access/AccessibleTexts.h"
#include "lesson/app/Host.h"

namespace lesson {

void Announcer::Start(std::string told) {
  told_ = std::move(told);
  host_.Announce(told_);
}

void Announcer::Describe(const std::string& description) {
  if (quiet_) {
    pending_ = description;
    return;
  }
  if (description == told_)
    return;
  told_ = description;
  quiet_ = true;
  host_.Announce(told_);
  quietUntil_ = host_.NowMs() + kDescriptionIntervalMs;
  host_.StartQuietInterval(kDescriptionIntervalMs);
}

void Announcer::QuietEnded() {
  if (!quiet_)
    return;
  if (const double left = quietUntil_ - host_.NowMs(); left > 0) {
    host_.StartQuietInterval(static_cast<std::int32_t>(std::ceil(left)));
    return;
  }
  quiet_ = false;
  if (!pending_)
    return;
  const std::string description = std::move(*pending_);
  pending_.reset();
  Describe(description);
}

}  // namespace lesson
