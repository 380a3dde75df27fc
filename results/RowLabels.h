#pragma once
// Every result row's key, label and unit, each written here once: the
// results list, the exports, the analyser's formats and the table text all
// take them from this table. Plain C++: no Qt; the labels and units are
// marked for translation and shown through core::Translated. The keys and
// the English labels are read by scripts and by whoever opens a saved file
// (see docs/compatibility.md, The number texts).
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/Translation.h"

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
  // The analyser's rows on request, after those of --more.
  kGeometricMean,
  kHarmonicMean,
  kMedianAbsoluteDeviation,
  kScaledMedianAbsoluteDeviation,
  kQuantileMethod,
  kShapiroWilkW,
  kShapiroWilkP,
  kShapiroWilkReading,
  kOmnibusK2,
  kOmnibusP,
  kOmnibusReading,
};

inline constexpr RowLabel kRowLabels[] = {
    {"count", QT_TRANSLATE_NOOP("ResultRows", "The number of entries is: "), ""},
    {"sum", QT_TRANSLATE_NOOP("ResultRows", "The sum of the numbers are: "), ""},
    {"sum_squared", QT_TRANSLATE_NOOP("ResultRows", "The sum squared is: "), ""},
    {"sum_of_squares", QT_TRANSLATE_NOOP("ResultRows", "The sum of squares is: "), ""},
    {"mode", QT_TRANSLATE_NOOP("ResultRows", "The mode is: "), ""},
    {"median", QT_TRANSLATE_NOOP("ResultRows", "The median is: "), ""},
    {"mean", QT_TRANSLATE_NOOP("ResultRows", "The mean is: "), ""},
    {"variance", QT_TRANSLATE_NOOP("ResultRows", "The variance is: "), ""},
    {"skew", QT_TRANSLATE_NOOP("ResultRows", "The skew is: "), ""},
    {"average_deviation", QT_TRANSLATE_NOOP("ResultRows", "The average deviation is: "), ""},
    {"standard_deviation", QT_TRANSLATE_NOOP("ResultRows", "The standard deviation is: "), ""},
    {"coefficient_of_variation", QT_TRANSLATE_NOOP("ResultRows", "The coefficient of variation is: "), " %"},
    {"minimum", QT_TRANSLATE_NOOP("ResultRows", "The minimum is: "), ""},
    {"maximum", QT_TRANSLATE_NOOP("ResultRows", "The maximum is: "), ""},
    {"range", QT_TRANSLATE_NOOP("ResultRows", "The range is: "), ""},
    {"first_quartile", QT_TRANSLATE_NOOP("ResultRows", "The first quartile is: "), ""},
    {"third_quartile", QT_TRANSLATE_NOOP("ResultRows", "The third quartile is: "), ""},
    {"interquartile_range", QT_TRANSLATE_NOOP("ResultRows", "The interquartile range is: "), ""},
    {"kurtosis", QT_TRANSLATE_NOOP("ResultRows", "The kurtosis is: "), ""},
    {"standard_error", QT_TRANSLATE_NOOP("ResultRows", "The standard error of the mean is: "), ""},
    {"ci95_low", QT_TRANSLATE_NOOP("ResultRows", "The 95 % confidence interval's low end is: "), ""},
    {"ci95_high", QT_TRANSLATE_NOOP("ResultRows", "The 95 % confidence interval's high end is: "), ""},
    {"geometric_mean", QT_TRANSLATE_NOOP("ResultRows", "The geometric mean is: "), ""},
    {"harmonic_mean", QT_TRANSLATE_NOOP("ResultRows", "The harmonic mean is: "), ""},
    {"mad", QT_TRANSLATE_NOOP("ResultRows", "The median absolute deviation is: "), ""},
    {"mad_scaled", QT_TRANSLATE_NOOP("ResultRows", "The scaled median absolute deviation is: "), ""},
    {"method", QT_TRANSLATE_NOOP("ResultRows", "The quantile method is: "), ""},
    {"shapiro_wilk_w", QT_TRANSLATE_NOOP("ResultRows", "The Shapiro-Wilk W is: "), ""},
    {"shapiro_wilk_p", QT_TRANSLATE_NOOP("ResultRows", "The Shapiro-Wilk p-value is: "), ""},
    {"shapiro_wilk_reading", QT_TRANSLATE_NOOP("ResultRows", "The Shapiro-Wilk test reads: "), ""},
    {"k2", QT_TRANSLATE_NOOP("ResultRows", "The K² of D'Agostino and Pearson is: "), ""},
    {"k2_p", QT_TRANSLATE_NOOP("ResultRows", "The K² p-value is: "), ""},
    {"k2_reading", QT_TRANSLATE_NOOP("ResultRows", "The K² test reads: "), ""},
};

// The rows whose key and label name a figure the user chose: %1 is the
// figure, with '.' in the key and the user's decimal separator in the label.
struct FigureLabel {
  std::string_view key;
  const char* label;
  std::string_view unit;
};
inline constexpr FigureLabel kTrimmedMeanLabel = {"trimmed_mean",
                                                  QT_TRANSLATE_NOOP("ResultRows", "The %1 % trimmed mean is: "), ""};
// The mean's interval at a level other than 95 % (at 95 % its rows are
// those of kConfidenceLow and kConfidenceHigh).
inline constexpr FigureLabel kLevelLowLabel = {
    "ci%1_low", QT_TRANSLATE_NOOP("ResultRows", "The %1 % confidence interval's low end is: "), ""};
inline constexpr FigureLabel kLevelHighLabel = {
    "ci%1_high", QT_TRANSLATE_NOOP("ResultRows", "The %1 % confidence interval's high end is: "), ""};
inline constexpr FigureLabel kMedianLowLabel = {
    "median_ci%1_low", QT_TRANSLATE_NOOP("ResultRows", "The median's %1 % confidence interval's low end is: "), ""};
inline constexpr FigureLabel kMedianHighLabel = {
    "median_ci%1_high", QT_TRANSLATE_NOOP("ResultRows", "The median's %1 % confidence interval's high end is: "), ""};
inline constexpr FigureLabel kMedianCoverageLabel = {
    "median_ci%1_coverage", QT_TRANSLATE_NOOP("ResultRows", "The median's interval's actual coverage is: "), " %"};
// A percentile's, by the ordinal's English ending (a whole percent; any
// other takes "th"): 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, 2.5th.
inline constexpr FigureLabel kPercentileLabels[] = {
    {"p%1", QT_TRANSLATE_NOOP("ResultRows", "The %1st percentile is: "), ""},
    {"p%1", QT_TRANSLATE_NOOP("ResultRows", "The %1nd percentile is: "), ""},
    {"p%1", QT_TRANSLATE_NOOP("ResultRows", "The %1rd percentile is: "), ""},
    {"p%1", QT_TRANSLATE_NOOP("ResultRows", "The %1th percentile is: "), ""},
};

constexpr const RowLabel& LabelOf(Row row) { return kRowLabels[static_cast<std::size_t>(row)]; }

static_assert(std::size(kRowLabels) == static_cast<std::size_t>(Row::kOmnibusReading) + 1);

// The labels of the steps that make the twelve rows of the results list, as
// a failure reports them: each row's first, its other steps following up to
// the next row's first. The rows after the twelve are no steps.
struct RowSteps {
  Row row;
  int first;
};

inline constexpr RowSteps kRowSteps[] = {
    {Row::kCount, 102},
    {Row::kSum, 104},
    {Row::kSumSquared, 106},
    {Row::kSumOfSquares, 108},
    {Row::kMode, 110},
    {Row::kMedian, 112},
    {Row::kMean, 114},
    {Row::kVariance, 126},
    {Row::kSkew, 142},
    {Row::kAverageDeviation, 158},
    {Row::kStandardDeviation, 174},
    {Row::kCoefficientOfVariation, 190},
};

static_assert(std::size(kRowSteps) == static_cast<std::size_t>(Row::kCoefficientOfVariation) + 1);

constexpr int FirstStepOf(Row row) { return kRowSteps[static_cast<std::size_t>(row)].first; }

// The row whose steps a label is among; none below the first row's (the
// sort before them).
constexpr std::optional<Row> RowOfStep(int label) {
  std::optional<Row> row;
  for (const RowSteps& steps : kRowSteps)
    if (label >= steps.first) row = steps.row;
  return row;
}

}  // namespace tallowmere::results
