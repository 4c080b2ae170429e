// Line A, the slope triangle and the graph for arbitrary lesson states.
#include <cstdio>
#include <cstdlib>

#include "properties/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = lesson::fuzz::CheckConstructions(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
