// Clipping of strokes with arbitrary end points.
#include "properties/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return lesson::fuzz::Verdict(lesson::fuzz::CheckClip(data, size));
}
