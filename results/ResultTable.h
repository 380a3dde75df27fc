#pragma once
// Result rows as a table to paste into a spreadsheet: one "label<TAB>value"
// line per row, the value a plain number it can compute with. Plain C++, no
// Qt.
#include <string>
#include <vector>

#include "numtext/Separators.h"
#include "results/ResultModel.h"

namespace tallowmere::results {

// The rows in the order given. The label loses its closing ": "; a number is
// written with the user's decimal separator, without grouping or unit (the
// coefficient without " %"), as precisely as its row shows it; tied modes
// fill further cells of the line; a text ("#Div/0!", "None") is written as
// it is.
std::string TableText(const std::vector<const ResultRow*>& rows, const numtext::Separators& sep);

}  // namespace tallowmere::results
