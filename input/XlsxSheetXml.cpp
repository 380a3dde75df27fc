#include "input/XlsxSheetXml.h"

#include <string>

#include "input/RowCells.h"
#include "input/XlsxSheetRows.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

bool ParseCellReference(std::string_view reference, std::size_t& column, std::uint64_t& row) {
  std::size_t at = 0;
  std::uint64_t letters = 0;
  if (at < reference.size() && reference[at] == '$') ++at;
  const std::size_t lettersStart = at;
  for (; at < reference.size() && ((reference[at] | 0x20) >= 'a' && (reference[at] | 0x20) <= 'z'); ++at) {
    letters = letters * 26 + static_cast<std::uint64_t>((reference[at] | 0x20) - 'a' + 1);
    if (letters > kMaxSheetColumns * 26) return false;
  }
  if (at == lettersStart) return false;
  if (at < reference.size() && reference[at] == '$') ++at;
  std::uint64_t number = 0;
  const std::size_t digitsStart = at;
  for (; at < reference.size() && reference[at] >= '0' && reference[at] <= '9'; ++at) {
    number = number * 10 + static_cast<std::uint64_t>(reference[at] - '0');
    if (number > kMaxSheetRows * 10) return false;
  }
  if (at != reference.size() || (at > digitsStart && number == 0)) return false;
  column = static_cast<std::size_t>(letters - 1);
  row = number;
  return true;
}

SheetProblem ReadXlsxSheetCells(ChunkSource& source, std::string_view partName, const SharedStrings& strings,
                                const std::vector<bool>& dateStyles, CellSink& sink) {
  XmlPart part(source, std::string(partName));
  while (part.Next()) {
    if (part.IsStart() && part.Is(u"sheetData")) {
      XlsxSheetRows(part, strings, dateStyles, sink).Read();
      break;
    }
  }
  return part.Problem();
}

}  // namespace tallowmere::input
