#include "app/DistributionRows.h"

#include <QCoreApplication>
#include <array>
#include <string>

#include "numtext/NumberText.h"
#include "results/FigureLabels.h"
#include "results/MoreRows.h"
#include "results/RowLabels.h"
#include "stats/Arithmetic.h"
#include "stats/MeanInterval.h"
#include "stats/MedianDeviation.h"
#include "stats/MedianInterval.h"
#include "stats/RobustMeans.h"
#include "stats/TrimmedMean.h"

namespace tallowmere::app {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("DistributionRows", text); }

// A percentile's name by the English ordinal's ending, as the analyser's
// rows choose it (results::PercentileOrdinal).
constexpr std::array<const char*, 4> kPercentileNames = {
    QT_TRANSLATE_NOOP("DistributionRows", "%1st percentile"),
    QT_TRANSLATE_NOOP("DistributionRows", "%1nd percentile"),
    QT_TRANSLATE_NOOP("DistributionRows", "%1rd percentile"),
    QT_TRANSLATE_NOOP("DistributionRows", "%1th percentile"),
};

std::string KeyOf(const results::FigureLabel& label, double figure, const numtext::Separators& sep) {
  return std::string(results::FigureRowLabel(label, figure, sep).key);
}

// A statistic that may fail for want of memory or in its arithmetic:
// "#Div/0!" then, as the run's rows show it.
template <class Statistic>
stats::StatResult Safely(Statistic statistic) {
  try {
    return statistic();
  } catch (...) {
    return stats::kDivZeroText;
  }
}

}  // namespace

bool DependsOnMethod(std::string_view key) {
  return key == "first_quartile" || key == "third_quartile" || key == "interquartile_range" ||
         (key.size() > 1 && key.front() == 'p' && key[1] >= '0' && key[1] <= '9');
}

QString MethodName(stats::QuantileMethod method) {
  return QCoreApplication::translate("QuantileMethods", stats::InfoOf(method).displayName);
}

void DistributionRows::Take(const DistributionSource& source) {
  run_ = source;
  run_.sorted = {};
  trimmed_.reset();
  lines_ = run_.statistics;
  const std::span<const double> sorted = source.sorted.View();
  fixed_.geometric = Safely([&] { return stats::GeometricMean(sorted); });
  fixed_.harmonic = Safely([&] { return stats::HarmonicMean(sorted); });
  fixed_.mad = Safely([&] { return stats::MedianAbsoluteDeviation(sorted); });
  fixed_.scaledMad = Safely([&] {
    return fixed_.mad.IsNumber() ? stats::StatResult(stats::Mul(stats::kMadScale, fixed_.mad.Number())) : fixed_.mad;
  });
}

QString DistributionRows::Rounded(const stats::StatResult& result, std::string_view unit) const {
  const results::RowRounding rounding{separators_, run_.decimalPlaces, run_.roundingFlag};
  return QString::fromStdString(
      results::RoundedRow({.key = {}, .label = {}, .unit = unit}, rounding, result).valueText);
}

void DistributionRows::Add(QString name, QString value, std::string_view key) {
  lines_.push_back({std::move(name), std::move(value), std::string(key)});
}

std::vector<StatisticLine> DistributionRows::Lines(std::span<const double> sorted, const TableChoices& choices) {
  if (sorted.empty()) return lines_;
  lines_.clear();
  AddRunLines(sorted, choices);
  AddRobust(sorted, choices);
  AddPercentiles(sorted, choices);
  return lines_;
}

void DistributionRows::AddRunLines(std::span<const double> sorted, const TableChoices& choices) {
  // The run's own quartiles are the inclusive ones; another method's are
  // read here from the numbers.
  const bool inclusive = choices.method == stats::QuantileMethod::kInclusive;
  const auto quartile = [&](double p) { return Safely([&] { return stats::Quantile(choices.method, sorted, p); }); };
  const bool atDefaultLevel = choices.levelPercent == stats::kDefaultLevel;
  for (const StatisticLine& line : run_.statistics) {
    if (!inclusive && line.key == "first_quartile") {
      Add(line.name, Rounded(quartile(0.25)), line.key);
    } else if (!inclusive && line.key == "third_quartile") {
      Add(line.name, Rounded(quartile(0.75)), line.key);
    } else if (!inclusive && line.key == "interquartile_range") {
      const stats::StatResult q1 = quartile(0.25);
      const stats::StatResult q3 = quartile(0.75);
      Add(line.name, Rounded(Safely([&] { return stats::StatResult(stats::Sub(q3.Number(), q1.Number())); })),
          line.key);
    } else if (!atDefaultLevel && line.key == "ci95_low") {
      AddMeanInterval(choices.levelPercent, sorted.size());
    } else if (!atDefaultLevel && line.key == "ci95_high") {
      // Added with the low end.
    } else {
      lines_.push_back(line);
    }
  }
}

void DistributionRows::AddMeanInterval(double levelPercent, std::size_t count) {
  const stats::StatResult deviation =
      run_.standardDeviation ? stats::StatResult(*run_.standardDeviation) : stats::StatResult(stats::kDivZeroText);
  // A run whose mean overflowed has an interval of "#Div/0!" at any level.
  stats::Interval interval = stats::Interval::Failed(stats::kDivZeroText);
  if (run_.mean) interval = stats::MeanInterval(*run_.mean, deviation, count, levelPercent);
  const QString level = QString::fromStdString(numtext::NumberText(levelPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "%1 % confidence interval, low")).arg(level), Rounded(interval.low),
      KeyOf(results::kLevelLowLabel, levelPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "%1 % confidence interval, high")).arg(level), Rounded(interval.high),
      KeyOf(results::kLevelHighLabel, levelPercent, separators_));
}

void DistributionRows::AddRobust(std::span<const double> sorted, const TableChoices& choices) {
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Geometric mean")), Rounded(fixed_.geometric), "geometric_mean");
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Harmonic mean")), Rounded(fixed_.harmonic), "harmonic_mean");
  const double share = choices.trimPercent / 100.0;
  if (!trimmed_ || trimmed_->first != share)
    trimmed_.emplace(share, Safely([&] { return stats::TrimmedMean(sorted, share); }));
  const QString trim = QString::fromStdString(numtext::NumberText(choices.trimPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "%1 % trimmed mean")).arg(trim), Rounded(trimmed_->second),
      KeyOf(results::kTrimmedMeanLabel, choices.trimPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Median absolute deviation")), Rounded(fixed_.mad), "mad");
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Scaled median absolute deviation")), Rounded(fixed_.scaledMad),
      "mad_scaled");
  const double levelPercent = choices.levelPercent;
  const stats::Interval median = stats::MedianInterval(sorted, levelPercent);
  const QString level = QString::fromStdString(numtext::NumberText(levelPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Median's %1 % confidence interval, low")).arg(level),
      Rounded(median.low), KeyOf(results::kMedianLowLabel, levelPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Median's %1 % confidence interval, high")).arg(level),
      Rounded(median.high), KeyOf(results::kMedianHighLabel, levelPercent, separators_));
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Median interval's actual coverage")),
      Rounded(median.coverage, results::kMedianCoverageLabel.unit),
      KeyOf(results::kMedianCoverageLabel, levelPercent, separators_));
}

void DistributionRows::AddPercentiles(std::span<const double> sorted, const TableChoices& choices) {
  Add(Tr(QT_TRANSLATE_NOOP("DistributionRows", "Quantile method")), MethodName(choices.method), kMethodKey);
  for (const double percent : choices.percentiles) {
    const QString figure = QString::fromStdString(numtext::NumberText(percent, separators_));
    const stats::StatResult value = Safely([&] { return stats::Quantile(choices.method, sorted, percent / 100.0); });
    Add(Tr(kPercentileNames[results::PercentileOrdinal(percent)]).arg(figure), Rounded(value),
        results::PercentileRowLabel(percent, separators_).key);
  }
}

}  // namespace tallowmere::app
