#pragma once
// The results of several columns, or of the groups of a column's rows, side
// by side as a script reads them: a block of rows per column (text), one
// line per key with a cell per column (tsv), or an array of one object per
// column (json). Each column's rows are written as FormatResults writes one
// column's. Plain C++, no Qt.
#include <optional>
#include <span>
#include <string>

#include "results/ResultModel.h"
#include "results/RowFormats.h"

namespace tallowmere::results {

struct ColumnResults {
  std::string column;                // its name: the header cell, or "field N"
  std::optional<std::string> group;  // the group's label; none when not grouped
  Results results;
  // When not empty: the column had no numbers, and this says so (the words
  // of the one-column run); its results are then empty.
  std::string noNumbers;
};

// text: each column's heading ("weight", or "weight: A" for a group) and its
// rows, or its no-numbers line; one empty line between blocks.
// tsv: "statistic" and the headings on the first line, then a line per key,
// in the order the keys come; a column without that key has an empty cell,
// and tabs and line ends in a heading become spaces.
// json: [{"column": ..., "group": ... or null, the keys as FormatResults
// writes them}, ...]; a column without numbers has no keys.
std::string FormatColumns(std::span<const ColumnResults> columns, Format format, Digits digits = Digits::kAsShown);

}  // namespace tallowmere::results
