#pragma once
// Which cell styles of an Office Open XML workbook (xl/styles.xml) show a
// number as a date or a time: such a cell stores a day count, which is no
// number to take into the list.
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"

namespace tallowmere::input {

// dateStyles[i]: the cell style (cellXfs entry) `i` shows a date or time.
SheetProblem ReadDateStyles(ChunkSource& part, std::vector<bool>& dateStyles);

// Whether the built-in number format `id` is a date or time (14-22, 45-47).
bool IsBuiltInDateFormat(unsigned long long id);

// Whether a format code shows a date or a time: it has d, m, y, h or s
// (either case) outside quoted text, brackets ("[Red]", "[$-409]") and the
// characters that '\\', '_' and '*' take literally.
bool IsDateFormatCode(std::string_view code);

}  // namespace tallowmere::input
