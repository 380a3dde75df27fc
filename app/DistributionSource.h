#pragma once
// What the distribution window shows of one analysis: the run's sorted
// numbers (shared, not copied), the raw mean and standard deviation for the normal
// curve, and the statistics table with each value as the results list shows
// it (rounded as the run rounds, for the run's method).
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/OutlierList.h"
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

// The number list behind an analysis, as the main window reaches it: the
// analysed numbers in list order are its, and far too many to copy, so the
// window asks for what it needs of them. Entry i is the list's row i + 1.
struct ListLookup {
  // One pass over the analysed numbers in list order; nothing found when
  // they are not those of the analysis shown.
  std::function<results::ListFound(const results::ListQuery&)> find;
  // The entry's text as the list shows it; empty past the list's end.
  std::function<QString(std::size_t index)> text;
  // Selects these entries (ascending) in the number list, shows the first
  // and brings the main window up; nothing is removed.
  std::function<void(const std::vector<std::size_t>& indexes)> select;
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
  // Empty where there is no list behind the numbers.
  ListLookup list;
};

// The source of a finished run: `results` as the run made them, `data` its
// data set (for the raw mean and standard deviation).
DistributionSource DistributionSourceOf(const results::Results& results, const stats::modStatistics::DataSet& data);

// The name the window's table gives the statistic of a results key
// ("Minimum" for "minimum"); empty for a key it does not show.
QString DistributionStatisticName(std::string_view key);

}  // namespace tallowmere::app
