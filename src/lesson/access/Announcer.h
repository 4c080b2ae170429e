#pragma once

#include <optional>
#include <string>

namespace lesson {

class Host;

// Tells a screen reader of a description's changes at most once per
// interval: the first change of a quiet spell at once, and the last of the
// changes that come while the interval runs once it has run out. A drag
// changes the plane's description at every pointer move; this keeps it from
// flooding the reader.
class Announcer {
 public:
  explicit Announcer(Host& host) : host_(host) {}

  // The description the reader has from the start.
  void Start(std::string told);
  void Describe(const std::string& description);
  // The interval the host was asked for has run out. Where the host's
  // clock says it has not (a timer that fired early), the rest is asked for.
  void QuietEnded();

 private:
  Host& host_;
  std::string told_;  // what the reader was told last
  bool quiet_ = false;
  double quietUntil_ = 0;  // the host's clock, in milliseconds
  std::optional<std::string> pending_;
};

}  // namespace lesson
