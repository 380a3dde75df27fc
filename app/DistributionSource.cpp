#include "app/DistributionSource.h"

#include <stdexcept>
#include <string_view>

namespace tallowmere::app {

namespace {

// The table's rows, in order, by the results' keys. A key the run did not
// reach (or the interval under Population) is left out.
struct TableRow {
  std::string_view key;
  const char* name;
};
constexpr TableRow kTableRows[] = {
    {"count", "Count"},
    {"mean", "Mean"},
    {"standard_deviation", "Standard deviation"},
    {"minimum", "Minimum"},
    {"maximum", "Maximum"},
    {"range", "Range"},
    {"first_quartile", "First quartile"},
    {"third_quartile", "Third quartile"},
    {"interquartile_range", "Interquartile range"},
    {"kurtosis", "Kurtosis"},
    {"standard_error", "Standard error of the mean"},
    {"ci95_low", "95 % confidence interval, low"},
    {"ci95_high", "95 % confidence interval, high"},
};

QString Shown(const results::ResultRow& row) { return QString::fromStdString(row.valueText); }

}  // namespace

DistributionSource DistributionSourceOf(const results::Results& results, const stats::modStatistics::DataSet& data) {
  DistributionSource source;
  source.sorted = results.sorted;
  for (const TableRow& wanted : kTableRows)
    if (const results::ResultRow* row = results.Find(wanted.key))
      source.statistics.push_back({QString::fromLatin1(wanted.name), Shown(*row)});
  if (const results::ResultRow* mean = results.Find("mean")) source.meanText = Shown(*mean);
  if (const results::ResultRow* median = results.Find("median")) source.medianText = Shown(*median);
  if (source.sorted.empty()) return source;
  // A run that overflowed has no mean; the picture then goes without the
  // curve and the mark.
  try {
    source.mean = data.GetMean();
  } catch (const std::exception&) {
  }
  const stats::StatResult sd = data.GetStandardDeviation();
  if (sd.IsNumber()) source.standardDeviation = sd.Number();
  return source;
}

}  // namespace tallowmere::app
