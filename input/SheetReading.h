#pragma once
// One sheet of a spreadsheet file read into table cells, the sheet chosen by
// its number or its name: what the analyser's --sheet and the table dialog's
// sheet list pick. Plain C++ over the spreadsheet readers.
#include <cstddef>
#include <string>

#include "input/SheetProblem.h"
#include "input/TableCells.h"

namespace tallowmere::input {

struct SheetPick {
  std::size_t number = 1;  // from 1; used when `name` is empty
  std::string name;        // the sheet's name as the file holds it
};

// Reads the chosen sheet of the spreadsheet at `path` into `cells`. A sheet
// not in the file is kNoSuchSheet, its detail the number or name asked for.
SheetProblem ReadSpreadsheet(const std::string& path, const SheetPick& pick, CellSink& cells);

// Reads a sheet's number from 1, or takes the text as a name; false for a
// number of 0.
bool ChooseSheet(const std::string& text, SheetPick& pick);

}  // namespace tallowmere::input
