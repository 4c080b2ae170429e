#pragma once

#include <vector>

#include "lesson/ink/InkPath.h"
#include "lesson/supports/Palette.h"
#include "web/schema/Messages.h"

namespace lesson::web {

// The ink list of an update, its colours as the scheme shows them.
std::vector<double> InkList(const InkUpdate& update, Scheme scheme = Scheme::kLight);

}  // namespace lesson::web
