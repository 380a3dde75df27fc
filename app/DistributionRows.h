#pragma once
// The distribution window's statistics table: the run's rows as the results
// list shows them, with the quartiles by the window's quantile method and the
// mean's interval at its level, then the robust statistics, the row naming
// the method and the percentiles asked for, each rounded as the run rounds
// its rows and named as the analyser names them.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "app/DistributionSource.h"
#include "numtext/Separators.h"
#include "stats/ConfidenceLevel.h"
#include "stats/Quantiles.h"
#include "stats/StatResult.h"

namespace tallowmere::app {

inline constexpr double kDefaultTrimPercent = 5.0;

// What the window's options choose of the table.
struct TableChoices {
  stats::QuantileMethod method = stats::kDefaultQuantileMethod;
  std::vector<double> percentiles = {};        // in percent, 0 to 100
  double trimPercent = kDefaultTrimPercent;    // of each end, 0 to below 50
  double levelPercent = stats::kDefaultLevel;  // of both intervals, 50 to 99.9
};

// The key of the row naming the method, and whether a row's value depends
// on the method (the quartiles, their range, the percentiles): a copy of
// such rows takes the method's row along.
inline constexpr std::string_view kMethodKey = "method";
bool DependsOnMethod(std::string_view key);

// The translated name of a quantile method, as the analyser shows it.
QString MethodName(stats::QuantileMethod method);

class DistributionRows {
 public:
  explicit DistributionRows(numtext::Separators separators) : separators_(std::move(separators)) {}

  // A new analysis: its rows and rounding, and the statistics no option
  // changes, worked out here once from source.sorted.
  void Take(const DistributionSource& source);

  // The table under `choices`, its figures read from `sorted` (the
  // analysis' numbers, ascending, as Take had them). With no numbers (a run
  // has taken them back) the lines last made.
  std::vector<StatisticLine> Lines(std::span<const double> sorted, const TableChoices& choices);

 private:
  struct Fixed {
    stats::StatResult geometric = stats::kDivZeroText;
    stats::StatResult harmonic = stats::kDivZeroText;
    stats::StatResult mad = stats::kDivZeroText;
    stats::StatResult scaledMad = stats::kDivZeroText;
  };
  QString Rounded(const stats::StatResult& result, std::string_view unit = {}) const;
  void AddRunLines(std::span<const double> sorted, const TableChoices& choices);
  void AddMeanInterval(double levelPercent, std::size_t count);
  void AddRobust(std::span<const double> sorted, const TableChoices& choices);
  void AddPercentiles(std::span<const double> sorted, const TableChoices& choices);
  void Add(QString name, QString value, std::string_view key);

  numtext::Separators separators_;
  DistributionSource run_;  // without its numbers: they stay the window's
  Fixed fixed_;
  // The trimmed mean of the last share asked, so that other options redraw
  // without a pass over the numbers.
  std::optional<std::pair<double, stats::StatResult>> trimmed_;
  std::vector<StatisticLine> lines_;
};

}  // namespace tallowmere::app
