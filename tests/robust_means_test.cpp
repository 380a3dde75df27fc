// The geometric and the harmonic mean against R and against 100-digit
// arithmetic, at the ends of the double range too, and the texts of the
// lists they refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "stats/RobustMeans.h"
#include "stats/RobustTexts.h"
#include "tests/support/ExactValues.h"
#include "tests/support/RandomDoubles.h"
#include "tests/support/StatResultPrint.h"

using namespace tallowmere::stats;
using boost::multiprecision::cpp_bin_float_100;
using exactvalues::UlpsApart;
using randomdoubles::Show;

namespace {

// exp(mean(log x)) and n / sum(1 / x) with a hundred digits, rounded once.
double GeometricReference(const std::vector<double>& x) {
  cpp_bin_float_100 logs = 0;
  for (double v : x) logs += boost::multiprecision::log(cpp_bin_float_100(v));
  return boost::multiprecision::exp(logs / x.size()).convert_to<double>();
}

double HarmonicReference(const std::vector<double>& x) {
  cpp_bin_float_100 reciprocals = 0;
  for (double v : x) reciprocals += 1 / cpp_bin_float_100(v);
  return (cpp_bin_float_100(x.size()) / reciprocals).convert_to<double>();
}

// n positive numbers whose logarithms spread evenly over [low, high] (base 2).
std::vector<double> Spread(std::size_t n, double low, double high, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> exponent(low, high);
  std::vector<double> x(n);
  for (double& v : x) v = std::exp2(exponent(rng));
  return x;
}

struct Row {
  const char* name;
  std::vector<double> x;
};

std::vector<Row> ExtremeRows() {
  return {
      {"OneNumber", {7.25}},
      {"LargestDoubles", {DBL_MAX, DBL_MAX, DBL_MAX}},
      {"LargestAndHalf", {DBL_MAX, DBL_MAX / 2}},
      {"SmallestSubnormals", {5e-324, 5e-324, 1e-323}},
      {"SmallestAndLargest", {5e-324, DBL_MAX}},
      {"SubnormalsAndOne", {4e-320, 1.0, 3e-310}},
      {"AcrossEveryRange", {1e-310, 1e-300, 2.5e-280, 1.0, 3e270, 1e300, 1.7e308}},
      {"NearOne", {1.0, std::nextafter(1.0, 2.0), std::nextafter(1.0, 0.0), 1.0 + 1e-15}},
      {"ThousandWide", Spread(1000, -1070, 1020, 1)},
      {"ThousandNarrow", Spread(1000, -3, 3, 2)},
      {"ThousandHuge", Spread(1000, 1000, 1023.9, 3)},
      {"ThousandTiny", Spread(1000, -1073, -1000, 4)},
  };
}

TEST(RobustMeans, GeometricAgainstHundredDigits) {
  for (const Row& row : ExtremeRows()) {
    const StatResult got = GeometricMean(row.x);
    ASSERT_TRUE(got.IsNumber()) << row.name << ": " << got.Text();
    EXPECT_LE(UlpsApart(got.Number(), GeometricReference(row.x)), 4u)
        << row.name << ": got " << got.Number() << ", want " << GeometricReference(row.x);
  }
}

TEST(RobustMeans, HarmonicAgainstHundredDigits) {
  for (const Row& row : ExtremeRows()) {
    const StatResult got = HarmonicMean(row.x);
    ASSERT_TRUE(got.IsNumber()) << row.name << ": " << got.Text();
    EXPECT_LE(UlpsApart(got.Number(), HarmonicReference(row.x)), 2u)
        << row.name << ": got " << got.Number() << ", want " << HarmonicReference(row.x);
  }
}

// From R 4.2.2: sprintf("%.17g", c(exp(mean(log(x))), 1/mean(1/x))).
TEST(RobustMeans, AgainstR) {
  const struct {
    const char* name;
    std::vector<double> x;
    double geometric;
    double harmonic;
  } rows[] = {
      {"Measurements",
       {1.2, 3.4, 2.2, 5.9, 4.4, 0.7, 8.1, 2.2, 3.3, 9.6, 6.5, 1.1, 7.7, 4.9, 0.3, 2.8, 5.5, 3.9, 6.1, 2.2},
       3.0827018248166,
       1.8981446713536372},
      {"Skewed", {0.001, 0.02, 0.5, 1, 2, 4, 8, 16, 100, 1000, 12345.678}, 4.4220081284890718, 0.010436941799914933},
      {"Wide", {1e-300, 1e-200, 1e-100, 1, 1e100, 1e200, 1e300}, 1, 7.0000000000000003e-300},
      {"Ties", {5, 5, 5, 5, 1, 9, 5, 5, 2, 5}, 4.1191371610275294, 3.3210332103321032},
      {"Prices",
       {19.99, 4.5, 7.25, 120, 33.3, 0.99, 15, 15, 8.75, 64.1, 2.05, 11.11, 42},
       13.027951659469265,
       5.5950419253485464},
  };
  for (const auto& row : rows) {
    // R sums the logarithms of the numbers themselves, each rounded to a
    // step of its own size: close, not to the bit.
    EXPECT_NEAR(GeometricMean(row.x).Number(), row.geometric, 1e-14 * row.geometric) << row.name;
    EXPECT_NEAR(HarmonicMean(row.x).Number(), row.harmonic, 4e-16 * row.harmonic) << row.name;
  }
}

// Exact sums do not depend on the order of the numbers, and each logarithm
// or reciprocal is of one number alone: neither do the means, to the bit.
TEST(RobustMeans, OrderDoesNotMatter) {
  for (const Row& row : ExtremeRows()) {
    std::vector<double> shuffled = row.x;
    std::mt19937_64 rng(7);
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    std::reverse(shuffled.begin(), shuffled.begin() + static_cast<std::ptrdiff_t>(shuffled.size() / 2));
    EXPECT_EQ(GeometricMean(shuffled), GeometricMean(row.x)) << row.name;
    EXPECT_EQ(HarmonicMean(shuffled), HarmonicMean(row.x)) << row.name;
  }
}

// A mean of numbers all equal is that number, whatever the roundings met
// on the way.
TEST(RobustMeans, EqualNumbersGiveThemselves) {
  const struct {
    const char* name;
    double v;
    std::size_t n;
  } rows[] = {
      {"Tenth", 0.1, 7},       {"Third", 1.0 / 3.0, 1000},  {"Largest", DBL_MAX, 5},
      {"Smallest", 5e-324, 3}, {"LeastNormal", DBL_MIN, 9}, {"Awkward", 123456789012345.6, 31},
  };
  for (const auto& row : rows) {
    const std::vector<double> x(row.n, row.v);
    EXPECT_EQ(GeometricMean(x), StatResult(row.v)) << row.name;
    EXPECT_EQ(HarmonicMean(x), StatResult(row.v)) << row.name;
  }
}

TEST(RobustMeans, RefusedLists) {
  const struct {
    const char* name;
    std::vector<double> x;
    const char* text;
  } rows[] = {
      {"Empty", {}, kNeedsNumbersText},
      {"AZero", {3, 0, 4}, kNeedsPositiveText},
      {"ANegativeZero", {3, -0.0}, kNeedsPositiveText},
      {"ANegative", {-1, 2, 3}, kNeedsPositiveText},
      {"LastNegative", {1, 2, -5e-324}, kNeedsPositiveText},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(GeometricMean(row.x), StatResult(row.text)) << row.name << ": " << Show(row.x);
    EXPECT_EQ(HarmonicMean(row.x), StatResult(row.text)) << row.name << ": " << Show(row.x);
  }
}

}  // namespace
