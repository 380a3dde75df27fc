#include "input/Spreadsheet.h"

#include "input/SheetArchive.h"

namespace tallowmere::input {

SheetProblem Spreadsheet::Open(const std::string& path) {
  kind_ = SpreadsheetKindOfFile(path);
  switch (kind_) {
    case SpreadsheetKind::kOds:
      return ods_.Open(path);
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

}  // namespace tallowmere::input
