#pragma once
// Every result row's key, label and unit, each written here once: the
// results list, the exports, the analyser's formats and the table text all
// take them from this table. Plain C++: no Qt.
#include <cstddef>
#include <iterator>
#include <string_view>

namespace tallowmere::results {

struct RowLabel {
  std::string_view key;    // the analyser's tsv and json key
  std::string_view label;  // what the row shows before its value
  std::string_view unit;   // what the row shows after a number ("" for most)
};

// The rows in the order they come: the twelve of the results list, then the
// rows the distribution window and `--more` add after them.
enum class Row : std::size_t {
  kCount,
  kSum,
  kSumSquared,
  kSumOfSquares,
  kMode,
  kMedian,
  kMean,
  kVariance,
  kSkew,
  kAverageDeviation,
  kStandardDeviation,
  kCoefficientOfVariation,
  kMinimum,
  kMaximum,
  kRange,
  kFirstQuartile,
  kThirdQuartile,
  kInterquartileRange,
  kKurtosis,
  kStandardError,
  kConfidenceLow,
  kConfidenceHigh,
};

inline constexpr RowLabel kRowLabels[] = {
    {"count", "The number of entries is: ", ""},
    {"sum", "The sum of the numbers are: ", ""},
    {"sum_squared", "The sum squared is: ", ""},
    {"sum_of_squares", "The sum of squares is: ", ""},
    {"mode", "The mode is: ", ""},
    {"median", "The median is: ", ""},
    {"mean", "The mean is: ", ""},
    {"variance", "The variance is: ", ""},
    {"skew", "The skew is: ", ""},
    {"average_deviation", "The average deviation is: ", ""},
    {"standard_deviation", "The standard deviation is: ", ""},
    {"coefficient_of_variation", "The coefficient of variation is: ", " %"},
    {"minimum", "The minimum is: ", ""},
    {"maximum", "The maximum is: ", ""},
    {"range", "The range is: ", ""},
    {"first_quartile", "The first quartile is: ", ""},
    {"third_quartile", "The third quartile is: ", ""},
    {"interquartile_range", "The interquartile range is: ", ""},
    {"kurtosis", "The kurtosis is: ", ""},
    {"standard_error", "The standard error of the mean is: ", ""},
    {"ci95_low", "The 95 % confidence interval's low end is: ", ""},
    {"ci95_high", "The 95 % confidence interval's high end is: ", ""},
};

constexpr const RowLabel& LabelOf(Row row) { return kRowLabels[static_cast<std::size_t>(row)]; }

static_assert(std::size(kRowLabels) == static_cast<std::size_t>(Row::kConfidenceHigh) + 1);

}  // namespace tallowmere::results
