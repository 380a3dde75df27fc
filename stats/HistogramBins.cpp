#include "stats/HistogramBins.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <span>
#include <vector>

#include "stats/Distribution.h"

namespace tallowmere::stats {

namespace {

// Beyond this, v ± step / 2 may round onto a neighbour and a value would sit
// on an edge instead of in its bin's middle.
constexpr double kLargestWhole = 1125899906842624.0;  // 2^50

bool Whole(double v) { return std::abs(v) <= kLargestWhole && v == std::floor(v); }

HistogramBins ValueBins(double low, double step, double high) {
  HistogramBins bins;
  bins.kind = BinKind::kValues;
  bins.step = step;
  const auto steps = static_cast<std::int64_t>((high - low) / step);
  for (std::int64_t i = 0; i <= steps + 1; ++i) bins.edges.push_back(low + (static_cast<double>(i) - 0.5) * step);
  return bins;
}

// Equal widths in log10 from `low` to `high` (both positive), the ends kept
// exact.
std::vector<double> LogEdges(double low, double high, int count) {
  const double from = std::log10(low);
  const double span = std::log10(high) - from;
  std::vector<double> edges;
  edges.push_back(low);
  for (int i = 1; i < count; ++i) edges.push_back(std::pow(10.0, from + span * i / count));
  edges.push_back(high);
  return edges;
}

HistogramBins LogBins(std::span<const double> sorted, int requested) {
  HistogramBins bins;
  bins.kind = BinKind::kLogarithmic;
  const double low = sorted.front();
  const double high = sorted.back();
  if (!(high > low)) {
    bins.edges = {low / std::sqrt(10.0), low * std::sqrt(10.0)};
    return bins;
  }
  const int count = requested > 0 ? std::min(requested, kMaxBins) : LogAutoBinCount(sorted);
  bins.edges = LogEdges(low, high, count);
  return bins;
}

double LogQuantile(std::span<const double> sorted, double p) {
  const QuantilePlace place = InclusivePlace(sorted.size(), p);
  return Interpolate(std::log10(sorted[place.below]), std::log10(sorted[place.above]), place.fraction);
}

}  // namespace

double WholeValueStep(std::span<const double> sorted) {
  if (sorted.empty() || !Whole(sorted.front()) || !Whole(sorted.back())) return 0.0;
  const double low = sorted.front();
  std::uint64_t divisor = 0;
  std::size_t values = 0;
  // Value by value: a handful of searches, however many numbers there are.
  for (auto at = sorted.begin(); at != sorted.end(); at = std::upper_bound(at, sorted.end(), *at)) {
    if (++values > kMostValueBars || !Whole(*at)) return 0.0;
    divisor = std::gcd(divisor, static_cast<std::uint64_t>(*at - low));
  }
  if (divisor == 0) return 1.0;
  const double step = static_cast<double>(divisor);
  return (sorted.back() - low) / step + 1.0 > kMaxBins ? 0.0 : step;
}

std::vector<double> EqualEdges(double low, double high, int bins) {
  std::vector<double> edges;
  for (int i = 0; i <= bins; ++i) edges.push_back(HistogramEdge(low, high, bins, i));
  return edges;
}

HistogramBins ChooseHistogramBins(std::span<const double> sorted, BinRequest request) {
  HistogramBins bins;
  if (sorted.empty()) return bins;
  if (request.logarithmic && sorted.front() > 0.0 && std::isfinite(sorted.back())) return LogBins(sorted, request.bins);
  double low = sorted.front();
  double high = sorted.back();
  if (request.bins <= 0) {
    if (const double step = WholeValueStep(sorted); step > 0.0) return ValueBins(low, step, high);
  }
  if (!(high > low)) {
    low -= 0.5;
    high += 0.5;
  }
  const int count = request.bins > 0 ? std::min(request.bins, kMaxBins) : std::clamp(AutoBinCount(sorted), 1, kMaxBins);
  bins.edges = EqualEdges(low, high, count);
  return bins;
}

std::vector<std::size_t> CountInBins(std::span<const double> sorted, std::span<const double> edges) {
  if (edges.size() < 2 || !std::isfinite(edges.front()) || !std::isfinite(edges.back())) return {};
  const std::size_t bins = edges.size() - 1;
  std::vector<std::size_t> counts(bins, 0);
  auto from = std::lower_bound(sorted.begin(), sorted.end(), edges.front());
  const auto end = std::upper_bound(from, sorted.end(), edges.back());
  for (std::size_t i = 0; i < bins; ++i) {
    // From the previous edge on: every count stays whole even if rounding
    // put two edges out of order.
    const auto to = i + 1 == bins ? end : std::lower_bound(from, end, edges[i + 1]);
    counts[i] = static_cast<std::size_t>(std::distance(from, to));
    from = to;
  }
  return counts;
}

int LogAutoBinCount(std::span<const double> sorted) {
  if (sorted.size() < 2 || !(sorted.front() > 0.0)) return 1;
  const double range = std::log10(sorted.back()) - std::log10(sorted.front());
  const double iqr = LogQuantile(sorted, 0.75) - LogQuantile(sorted, 0.25);
  return AutoBinCountOf(sorted.size(), range, iqr);
}

}  // namespace tallowmere::stats
