// Line A, the slope triangle and the graph for arbitrary lesson states.
#include "properties/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return lesson::fuzz::Verdict(lesson::fuzz::CheckConstructions(data, size));
}
