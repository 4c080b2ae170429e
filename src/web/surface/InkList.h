#pragma once

#include <vector>

#include "lesson/ink/InkPath.h"
#include "web/schema/Messages.h"

namespace lesson::web {

// The ink list of an update.
std::vector<double> InkList(const InkUpdate& update);

}  // namespace lesson::web
