#pragma once

#include <string>
#include <vector>

#include "lesson/app/Preparation.h"

namespace lesson {

// The program's command line: the settings of a prepared example, as a
// link gives them to the browser's lesson.
//   --size N|小|中|大|特大   --a TEXT   --b TEXT   --quick   --draw
//   --aux A|C|AC           --help
// A value follows its option or is joined to it by "=" (--a=2/3); it may
// begin with a minus (--b -1). Arguments with a single dash are the
// toolkit's own (-display :1, -style Fusion ...) and are left to it, with the
// value that follows one.
struct Options {
  Preparation preparation;
  bool help = false;
  // Why the command line cannot be taken, in Japanese and in English; empty
  // when it can.
  std::string error;
};

Options ReadOptions(const std::vector<std::string>& arguments);

// What --help prints, in Japanese and in English.
std::string Usage(const std::string& program);

}  // namespace lesson
