#pragma once
// The results as a script reads them: the rows as the window shows them
// (text), one "key<TAB>value" line per row (tsv) or one JSON object (json).
// Rows left out by an error report are simply absent. Plain C++, no Qt.
#include <string>

#include "results/ResultModel.h"

namespace tallowmere::results {

enum class Format { kText, kTsv, kJson };

// Every row of `results`, the twelve and then the rows after them. In tsv and
// json a number is written with '.' as its decimal separator (a script should
// not have to know the locale) and without the unit of the coefficient.
std::string FormatResults(const results::Results& results, Format format);

}  // namespace tallowmere::results
