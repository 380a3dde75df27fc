#pragma once
// The Shapiro-Wilk W test of normality for 3 to 5000 numbers, by Royston's
// approximations (Royston 1995, "Remark AS R94", Applied Statistics 44(4)):
// the coefficients from the normal scores and a polynomial correction of the
// outer two, and the p-value from a normalising transformation of W.
//
// It reads every number of the sorted order (n is at most 5000, so a data set
// that keeps no sorted copy can select them all cheaply).
#include <cstddef>
#include <span>

#include "stats/NormalityTest.h"

namespace tallowmere::stats {

inline constexpr std::size_t kShapiroWilkFewest = 3;
inline constexpr std::size_t kShapiroWilkMost = 5000;

// W and its p-value for finite numbers in ascending order. No answer, with
// the reason, for fewer than 3 or more than 5000 numbers, for numbers all
// equal, and for numbers that are not finite. W does not change with the
// numbers' scale or place: they may lie anywhere in the double range, and be
// any distance apart.
NormalityTest ShapiroWilk(std::span<const double> sorted);

}  // namespace tallowmere::stats
