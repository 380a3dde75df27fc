#pragma once
// What the distribution picture shows of one analysis, worked out once from
// the run's sorted numbers: the histogram's bins, the box plot, the outliers
// (capped, so a picture costs the same whatever the count) and the normal
// curve's mean and standard deviation. It keeps no reference to the numbers:
// the sorted copy it was made from may be replaced by the next run while the
// window still paints this figure.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "stats/Distribution.h"
#include "stats/HistogramBins.h"
#include "stats/Quantiles.h"

namespace tallowmere::app {

// Beyond this many outliers on both sides together, the picture draws only
// the most extreme one of each side and says how many there are.
inline constexpr std::size_t kOutlierPointsDrawn = 2000;
// The bin control's range; an automatic count is held to it too.
inline constexpr int kMostBins = stats::kMaxBins;

struct DistributionFigure {
  std::size_t count = 0;
  double minimum = 0.0;
  double maximum = 0.0;
  // The histogram: bins from `low` to `high` between `edges` (bins + 1 of
  // them), equal in width or in the logarithm, or one per value of whole
  // numbers (`valueStep` apart, each centred on its value). Over the
  // numbers' range (a range of zero widened to one unit around the value),
  // or without the outliers, the numbers within the box plot's fences.
  double low = 0.0;
  double high = 0.0;
  std::vector<std::size_t> bins;
  std::vector<double> edges;
  stats::BinKind binKind = stats::BinKind::kEqual;
  double valueStep = 0.0;
  bool automaticBins = true;
  // Left out of the histogram's span ("Without outliers"): how many numbers
  // lie below `low` and above `high`. The box strip then draws no outlier
  // points but marks them at its ends with these counts.
  bool withoutOutliers = false;
  std::size_t lowBeyond = 0;
  std::size_t highBeyond = 0;
  // The box plot, with how many outliers lie on each side.
  stats::BoxPlot box;
  // The outliers drawn: all of them up to kOutlierPointsDrawn, else the
  // extremes only.
  std::vector<double> lowOutliers;
  std::vector<double> highOutliers;
  bool outliersCapped = false;
  // The normal curve and the mean's mark; absent where the run has no such
  // value (a single number has no standard deviation).
  std::optional<double> mean;
  std::optional<double> standardDeviation;

  bool Logarithmic() const { return binKind == stats::BinKind::kLogarithmic; }
  // The bins' width (equal and value bins; the mean width for logarithmic).
  double BinWidth() const { return bins.empty() ? 0.0 : (high - low) / static_cast<double>(bins.size()); }
  std::size_t TallestBin() const;
};

// What the window asks of the figure.
struct FigureOptions {
  // 0: automatic (a bar per value for whole numbers of few values); else
  // this many bins, held to 1 ... kMostBins.
  int bins = 0;
  // The histogram over the numbers within the box plot's fences only.
  bool withoutOutliers = false;
  // Bins equal in the logarithm; ignored unless every number is positive.
  bool logarithmic = false;
  // The box's quartiles, and so its fences and the outliers.
  stats::QuantileMethod method = stats::kDefaultQuantileMethod;
};

// The figure of `sorted` (ascending, not empty). `binCount` 0 chooses the
// bins automatically (a bar per value for whole numbers of few values, else
// the narrower of Sturges' and Freedman-Diaconis' widths); any other count
// is used as given, held to 1 ... kMostBins.
DistributionFigure MakeDistributionFigure(std::span<const double> sorted, int binCount, std::optional<double> mean,
                                          std::optional<double> standardDeviation);

DistributionFigure MakeDistributionFigure(std::span<const double> sorted, FigureOptions options,
                                          std::optional<double> mean, std::optional<double> standardDeviation);

// Whether a logarithmic axis can show `sorted`: every number positive and
// finite.
bool CanShowLogarithmic(std::span<const double> sorted);

// The automatic equal-width bin count of `sorted`, held to 1 ... kMostBins.
int AutomaticBinCount(std::span<const double> sorted);

}  // namespace tallowmere::app
