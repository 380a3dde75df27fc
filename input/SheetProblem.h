#pragma once
// Why a spreadsheet, or one of its sheets, could not be read: a reason for
// the message to choose, and the detail it names (a part of the archive, the
// system's or the XML reader's words). Plain C++, no Qt.
#include <string>

namespace tallowmere::input {

enum class SheetFailure : unsigned char {
  kNone,
  kCannotOpen,      // the file could not be opened or read (detail: the system's reason)
  kNotSpreadsheet,  // neither an OpenDocument spreadsheet nor an Office Open XML workbook
  kDamaged,         // a damaged zip archive, or a part that does not inflate (detail: what failed)
  kMissingPart,     // the archive lacks a part the workbook needs (detail: the part's name)
  kMalformedXml,    // a part is not well-formed XML (detail: the part, line and the reader's words)
  kEncrypted,       // a password-protected workbook or part
  kLegacyXls,       // an Excel 97-2003 workbook (.xls): to be saved as .xlsx or .ods
  kNoSuchSheet,     // the sheet asked for is not in the workbook (detail: its number)
};

struct SheetProblem {
  SheetFailure failure = SheetFailure::kNone;
  std::string detail;

  bool Ok() const { return failure == SheetFailure::kNone; }
};

}  // namespace tallowmere::input
