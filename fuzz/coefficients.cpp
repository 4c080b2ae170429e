// The coefficient reading: its results stay within the lesson's limits.
#include "properties/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return lesson::fuzz::Verdict(lesson::fuzz::CheckCoefficients(data, size));
}
