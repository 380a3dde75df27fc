#include "stats/NormalQQ.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

#include "stats/Distribution.h"

namespace tallowmere::stats {

namespace {

// The a of R's ppoints(n).
double PositionOffset(std::size_t n) { return n <= 10 ? 3.0 / 8.0 : 0.5; }

}  // namespace

double NormalQQTheoretical(std::size_t place, std::size_t n) {
  const double a = PositionOffset(n);
  const double position = (static_cast<double>(place) + 1.0 - a) / (static_cast<double>(n) + 1.0 - 2.0 * a);
  return boost::math::quantile(boost::math::normal_distribution<double>(), position);
}

NormalQQLine QQLineThroughQuartiles(double firstQuartile, double thirdQuartile) {
  const boost::math::normal_distribution<double> normal;
  const double low = boost::math::quantile(normal, 0.25);
  const double high = boost::math::quantile(normal, 0.75);
  const double slope = (thirdQuartile - firstQuartile) / (high - low);
  return {.intercept = firstQuartile - slope * low, .slope = slope};
}

NormalQQLine QQLineOf(std::span<const double> sorted) {
  return QQLineThroughQuartiles(InclusiveQuantile(sorted, 0.25), InclusiveQuantile(sorted, 0.75));
}

std::vector<std::size_t> ThinnedQQPlaces(std::size_t n, std::size_t most) {
  std::vector<std::size_t> places;
  if (n <= most) {
    places.resize(n);
    for (std::size_t i = 0; i < n; ++i) places[i] = i;
    return places;
  }
  if (most == 0) return places;
  places.reserve(most);
  places.push_back(0);
  if (most == 1) return places;
  const boost::math::normal_distribution<double> normal;
  const double a = PositionOffset(n);
  const double span = static_cast<double>(n) + 1.0 - 2.0 * a;
  // The positions are symmetric about the middle, and so their quantiles.
  const double highest = NormalQQTheoretical(n - 1, n);
  const double step = 2.0 * highest / static_cast<double>(most - 1);
  const auto last = static_cast<double>(n - 1);
  for (std::size_t k = 1; k + 1 < most; ++k) {
    const double quantile = -highest + step * static_cast<double>(k);
    // The place whose position is nearest to this quantile's probability.
    const double place = std::round(boost::math::cdf(normal, quantile) * span + a - 1.0);
    const auto chosen = static_cast<std::size_t>(std::clamp(place, 0.0, last));
    if (chosen > places.back()) places.push_back(chosen);
  }
  if (places.back() != n - 1) places.push_back(n - 1);
  return places;
}

std::vector<QQPoint> NormalQQPoints(std::span<const double> sorted, std::size_t most) {
  const std::vector<std::size_t> places = ThinnedQQPlaces(sorted.size(), most);
  std::vector<QQPoint> points(places.size());
  for (std::size_t k = 0; k < places.size(); ++k)
    points[k] = {NormalQQTheoretical(places[k], sorted.size()), sorted[places[k]]};
  return points;
}

}  // namespace tallowmere::stats
