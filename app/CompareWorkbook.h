#pragma once
// The comparison table as a workbook a spreadsheet opens at once: the same
// cells as the CSV file, but each number stored as a number, so that a
// locale's decimal separator never decides how it reads.
#include <QString>
#include <string>
#include <vector>

#include "results/CompareTable.h"

namespace tallowmere::app {

// Whether this build can write workbooks (it needs libxlsxwriter).
bool CanWriteCompareWorkbook();

// Writes `table` as an .xlsx file at `path`, whole or not at all: empty when
// written, else why not; a file that was there is left as it was.
QString WriteCompareWorkbook(const QString& path, const results::CompareTable& table, const std::string& corner,
                             const std::vector<std::string>& labels);

}  // namespace tallowmere::app
