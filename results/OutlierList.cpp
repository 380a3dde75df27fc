#include "results/OutlierList.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <limits>

namespace tallowmere::results {

TukeyFences FencesOf(std::span<const double> sorted, stats::QuantileMethod method) {
  TukeyFences f;
  f.q1 = stats::Quantile(method, sorted, 0.25);
  f.q3 = stats::Quantile(method, sorted, 0.75);
  const double iqr = f.q3 - f.q1;
  f.low = f.q1 - 1.5 * iqr;
  f.high = f.q3 + 1.5 * iqr;
  f.farLow = f.q1 - 3.0 * iqr;
  f.farHigh = f.q3 + 3.0 * iqr;
  return f;
}

OutlierKind KindOf(double value, const TukeyFences& fences) {
  if (value < fences.farLow || value > fences.farHigh) return OutlierKind::kFarOut;
  if (value < fences.low || value > fences.high) return OutlierKind::kOutlier;
  return OutlierKind::kInside;
}

OutlierCounts CountOutliers(std::span<const double> sorted, const TukeyFences& fences) {
  const auto below = [&](double fence) {
    return static_cast<std::size_t>(
        std::distance(sorted.begin(), std::lower_bound(sorted.begin(), sorted.end(), fence)));
  };
  const auto above = [&](double fence) {
    return static_cast<std::size_t>(std::distance(std::upper_bound(sorted.begin(), sorted.end(), fence), sorted.end()));
  };
  const std::size_t far = below(fences.farLow) + above(fences.farHigh);
  return {.outliers = below(fences.low) + above(fences.high) - far, .farOut = far};
}

ExtremeCut CutOf(std::span<const double> sorted, std::size_t k) {
  ExtremeCut cut;
  cut.k = std::min(k, sorted.size());
  if (cut.k == 0) return cut;
  cut.smallest = sorted[cut.k - 1];
  const auto less = std::lower_bound(sorted.begin(), sorted.end(), cut.smallest);
  cut.smallestTies = cut.k - static_cast<std::size_t>(std::distance(sorted.begin(), less));
  cut.largest = sorted[sorted.size() - cut.k];
  const auto greater = std::upper_bound(sorted.begin(), sorted.end(), cut.largest);
  cut.largestTies = cut.k - static_cast<std::size_t>(std::distance(greater, sorted.end()));
  return cut;
}

namespace {

// The entries beyond the k-th value all belong; of those on it, the first
// `ties`. `beyond` says which side is beyond.
template <class Beyond>
struct ExtremeTaker {
  double edge;
  std::size_t ties;
  Beyond beyond;
  std::vector<PlacedNumber>& taken;

  void Take(std::size_t index, double value) {
    if (beyond(value, edge)) {
      taken.push_back({index, value});
    } else if (value == edge && ties > 0) {
      --ties;
      taken.push_back({index, value});
    }
  }
};

void Order(std::vector<PlacedNumber>& found, std::size_t k, bool ascending) {
  std::stable_sort(found.begin(), found.end(), [ascending](const PlacedNumber& a, const PlacedNumber& b) {
    return ascending ? a.value < b.value : a.value > b.value;
  });
  // Numbers other than those the cut was made from could bring more.
  if (found.size() > k) found.resize(k);
}

}  // namespace

ListFound ScanList(std::span<const double> numbers, const ListQuery& query) {
  ListFound found;
  const ExtremeCut& cut = query.cut;
  const bool extremes = cut.k > 0;
  if (extremes) {
    found.smallest.reserve(cut.k);
    found.largest.reserve(cut.k);
  }
  ExtremeTaker<std::less<double>> small{cut.smallest, cut.smallestTies, std::less<double>(), found.smallest};
  ExtremeTaker<std::greater<double>> large{cut.largest, cut.largestTies, std::greater<double>(), found.largest};
  // Held in locals: the vectors' writes could otherwise be taken to change
  // them, and they would be read again for every number.
  const double low = query.low;
  const double high = query.high;
  const std::size_t cap = query.cap;
  // Most numbers lie strictly between the two k-th values: one test passes
  // them. Without extremes every number does.
  const double passAbove = extremes ? cut.smallest : -std::numeric_limits<double>::infinity();
  const double passBelow = extremes ? cut.largest : std::numeric_limits<double>::infinity();
  std::size_t outside = 0;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const double v = numbers[i];
    if (v < low || v > high) {
      if (outside < cap) found.outside.push_back({i, v});
      ++outside;
    }
    if ((v > passAbove && v < passBelow) || !extremes) continue;
    small.Take(i, v);
    large.Take(i, v);
  }
  found.outsideTotal = outside;
  Order(found.smallest, cut.k, true);
  Order(found.largest, cut.k, false);
  return found;
}

}  // namespace tallowmere::results
