#pragma once
// The median absolute deviation: the median of |x - median|, raw and scaled
// to estimate the standard deviation of normally distributed numbers.
//
// Both medians are taken as the program takes a median: the middle number,
// or the two middle ones added and halved (halved first when their sum
// would leave the double range). Each deviation is x - median rounded once,
// as R's mad(x) takes it.
#include <span>

#include "stats/StatResult.h"

namespace tallowmere::stats {

// The factor of R's mad(x): its default `constant = 1.4826`, the decimal
// itself, not 1 / qnorm(3/4) = 1.482602218505602 it rounds (R keeps the
// rounded figure, and so results match R's to the bit).
inline constexpr double kMadScale = 1.4826;

// The median of sorted numbers as the program takes it; NaN for none.
double MedianOfSorted(std::span<const double> sorted);

// From the sorted numbers, reading about 4 log2(n) of them and copying
// nothing: the deviations of the numbers below the median, and of those above
// it, are each already in order, so their median is found by bisection.
// kNeedsNumbersText for no numbers, "#Div/0!" when a deviation at the median
// is beyond the double range.
StatResult MedianAbsoluteDeviation(std::span<const double> sorted);
// kMadScale times the raw one.
StatResult ScaledMedianAbsoluteDeviation(std::span<const double> sorted);

// The same value, to the bit, from the numbers in any order and their median
// (MedianOfSorted of their sorted order, e.g. the analysis' median): a
// selection by the deviations' bits, 16 at a time from the highest, until
// the deviations that share the middle one's bits so far are at most one in
// 16 of the numbers; those are copied out (half a byte per number at most)
// and selected among. Two passes over the numbers for most data, at most
// five, and 512 KiB of counts; nothing is sorted.
StatResult MedianAbsoluteDeviationOfUnsorted(std::span<const double> numbers, double median);

}  // namespace tallowmere::stats
