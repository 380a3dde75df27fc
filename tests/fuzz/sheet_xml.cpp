// Fuzz target: any bytes as the XML of every spreadsheet part the readers
// parse (content.xml; a worksheet, shared strings, styles, workbook and
// relationships), whole and in small chunks, which must read alike and
// keep the table cells' contract; a worksheet cut for two threads reads as
// one reader reads it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/SheetChecks.h"
#include "tests/fuzz/Target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzcheck::Require(fuzzcheck::CheckSheetXml(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
