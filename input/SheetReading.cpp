#include "input/SheetReading.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "input/Spreadsheet.h"

namespace tallowmere::input {

SheetProblem ReadSpreadsheet(const std::string& path, const SheetPick& pick, CellSink& cells) {
  Spreadsheet sheets;
  if (pick.number == 0) {  // no sheet has it; a name not in the file is said first
    if (SheetProblem problem = sheets.Open(path); !problem.Ok()) return problem;
    const std::vector<std::string>& names = sheets.Names();
    if (!pick.name.empty() && std::find(names.begin(), names.end(), pick.name) == names.end())
      return {SheetFailure::kNoSuchSheet, pick.name};
    return {SheetFailure::kNoSuchSheet, "0"};
  }
  return sheets.OpenAndRead(path, pick.name.empty() ? pick.number - 1 : 0, pick.name, cells);
}

bool ChooseSheet(const std::string& text, SheetPick& pick) {
  std::size_t number = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, number);
  if (error == std::errc() && at == end && !text.empty()) {
    pick = {.number = number, .name = {}};
    return number > 0;
  }
  pick = {.number = 1, .name = text};
  return !text.empty();
}

}  // namespace tallowmere::input
