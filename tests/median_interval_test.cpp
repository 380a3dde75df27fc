// The median's distribution-free interval: its order statistics and coverage
// against R's qbinom and pbinom and against the binomial distribution
// summed exactly, the fewest numbers each level needs, and the texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "stats/MedianInterval.h"
#include "stats/RobustTexts.h"
#include "tests/support/ExactValues.h"
#include "tests/support/StatResultPrint.h"

using namespace tallowmere::stats;
using exactvalues::Exact;
using exactvalues::Integer;
using exactvalues::Nearest;
using exactvalues::Rational;

namespace {

// From R 4.2.2, for a = (1 - level / 100) / 2:
//   k <- qbinom(a, n, 0.5); if (pbinom(k, n, 0.5) <= a) k <- k + 1
//   c(k, n + 1 - k, sprintf("%.17g", 100 * (1 - 2 * pbinom(k - 1, n, 0.5))))
// (k counted from 1; no interval when k < 1). The counts up to 150 are all
// held against the exact binomial below.
TEST(MedianInterval, AgainstR) {
  const struct {
    const char* name;
    std::size_t n;
    double level;
    std::size_t k;
    std::size_t nPlusOneMinusK;
    double coverage;
  } rows[] = {
      {"N6At500", 6, 50, 2, 5, 78.124999999999986},
      {"N20At950", 20, 95, 6, 15, 95.861053466796875},
      {"N100At950", 100, 95, 40, 61, 96.479979978229508},
      {"N1000At900", 1000, 90, 474, 527, 90.631270852450342},
      {"N1000At950", 1000, 95, 469, 532, 95.370880263950184},
      {"N1000At990", 1000, 99, 459, 542, 99.136005099773953},
      {"N12345At500", 12345, 50, 6135, 6211, 50.603516057651007},
      {"N12345At950", 12345, 95, 6064, 6282, 95.024819124608499},
      {"N12345At999", 12345, 99.9, 5990, 6356, 99.901336276614543},
      {"N1000000At500", 1000000, 50, 499663, 500338, 50.032421560176054},
      {"N1000000At950", 1000000, 95, 499020, 500981, 95.012103134763194},
      {"N1000000At999", 1000000, 99.9, 498355, 501646, 99.900169043515675},
      {"N10000000At500", 10000000, 50, 4998934, 5001067, 50.001529869137016},
      {"N10000000At900", 10000000, 90, 4997399, 5002602, 90.009886046357607},
      {"N10000000At950", 10000000, 95, 4996901, 5003100, 95.003879296740976},
      {"N10000000At990", 10000000, 99, 4995927, 5004074, 99.001382734699817},
      {"N10000000At999", 10000000, 99.9, 4994797, 5005204, 99.900161922387426},
  };
  for (const auto& row : rows) {
    const MedianIntervalPlaces got = MedianIntervalPlacesOf(row.n, row.level);
    ASSERT_EQ(got.failure, nullptr) << row.name << ": " << got.failure;
    EXPECT_EQ(got.low, row.k - 1) << row.name;
    EXPECT_EQ(got.high, row.nPlusOneMinusK - 1) << row.name;
    EXPECT_NEAR(got.coverage, row.coverage, 1e-12) << row.name;
  }
}

// P(B <= j) for B binomial(n, 1/2), j = 0 .. n, exactly.
std::vector<Rational> BinomialCdf(std::size_t n) {
  std::vector<Rational> cdf;
  Integer choose = 1, below = 0;
  const Integer all = Integer(1) << n;
  for (std::size_t j = 0; j <= n; ++j) {
    below += choose;
    cdf.push_back(Rational(below, all));
    choose = choose * (n - j) / (j + 1);
  }
  return cdf;
}

// Every count up to 150 at levels that fall between the steps and on them
// (50, 75, 87.5 and 93.75 % leave tails of exactly 2^-2, 2^-3, 2^-4, 2^-5,
// which P(B <= 0) meets for n = 2 .. 5).
TEST(MedianInterval, AgainstExactBinomial) {
  const double levels[] = {50, 60, 68.27, 75, 80, 87.5, 90, 93.75, 95, 98, 99, 99.5, 99.9};
  for (std::size_t n = 1; n <= 150; ++n) {
    const std::vector<Rational> cdf = BinomialCdf(n);
    for (double level : levels) {
      const std::string name = "n " + std::to_string(n) + " at " + std::to_string(level);
      // The interval x(j + 1) .. x(n - j) misses on each side with P(B <= j).
      const Rational tail = Exact((100.0 - level) / 200.0);
      std::size_t j = 0;
      while (j + 1 < n && cdf[j + 1] <= tail) ++j;
      const MedianIntervalPlaces got = MedianIntervalPlacesOf(n, level);
      if (cdf[0] > tail) {
        EXPECT_STREQ(got.failure, kNeedsMoreNumbersText) << name;
        continue;
      }
      ASSERT_EQ(got.failure, nullptr) << name << ": " << got.failure;
      EXPECT_EQ(got.low, j) << name;
      EXPECT_EQ(got.high, n - 1 - j) << name;
      const double coverage = Nearest(100 * (1 - 2 * cdf[j]));
      EXPECT_NEAR(got.coverage, coverage, 1e-13 * coverage) << name;
      EXPECT_GE(got.coverage, level) << name;
    }
  }
}

TEST(MedianInterval, LeastCount) {
  const struct {
    const char* name;
    double level;
    std::size_t least;
  } rows[] = {
      {"Half", 50, 2},        // 1 - 2^-1 = 50 % exactly
      {"Ninety", 90, 5},      // 1 - 2^-4 = 93.75 %; 2^-3 leaves 87.5 %
      {"NinetyFive", 95, 6},  // 96.875 %; five give 93.75 %
      {"NinetyNine", 99, 8},  // 99.22 %; seven give 98.4 %
      {"Highest", 99.9, 11},  // 99.90 %; ten give 99.8 %
      {"Refused", 49, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MedianIntervalLeastCount(row.level), row.least) << row.name;
    if (row.least < 2) continue;
    EXPECT_STREQ(MedianIntervalPlacesOf(row.least - 1, row.level).failure, kNeedsMoreNumbersText) << row.name;
    EXPECT_EQ(MedianIntervalPlacesOf(row.least, row.level).failure, nullptr) << row.name;
  }
}

TEST(MedianInterval, OfSortedNumbers) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    double level;
    StatResult low;
    StatResult high;
  } rows[] = {
      // Six numbers at 95 %: the lowest and the highest.
      {"Six", {1, 2, 3, 4, 5, 60}, 95, 1.0, 60.0},
      // Twenty at 95 %: x(6) and x(15) (R's qbinom above).
      {"Twenty", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 95, 6.0, 15.0},
      {"Five", {1, 2, 3, 4, 5}, 95, kNeedsMoreNumbersText, kNeedsMoreNumbersText},
      {"None", {}, 95, kNeedsNumbersText, kNeedsNumbersText},
      {"LevelRefused", {1, 2, 3}, 99.99, kNeedsLevelText, kNeedsLevelText},
  };
  for (const auto& row : rows) {
    const Interval got = MedianInterval(row.sorted, row.level);
    EXPECT_EQ(got.low, row.low) << row.name;
    EXPECT_EQ(got.high, row.high) << row.name;
    EXPECT_EQ(got.coverage.IsNumber(), row.low.IsNumber()) << row.name;
  }
}

}  // namespace
