#include "input/SheetReading.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "input/Spreadsheet.h"

namespace tallowmere::input {

SheetProblem ReadSpreadsheet(const std::string& path, const SheetPick& pick, CellSink& cells) {
  Spreadsheet sheets;
  if (SheetProblem problem = sheets.Open(path); !problem.Ok()) return problem;
  const std::vector<std::string>& names = sheets.Names();
  std::size_t index = pick.number - 1;
  if (!pick.name.empty()) {
    const auto at = std::find(names.begin(), names.end(), pick.name);
    if (at == names.end()) return {SheetFailure::kNoSuchSheet, pick.name};
    index = static_cast<std::size_t>(at - names.begin());
  }
  if (pick.number == 0 || index >= names.size()) return {SheetFailure::kNoSuchSheet, std::to_string(pick.number)};
  return sheets.ReadSheet(index, cells);
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
