// D'Agostino and Pearson's K² against scipy.stats.normaltest, the moments it
// reads, and its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <numeric>
#include <vector>

#include "stats/OmnibusNormality.h"
#include "tests/support/ReferenceSamples.h"

using namespace tallowmere::stats;
using namespace referencesamples;

namespace {

std::vector<double> Squared(std::vector<double> x) {
  for (double& v : x) v *= v;
  return x;
}

std::vector<double> Shifted(std::vector<double> x, double by) {
  for (double& v : x) v += by;
  return x;
}

std::vector<double> OneTo(std::size_t n) {
  std::vector<double> x(n);
  std::iota(x.begin(), x.end(), 1.0);
  return x;
}

// To 10 significant digits (6 is what matters); a difference of 1e-13 is
// left to rounding where the value itself is near 0.
void ExpectClose(double got, double want, const char* name, const char* what) {
  EXPECT_NEAR(got, want, std::abs(want) * 1e-10 + 1e-13) << name << ": " << what;
}

// scipy's stats.kurtosistest(x).statistic for x = np.arange(1, 11.0), and
// for x = np.array([-2, -1, -1, 0, 0, 0, 0, 1, 1, 2.0]) (whose powers, in
// units of the range, are exact: its skewness is 0 to the bit).
constexpr double kOneToTenKurtosisZ = -0.9890647437910425;
constexpr double kExactlySymmetricKurtosisZ = 0.2631311489199686;

TEST(OmnibusNormality, AgreesWithScipy) {
  // From scipy 1.10.1 (Python 3.11, Debian 12): stats.skewtest(x).statistic,
  // stats.kurtosistest(x).statistic, and stats.normaltest(x)'s statistic and
  // pvalue, for x as named (lcg and sums as in ReferenceSamples.h).
  const struct {
    const char* name;
    std::function<std::vector<double>()> numbers;
    double zSkewness;
    double zKurtosis;
    double k2;
    double p;
  } rows[] = {
      {"EightWithOneFar, 1..7 and 20", [] { return std::vector<double>{1, 2, 3, 4, 5, 6, 7, 20}; }, 2.873567807429272,
       2.5876897286264446, 14.953530075532676, 0.0005660857226598721},
      {"NineIntegersWithTies", [] { return std::vector<double>{2, 3, 3, 3, 4, 4, 5, 6, 9}; }, 2.015911689403522,
       1.5251057156073922, 6.389847383252096, 0.04096965158429726},
      // No skewness at all: z = 0 (scipy's skewtest puts 1 in place of a
      // skewness of exactly 0, and answers 1.0240736..; its kurtosis z
      // stands, and K² is its square, p = exp(-K²/2) for 2 degrees).
      {"TenEquallySpaced, 1..10", [] { return OneTo(10); }, 0.0, kOneToTenKurtosisZ,
       kOneToTenKurtosisZ * kOneToTenKurtosisZ, std::exp(-kOneToTenKurtosisZ * kOneToTenKurtosisZ / 2)},
      {"ExactlySymmetric", [] { return std::vector<double>{-2, -1, -1, 0, 0, 0, 0, 1, 1, 2}; }, 0.0,
       kExactlySymmetricKurtosisZ, kExactlySymmetricKurtosisZ * kExactlySymmetricKurtosisZ,
       std::exp(-kExactlySymmetricKurtosisZ * kExactlySymmetricKurtosisZ / 2)},
      {"TwentySumsOfFourUniforms", [] { return SumsOfUniforms(20, 4, 1); }, -0.8047951617553983, 0.3087150020315743,
       0.7430002048642527, 0.689698935181796},
      {"HundredUniforms", [] { return Uniforms(100, 7); }, 0.35213924703812755, -5.07390832034042, 25.868547692524324,
       2.413883138739336e-06},
      {"HundredSquaredUniforms", [] { return Squared(Uniforms(100, 11)); }, 3.3181610864462407, -0.8817010461332658,
       11.787589730358592, 0.0027564962918353135},
      // scipy's for the same numbers 1e6 nearer to zero: the place of the
      // numbers changes nothing. (Its own for these, 0.3521392503042947,
      // -5.073908319418176, 25.86854768546585, 2.4138831472585037e-06, has
      // lost digits to the offset.)
      {"HundredFarFromZero, 1e6 + lcg(100, 7)", [] { return Shifted(Uniforms(100, 7), 1e6); }, 0.35213924703812755,
       -5.07390832034042, 25.868547692524324, 2.413883138739336e-06},
      {"ThousandSumsOfTwelve", [] { return SumsOfUniforms(1000, 12, 3); }, 2.75440539970255, -0.22923766849703903,
       7.639299014568523, 0.021935487775766527},
      // As flat as numbers can be: the kurtosis z's cube root is of a
      // negative number, and the z comes out large and positive, as scipy's.
      {"HundredOfTwoValues, 45 zeros and 55 ones",
       [] {
         std::vector<double> x(100, 1.0);
         std::fill(x.begin(), x.begin() + 45, 0.0);
         return x;
       },
       -0.8664526086078015, 28.96489972516579, 839.7161562118725, 4.549393429936252e-183},
      // K² far out: the p-value underflows to 0 in scipy and here.
      {"FiveThousandUniforms", [] { return Uniforms(5000, 5); }, 0.3665858743342696, -60.88839684224001,
       3707.531255221365, 0.0},
  };
  for (const auto& row : rows) {
    const OmnibusTest got = OmnibusNormality(MomentsOf(row.numbers()));
    ASSERT_TRUE(got.test.Answered()) << row.name << ": " << got.test.error;
    ExpectClose(got.skewnessZ, row.zSkewness, row.name, "skewness z");
    ExpectClose(got.kurtosisZ, row.zKurtosis, row.name, "kurtosis z");
    ExpectClose(got.test.statistic, row.k2, row.name, "K²");
    ExpectClose(got.test.pValue, row.p, row.name, "p-value");
  }
}

TEST(OmnibusNormality, MomentsAboutAnyCentreAndScale) {
  // Moments from a centre away from the mean, and in another unit, are the
  // central moments in that unit: MomentsOf's are in units of the range, and
  // m_k scales by (range / scale)^k. A centre away from the mean costs
  // digits to the correction's cancellation.
  const std::vector<double> x = Squared(Uniforms(1000, 21));
  const CentralMoments want = MomentsOf(x);
  const double range = *std::max_element(x.begin(), x.end()) - *std::min_element(x.begin(), x.end());
  const struct {
    const char* name;
    double centre;
    double scale;
  } rows[] = {
      {"at zero, in the range's unit", 0.0, range},
      {"beyond the largest", 1.5, range},
      {"in halves", 0.25, 0.5},
      {"in eightfold units", -3.0, 8.0},
  };
  for (const auto& row : rows) {
    const CentralMoments got = MomentsAbout(x, row.centre, row.scale);
    const double unit = range / row.scale;
    EXPECT_EQ(got.count, x.size()) << row.name;
    EXPECT_NEAR(got.m2, want.m2 * unit * unit, 1e-9 * got.m2) << row.name;
    EXPECT_NEAR(got.m3, want.m3 * unit * unit * unit, 1e-9 * std::abs(got.m3)) << row.name;
    EXPECT_NEAR(got.m4, want.m4 * unit * unit * unit * unit, 1e-9 * got.m4) << row.name;
  }
}

TEST(OmnibusNormality, SameAnswerAtAnyScale) {
  // Each base number is a whole number of 2^-32 below 2^34 (a sum of three
  // uniforms, less 1.5), so every shift and scaling below is exact.
  const std::vector<double> base = Shifted(SumsOfUniforms(200, 3, 4), -1.5);
  const OmnibusTest want = OmnibusNormality(MomentsOf(base));
  ASSERT_TRUE(want.test.Answered());
  const struct {
    const char* name;
    double shift;
    double factor;
  } rows[] = {
      {"tiny", 0.0, std::ldexp(1.0, -1000)},
      {"subnormal", 0.0, std::ldexp(1.0, -1040)},
      {"huge", 0.0, std::ldexp(1.0, 1020)},
      {"huge and far from zero: the sum overflows", 2.0, std::ldexp(1.0, 1021)},
      {"negated", 0.0, -1.0},
  };
  for (const auto& row : rows) {
    std::vector<double> x = base;
    for (double& v : x) v = (v + row.shift) * row.factor;
    const OmnibusTest got = OmnibusNormality(MomentsOf(x));
    ASSERT_TRUE(got.test.Answered()) << row.name << ": " << got.test.error;
    const double sign = row.factor < 0 ? -1.0 : 1.0;
    EXPECT_NEAR(got.skewnessZ, sign * want.skewnessZ, 1e-12) << row.name;
    EXPECT_NEAR(got.kurtosisZ, want.kurtosisZ, 1e-12) << row.name;
    EXPECT_NEAR(got.test.statistic, want.test.statistic, 1e-12) << row.name;
  }
}

TEST(OmnibusNormality, Refusals) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    std::vector<double> numbers;
    const char* error;
  } rows[] = {
      {"no numbers", {}, kTooFewForOmnibus},
      {"seven numbers", {1, 2, 3, 4, 5, 6, 20}, kTooFewForOmnibus},
      {"all equal", {2.5, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5}, kAllNumbersEqual},
      {"an infinity", {1, 2, 3, 4, 5, 6, 7, inf}, kNumbersTooLarge},
      {"a NaN inside", {1, 2, 3, nan, 5, 6, 7, 8}, kNumbersTooLarge},
      {"a NaN first", {nan, 2, 3, 4, 5, 6, 7, 8}, kNumbersTooLarge},
      {"the range beyond the double range", {-1e308, 1, 2, 3, 4, 5, 6, 1e308}, kNumbersTooLarge},
  };
  for (const auto& row : rows) {
    const OmnibusTest got = OmnibusNormality(MomentsOf(row.numbers));
    EXPECT_STREQ(got.test.error, row.error) << row.name;
    EXPECT_TRUE(std::isnan(got.test.statistic) && std::isnan(got.test.pValue)) << row.name;
  }
}

}  // namespace
