// The median absolute deviation against R, and the bisection over the sorted
// numbers and the selection over unsorted ones against the plain way: every
// deviation worked out, sorted, and the middle read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "stats/MedianDeviation.h"
#include "stats/RobustTexts.h"
#include "tests/support/RandomDoubles.h"
#include "tests/support/StatResultPrint.h"

using namespace tallowmere::stats;
using randomdoubles::Show;

namespace {

std::vector<double> Sorted(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  return x;
}

// The definition followed step by step (with the median's halving of two
// numbers whose sum leaves the range done on the halves).
double Middle(const std::vector<double>& sorted) {
  const std::size_t n = sorted.size();
  if (n % 2 == 1) return sorted[n / 2];
  const double a = sorted[n / 2 - 1], b = sorted[n / 2];
  return std::isfinite(a + b) ? (a + b) / 2 : a / 2 + b / 2;
}

StatResult PlainDeviation(const std::vector<double>& x) {
  const double median = Middle(Sorted(x));
  std::vector<double> deviations;
  for (double v : x) deviations.push_back(std::fabs(v - median));
  const double mad = Middle(Sorted(deviations));
  if (!std::isfinite(mad)) return kDivZeroText;
  return mad;
}

// From R 4.2.2: sprintf("%.17g", c(mad(x), mad(x, constant = 1))).
TEST(MedianDeviation, AgainstR) {
  std::vector<double> counts;
  for (int i = 1; i <= 37; ++i) counts.push_back(i);
  counts.push_back(100);
  const struct {
    const char* name;
    std::vector<double> x;
    double scaled;
    double raw;
  } rows[] = {
      {"Measurements",
       {1.2, 3.4, 2.2, 5.9, 4.4, 0.7, 8.1, 2.2, 3.3, 9.6, 6.5, 1.1, 7.7, 4.9, 0.3, 2.8, 5.5, 3.9, 6.1, 2.2},
       3.0393300000000001,
       2.0500000000000003},
      {"Skewed", {0.001, 0.02, 0.5, 1, 2, 4, 8, 16, 100, 1000, 12345.678}, 5.9289173999999996, 3.9990000000000001},
      {"Wide", {1e-300, 1e-200, 1e-100, 1, 1e100, 1e200, 1e300}, 1.4825999999999999, 1},
      {"Counts", counts, 14.0847, 9.5},
      {"Ties", {5, 5, 5, 5, 1, 9, 5, 5, 2, 5}, 0, 0},
      {"Prices", {19.99, 4.5, 7.25, 120, 33.3, 0.99, 15, 15, 8.75, 64.1, 2.05, 11.11, 42}, 15.567299999999999, 10.5},
  };
  for (const auto& row : rows) {
    const std::vector<double> sorted = Sorted(row.x);
    EXPECT_EQ(MedianAbsoluteDeviation(sorted), StatResult(row.raw)) << row.name;
    EXPECT_EQ(ScaledMedianAbsoluteDeviation(sorted), StatResult(row.scaled)) << row.name;
    EXPECT_EQ(MedianAbsoluteDeviationOfUnsorted(row.x, MedianOfSorted(sorted)), StatResult(row.raw)) << row.name;
  }
}

struct Row {
  std::string name;
  std::vector<double> x;
};

std::vector<Row> ManyRows() {
  std::vector<Row> rows = {
      {"One", {4}},
      {"Two", {4, -1}},
      {"BothZeros", {0.0, -0.0, 0.0}},
      {"AllBelowButOne", {1, 1, 1, 1, 9}},
      {"AllAboveButOne", {-9, 1, 1, 1, 1}},
      {"FarApart", {-DBL_MAX, DBL_MAX}},
      {"FarApartEven", {-DBL_MAX, 0, DBL_MAX, DBL_MAX}},
      {"Subnormals", {5e-324, -5e-324, 1e-323, 0}},
      {"Awkward", randomdoubles::Awkward()},
  };
  std::mt19937_64 rng(5);
  static const char* const kStyles[] = {"SmallWholes", "AwkwardMix", "Decimals", "AnyBits"};
  for (std::size_t n : {1, 2, 3, 4, 5, 8, 13, 64, 101, 1000, 4097}) {
    for (int style = 0; style < 4; ++style)
      rows.push_back({std::string(kStyles[style]) + std::to_string(n), randomdoubles::MakeData(rng, n, style)});
  }
  // Spread out (few ties): the deviations on one side of the median and on
  // the other interleave in every way.
  for (std::size_t n : {6, 7, 500, 501}) {
    std::normal_distribution<double> normal(10.0, 3.0);
    std::vector<double> x(n);
    for (double& v : x) v = normal(rng);
    rows.push_back({"Normal" + std::to_string(n), x});
    std::exponential_distribution<double> skewed(0.2);
    for (double& v : x) v = skewed(rng);
    rows.push_back({"Exponential" + std::to_string(n), x});
  }
  // Past the unsorted way's first count (more than 4,096 deviations share
  // the middle one's highest 16 bits): all equal; 5,000 equal deviations
  // ending at the lower middle, the upper middle above them all; 10,000
  // deviations within 1 .. 1 + 1/32, which share those bits.
  rows.push_back({"ManyEqual", std::vector<double>(10000, 3.5)});
  std::vector<double> ties(2500, -1.0), spread;
  ties.resize(5000, 1.0);
  std::uniform_real_distribution<double> far(100.0, 1000.0), fraction(0.0, 1.0);
  for (int i = 0; i < 2500; ++i) {
    ties.push_back(far(rng));
    ties.push_back(-far(rng));
  }
  rows.push_back({"TiesEndAtTheMiddle", ties});
  for (int i = 0; i < 5000; ++i) {
    spread.push_back(1.0 + fraction(rng) / 32.0);
    spread.push_back(-1.0 - fraction(rng) / 32.0);
  }
  rows.push_back({"SharedHighBits", spread});
  return rows;
}

TEST(MedianDeviation, BothWaysAgainstThePlainWay) {
  for (const Row& row : ManyRows()) {
    const std::vector<double> sorted = Sorted(row.x);
    const StatResult want = PlainDeviation(row.x);
    EXPECT_EQ(MedianAbsoluteDeviation(sorted), want) << row.name << ": " << Show(row.x);
    EXPECT_EQ(MedianAbsoluteDeviationOfUnsorted(row.x, MedianOfSorted(sorted)), want)
        << row.name << ": " << Show(row.x);
  }
}

TEST(MedianDeviation, MedianOfSorted) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    double want;
  } rows[] = {
      {"Odd", {1, 2, 10}, 2},
      {"Even", {1, 2, 3, 10}, 2.5},
      {"EvenSumOverflows", {1, DBL_MAX, DBL_MAX}, DBL_MAX},
      {"EvenPairOverflows", {DBL_MAX, DBL_MAX}, DBL_MAX},
      {"EvenSubnormals", {5e-324, 5e-324}, 5e-324},
  };
  for (const auto& row : rows) EXPECT_EQ(MedianOfSorted(row.sorted), row.want) << row.name;
  EXPECT_TRUE(std::isnan(MedianOfSorted({})));
}

TEST(MedianDeviation, Texts) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    StatResult raw;
    StatResult scaled;
  } rows[] = {
      {"Empty", {}, kNeedsNumbersText, kNeedsNumbersText},
      // Deviations of DBL_MAX: scaled by 1.4826 they leave the range.
      {"ScaledBeyondRange", {-DBL_MAX, DBL_MAX}, DBL_MAX, kDivZeroText},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MedianAbsoluteDeviation(row.sorted), row.raw) << row.name;
    EXPECT_EQ(ScaledMedianAbsoluteDeviation(row.sorted), row.scaled) << row.name;
  }
  EXPECT_EQ(MedianAbsoluteDeviationOfUnsorted({}, 0.0), StatResult(kNeedsNumbersText));
}

}  // namespace
