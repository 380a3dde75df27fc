// The trimmed mean: how many numbers each share cuts (R's convention),
// against R, against exact rational arithmetic, at the ends of the double
// range, and the numbers in any order against the sorted ones, to the bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "stats/RobustTexts.h"
#include "stats/TrimmedMean.h"
#include "tests/support/ExactValues.h"
#include "tests/support/RandomDoubles.h"
#include "tests/support/StatResultPrint.h"

using namespace tallowmere::stats;
using exactvalues::Exact;
using exactvalues::Nearest;
using exactvalues::Rational;
using exactvalues::UlpsApart;
using randomdoubles::Show;

namespace {

std::vector<double> Sorted(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  return x;
}

TEST(TrimmedMean, CountCut) {
  const struct {
    const char* name;
    std::size_t n;
    double share;
    std::size_t cut;
  } rows[] = {
      {"TwentyAtFivePercent", 20, 0.05, 1},
      {"NineteenAtFivePercent", 19, 0.05, 0},
      {"FortyAtFivePercent", 40, 0.05, 2},
      {"NoShare", 1000, 0.0, 0},
      // 10 * 0.3 is 3 in doubles although 0.3's double is below 0.3: R cuts 3.
      {"TenAtThreeTenths", 10, 0.3, 3},
      {"HundredAtSevenHundredths", 100, 0.07, 7},
      {"ThreeAtJustUnderHalf", 3, 0.49, 1},
      {"OneAtJustUnderHalf", 1, 0.49, 0},
      // n * share rounds up to n / 2: at least the two middle numbers stay.
      {"HugeEvenJustUnderHalf", std::size_t{1} << 54, std::nextafter(0.5, 0.0), (std::size_t{1} << 53) - 1},
      {"Refused", 10, 0.5, 0},
  };
  for (const auto& row : rows) EXPECT_EQ(TrimmedCount(row.n, row.share), row.cut) << row.name;
}

// From R 4.2.2: sprintf("%.17g", mean(x, trim = share)).
TEST(TrimmedMean, AgainstR) {
  const std::vector<double> measurements = {1.2, 3.4, 2.2, 5.9, 4.4, 0.7, 8.1, 2.2, 3.3, 9.6,
                                            6.5, 1.1, 7.7, 4.9, 0.3, 2.8, 5.5, 3.9, 6.1, 2.2};
  const std::vector<double> skewed = {0.001, 0.02, 0.5, 1, 2, 4, 8, 16, 100, 1000, 12345.678};
  const std::vector<double> wide = {1e-300, 1e-200, 1e-100, 1, 1e100, 1e200, 1e300};
  std::vector<double> counts;
  for (int i = 1; i <= 37; ++i) counts.push_back(i);
  counts.push_back(100);
  const std::vector<double> ties = {5, 5, 5, 5, 1, 9, 5, 5, 2, 5};
  const std::vector<double> prices = {19.99, 4.5, 7.25, 120, 33.3, 0.99, 15, 15, 8.75, 64.1, 2.05, 11.11, 42};
  const std::vector<double> powers = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512};
  const struct {
    const char* name;
    const std::vector<double>& x;
    double share;
    double want;
  } rows[] = {
      {"MeasurementsFive", measurements, 0.05, 4.0055555555555555},
      {"MeasurementsTen", measurements, 0.1, 3.9562500000000003},
      {"MeasurementsQuarter", measurements, 0.25, 3.8500000000000001},
      {"MeasurementsNone", measurements, 0, 4.0999999999999996},
      {"SkewedFive", skewed, 0.05, 1225.1999090909092},
      {"SkewedTen", skewed, 0.1, 125.72444444444444},
      {"SkewedQuarter", skewed, 0.25, 18.785714285714285},
      {"WideFive", wide, 0.05, 1.4285714285714286e+299},
      {"CountsFive", counts, 0.05, 19.5},
      {"CountsNone", counts, 0, 21.131578947368421},
      {"TiesTen", ties, 0.1, 4.625},
      {"TiesQuarter", ties, 0.25, 5},
      {"PricesTen", prices, 0.1, 20.277272727272727},
      {"PricesQuarter", prices, 0.25, 15.77142857142857},
      {"PowersThreeTenths", powers, 0.3, 30},
      {"PowersTenth", powers, 0.1, 63.75},
  };
  for (const auto& row : rows) {
    const StatResult got = TrimmedMean(Sorted(row.x), row.share);
    ASSERT_TRUE(got.IsNumber()) << row.name << ": " << got.Text();
    EXPECT_LE(UlpsApart(got.Number(), row.want), 1u) << row.name << ": got " << got.Number();
  }
}

// The middle numbers' mean, exactly, then rounded once.
double ExactTrimmedMean(const std::vector<double>& sorted, std::size_t cut) {
  Rational sum = 0;
  for (std::size_t i = cut; i + cut < sorted.size(); ++i) sum += Exact(sorted[i]);
  return Nearest(sum / static_cast<long long>(sorted.size() - 2 * cut));
}

struct Row {
  const char* name;
  std::vector<double> x;
};

std::vector<Row> HardRows() {
  std::mt19937_64 rng(11);
  std::vector<Row> rows = {
      {"Largest", {DBL_MAX, DBL_MAX, DBL_MAX}},
      {"LargestAndHalf", {DBL_MAX, DBL_MAX / 2}},
      {"LargestBothSigns", {-DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX}},
      {"Cancelling", {1e300, 1.0, -1e300, 2.0, 1e-300}},
      {"Subnormals", {5e-324, 1e-323, 5e-324, 4e-320}},
      {"Tenths", {0.1, 0.1, 0.1}},
      {"Awkward", randomdoubles::Awkward()},
  };
  static const char* const kStyles[] = {"SmallWholes", "AwkwardMix", "Decimals", "AnyBits"};
  for (int style = 0; style < 4; ++style) rows.push_back({kStyles[style], randomdoubles::MakeData(rng, 301, style)});
  return rows;
}

// Two roundings (of the sum, then of the division) stay within a step.
TEST(TrimmedMean, AgainstExactArithmetic) {
  for (const Row& row : HardRows()) {
    const std::vector<double> sorted = Sorted(row.x);
    for (double share : {0.0, 0.05, 0.2, 0.45}) {
      const StatResult got = TrimmedMean(sorted, share);
      ASSERT_TRUE(got.IsNumber()) << row.name << " at " << share << ": " << got.Text();
      const double want = ExactTrimmedMean(sorted, TrimmedCount(sorted.size(), share));
      EXPECT_LE(UlpsApart(got.Number(), want), 1u)
          << row.name << " at " << share << ": got " << got.Number() << ", want " << want;
    }
  }
}

TEST(TrimmedMean, UnsortedAgreesToTheBit) {
  for (const Row& row : HardRows()) {
    const std::vector<double> sorted = Sorted(row.x);
    const std::size_t n = sorted.size();
    for (double share : {0.0, 0.05, 0.2, 0.3, 0.45, 0.499}) {
      const std::size_t cut = TrimmedCount(n, share);
      const StatResult got = TrimmedMeanOfUnsorted(row.x, share, sorted[cut], sorted[n - 1 - cut]);
      EXPECT_EQ(got, TrimmedMean(sorted, share)) << row.name << " at " << share << ": " << Show(row.x);
    }
  }
}

TEST(TrimmedMean, RefusedLists) {
  const struct {
    const char* name;
    std::vector<double> x;
    double share;
    const char* text;
  } rows[] = {
      {"Empty", {}, 0.05, kNeedsNumbersText},
      {"Half", {1, 2, 3}, 0.5, kNeedsTrimShareText},
      {"Negative", {1, 2, 3}, -0.01, kNeedsTrimShareText},
      {"NotANumber", {1, 2, 3}, std::nan(""), kNeedsTrimShareText},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TrimmedMean(row.x, row.share), StatResult(row.text)) << row.name;
    const double first = row.x.empty() ? 0.0 : row.x.front();
    EXPECT_EQ(TrimmedMeanOfUnsorted(row.x, row.share, first, first), StatResult(row.text)) << row.name;
  }
}

}  // namespace
