#include "lesson/access/Announcer.h"

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
  host_.StartQuietInterval(kDescriptionIntervalMs);
}

void Announcer::QuietEnded() {
  quiet_ = false;
  if (!pending_)
    return;
  const std::string description = std::move(*pending_);
  pending_.reset();
  Describe(description);
}

}  // namespace lesson
