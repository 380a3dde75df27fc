#pragma once
// The distribution-free confidence interval of the median: two order
// statistics x(k) and x(n + 1 - k) (counted from 1). For numbers from any
// continuous distribution, the number of them below its median is
// binomial(n, 1/2), so the interval covers the median with probability
// 1 - 2 P(B <= k - 1). That coverage comes in steps: the interval is the
// narrowest (the largest k) whose coverage is at least the level, and its
// actual coverage is reported beside it.
#include <cstddef>
#include <span>

#include "stats/ConfidenceLevel.h"

namespace tallowmere::stats {

// Which order statistics the interval of n numbers at a level is made of.
struct MedianIntervalPlaces {
  const char* failure = nullptr;  // why there is no interval, or none
  std::size_t low = 0;            // places in the sorted order, from 0: k - 1
  std::size_t high = 0;           // and n - k
  double coverage = 0.0;          // in percent, at least the level
};
// kNeedsLevelText, kNeedsNumbersText (n = 0) or kNeedsMoreNumbersText when
// even the lowest and the highest number cover less often than the level
// asks (1 - 2^(1 - n) < level: n < 6 at 95 %, see MedianIntervalLeastCount).
// Only n and the level count, so a caller without the sorted numbers can
// fetch just these two.
MedianIntervalPlaces MedianIntervalPlacesOf(std::size_t n, double levelPercent = kDefaultLevel);

// The fewest numbers that have an interval at the level (0 for a level
// IsConfidenceLevel refuses): 2 at 50 %, 6 at 95 %, 8 at 99 %.
std::size_t MedianIntervalLeastCount(double levelPercent);

// The interval of sorted numbers: their elements at the two places, and the
// coverage; each of the three is the failure's text when there is none.
Interval MedianInterval(std::span<const double> sorted, double levelPercent = kDefaultLevel);

}  // namespace tallowmere::stats
