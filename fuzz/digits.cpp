// Digits against an independent writing of the same double; every power of
// two and of ten once before the first input.
#include "properties/Properties.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  return lesson::fuzz::Verdict(lesson::fuzz::CheckDigitsOfPowers());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return lesson::fuzz::Verdict(lesson::fuzz::CheckDigits(data, size));
}
