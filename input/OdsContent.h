#pragma once
// The sheets of an OpenDocument spreadsheet as its content.xml holds them,
// parsed as a stream from any ChunkSource (the zip's part, or bytes).
//
// Numbers (value types float, percentage, currency) are office:value
// exactly; dates, times and booleans are never numbers; everything else is
// its paragraphs' text joined with line ends, text:s spaces and tabs
// spelt out, comments left out. A cell or row the file repeats is told as
// often as it stands for, but repeats of empty cells and rows only move on
// the count (Calc ends every sheet with a million empty rows).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"
#include "input/TableCells.h"

namespace tallowmere::input {

// The names of the sheets, in order.
SheetProblem ReadOdsSheetNames(ChunkSource& content, std::vector<std::string>& names);

// The cells of sheet `index` (from 0) into `sink`, rows numbered as the sheet
// shows them (from 1); rows without cells are not told. The reading ends
// early where sink.Stopped() says so between rows.
SheetProblem ReadOdsSheetCells(ChunkSource& content, std::size_t index, CellSink& sink);

// The cells of the first sheet named `name`, or where `name` is empty of
// sheet `index`, found and read in one pass: the whole part is parsed once,
// where the names and then the sheet took two. kNoSuchSheet (its detail the
// name, or the number from 1) when there is none; a part damaged anywhere is
// its problem, whatever cells were told before it.
SheetProblem ReadOdsChosenSheet(ChunkSource& content, std::size_t index, std::string_view name, CellSink& sink);

}  // namespace tallowmere::input
