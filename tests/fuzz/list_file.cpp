// Fuzz target: the list-file reader on any bytes with any line ends, through
// a real file, and on the same text behind a byte-order mark (UTF-8, or
// widened to UTF-16 or UTF-32 of either byte order), which must read as it
// does without one.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/Checks.h"
#include "tests/fuzz/Target.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzcheck::ScratchFile scratch;
  fuzzcheck::Require(
      fuzzcheck::CheckListFile(std::string_view(reinterpret_cast<const char*>(data), size), scratch.path()));
  return 0;
}
