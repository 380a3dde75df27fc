// Fuzz target: number text and value of any finite double, both ways.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/Checks.h"
#include "tests/fuzz/Target.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzcheck::Require(fuzzcheck::CheckRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
