#include "app/DistributionFigure.h"

#include <algorithm>
#include <cmath>

#include "stats/Distribution.h"

namespace tallowmere::app {

namespace {

// The histogram's span: the numbers' range, or one unit around a single value.
void SetRange(DistributionFigure& figure) {
  figure.low = figure.minimum;
  figure.high = figure.maximum;
  if (!(figure.high > figure.low)) {
    figure.low -= 0.5;
    figure.high += 0.5;
  }
}

}  // namespace

std::size_t DistributionFigure::TallestBin() const {
  return bins.empty() ? 0 : *std::max_element(bins.begin(), bins.end());
}

int AutomaticBinCount(std::span<const double> sorted) { return std::clamp(stats::AutoBinCount(sorted), 1, kMostBins); }

DistributionFigure MakeDistributionFigure(std::span<const double> sorted, int binCount, std::optional<double> mean,
                                          std::optional<double> standardDeviation) {
  DistributionFigure figure;
  if (sorted.empty()) return figure;
  figure.count = sorted.size();
  figure.minimum = sorted.front();
  figure.maximum = sorted.back();
  SetRange(figure);
  figure.automaticBins = binCount <= 0;
  const int bins = figure.automaticBins ? AutomaticBinCount(sorted) : std::min(binCount, kMostBins);
  figure.bins = stats::HistogramCounts(sorted, figure.low, figure.high, bins);

  figure.box = stats::MakeBoxPlot(sorted);
  const stats::BoxPlot& box = figure.box;
  // The outliers are the first and the last of the sorted numbers.
  const std::span<const double> low = sorted.first(box.lowOutliers);
  const std::span<const double> high = sorted.last(box.highOutliers);
  figure.outliersCapped = low.size() + high.size() > kOutlierPointsDrawn;
  if (figure.outliersCapped) {
    if (!low.empty()) figure.lowOutliers = {low.front()};
    if (!high.empty()) figure.highOutliers = {high.back()};
  } else {
    figure.lowOutliers.assign(low.begin(), low.end());
    figure.highOutliers.assign(high.begin(), high.end());
  }

  if (mean && std::isfinite(*mean)) figure.mean = mean;
  if (figure.mean && standardDeviation && std::isfinite(*standardDeviation) && *standardDeviation > 0.0)
    figure.standardDeviation = standardDeviation;
  return figure;
}

}  // namespace tallowmere::app
