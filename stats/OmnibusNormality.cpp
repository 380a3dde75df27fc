#include "stats/OmnibusNormality.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <cstddef>
#include <span>

#include "stats/ExactSum.h"

namespace tallowmere::stats {

namespace {

// D'Agostino's z of the skewness √b₁ of n numbers.
double SkewnessZ(double n, double skewness) {
  const double y = skewness * std::sqrt((n + 1.0) * (n + 3.0) / (6.0 * (n - 2.0)));
  const double beta2 =
      3.0 * (n * n + 27.0 * n - 70.0) * (n + 1.0) * (n + 3.0) / ((n - 2.0) * (n + 5.0) * (n + 7.0) * (n + 9.0));
  const double w2 = std::sqrt(2.0 * (beta2 - 1.0)) - 1.0;
  const double delta = 1.0 / std::sqrt(0.5 * std::log(w2));
  const double alpha = std::sqrt(2.0 / (w2 - 1.0));
  // delta log(y / alpha + sqrt((y / alpha)² + 1)), without its cancellation
  // for negative y: no skewness at all is z = 0.
  return delta * std::asinh(y / alpha);
}

// Anscombe and Glynn's z of the kurtosis b₂ of n numbers; NaN where the
// approximation divides by zero.
double KurtosisZ(double n, double kurtosis) {
  const double mean = 3.0 * (n - 1.0) / (n + 1.0);
  const double variance = 24.0 * n * (n - 2.0) * (n - 3.0) / ((n + 1.0) * (n + 1.0) * (n + 3.0) * (n + 5.0));
  const double x = (kurtosis - mean) / std::sqrt(variance);
  // The third standardised moment of b₂.
  const double skew = 6.0 * (n * n - 5.0 * n + 2.0) / ((n + 7.0) * (n + 9.0)) *
                      std::sqrt(6.0 * (n + 3.0) * (n + 5.0) / (n * (n - 2.0) * (n - 3.0)));
  const double a = 6.0 + 8.0 / skew * (2.0 / skew + std::sqrt(1.0 + 4.0 / (skew * skew)));
  const double denominator = 1.0 + x * std::sqrt(2.0 / (a - 4.0));
  if (denominator == 0.0) return std::nan("");
  // The cube root keeps the sign of a negative denominator.
  const double root = std::cbrt((1.0 - 2.0 / a) / denominator);
  return (1.0 - 2.0 / (9.0 * a) - root) / std::sqrt(2.0 / (9.0 * a));
}

// The moments about the centre of `scaled` numbers, corrected to those
// about their mean.
template <class Scaled>
CentralMoments MomentsOfScaled(std::span<const double> numbers, const Scaled& scaled) {
  // Four running sums of each power, so that the additions of one do not
  // wait on each other.
  constexpr std::size_t kLanes = 4;
  double s1[kLanes] = {}, s2[kLanes] = {}, s3[kLanes] = {}, s4[kLanes] = {};
  const double* x = numbers.data();
  const std::size_t n = numbers.size();
  for (std::size_t i = 0; i < n; i += kLanes) {
    for (std::size_t k = 0; k < kLanes && i + k < n; ++k) {
      const double d = scaled(x[i + k]);
      const double square = d * d;
      s1[k] += d;
      s2[k] += square;
      s3[k] += square * d;
      s4[k] += square * square;
    }
  }
  const double count = static_cast<double>(n);
  const double e1 = (s1[0] + s1[1] + s1[2] + s1[3]) / count;
  const double e2 = (s2[0] + s2[1] + s2[2] + s2[3]) / count;
  const double e3 = (s3[0] + s3[1] + s3[2] + s3[3]) / count;
  const double e4 = (s4[0] + s4[1] + s4[2] + s4[3]) / count;
  // From the moments about the centre to those about the mean, e1 away.
  const double e1Squared = e1 * e1;
  return {.count = n,
          .m2 = e2 - e1Squared,
          .m3 = e3 - 3.0 * e1 * e2 + 2.0 * e1Squared * e1,
          .m4 = e4 - 4.0 * e1 * e3 + 6.0 * e1Squared * e2 - 3.0 * e1Squared * e1Squared};
}

}  // namespace

CentralMoments MomentsAbout(std::span<const double> numbers, double centre, double scale) {
  const double inverse = 1.0 / scale;
  // A scale in the subnormal range has no finite inverse: each number is
  // divided by it instead, more slowly.
  if (!std::isfinite(inverse)) return MomentsOfScaled(numbers, [=](double v) { return (v - centre) / scale; });
  return MomentsOfScaled(numbers, [=](double v) { return (v - centre) * inverse; });
}

CentralMoments MomentsOf(std::span<const double> numbers) {
  if (numbers.empty()) return {};
  const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
  const double range = *high - *low;
  const std::size_t n = numbers.size();
  if (!std::isfinite(range)) return {.count = n, .m2 = std::nan("")};
  if (range == 0.0) return {.count = n};
  ExactSum sum;
  sum.Add(numbers.data(), n);
  return MomentsAbout(numbers, sum.Rounded() / static_cast<double>(n), range);
}

OmnibusTest OmnibusNormality(const CentralMoments& moments) {
  if (moments.count < kOmnibusFewest) return {.test = {.error = kTooFewForOmnibus}};
  if (!std::isfinite(moments.m2) || !std::isfinite(moments.m3) || !std::isfinite(moments.m4))
    return {.test = {.error = kNumbersTooLarge}};
  if (!(moments.m2 > 0.0)) return {.test = {.error = kAllNumbersEqual}};
  const double n = static_cast<double>(moments.count);
  const double skewness = moments.m3 / (moments.m2 * std::sqrt(moments.m2));
  const double kurtosis = moments.m4 / (moments.m2 * moments.m2);
  const double zSkewness = SkewnessZ(n, skewness);
  const double zKurtosis = KurtosisZ(n, kurtosis);
  if (std::isnan(zKurtosis)) return {.test = {.error = kKurtosisOutsideApproximation}};
  const double k2 = zSkewness * zSkewness + zKurtosis * zKurtosis;
  const double p = boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(2.0), k2));
  return {.skewnessZ = zSkewness, .kurtosisZ = zKurtosis, .test = {.statistic = k2, .pValue = p}};
}

}  // namespace tallowmere::stats
