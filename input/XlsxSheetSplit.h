#pragma once
// A large worksheet part parsed on two threads: the XML reader alone takes
// most of the time a sheet takes to read, and one reader cannot go faster.
// The part is cut at a row's start tag (SheetCut.h); this thread reads
// the first part into the sink as ReadXlsxSheetCells does, a helper reads
// the second with a reader that begins in the state the whole part's reader
// is in there (PartHead.h), and holds its rows until this thread tells
// them after its own. The cells, the problems and where sink.Stopped() ends
// the reading are those of ReadXlsxSheetCells on the whole part; where the
// cut turns out no place a row may begin, the part is read again, the rows
// told already left out. A second part whose first row has no number would
// need the rows before it counted: then this thread reads on alone.
#include <cstdint>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"
#include "input/SplitRows.h"
#include "input/TableCells.h"
#include "input/XlsxSharedStrings.h"

namespace tallowmere::input {

// The cells of the worksheet part `first` reads, as ReadXlsxSheetCells reads
// them, the part cut at the first row start tag at or after `cutTarget`.
SheetProblem ReadXlsxSheetCellsSplit(ChunkSource& first, const PartOpener& openAgain, std::uint64_t cutTarget,
                                     std::string_view partName, const SharedStrings& strings,
                                     const std::vector<bool>& dateStyles, CellSink& sink, SheetSplit* how = nullptr);

}  // namespace tallowmere::input
