#pragma once
// The trimmed mean: the mean of the numbers left when a share of them is
// cut from each end of the sorted order.
//
// How many are cut from each end: floor(n * share), the product taken in
// double arithmetic, as R's mean(x, trim = share) cuts (SciPy's trim_mean
// floors n * share too). So 10 numbers at a share of 0.3 lose 3 from each
// end, as one who typed 0.3 expects, although the double nearest 0.3 lies
// below it. At least one number (two, for an even count) is always left.
#include <cstddef>
#include <span>

#include "stats/StatResult.h"

namespace tallowmere::stats {

inline constexpr double kDefaultTrimShare = 0.05;

// Whether the share is one TrimmedMean takes: 0 <= share < 0.5.
bool IsTrimShare(double share);

// How many of n numbers are cut from each end (share as IsTrimShare wants).
// The numbers kept are those at places cut .. n - 1 - cut of the sorted
// order, counted from 0: those two places are all a caller without the
// sorted numbers needs to fetch for TrimmedMeanOfUnsorted.
std::size_t TrimmedCount(std::size_t n, double share);

// The mean of the sorted numbers at places cut .. n - 1 - cut: their exact
// sum divided by their count (never overflowing: the mean of finite numbers
// is finite). kNeedsNumbersText for none, kNeedsTrimShareText for a share
// outside 0 <= share < 0.5.
StatResult TrimmedMean(std::span<const double> sorted, double share = kDefaultTrimShare);

// The same, to the bit, from the numbers in any order, given the first and
// the last number kept (the sorted order's elements at the two places of
// TrimmedCount): one pass, nothing copied.
StatResult TrimmedMeanOfUnsorted(std::span<const double> numbers, double share, double firstKept, double lastKept);

}  // namespace tallowmere::stats
