#pragma once
// What the distribution window shows of one analysis: the run's sorted
// numbers (shared, not copied), the raw mean and standard deviation for the normal
// curve, and the statistics table with each value as the results list shows
// it (rounded as the run rounds, for the run's method).
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/ResultModel.h"
#include "stats/Statistics.h"

namespace tallowmere::app {

// One line of the statistics table: the statistic's name and its value as
// the results list shows it.
struct StatisticLine {
  QString name;
  QString value;
  // The analyser's key of the row ("first_quartile", "p5"), by which the
  // window finds a line again.
  std::string key = {};
};

// Whether a value is told in words (a method's name, a reason) rather than
// as a number: such a value may be cut short or set apart where room is
// scarce, a number never.
bool ValueInWords(const QString& value);

// What one analysis gives the window.
struct DistributionSource {
  // The run's numbers, ascending, held with the run's results.
  results::SortedNumbers sorted;
  // The raw mean and standard deviation (absent where the run has none).
  std::optional<double> mean;
  std::optional<double> standardDeviation;
  // The mean and the median as the results list shows them.
  QString meanText;
  QString medianText;
  std::vector<StatisticLine> statistics;
  // How the run rounded its rows, for the rows the window adds to them.
  std::int16_t decimalPlaces = 0;
  bool roundingFlag = true;
  // Sample rather than Population: only a sample has the mean's interval.
  bool sample = true;
  // The list's name for a picture's title; empty for an unnamed list.
  QString name;
};

// The source of a finished run: `results` as the run made them, `data` its
// data set (for the raw mean and standard deviation).
DistributionSource DistributionSourceOf(const results::Results& results, const stats::modStatistics::DataSet& data);

// The name the window's table gives the statistic of a results key
// ("Minimum" for "minimum"); empty for a key it does not show.
QString DistributionStatisticName(std::string_view key);

}  // namespace tallowmere::app
