#include "app/DistributionFigure.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// --- Until the engine's distribution helpers arrive.
double InclusiveQuantile(std::span<const double> sorted, double p) {
  const double place = p * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(place));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  const double fraction = place - static_cast<double>(below);
  return sorted[below] + fraction * (sorted[above] - sorted[below]);
}

int AutoBinCount(std::span<const double> sorted) {
  const auto n = static_cast<double>(sorted.size());
  const double sturges = std::ceil(std::log2(n)) + 1.0;
  const double iqr = InclusiveQuantile(sorted, 0.75) - InclusiveQuantile(sorted, 0.25);
  double fd = 0.0;
  if (iqr > 0.0) fd = std::ceil((sorted.back() - sorted.front()) / (2.0 * iqr / std::cbrt(n)));
  const double bins = std::max(sturges, fd);
  return bins > 1e9 ? 1000000000 : static_cast<int>(bins);
}

std::vector<std::size_t> HistogramCounts(std::span<const double> sorted, double low, double high, int bins) {
  std::vector<std::size_t> counts(static_cast<std::size_t>(bins));
  const double width = (high - low) / bins;
  std::size_t start = 0;
  for (int b = 0; b < bins; ++b) {
    std::size_t end = sorted.size();
    if (b + 1 < bins) {
      const double edge = low + width * (b + 1);
      end = static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), edge) - sorted.begin());
    }
    counts[static_cast<std::size_t>(b)] = end - start;
    start = end;
  }
  return counts;
}

struct BoxPlot {
  double q1, median, q3, lowWhisker, highWhisker;
  std::span<const double> lowOutliers, highOutliers;
};

BoxPlot MakeBoxPlot(std::span<const double> sorted) {
  BoxPlot box{};
  box.q1 = InclusiveQuantile(sorted, 0.25);
  box.median = InclusiveQuantile(sorted, 0.5);
  box.q3 = InclusiveQuantile(sorted, 0.75);
  const double reach = 1.5 * (box.q3 - box.q1);
  const auto first = std::lower_bound(sorted.begin(), sorted.end(), box.q1 - reach);
  const auto last = std::upper_bound(sorted.begin(), sorted.end(), box.q3 + reach);
  box.lowWhisker = *first;
  box.highWhisker = *(last - 1);
  box.lowOutliers = sorted.subspan(0, static_cast<std::size_t>(first - sorted.begin()));
  box.highOutliers = sorted.subspan(static_cast<std::size_t>(last - sorted.begin()));
  return box;
}
// --- end

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

int AutomaticBinCount(std::span<const double> sorted) {
  if (sorted.size() < 2) return 1;
  return std::clamp(AutoBinCount(sorted), 1, kMostBins);
}

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
  figure.bins = HistogramCounts(sorted, figure.low, figure.high, bins);

  const BoxPlot box = MakeBoxPlot(sorted);
  figure.q1 = box.q1;
  figure.median = box.median;
  figure.q3 = box.q3;
  figure.lowWhisker = box.lowWhisker;
  figure.highWhisker = box.highWhisker;
  figure.lowOutlierCount = box.lowOutliers.size();
  figure.highOutlierCount = box.highOutliers.size();
  figure.outliersCapped = box.lowOutliers.size() + box.highOutliers.size() > kOutlierPointsDrawn;
  if (figure.outliersCapped) {
    if (!box.lowOutliers.empty()) figure.lowOutliers = {box.lowOutliers.front()};
    if (!box.highOutliers.empty()) figure.highOutliers = {box.highOutliers.back()};
  } else {
    figure.lowOutliers.assign(box.lowOutliers.begin(), box.lowOutliers.end());
    figure.highOutliers.assign(box.highOutliers.begin(), box.highOutliers.end());
  }

  if (mean && std::isfinite(*mean)) figure.mean = mean;
  if (figure.mean && standardDeviation && std::isfinite(*standardDeviation) && *standardDeviation > 0.0)
    figure.standardDeviation = standardDeviation;
  return figure;
}
