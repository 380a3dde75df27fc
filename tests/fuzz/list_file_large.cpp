// Fuzz target: the list-file reader on large texts (any bytes with any line
// ends, repeated), through a real file: the reader's path for large texts,
// where a second thread shares the number test.
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
  fuzzcheck::Require(fuzzcheck::CheckListFile(std::string_view(reinterpret_cast<const char*>(data), size),
                                              scratch.path(), /*large=*/true));
  return 0;
}
