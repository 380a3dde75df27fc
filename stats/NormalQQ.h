#pragma once
// A normal Q-Q plot of sorted numbers, as R's qqnorm and qqline draw it: the
// i-th smallest of n numbers against the normal quantile at R's plotting
// position ppoints(n), (i - a) / (n + 1 - 2a) with a = 3/8 for n <= 10 and
// 1/2 beyond (Blom's positions for small samples), and the line through the
// first and third quartiles.
#include <cstddef>
#include <span>
#include <vector>

namespace tallowmere::stats {

// The theoretical quantile of the element at `place` (counted from 0) of n
// sorted numbers; place < n.
double NormalQQTheoretical(std::size_t place, std::size_t n);

// The line through the data's quartiles (inclusive, R's type 7: places
// InclusivePlace(n, 0.25) and InclusivePlace(n, 0.75)) at the standard
// normal's quartiles: sample = intercept + slope * theoretical.
struct NormalQQLine {
  double intercept = 0.0;
  double slope = 0.0;
};
NormalQQLine QQLineThroughQuartiles(double firstQuartile, double thirdQuartile);
// The same from the sorted numbers themselves (at least one).
NormalQQLine QQLineOf(std::span<const double> sorted);

// The places, ascending and without repeats, of at most `most` of n sorted
// numbers to draw in their stead: all of them when they are few enough;
// otherwise the ones nearest to `most` theoretical quantiles equally spaced
// from the lowest to the highest. Equal spacing along the plot's horizontal
// axis draws the middle, where the points crowd into a line, as densely as
// the tails, and keeps every point of the far tails, where a departure from
// normality shows, the first and the last always among them. One place
// allowed: the first; none: none.
std::vector<std::size_t> ThinnedQQPlaces(std::size_t n, std::size_t most);

struct QQPoint {
  double theoretical = 0.0;
  double sample = 0.0;
};
// The points at ThinnedQQPlaces(sorted.size(), most).
std::vector<QQPoint> NormalQQPoints(std::span<const double> sorted, std::size_t most);

}  // namespace tallowmere::stats
