#pragma once
// The values of the result model made from what the engine answers, and the
// rows that carry them. Plain C++: no Qt.
#include <cstdint>
#include <string>
#include <string_view>

#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "results/RowLabels.h"
#include "stats/StatResult.h"

namespace tallowmere::results {

ResultValue NumberValue(double number);
// A number the row shows rounded: `shown`, made from the engine's `engine`.
ResultValue NumberValue(double shown, double engine);
ResultValue TextValue(std::string text);

// The mode as the engine answers it: one value, the tied values in the
// order it lists them (a text of numbers joined by " or ", spelt with `sep`),
// or a text ("None", "Error"). Each tied value is the one its text names, so
// it spells the same text again; a list that cannot be read so stays a text.
ResultValue ModeValue(const stats::StatResult& mode, const numtext::Separators& sep);

ResultRow MakeRow(Row row, ResultValue value, std::string valueText);
// A row of a label made for it (FigureRowLabel), already in the user's
// language.
ResultRow MakeRow(const RowLabel& label, ResultValue value, std::string valueText);

// Whether a row is left out for want of memory: `failures` failures to get
// memory counted now, `rowMark` when the row's work began and `runMark` when
// the run began. A row whose own work met one may hold anything; a text
// ("#Div/0!", "Error") after one may stand for a value never worked out.
bool ShortOfMemory(std::uint64_t failures, std::uint64_t rowMark, std::uint64_t runMark, const ResultRow& row);

// The value a rounded row (7 to 12, and those after the twelve) shows: the
// `worked` value of its value step, except that with "Show all decimals"
// (`roundingFlag` clear) a non-zero engine value that its ten decimals
// `tenDecimals` show as 0 or with fewer than four significant digits is
// shown as the engine's value itself, whose number text then holds its 15
// significant digits ("4.9E-12" rather than "0").
double ShownValue(double worked, double engine, std::string_view tenDecimals, bool roundingFlag);

}  // namespace tallowmere::results
