#include "results/MoreRows.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/MemoryFailures.h"
#include "core/Translation.h"
#include "numtext/NumberText.h"
#include "results/FigureLabels.h"
#include "results/ResultValues.h"
#include "stats/Arithmetic.h"
#include "stats/MeanInterval.h"
#include "stats/NormalityTest.h"
#include "stats/RobustTexts.h"

namespace tallowmere::results {

namespace {

struct Reason {
  const char* context;
  const char* text;
};

// The engine's reasons a row may show in place of a number.
constexpr Reason kReasons[] = {
    {"RobustStatistics", stats::kNeedsNumbersText},
    {"RobustStatistics", stats::kNeedsPositiveText},
    {"RobustStatistics", stats::kNeedsTrimShareText},
    {"RobustStatistics", stats::kNeedsLevelText},
    {"RobustStatistics", stats::kNeedsTwoNumbersText},
    {"RobustStatistics", stats::kNeedsMoreNumbersText},
    {"Normality", stats::kTooFewForShapiroWilk},
    {"Normality", stats::kTooManyForShapiroWilk},
    {"Normality", stats::kTooFewForOmnibus},
    {"Normality", stats::kAllNumbersEqual},
    {"Normality", stats::kNumbersTooLarge},
    {"Normality", stats::kKurtosisOutsideApproximation},
};

std::string ShownReason(const std::string& text) {
  for (const Reason& reason : kReasons)
    if (text == reason.text) return std::string(core::Translated(reason.context, reason.text));
  return text;
}

RowLabel TranslatedLabel(Row which) {
  const RowLabel& label = LabelOf(which);
  return {.key = label.key, .label = core::Translated("ResultRows", label.label.data()), .unit = label.unit};
}

// The row of a statistic that may fail: "#Div/0!" when it does.
template <class Statistic>
ResultRow RowOf(const RowLabel& label, const RowRounding& rounding, Statistic statistic) {
  try {
    return RoundedRow(label, rounding, statistic());
  } catch (...) {
    return MakeRow(label, TextValue(stats::kDivZeroText), stats::kDivZeroText);
  }
}

}  // namespace

// The variance row's way without its steps: the value's text, the
// ten-decimal format, the numeric test, the value (rounded unless "Show all
// decimals"). A text that is no number is shown as it is.
ResultRow RoundedRow(const RowLabel& label, const RowRounding& rounding, const stats::StatResult& result) {
  const numtext::Separators& sep = rounding.sep;
  std::string text = result.IsNumber() ? numtext::NumberText(result.Number(), sep) : result.Text();
  text = numtext::FormatTenDecimals(text, sep);
  if (!numtext::IsNumeric(text, sep)) return MakeRow(label, TextValue(text), ShownReason(text));
  const double engine = result.IsNumber() ? result.Number() : 0.0;
  const double value = ShownValue(numtext::DecimalValue(text, rounding.roundingFlag, rounding.decimalPlaces, sep),
                                  engine, text, rounding.roundingFlag);
  return MakeRow(label, NumberValue(value, engine), numtext::NumberText(value, sep) + std::string(label.unit));
}

double QuantileOf(const stats::modStatistics::DataSet& data, stats::QuantileMethod method, double p) {
  const auto n = static_cast<std::size_t>(data.NumberCount());
  const std::optional<stats::QuantilePlace> place = stats::QuantilePlaceOf(method, n, p);
  if (!place) throw std::out_of_range(stats::modStatistics::kSubscriptOutOfRange);
  const std::array<std::size_t, 2> places = {place->below, place->above};
  const std::vector<double> at = data.OrderStatistics(places);
  return stats::QuantileAt(*place, at[0], at[1]);
}

std::vector<ResultRow> MoreRows(const stats::modStatistics::DataSet& data, const RowRounding& rounding,
                                std::uint64_t runMemoryFailures, stats::QuantileMethod method, double levelPercent) {
  std::vector<ResultRow> rows;
  auto addAs = [&](const RowLabel& label, auto statistic) {
    const std::uint64_t rowMark = core::MemoryFailures();
    ResultRow row = RowOf(label, rounding, statistic);
    if (!ShortOfMemory(core::MemoryFailures(), rowMark, runMemoryFailures, row)) rows.push_back(std::move(row));
  };
  auto add = [&](Row which, auto statistic) { addAs(TranslatedLabel(which), statistic); };
  // The inclusive quartiles are the data set's own, whose places it keeps.
  const bool inclusive = method == stats::QuantileMethod::kInclusive;
  auto quartile = [&](int which) {
    return inclusive ? data.GetQuartile(which) : QuantileOf(data, method, which == 1 ? 0.25 : 0.75);
  };
  add(Row::kMinimum, [&] { return stats::StatResult(data.GetMinimum()); });
  add(Row::kMaximum, [&] { return stats::StatResult(data.GetMaximum()); });
  add(Row::kRange, [&] { return data.GetRange(); });
  add(Row::kFirstQuartile, [&] { return stats::StatResult(quartile(1)); });
  add(Row::kThirdQuartile, [&] { return stats::StatResult(quartile(3)); });
  add(Row::kInterquartileRange, [&] {
    return inclusive ? data.GetInterquartileRange() : stats::StatResult(stats::Sub(quartile(3), quartile(1)));
  });
  add(Row::kKurtosis, [&] { return data.GetKurtosis(); });
  add(Row::kStandardError, [&] { return data.GetStandardError(); });
  if (!data.MethodIsSample()) return rows;
  if (levelPercent == stats::kDefaultLevel) {
    add(Row::kConfidenceLow, [&] { return data.GetConfidenceLow(); });
    add(Row::kConfidenceHigh, [&] { return data.GetConfidenceHigh(); });
    return rows;
  }
  const auto n = static_cast<std::size_t>(data.NumberCount());
  stats::Interval interval = stats::Interval::Failed(stats::kDivZeroText);
  try {
    interval = stats::MeanInterval(data.GetMean(), data.GetStandardDeviation(), n, levelPercent);
  } catch (...) {
    // A mean that failed: both ends "#Div/0!", as at 95 %.
  }
  addAs(FigureRowLabel(kLevelLowLabel, levelPercent, rounding.sep), [&] { return interval.low; });
  addAs(FigureRowLabel(kLevelHighLabel, levelPercent, rounding.sep), [&] { return interval.high; });
  return rows;
}

}  // namespace tallowmere::results
