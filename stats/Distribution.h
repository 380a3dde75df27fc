#pragma once
// The shape of a data set as the distribution window draws it: quantiles,
// histogram bins and a box plot, all read from the numbers in ascending
// order. Plain functions over a sorted span; nothing here sorts.
#include <cstddef>
#include <span>
#include <vector>

namespace tallowmere::stats {

// Where the inclusive quantile at p lies among n sorted numbers: between the
// elements at `below` and `above` (above = below + 1, or below itself at the
// end), `fraction` of the way from one to the other. Place p(n - 1), counted
// from 0, as the spreadsheets' inclusive quartile and most data tools put it.
// p is clamped to [0, 1]; n must be at least 1.
struct QuantilePlace {
  std::size_t below = 0;
  std::size_t above = 0;
  double fraction = 0.0;
};
QuantilePlace InclusivePlace(std::size_t n, double p);

// The value `fraction` (in [0, 1]) of the way from `low` to `high`. Exact at
// both ends, and finite for any finite pair, even when high - low overflows.
double Interpolate(double low, double high, double fraction);

// The inclusive quantile at p of sorted numbers; NaN for no numbers.
double InclusiveQuantile(std::span<const double> sorted, double p);

// The number of equal-width bins numpy's "auto" rule picks: the narrower of
// Sturges' and the Freedman-Diaconis width (Sturges' alone when the
// interquartile range is 0), as many bins as that width needs to cover the
// range, kept within 1 .. kMaxBins. 1 for fewer than two numbers or no spread.
inline constexpr int kMaxBins = 500;
int AutoBinCount(std::span<const double> sorted);
// The same rule from the count, the range and the interquartile range of
// numbers measured some other way (both finite, the range above 0).
int AutoBinCountOf(std::size_t n, double range, double iqr);
// The same from what it reads of the sorted numbers: their count, the
// smallest, the largest and the inclusive quantiles at 0.25 and 0.75.
int AutoBinCountOf(std::size_t n, double low, double high, double q1, double q3);

// The lower edge of bin i (0 .. bins) of `bins` over [low, high] as
// HistogramCounts draws them: i steps of (high - low) / bins from low, as
// numpy's linspace places them; edge `bins` is high itself.
double HistogramEdge(double low, double high, int bins, int i);

// How many of the sorted numbers fall into each of `bins` equal-width bins
// over [low, high]: each bin holds its lower edge and not its upper one,
// except the last, which holds `high` too; numbers outside are not counted.
// With low == high every number equal to it is in the last bin. No bins (an
// empty vector) for bins < 1, low > high or a bound that is not finite.
std::vector<std::size_t> HistogramCounts(std::span<const double> sorted, double low, double high, int bins);

// A box and its whiskers: the quartiles and the median (inclusive
// quantiles), the whiskers at the furthest numbers within 1.5 interquartile
// ranges beyond the box, and how many numbers lie beyond each whisker (the
// first lowOutliers and the last highOutliers of the sorted numbers). All 0
// for no numbers.
struct BoxPlot {
  double q1 = 0.0;
  double median = 0.0;
  double q3 = 0.0;
  double lowWhisker = 0.0;
  double highWhisker = 0.0;
  std::size_t lowOutliers = 0;
  std::size_t highOutliers = 0;
};
BoxPlot MakeBoxPlot(std::span<const double> sorted);
// The same about quartiles found some other way (by another quantile
// method); the median stays the middle of the numbers.
BoxPlot MakeBoxPlot(std::span<const double> sorted, double q1, double q3);

}  // namespace tallowmere::stats
