#pragma once
// An OpenDocument spreadsheet (.ods) file: its sheets' names, and the cells
// of one sheet streamed from its content.xml (see OdsContent.h); a large
// content.xml is read for the sheet chosen on two threads
// (OdsContentSplit.h), the helper with an archive of its own. Plain C++ over
// libzip and Qt Core. Not for two threads at once: the archive is read by
// one.
#include <cstddef>
#include <string>
#include <vector>

#include "input/SheetProblem.h"
#include "input/TableCells.h"
#include "input/ZipArchive.h"

namespace tallowmere::input {

class OdsSheets {
 public:
  // Opens the file and reads its sheets' names: found by a scan of the whole
  // of content.xml (ScanOdsSheetNames), or where it cannot tell parsed;
  // nothing of it kept.
  SheetProblem Open(const std::string& path);
  // Opens the file only: Names() stays empty, a sheet is read by ReadChosen.
  SheetProblem OpenArchive(const std::string& path);
  const std::vector<std::string>& Names() const { return names_; }
  // The cells of sheet `index` (from 0, in Names()' order) into `sink`.
  SheetProblem ReadSheet(std::size_t index, CellSink& sink) const;
  // The cells of the first sheet named `name`, or where it is empty of sheet
  // `index`, with content.xml parsed once (ReadOdsChosenSheet).
  SheetProblem ReadChosen(std::size_t index, const std::string& name, CellSink& sink) const;

 private:
  std::string path_;
  ZipArchive archive_;
  std::vector<std::string> names_;
};

}  // namespace tallowmere::input
