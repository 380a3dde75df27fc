#include "stats/ShapiroWilk.h"

#include <boost/math/distributions/normal.hpp>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <span>
#include <vector>

namespace tallowmere::stats {

namespace {

// c[0] + c[1] x + c[2] x² + ...
template <std::size_t N>
double Polynomial(const double (&c)[N], double x) {
  double value = c[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) value = value * x + c[k];
  return value;
}

// Royston's coefficients (1995, table 1 and section 2).
constexpr double kLargestCorrection[] = {0.0, 0.221157, -0.147981, -2.071190, 4.434685, -2.706056};
constexpr double kNextCorrection[] = {0.0, 0.042981, -0.293762, -1.752461, 5.682633, -3.582633};
constexpr double kSmallGamma[] = {-2.273, 0.459};
constexpr double kSmallMean[] = {0.5440, -0.39978, 0.025054, -6.714e-4};
constexpr double kSmallLogSd[] = {1.3822, -0.77857, 0.062767, -0.0020322};
constexpr double kLargeMean[] = {-1.5861, -0.31082, -0.083751, 0.0038915};
constexpr double kLargeLogSd[] = {-0.4803, -0.082676, 0.0030302};

// The coefficients a of the lower half of the sorted numbers, smallest
// first, as positive numbers: the whole set is antisymmetric, -a[i] for the
// i-th smallest number and +a[i] for the i-th largest (the middle one of an
// odd count weighs nothing).
std::vector<double> HalfCoefficients(std::size_t n) {
  const std::size_t half = n / 2;
  std::vector<double> a(half);
  if (n == 3) {
    a[0] = std::sqrt(0.5);
    return a;
  }
  // The approximate expected normal order statistics (Blom's scores), of
  // the lower half, and the squared length of the whole vector.
  const boost::math::normal_distribution<double> normal;
  std::vector<double> m(half);
  double squares = 0.0;
  const double count = static_cast<double>(n);
  for (std::size_t i = 0; i < half; ++i) {
    m[i] = -boost::math::quantile(normal, (static_cast<double>(i + 1) - 0.375) / (count + 0.25));
    squares += m[i] * m[i];
  }
  squares *= 2.0;
  const double length = std::sqrt(squares);
  const double u = 1.0 / std::sqrt(count);
  a[0] = m[0] / length + Polynomial(kLargestCorrection, u);
  double restSquares = squares - 2.0 * m[0] * m[0];
  double restWeight = 1.0 - 2.0 * a[0] * a[0];
  std::size_t scaledFrom = 1;
  if (n > 5) {
    a[1] = m[1] / length + Polynomial(kNextCorrection, u);
    restSquares -= 2.0 * m[1] * m[1];
    restWeight -= 2.0 * a[1] * a[1];
    scaledFrom = 2;
  }
  // The inner coefficients are the scores scaled so that the whole vector
  // has length 1.
  const double scale = std::sqrt(restSquares / restWeight);
  for (std::size_t i = scaledFrom; i < half; ++i) a[i] = m[i] / scale;
  return a;
}

// W as the squared correlation of the coefficients with the numbers, and
// 1 - W beside it, worked out without the cancellation of 1 minus a number
// near 1 (the p-value of large samples depends on log(1 - W)).
struct WValue {
  double w = 0.0;
  double oneMinusW = 0.0;
};

WValue WOf(std::span<const double> x, const std::vector<double>& a) {
  const std::size_t n = x.size();
  // Measured from a middle number in units of the range: no square
  // overflows, and numbers far from zero lose nothing to their offset. A
  // range beyond the double range is taken in halves (exact at that size).
  const double half = std::isfinite(x[n - 1] - x[0]) ? 1.0 : 0.5;
  const double range = x[n - 1] * half - x[0] * half;
  const double centre = x[n / 2] * half;
  auto scaled = [&](std::size_t i) { return (x[i] * half - centre) / range; };
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) sum += scaled(i);
  const double mean = sum / static_cast<double>(n);
  double ssx = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double d = scaled(i) - mean;
    ssx += d * d;
  }
  // The coefficients sum to zero, so the numbers' mean drops out of their
  // product with the numbers: each pair's difference is all that counts.
  double ssa = 0.0;
  double sax = 0.0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    ssa += 2.0 * a[i] * a[i];
    sax += a[i] * (scaled(n - 1 - i) - scaled(i));
  }
  const double both = ssa * ssx;
  const double root = std::sqrt(both);
  const double oneMinusW = (root - sax) * (root + sax) / both;
  return {1.0 - oneMinusW, oneMinusW};
}

double PValue(std::size_t n, const WValue& w) {
  if (n == 3) {
    // The exact distribution for three numbers; W is at least 3/4.
    constexpr double kLowestAngle = std::numbers::pi / 3.0;
    const double p = 6.0 / std::numbers::pi * (std::asin(std::sqrt(w.w)) - kLowestAngle);
    return p < 0.0 ? 0.0 : p;
  }
  const double count = static_cast<double>(n);
  const double y = std::log(w.oneMinusW);
  double z = 0.0;
  if (n <= 11) {
    const double gamma = Polynomial(kSmallGamma, count);
    // Beyond the transformation's reach, which no W of 4 or more numbers
    // falls in (it would need W under 0.36 for 4 numbers, where W is at
    // least 0.63): as unlikely as it can be.
    if (y >= gamma) return 0.0;
    z = (-std::log(gamma - y) - Polynomial(kSmallMean, count)) / std::exp(Polynomial(kSmallLogSd, count));
  } else {
    const double logCount = std::log(count);
    z = (y - Polynomial(kLargeMean, logCount)) / std::exp(Polynomial(kLargeLogSd, logCount));
  }
  return boost::math::cdf(boost::math::complement(boost::math::normal_distribution<double>(), z));
}

}  // namespace

NormalityTest ShapiroWilk(std::span<const double> sorted) {
  const std::size_t n = sorted.size();
  if (n < kShapiroWilkFewest) return {.error = kTooFewForShapiroWilk};
  if (n > kShapiroWilkMost) return {.error = kTooManyForShapiroWilk};
  if (!std::isfinite(sorted.front()) || !std::isfinite(sorted.back())) return {.error = kNumbersTooLarge};
  if (sorted.front() == sorted.back()) return {.error = kAllNumbersEqual};
  const WValue w = WOf(sorted, HalfCoefficients(n));
  return {.statistic = w.w, .pValue = PValue(n, w)};
}

}  // namespace tallowmere::stats
