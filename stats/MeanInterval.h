#pragma once
// The confidence interval of the mean by Student's t, at any level.
#include <cstddef>

#include "stats/ConfidenceLevel.h"

namespace tallowmere::stats {

// mean -/+ t(1/2 + level / 200, n - 1) * sd / sqrt(n), from the mean and the
// sample standard deviation of n numbers (the analysis' GetMean and
// GetStandardDeviation), every step as the analysis takes its 95 % interval
// (GetConfidenceLow and GetConfidenceHigh), so at 95 % the two agree to the
// bit. The coverage is the level itself. Texts: kNeedsLevelText,
// kNeedsNumbersText (n = 0), kNeedsTwoNumbersText (n = 1), "#Div/0!" for a
// deviation that is a text, or for an end beyond the double range (each end
// on its own).
Interval MeanInterval(double mean, const StatResult& sampleDeviation, std::size_t n,
                      double levelPercent = kDefaultLevel);

}  // namespace tallowmere::stats
