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
  // The histogram: equal bins from `low` to `high` (the numbers' range; a
  // range of zero is widened to one unit around the value).
  double low = 0.0;
  double high = 0.0;
  std::vector<std::size_t> bins;
  bool automaticBins = true;
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

  double BinWidth() const { return bins.empty() ? 0.0 : (high - low) / static_cast<double>(bins.size()); }
  std::size_t TallestBin() const;
};

// The figure of `sorted` (ascending, not empty). `binCount` 0 chooses the
// count automatically (the larger of Sturges' and Freedman-Diaconis'); any
// other is used as given, held to 1 ... kMostBins.
DistributionFigure MakeDistributionFigure(std::span<const double> sorted, int binCount, std::optional<double> mean,
                                          std::optional<double> standardDeviation);

// The automatic bin count of `sorted`, held to 1 ... kMostBins.
int AutomaticBinCount(std::span<const double> sorted);

}  // namespace tallowmere::app
