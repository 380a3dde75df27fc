#include "app/DistributionSource.h"

#include <QCoreApplication>
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
    {"count", QT_TRANSLATE_NOOP("DistributionSource", "Count")},
    {"mean", QT_TRANSLATE_NOOP("DistributionSource", "Mean")},
    {"standard_deviation", QT_TRANSLATE_NOOP("DistributionSource", "Standard deviation")},
    {"minimum", QT_TRANSLATE_NOOP("DistributionSource", "Minimum")},
    {"maximum", QT_TRANSLATE_NOOP("DistributionSource", "Maximum")},
    {"range", QT_TRANSLATE_NOOP("DistributionSource", "Range")},
    {"first_quartile", QT_TRANSLATE_NOOP("DistributionSource", "First quartile")},
    {"third_quartile", QT_TRANSLATE_NOOP("DistributionSource", "Third quartile")},
    {"interquartile_range", QT_TRANSLATE_NOOP("DistributionSource", "Interquartile range")},
    {"kurtosis", QT_TRANSLATE_NOOP("DistributionSource", "Kurtosis")},
    {"standard_error", QT_TRANSLATE_NOOP("DistributionSource", "Standard error of the mean")},
    {"ci95_low", QT_TRANSLATE_NOOP("DistributionSource", "95 % confidence interval, low")},
    {"ci95_high", QT_TRANSLATE_NOOP("DistributionSource", "95 % confidence interval, high")},
};

QString Shown(const results::ResultRow& row) { return QString::fromStdString(row.valueText); }

}  // namespace

bool ValueInWords(const QString& value) {
  // A number has at most one letter in a row: its exponent's E.
  int letters = 0;
  for (const QChar c : value) {
    letters = c.isLetter() ? letters + 1 : 0;
    if (letters == 2) return true;
  }
  return false;
}

QString DistributionStatisticName(std::string_view key) {
  for (const TableRow& row : kTableRows)
    if (row.key == key) return QCoreApplication::translate("DistributionSource", row.name);
  return QString();
}

DistributionSource DistributionSourceOf(const results::Results& results, const stats::modStatistics::DataSet& data) {
  DistributionSource source;
  source.sorted = results.sorted;
  for (const TableRow& wanted : kTableRows)
    if (const results::ResultRow* row = results.Find(wanted.key))
      source.statistics.push_back(
          {QCoreApplication::translate("DistributionSource", wanted.name), Shown(*row), std::string(wanted.key)});
  source.decimalPlaces = results.decimalPlaces;
  source.roundingFlag = results.roundingFlag;
  source.sample = results.sample;
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
