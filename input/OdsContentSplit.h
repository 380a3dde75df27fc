#pragma once
// A large OpenDocument content.xml read for its chosen sheet on two threads,
// as XlsxSheetSplit.h reads a worksheet: cut at a row's start tag inside the
// chosen table (a cut anywhere else is not made), this thread reads to the
// cut, a helper from the cut to the part's end, its rows numbered from the
// cut on and held until this thread, knowing the row the cut is at, tells
// them after its own. The cells, the problems (damage anywhere in the part)
// and where sink.Stopped() ends the telling are those of ReadOdsChosenSheet.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"
#include "input/SplitRows.h"
#include "input/TableCells.h"

namespace tallowmere::input {

// ReadOdsChosenSheet on the content.xml `first` reads, cut at the first row
// start tag at or after `cutTarget`.
SheetProblem ReadOdsChosenSheetSplit(ChunkSource& first, const PartOpener& openAgain, std::uint64_t cutTarget,
                                     std::size_t index, std::string_view name, CellSink& sink,
                                     SheetSplit* how = nullptr);

}  // namespace tallowmere::input
