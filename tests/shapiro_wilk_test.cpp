// The Shapiro-Wilk test against R's shapiro.test, and its refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "stats/ShapiroWilk.h"
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

// Agreement to 10 significant digits, well past the 6 that matter: R and
// Boost differ only in their normal quantiles' and tails' last bits.
void ExpectClose(double got, double want, const char* name, const char* what) {
  EXPECT_NEAR(got, want, std::abs(want) * 1e-10) << name << ": " << what;
}

TEST(ShapiroWilk, AgreesWithR) {
  // From R 4.2.2: r <- shapiro.test(x); sprintf("%.17g", c(r$statistic, r$p.value)),
  // x as named, built with lcg() and sums() of ReferenceSamples.h.
  const struct {
    const char* name;
    std::function<std::vector<double>()> numbers;
    double w;
    double p;
  } rows[] = {
      {"Three, c(1, 2, 4)",
       [] {
         return std::vector<double>{1, 2, 4};
       },
       0.96428571428571419, 0.6368868450289632},
      {"ThreeEquallySpaced, c(5, 6, 7)",
       [] {
         return std::vector<double>{5, 6, 7};
       },
       1, 0.99999999999999334},
      // The lowest W of three numbers: p = 0.
      {"ThreeWithTwoEqualLow, c(1, 1, 2)",
       [] {
         return std::vector<double>{1, 1, 2};
       },
       0.75, 0},
      {"ThreeWithTwoEqualHigh, c(0, 3, 3)",
       [] {
         return std::vector<double>{0, 3, 3};
       },
       0.75, 0},
      {"Four, c(1, 2, 3, 10)",
       [] {
         return std::vector<double>{1, 2, 3, 10};
       },
       0.80688566456770017, 0.11515298175453673},
      {"FiveWithTies, c(2.5, 3.5, 3.5, 4, 9.75)",
       [] {
         return std::vector<double>{2.5, 3.5, 3.5, 4, 9.75};
       },
       0.72394151728876455, 0.016768739659185655},
      {"Six, c(0.5, 1, 1.5, 2, 4, 8)", [] { return std::vector<double>{0.5, 1, 1.5, 2, 4, 8}; }, 0.82849625340744915,
       0.10437712963998419},
      {"ElevenIntegersWithTies, c(1, 1, 2, 2, 2, 3, 3, 4, 5, 7, 12)",
       [] { return std::vector<double>{1, 1, 2, 2, 2, 3, 3, 4, 5, 7, 12}; }, 0.79839377187802396,
       0.0089602882956736803},
      {"TwelveIntegers, c(3, 4, 4, 5, 6, 6, 6, 7, 8, 9, 10, 15)",
       [] { return std::vector<double>{3, 4, 4, 5, 6, 6, 6, 7, 8, 9, 10, 15}; }, 0.89324134140215372,
       0.12974917140536232},
      {"TwentySumsOfFourUniforms, sums(20, 4, 1)", [] { return SumsOfUniforms(20, 4, 1); }, 0.97391879834447403,
       0.83447952944731774},
      {"HundredUniforms, lcg(100, 7)", [] { return Uniforms(100, 7); }, 0.95857122803898598, 0.0031846019005961905},
      {"HundredSquaredUniforms, lcg(100, 11)^2", [] { return Squared(Uniforms(100, 11)); }, 0.86777639695166187,
       5.7080634741921362e-08},
      // W does not depend on where the numbers lie: the values are R's for
      // lcg(100, 7) itself. (R's own for 1e6 + lcg(100, 7) has lost three
      // digits of them, 0.95857122804211792 and 0.0031846019022153155.)
      {"HundredFarFromZero, 1e6 + lcg(100, 7)", [] { return Shifted(Uniforms(100, 7), 1e6); }, 0.95857122803898598,
       0.0031846019005961905},
      {"FiveThousandSumsOfTwelve, sums(5000, 12, 3)", [] { return SumsOfUniforms(5000, 12, 3); }, 0.99931894890451456,
       0.053969521431242395},
      {"FiveThousandUniforms, lcg(5000, 5)", [] { return Uniforms(5000, 5); }, 0.95582364909997719,
       1.86347179819714e-36},
  };
  for (const auto& row : rows) {
    const std::vector<double> sorted = Sorted(row.numbers());
    const NormalityTest test = ShapiroWilk(sorted);
    ASSERT_TRUE(test.Answered()) << row.name << ": " << test.error;
    ExpectClose(test.statistic, row.w, row.name, "W");
    ExpectClose(test.pValue, row.p, row.name, "p-value");
  }
}

TEST(ShapiroWilk, SameAnswerAtAnyScale) {
  // Scaling by a power of two is exact, so the answer must be the same to
  // the bit, even where the range itself is beyond the double range. Turned
  // around (negated), the numbers meet other roundings: W to 12 digits.
  const std::vector<double> base = Sorted(Shifted(SumsOfUniforms(50, 4, 9), -2.0));
  const NormalityTest want = ShapiroWilk(base);
  ASSERT_TRUE(want.Answered()) << want.error;
  const struct {
    const char* name;
    double factor;
    bool toTheBit;
    bool rangeOverflows;
  } rows[] = {
      {"tiny", std::ldexp(1.0, -1000), true, false},
      {"huge, the range beyond the double range", std::ldexp(1.0, 1023), true, true},
      {"negated", -1.0, false, false},
      {"huge and negated", -std::ldexp(1.0, 1023), false, true},
  };
  for (const auto& row : rows) {
    std::vector<double> x = base;
    for (double& v : x) v *= row.factor;
    x = Sorted(x);
    ASSERT_TRUE(std::isfinite(x.front()) && std::isfinite(x.back())) << row.name;
    ASSERT_EQ(std::isinf(x.back() - x.front()), row.rangeOverflows) << row.name;
    const NormalityTest got = ShapiroWilk(x);
    ASSERT_TRUE(got.Answered()) << row.name << ": " << got.error;
    if (row.toTheBit) {
      EXPECT_EQ(got.statistic, want.statistic) << row.name;
      EXPECT_EQ(got.pValue, want.pValue) << row.name;
    } else {
      EXPECT_NEAR(got.statistic, want.statistic, 1e-12) << row.name;
      EXPECT_NEAR(got.pValue, want.pValue, 1e-12 * want.pValue) << row.name;
    }
  }
}

TEST(ShapiroWilk, Refusals) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    std::vector<double> sorted;
    const char* error;
  } rows[] = {
      {"no numbers", {}, kTooFewForShapiroWilk},
      {"two numbers", {1, 2}, kTooFewForShapiroWilk},
      {"5001 numbers", Sorted(Uniforms(5001, 1)), kTooManyForShapiroWilk},
      {"all equal", {4, 4, 4, 4, 4}, kAllNumbersEqual},
      {"three equal", {-1.5, -1.5, -1.5}, kAllNumbersEqual},
      {"infinite", {1, 2, 3, inf}, kNumbersTooLarge},
      {"negative infinite", {-inf, 2, 3, 4}, kNumbersTooLarge},
  };
  for (const auto& row : rows) {
    const NormalityTest test = ShapiroWilk(row.sorted);
    EXPECT_STREQ(test.error, row.error) << row.name;
    EXPECT_TRUE(std::isnan(test.statistic) && std::isnan(test.pValue)) << row.name;
  }
}

}  // namespace
