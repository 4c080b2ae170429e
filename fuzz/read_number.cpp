// ReadNumber against an independent reading of the same text.
#include "properties/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return lesson::fuzz::Verdict(
      lesson::fuzz::CheckReadNumber({reinterpret_cast<const char*>(data), size}));
}
