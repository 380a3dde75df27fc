#include "stats/MedianInterval.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

#include "stats/RobustTexts.h"

namespace tallowmere::stats {

namespace {

// The share of intervals that may miss the median on each side:
// (100 - level) / 200, the subtraction exact for any level of 50 to 100.
double TailOf(double levelPercent) { return (100.0 - levelPercent) / 200.0; }

// The largest j with P(B <= j) <= tail, B binomial(n, 1/2), given that j = 0
// qualifies. Started from the normal approximation, which for the
// probabilities here is within a few steps of it, and walked to it.
std::size_t LargestTailCount(std::size_t n, double tail) {
  const boost::math::binomial_distribution<double> b(static_cast<double>(n), 0.5);
  const auto within = [&](std::size_t j) { return boost::math::cdf(b, static_cast<double>(j)) <= tail; };
  const double count = static_cast<double>(n);
  const double z = boost::math::quantile(boost::math::normal_distribution<double>(), tail);
  const double guess = std::floor(count / 2.0 + z * std::sqrt(count) / 2.0 - 0.5);
  // Never past the lower middle: P(B <= j) reaches 1/2 there, above any tail.
  const std::size_t highest = (n - 1) / 2;
  std::size_t j = guess > 0.0 ? std::min(static_cast<std::size_t>(guess), highest) : 0;
  while (j > 0 && !within(j)) --j;
  while (j < highest && within(j + 1)) ++j;
  return j;
}

}  // namespace

std::size_t MedianIntervalLeastCount(double levelPercent) {
  if (!IsConfidenceLevel(levelPercent)) return 0;
  // The widest interval, of the lowest and the highest number, misses on
  // each side with probability 2^-n.
  const double tail = TailOf(levelPercent);
  std::size_t n = 1;
  while (std::ldexp(1.0, -static_cast<int>(n)) > tail) ++n;
  return n;
}

MedianIntervalPlaces MedianIntervalPlacesOf(std::size_t n, double levelPercent) {
  if (!IsConfidenceLevel(levelPercent)) return {kNeedsLevelText};
  if (n == 0) return {kNeedsNumbersText};
  if (n < MedianIntervalLeastCount(levelPercent)) return {kNeedsMoreNumbersText};
  const std::size_t j = LargestTailCount(n, TailOf(levelPercent));
  const boost::math::binomial_distribution<double> b(static_cast<double>(n), 0.5);
  const double missed = boost::math::cdf(b, static_cast<double>(j));
  return {nullptr, j, n - 1 - j, 100.0 * (1.0 - 2.0 * missed)};
}

Interval MedianInterval(std::span<const double> sorted, double levelPercent) {
  const MedianIntervalPlaces places = MedianIntervalPlacesOf(sorted.size(), levelPercent);
  if (places.failure) return Interval::Failed(places.failure);
  return {sorted[places.low], sorted[places.high], places.coverage};
}

}  // namespace tallowmere::stats
