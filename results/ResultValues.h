#pragma once
// The values of the result model made from what the engine answers, and the
// rows that carry them. Plain C++: no Qt.
#include <string>

#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "results/RowLabels.h"
#include "stats/StatResult.h"

namespace tallowmere::results {

ResultValue NumberValue(double number);
ResultValue TextValue(std::string text);

// The mode as the engine answers it: one value, the tied values in the
// order it lists them (a text of numbers joined by " or ", spelt with `sep`),
// or a text ("None", "Error"). Each tied value is the one its text names, so
// it spells the same text again; a list that cannot be read so stays a text.
ResultValue ModeValue(const stats::StatResult& mode, const numtext::Separators& sep);

ResultRow MakeRow(Row row, ResultValue value, std::string valueText);

}  // namespace tallowmere::results
