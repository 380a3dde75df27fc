#include "stats/OmnibusNormality.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <span>

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

// Two doubles at a time, each lane rounded on its own as a double would be.
using Pair [[gnu::vector_size(16)]] = double;

// The sums of the first four powers of numbers, two lanes at a time.
struct PowerSums {
  Pair s1{}, s2{}, s3{}, s4{};

  void Add(Pair d) {
    const Pair square = d * d;
    s1 += d;
    s2 += square;
    s3 += square * d;
    s4 += square * square;
  }
};

// The moments about the centre of `scaled` numbers (scaled takes a double or
// a Pair), corrected to those about their mean.
template <class Scaled>
CentralMoments MomentsOfScaled(std::span<const double> numbers, const Scaled& scaled) {
  // Two sets of sums, so that the additions of one do not wait on the
  // other's.
  PowerSums even, odd;
  const double* x = numbers.data();
  const std::size_t n = numbers.size();
  const std::size_t whole = n - n % 4;
  for (std::size_t i = 0; i < whole; i += 4) {
    Pair v, w;
    std::memcpy(&v, x + i, sizeof v);
    std::memcpy(&w, x + i + 2, sizeof w);
    even.Add(scaled(v));
    odd.Add(scaled(w));
  }
  // The last few with a zero beside them, which adds nothing.
  for (std::size_t i = whole; i < n; ++i) even.Add(Pair{scaled(x[i]), 0.0});
  const double count = static_cast<double>(n);
  auto total = [&](Pair a, Pair b) { return ((a[0] + a[1]) + (b[0] + b[1])) / count; };
  const double e1 = total(even.s1, odd.s1);
  const double e2 = total(even.s2, odd.s2);
  const double e3 = total(even.s3, odd.s3);
  const double e4 = total(even.s4, odd.s4);
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
  if (!std::isfinite(inverse)) return MomentsOfScaled(numbers, [=](auto v) { return (v - centre) / scale; });
  return MomentsOfScaled(numbers, [=](auto v) { return (v - centre) * inverse; });
}

namespace {

struct RoughSpread {
  double low = 0.0;
  double high = 0.0;
  double mean = 0.0;
};

// The ends and the mean of the numbers, the mean summed in lanes, one
// rounding after another: near enough to the mean for the moments' pass,
// which corrects for the distance. A NaN anywhere makes the mean NaN.
RoughSpread RoughSpreadOf(std::span<const double> numbers) {
  constexpr std::size_t kLanes = 8;
  double low[kLanes], high[kLanes], sum[kLanes] = {};
  std::fill(low, low + kLanes, numbers[0]);
  std::fill(high, high + kLanes, numbers[0]);
  const double* x = numbers.data();
  const std::size_t n = numbers.size();
  auto add = [&](std::size_t lane, double v) {
    low[lane] = v < low[lane] ? v : low[lane];
    high[lane] = v > high[lane] ? v : high[lane];
    sum[lane] += v;
  };
  const std::size_t whole = n - n % kLanes;
  for (std::size_t i = 0; i < whole; i += kLanes)
    for (std::size_t k = 0; k < kLanes; ++k) add(k, x[i + k]);
  for (std::size_t i = whole; i < n; ++i) add(i - whole, x[i]);
  RoughSpread spread{low[0], high[0], 0.0};
  double total = 0.0;
  for (std::size_t k = 0; k < kLanes; ++k) {
    spread.low = std::min(spread.low, low[k]);
    spread.high = std::max(spread.high, high[k]);
    total += sum[k];
  }
  spread.mean = total / static_cast<double>(n);
  return spread;
}

}  // namespace

CentralMoments MomentsOf(std::span<const double> numbers) {
  if (numbers.empty()) return {};
  const RoughSpread spread = RoughSpreadOf(numbers);
  const double range = spread.high - spread.low;
  const std::size_t n = numbers.size();
  // The sum of finite numbers can still overflow: then the middle of their
  // range stands in for their mean.
  double centre = spread.mean;
  if (!std::isfinite(centre) && std::isfinite(range)) centre = spread.low + range / 2.0;
  if (!std::isfinite(range) || !std::isfinite(centre)) return {.count = n, .m2 = std::nan("")};
  if (range == 0.0) return {.count = n};
  return MomentsAbout(numbers, centre, range);
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
