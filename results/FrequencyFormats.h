#pragma once
// The frequency table as the analyser writes it after the rows: aligned
// columns (text), a header line and a line per row (tsv), an array of
// objects (json). Plain C++, no Qt.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "numtext/Separators.h"
#include "results/RowFormats.h"
#include "stats/Frequencies.h"

namespace tallowmere::results {

// text: a heading line, then the value (or the bin, "[1, 2)", the last one
// closed, "[9, 10]"), the count, the percent, the cumulative count and the
// cumulative percent, right-aligned under their headings, in the user's
// language and separators; the percents to two decimals.
std::string FrequencyText(const stats::FrequencyTable& table, const numtext::Separators& sep);

// That text's cells, for whoever shows the table in other ways: a column's
// heading in the user's language (0 the value, or the range for bins, then
// the count, the percent, the cumulative count and the cumulative percent);
// the first cell of a row (the value, or the bin, closed when it is the
// last); a percent rounded to two decimals.
inline constexpr std::size_t kFrequencyColumns = 5;
std::string FrequencyHeading(std::size_t column, stats::FrequencyRowKind kind);
std::string FrequencyFirstCell(const stats::FrequencyRow& row, stats::FrequencyRowKind kind, bool last,
                               const numtext::Separators& sep);
std::string FrequencyPercentText(double percent, const numtext::Separators& sep);

// tsv: the header line, "low high count percent cumulative_count
// cumulative_percent" tab separated, after a first cell `leadHeader` when
// that is not empty (the column, when several are written); then the lines
// of the rows (a value's low and high are the same), each after a cell
// `lead` when given.
std::string FrequencyTsvHeader(std::string_view leadHeader = {});
std::string FrequencyTsvLines(const stats::FrequencyTable& table, Digits digits,
                              std::optional<std::string_view> lead = std::nullopt);

// json: the array of the rows, each an object of those keys; a number that
// is no JSON number (an infinity) as a string.
void AppendFrequencyJson(std::string& out, const stats::FrequencyTable& table, Digits digits);

}  // namespace tallowmere::results
