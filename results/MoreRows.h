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
std::vector<ResultRow> MoreRows(const stats::modStatistics::DataSet& data, const RowRounding& rounding,
                                std::uint64_t runMemoryFailures);

}  // namespace tallowmere::results
