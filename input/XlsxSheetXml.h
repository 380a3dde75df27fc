#pragma once
// The cells of one worksheet part of an Office Open XML workbook
// (xl/worksheets/sheetN.xml), parsed as a stream from any ChunkSource.
//
// A cell is its cached value, formula or not: a number stored in <v> is that
// double exactly, unless its style shows a date or time; shared, inline
// and formula strings are text; booleans, errors and dates are never
// numbers. Where a row or cell has no reference it is the one after the last.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"
#include "input/TableCells.h"
#include "input/XlsxSharedStrings.h"

namespace tallowmere::input {

// The column (from 0) and row (from 1) a reference such as "B7" names; the
// row is 0 where the reference has none ("B"). False for anything else.
bool ParseCellReference(std::string_view reference, std::size_t& column, std::uint64_t& row);

// `partName` names the part in problems. The reading ends early where
// sink.Stopped() says so between rows.
SheetProblem ReadXlsxSheetCells(ChunkSource& part, std::string_view partName, const SharedStrings& strings,
                                const std::vector<bool>& dateStyles, CellSink& sink);

}  // namespace tallowmere::input
