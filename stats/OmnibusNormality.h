#pragma once
// D'Agostino and Pearson's K² test of normality (D'Agostino, Belanger and
// D'Agostino 1990): the sample skewness and kurtosis each turned into a
// standard normal z, the skewness by D'Agostino's (1970) transformation and
// the kurtosis by Anscombe and Glynn's (1983), and K² = z₁² + z₂², chi-square
// with 2 degrees of freedom under normality.
//
// It needs no order statistics: only the central moments, from one pass over
// the numbers in any order once their mean (or any number near it) and
// their range are known.
#include <cstddef>
#include <span>

#include "stats/NormalityTest.h"

namespace tallowmere::stats {

inline constexpr std::size_t kOmnibusFewest = 8;

// The second, third and fourth central moments (each the sum divided by n,
// not n - 1) of `count` numbers, in units of some scale: the tests read only
// their ratios, which do not depend on it.
struct CentralMoments {
  std::size_t count = 0;
  double m2 = 0.0;
  double m3 = 0.0;
  double m4 = 0.0;
};

// The moments of the numbers measured from `centre` in units of `scale`,
// corrected to the moments about their own mean: a centre near the mean is
// enough (one within the range keeps every power within the double range
// when the scale is the range). `scale` must be positive and finite.
CentralMoments MomentsAbout(std::span<const double> numbers, double centre, double scale);

// The same from the numbers alone: their range and a rough mean first, in a
// pass of their own, then the moments about that mean in units of the
// range. Moments that are not a number for numbers that are not finite or
// whose range is beyond the double range; all moments 0 when the numbers
// are all equal.
CentralMoments MomentsOf(std::span<const double> numbers);

// The kurtosis z's approximation fails for the flattest data (b₂ near 1,
// two values of about equal count, from some 40 numbers on): its z turns
// large and positive where it should be large and negative. K² is large
// either way, so the test still rejects normality; only the z's sign is not
// to be read there.
struct OmnibusTest {
  double skewnessZ = 0.0;  // D'Agostino's z of the skewness √b₁ = m3 / m2^1.5
  double kurtosisZ = 0.0;  // Anscombe and Glynn's z of the kurtosis b₂ = m4 / m2²
  NormalityTest test;      // K², and its p-value
};

// K² from the moments. No answer, with the reason, for fewer than 8 numbers,
// numbers all equal (m2 = 0), or moments that are not finite.
OmnibusTest OmnibusNormality(const CentralMoments& moments);

}  // namespace tallowmere::stats
