#pragma once
// The zip archive of a spreadsheet file opened for its readers, and the
// problems of the archive told as the sheets' problems: an Excel 97-2003 or
// password-protected workbook is named as such rather than as no zip.
#include <string>
#include <string_view>

#include "input/SheetProblem.h"
#include "input/ZipArchive.h"

namespace tallowmere::input {

SheetProblem SheetProblemOf(const ZipProblem& problem);

// Opens `path` into `archive`, telling an OLE2 compound file (legacy .xls,
// encrypted workbook) from a file that is no spreadsheet at all.
SheetProblem OpenSheetArchive(const std::string& path, ZipArchive& archive);

// Opens the part `name` into `entry`: a part that is not there is missing.
SheetProblem OpenSheetPart(const ZipArchive& archive, std::string_view name, ZipEntry& entry);

}  // namespace tallowmere::input
