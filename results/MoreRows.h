#pragma once
// The rows after the twelve: minimum, maximum, range, the quartiles and the
// interquartile range, kurtosis, the standard error of the mean and (Sample
// only) the mean's 95 % confidence interval. They are rounded as the variance
// row is, but are no steps of the run: a failure is never reported, the row
// just shows "#Div/0!". Plain C++: no Qt.
#include <cstdint>
#include <vector>

#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "results/RowLabels.h"
#include "stats/ConfidenceLevel.h"
#include "stats/Quantiles.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"

namespace tallowmere::results {

// How the run rounds its rows: the decimal places and whether "Show all
// decimals" is unticked, the user's separators for the texts.
struct RowRounding {
  const numtext::Separators& sep;
  std::int16_t decimalPlaces = 0;
  bool roundingFlag = true;
};

// The rows of a data set that SortNumbers has sorted; the interval's two
// rows only for Sample. A row left out for want of memory (ShortOfMemory,
// the run having begun at `runMemoryFailures` failures) is not among them.
// The quartiles (and so their range) by `method`, the mean's interval at
// `levelPercent`: at 95 % its rows are ci95_low and ci95_high, at another
// level their key and label name it.
std::vector<ResultRow> MoreRows(const stats::modStatistics::DataSet& data, const RowRounding& rounding,
                                std::uint64_t runMemoryFailures,
                                stats::QuantileMethod method = stats::kDefaultQuantileMethod,
                                double levelPercent = stats::kDefaultLevel);

// A statistic's row rounded as the variance row is. A text that is no
// number is shown as it is, in the user's language when it is one of the
// engine's reasons (the robust statistics' and the normality tests').
ResultRow RoundedRow(const RowLabel& label, const RowRounding& rounding, const stats::StatResult& result);

// The quantile at p of the data set's sorted numbers, by `method`, read from
// the two order statistics it lies between. Fails as the median does.
double QuantileOf(const stats::modStatistics::DataSet& data, stats::QuantileMethod method, double p);

}  // namespace tallowmere::results
