#pragma once
// What a run computes beyond the twelve rows and the rows of the more
// statistics, as the analyser's options choose it. The window and the
// Compare window ask for none of it. Plain C++: no Qt.
#include <vector>

#include "stats/ConfidenceLevel.h"
#include "stats/Quantiles.h"
#include "stats/TrimmedMean.h"

namespace tallowmere::results {

struct RowChoices {
  // The robust statistics and the median's interval, after the more rows.
  bool robust = false;
  // The level of both intervals, in percent (stats::IsConfidenceLevel).
  double levelPercent = stats::kDefaultLevel;
  // The trimmed mean's share of each end (stats::IsTrimShare).
  double trimShare = stats::kDefaultTrimShare;
  // The quartiles' and the percentiles' method; with nameMethod, a row
  // names it before the percentiles.
  stats::QuantileMethod method = stats::kDefaultQuantileMethod;
  bool nameMethod = false;
  std::vector<double> percentiles;  // in percent, 0 to 100, as asked
  // Shapiro-Wilk's and D'Agostino and Pearson's tests of normality.
  bool normality = false;
  // The frequency table (Results::frequencies).
  bool frequencies = false;
};

}  // namespace tallowmere::results
