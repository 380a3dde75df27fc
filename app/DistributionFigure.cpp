#include "app/DistributionFigure.h"

#include <algorithm>
#include <cmath>

#include "stats/Distribution.h"
#include "stats/HistogramBins.h"
#include "stats/Quantiles.h"

namespace tallowmere::app {

namespace {

// The numbers the histogram spans: all, or those within the fences.
std::span<const double> Shown(std::span<const double> sorted, const stats::BoxPlot& box, bool withoutOutliers) {
  if (!withoutOutliers) return sorted;
  return sorted.subspan(box.lowOutliers, sorted.size() - box.lowOutliers - box.highOutliers);
}

void SetBins(DistributionFigure& figure, std::span<const double> sorted, const FigureOptions& options) {
  const std::span<const double> shown = Shown(sorted, figure.box, options.withoutOutliers);
  const bool logarithmic = options.logarithmic && CanShowLogarithmic(sorted);
  const stats::HistogramBins bins = stats::ChooseHistogramBins(shown, {std::max(options.bins, 0), logarithmic});
  figure.binKind = bins.kind;
  figure.valueStep = bins.step;
  figure.edges = bins.edges;
  figure.low = bins.edges.front();
  figure.high = bins.edges.back();
  figure.bins = stats::CountInBins(shown, bins.edges);
  if (!options.withoutOutliers) return;
  figure.withoutOutliers = true;
  figure.lowBeyond = figure.box.lowOutliers;
  figure.highBeyond = figure.box.highOutliers;
}

void SetOutliers(DistributionFigure& figure, std::span<const double> sorted) {
  // Off the histogram's span they are told by their counts instead.
  if (figure.withoutOutliers) return;
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
}

}  // namespace

std::size_t DistributionFigure::TallestBin() const {
  return bins.empty() ? 0 : *std::max_element(bins.begin(), bins.end());
}

int AutomaticBinCount(std::span<const double> sorted) { return std::clamp(stats::AutoBinCount(sorted), 1, kMostBins); }

bool CanShowLogarithmic(std::span<const double> sorted) {
  return !sorted.empty() && sorted.front() > 0.0 && std::isfinite(sorted.back());
}

DistributionFigure MakeDistributionFigure(std::span<const double> sorted, int binCount, std::optional<double> mean,
                                          std::optional<double> standardDeviation) {
  return MakeDistributionFigure(sorted, FigureOptions{.bins = binCount}, mean, standardDeviation);
}

DistributionFigure MakeDistributionFigure(std::span<const double> sorted, FigureOptions options,
                                          std::optional<double> mean, std::optional<double> standardDeviation) {
  DistributionFigure figure;
  if (sorted.empty()) return figure;
  figure.count = sorted.size();
  figure.minimum = sorted.front();
  figure.maximum = sorted.back();
  figure.automaticBins = options.bins <= 0;
  figure.box = options.method == stats::QuantileMethod::kInclusive
                   ? stats::MakeBoxPlot(sorted)
                   : stats::MakeBoxPlot(sorted, stats::Quantile(options.method, sorted, 0.25),
                                        stats::Quantile(options.method, sorted, 0.75));
  SetBins(figure, sorted, options);
  SetOutliers(figure, sorted);
  if (mean && std::isfinite(*mean)) figure.mean = mean;
  if (figure.mean && standardDeviation && std::isfinite(*standardDeviation) && *standardDeviation > 0.0)
    figure.standardDeviation = standardDeviation;
  return figure;
}

}  // namespace tallowmere::app
