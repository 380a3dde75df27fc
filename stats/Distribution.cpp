#include "stats/Distribution.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>
#include <vector>

namespace tallowmere::stats {

QuantilePlace InclusivePlace(std::size_t n, double p) {
  QuantilePlace place;
  if (n < 2) return place;
  const double last = static_cast<double>(n - 1);
  // Counts below 2^53 make p(n - 1) exact for the quartiles' p.
  const double position = std::clamp(p, 0.0, 1.0) * last;
  const double whole = std::floor(position);
  place.below = std::min(static_cast<std::size_t>(whole), n - 1);
  place.above = std::min(place.below + 1, n - 1);
  place.fraction = place.below == place.above ? 0.0 : position - whole;
  return place;
}

double Interpolate(double low, double high, double fraction) {
  if (fraction <= 0.0) return low;
  if (fraction >= 1.0) return high;
  const double step = high - low;
  // From the nearer end, so that a fraction near 1 lands on `high` exactly
  // rather than one rounding short of it.
  if (std::isfinite(step)) return fraction < 0.5 ? low + step * fraction : high - step * (1.0 - fraction);
  // Only numbers of opposite signs overflow their difference; weighted
  // apart, neither term can overflow.
  return low * (1.0 - fraction) + high * fraction;
}

double InclusiveQuantile(std::span<const double> sorted, double p) {
  if (sorted.empty()) return std::numeric_limits<double>::quiet_NaN();
  const QuantilePlace place = InclusivePlace(sorted.size(), p);
  return Interpolate(sorted[place.below], sorted[place.above], place.fraction);
}

int AutoBinCount(std::span<const double> sorted) {
  if (sorted.size() < 2) return 1;
  return AutoBinCountOf(sorted.size(), sorted.front(), sorted.back(), InclusiveQuantile(sorted, 0.25),
                        InclusiveQuantile(sorted, 0.75));
}

int AutoBinCountOf(std::size_t n, double low, double high, double q1, double q3) {
  if (n < 2) return 1;
  if (!(high > low)) return 1;
  double range = high - low;
  double iqr = q3 - q1;
  if (!std::isfinite(range)) {
    // Halving is exact for numbers this large and leaves every ratio below
    // as it was.
    range = high / 2.0 - low / 2.0;
    iqr = q3 / 2.0 - q1 / 2.0;
  }
  return AutoBinCountOf(n, range, iqr);
}

int AutoBinCountOf(std::size_t n, double range, double iqr) {
  if (n < 2 || !(range > 0.0)) return 1;
  const double count = static_cast<double>(n);
  const double sturges = range / (std::log2(count) + 1.0);
  const double freedmanDiaconis = 2.0 * iqr * std::pow(count, -1.0 / 3.0);
  const double width = freedmanDiaconis > 0.0 ? std::min(freedmanDiaconis, sturges) : sturges;
  const double bins = std::ceil(range / width);
  if (!(bins >= 1.0)) return 1;
  return bins >= kMaxBins ? kMaxBins : static_cast<int>(bins);
}

double HistogramEdge(double low, double high, int bins, int i) {
  if (i >= bins) return high;
  const double step = (high - low) / bins;
  if (std::isfinite(step)) return i * step + low;
  return Interpolate(low, high, static_cast<double>(i) / bins);
}

std::vector<std::size_t> HistogramCounts(std::span<const double> sorted, double low, double high, int bins) {
  if (bins < 1 || !std::isfinite(low) || !std::isfinite(high) || low > high) return {};
  std::vector<std::size_t> counts(static_cast<std::size_t>(bins), 0);
  auto from = std::lower_bound(sorted.begin(), sorted.end(), low);
  const auto end = std::upper_bound(from, sorted.end(), high);
  for (int i = 0; i < bins; ++i) {
    // Searching only from the previous edge on keeps every count whole even
    // if rounding put two edges out of order.
    const auto to = i + 1 == bins ? end : std::lower_bound(from, end, HistogramEdge(low, high, bins, i + 1));
    counts[static_cast<std::size_t>(i)] = static_cast<std::size_t>(std::distance(from, to));
    from = to;
  }
  return counts;
}

BoxPlot MakeBoxPlot(std::span<const double> sorted) {
  if (sorted.empty()) return {};
  return MakeBoxPlot(sorted, InclusiveQuantile(sorted, 0.25), InclusiveQuantile(sorted, 0.75));
}

BoxPlot MakeBoxPlot(std::span<const double> sorted, double q1, double q3) {
  BoxPlot box;
  const std::size_t n = sorted.size();
  if (n == 0) return box;
  box.q1 = q1;
  box.median = InclusiveQuantile(sorted, 0.5);
  box.q3 = q3;
  // An interquartile range that overflows makes the fences infinite: no
  // outliers, never NaN.
  const double reach = 1.5 * (box.q3 - box.q1);
  const double lowFence = box.q1 - reach;
  const double highFence = box.q3 + reach;
  const auto inside = std::lower_bound(sorted.begin(), sorted.end(), lowFence);
  const auto beyond = std::upper_bound(inside, sorted.end(), highFence);
  box.lowOutliers = static_cast<std::size_t>(std::distance(sorted.begin(), inside));
  box.highOutliers = static_cast<std::size_t>(std::distance(beyond, sorted.end()));
  if (box.lowOutliers + box.highOutliers >= n) {
    // The box always holds a number, so this cannot happen; should rounding
    // ever say otherwise, the whiskers still stand on numbers.
    box.lowOutliers = 0;
    box.highOutliers = 0;
  }
  box.lowWhisker = sorted[box.lowOutliers];
  box.highWhisker = sorted[n - box.highOutliers - 1];
  return box;
}

}  // namespace tallowmere::stats
