#include "results/MoreRows.h"

#include <string>
#include <utility>

#include "core/MemoryFailures.h"
#include "numtext/NumberText.h"
#include "results/ResultValues.h"
#include "results/RowLabels.h"
#include "stats/StatResult.h"

namespace tallowmere::results {

namespace {

// The variance row's way without its steps: the value's text, the
// ten-decimal format, the numeric test, the value (rounded unless "Show all
// decimals"). A text that is no number is shown as it is.
template <class Statistic>
ResultRow RoundedRow(Row which, const RowRounding& rounding, Statistic statistic) {
  const numtext::Separators& sep = rounding.sep;
  try {
    const stats::StatResult result = statistic();
    std::string text = result.IsNumber() ? numtext::NumberText(result.Number(), sep) : result.Text();
    text = numtext::FormatTenDecimals(text, sep);
    if (!numtext::IsNumeric(text, sep)) return MakeRow(which, TextValue(text), text);
    const double engine = result.IsNumber() ? result.Number() : 0.0;
    const double value = ShownValue(numtext::DecimalValue(text, rounding.roundingFlag, rounding.decimalPlaces, sep),
                                    engine, text, rounding.roundingFlag);
    return MakeRow(which, NumberValue(value, engine),
                   numtext::NumberText(value, sep) + std::string(LabelOf(which).unit));
  } catch (...) {
    return MakeRow(which, TextValue(stats::kDivZeroText), stats::kDivZeroText);
  }
}

}  // namespace

std::vector<ResultRow> MoreRows(const stats::modStatistics::DataSet& data, const RowRounding& rounding,
                                std::uint64_t runMemoryFailures) {
  std::vector<ResultRow> rows;
  auto add = [&](Row which, auto statistic) {
    const std::uint64_t rowMark = core::MemoryFailures();
    ResultRow row = RoundedRow(which, rounding, statistic);
    if (!ShortOfMemory(core::MemoryFailures(), rowMark, runMemoryFailures, row)) rows.push_back(std::move(row));
  };
  add(Row::kMinimum, [&] { return stats::StatResult(data.GetMinimum()); });
  add(Row::kMaximum, [&] { return stats::StatResult(data.GetMaximum()); });
  add(Row::kRange, [&] { return data.GetRange(); });
  add(Row::kFirstQuartile, [&] { return stats::StatResult(data.GetQuartile(1)); });
  add(Row::kThirdQuartile, [&] { return stats::StatResult(data.GetQuartile(3)); });
  add(Row::kInterquartileRange, [&] { return data.GetInterquartileRange(); });
  add(Row::kKurtosis, [&] { return data.GetKurtosis(); });
  add(Row::kStandardError, [&] { return data.GetStandardError(); });
  if (data.MethodIsSample()) {
    add(Row::kConfidenceLow, [&] { return data.GetConfidenceLow(); });
    add(Row::kConfidenceHigh, [&] { return data.GetConfidenceHigh(); });
  }
  return rows;
}

}  // namespace tallowmere::results
