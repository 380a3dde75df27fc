#pragma once
// The result rows as a script reads them: the rows as the window shows them
// (text), one "key<TAB>value" line per row (tsv) or one JSON object (json).
// Rows are found by their label, so rows left out by an error report are
// simply absent. Plain C++, no Qt.
#include <string>
#include <vector>

namespace rowformat {

enum class Format { kText, kTsv, kJson };

// `rows` as the analysis added them; the user's decimal separator `decimal`
// (the one the rows were written with) becomes '.' in tsv and json.
std::string FormatRows(const std::vector<std::string>& rows, Format format, const std::string& decimal);

}  // namespace rowformat
