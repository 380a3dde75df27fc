#pragma once
// The geometric and the harmonic mean: means of positive numbers only, in
// any order, one pass over them and no copy. Both are finite and accurate to
// a few units in the last place whatever the sizes of the numbers (from the
// smallest subnormal to the largest double, and ten million of them).
#include <span>

#include "stats/StatResult.h"

namespace tallowmere::stats {

// exp(mean(log x)), worked out as 2^(mean(log2 x)) with each number split
// into its power of two (summed as an integer) and a part near 1 whose
// logarithms are summed exactly: the mean's exponent never leaves the range
// the result itself needs. kNeedsNumbersText for no numbers,
// kNeedsPositiveText when one is 0 or below.
StatResult GeometricMean(std::span<const double> numbers);

// n / sum(1 / x), the reciprocals summed exactly (each rounded once), those
// of the very small and the very large numbers scaled by a power of two so
// that none overflows or loses digits as a subnormal. The same texts as
// GeometricMean.
StatResult HarmonicMean(std::span<const double> numbers);

}  // namespace tallowmere::stats
