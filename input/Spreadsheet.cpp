#include "input/Spreadsheet.h"

#include <algorithm>

#include "input/SheetArchive.h"

namespace tallowmere::input {

SheetProblem Spreadsheet::Open(const std::string& path) { return OpenKind(path, true); }

SheetProblem Spreadsheet::OpenKind(const std::string& path, bool names) {
  kind_ = SpreadsheetKindOfFile(path);
  switch (kind_) {
    case SpreadsheetKind::kOds:
      return names ? ods_.Open(path) : ods_.OpenArchive(path);
    case SpreadsheetKind::kXlsx:
      return xlsx_.Open(path);
    case SpreadsheetKind::kLegacyXls:
      return {SheetFailure::kLegacyXls, path};
    case SpreadsheetKind::kEncryptedOoxml:
      return {SheetFailure::kEncrypted, path};
    case SpreadsheetKind::kZip:
    case SpreadsheetKind::kNotSpreadsheet:
      break;
  }
  kind_ = SpreadsheetKind::kNotSpreadsheet;
  // The kind's look says no more than that; the archive says what is wrong
  // with a file that cannot be read, or a zip that is damaged.
  ZipArchive archive;
  SheetProblem problem = OpenSheetArchive(path, archive);
  if (problem.Ok()) problem = {SheetFailure::kNotSpreadsheet, path};
  return problem;
}

const std::vector<std::string>& Spreadsheet::Names() const {
  switch (kind_) {
    case SpreadsheetKind::kOds:
      return ods_.Names();
    case SpreadsheetKind::kXlsx:
      return xlsx_.Names();
    default:
      return none_;
  }
}

SheetProblem Spreadsheet::ReadSheet(std::size_t index, CellSink& sink) const {
  switch (kind_) {
    case SpreadsheetKind::kOds:
      return ods_.ReadSheet(index, sink);
    case SpreadsheetKind::kXlsx:
      return xlsx_.ReadSheet(index, sink);
    default:
      return {SheetFailure::kNoSuchSheet, std::to_string(index + 1)};
  }
}

SheetProblem Spreadsheet::OpenAndRead(const std::string& path, std::size_t index, const std::string& name,
                                      CellSink& sink) {
  if (SheetProblem problem = OpenKind(path, false); !problem.Ok()) return problem;
  if (kind_ == SpreadsheetKind::kOds) return ods_.ReadChosen(index, name, sink);
  const std::vector<std::string>& names = Names();
  if (!name.empty()) {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) return {SheetFailure::kNoSuchSheet, name};
    index = static_cast<std::size_t>(at - names.begin());
  }
  if (index >= names.size()) return {SheetFailure::kNoSuchSheet, std::to_string(index + 1)};
  return ReadSheet(index, sink);
}

}  // namespace tallowmere::input
