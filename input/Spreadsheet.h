#pragma once
// A spreadsheet file of either kind, told by its content (SpreadsheetKind),
// opened with the reader of its kind: the one way in for whoever reads a
// sheet without caring which program wrote it. Plain C++ over libzip and Qt
// Core. Not for two threads at once: the archive is read by one.
#include <cstddef>
#include <string>
#include <vector>

#include "input/OdsSheets.h"
#include "input/SheetProblem.h"
#include "input/SpreadsheetKind.h"
#include "input/TableCells.h"
#include "input/XlsxSheets.h"

namespace tallowmere::input {

class Spreadsheet {
 public:
  // Opens the file: its kind, then its sheets' names. An Excel 97-2003
  // workbook is kLegacyXls, a password-protected one kEncrypted, a zip
  // that is neither kind (a text document) kNotSpreadsheet.
  SheetProblem Open(const std::string& path);
  // What the file turned out to be (kNotSpreadsheet until opened).
  SpreadsheetKind Kind() const { return kind_; }
  const std::vector<std::string>& Names() const;
  // The cells of sheet `index` (from 0, in Names()' order) into `sink`.
  SheetProblem ReadSheet(std::size_t index, CellSink& sink) const;
  // Opens the file and reads the first sheet named `name`, or where it is
  // empty sheet `index`; kNoSuchSheet (the name, or the number from 1) when
  // there is none. An OpenDocument file's names are only known once its
  // whole content is parsed: it is parsed once, the sheet read on the way.
  SheetProblem OpenAndRead(const std::string& path, std::size_t index, const std::string& name, CellSink& sink);

 private:
  SheetProblem OpenKind(const std::string& path, bool names);

  SpreadsheetKind kind_ = SpreadsheetKind::kNotSpreadsheet;
  OdsSheets ods_;
  XlsxSheets xlsx_;
  std::vector<std::string> none_;
};

}  // namespace tallowmere::input
