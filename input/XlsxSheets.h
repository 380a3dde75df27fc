#pragma once
// An Office Open XML workbook (.xlsx) file: its sheets' names, and the cells
// of one sheet streamed from its worksheet part (see XlsxSheetXml.h), with the
// shared strings and the date styles read once at opening; a large worksheet
// is parsed on two threads (XlsxSheetSplit.h), the helper with an archive
// of its own. Plain C++ over libzip and Qt Core. Not for two threads at
// once: the archive is read by one.
#include <cstddef>
#include <string>
#include <vector>

#include "input/SheetProblem.h"
#include "input/TableCells.h"
#include "input/XlsxSharedStrings.h"
#include "input/ZipArchive.h"

namespace tallowmere::input {

class XlsxSheets {
 public:
  // Opens the file: the sheets' names and parts, the shared strings, the
  // styles. A workbook without shared strings or styles needs none.
  SheetProblem Open(const std::string& path);
  const std::vector<std::string>& Names() const { return names_; }
  // The cells of sheet `index` (from 0, in Names()' order) into `sink`.
  SheetProblem ReadSheet(std::size_t index, CellSink& sink) const;

 private:
  SheetProblem ReadSheetParts();
  SheetProblem ReadOptionalParts();

  std::string path_;
  ZipArchive archive_;
  std::vector<std::string> names_;
  std::vector<std::string> parts_;  // each sheet's part; empty where none is named
  std::string stringsPart_;
  std::string stylesPart_;
  SharedStrings strings_;
  std::vector<bool> dateStyles_;
};

}  // namespace tallowmere::input
