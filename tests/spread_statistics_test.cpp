// The statistics beyond the twelve rows against exact rational arithmetic,
// Student's t against a printed table, the undefined cases, and the two ways
// of sorting (a whole sorted copy, or rounds that keep only a few places of
// the order), which must give the same bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "stats/StatResult.h"
#include "stats/Statistics.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using Rational = boost::multiprecision::cpp_rational;
using Integer = boost::multiprecision::cpp_int;

// A double as the exact rational it stands for.
Rational Exact(double v) {
  int exponent = 0;
  const double fraction = std::frexp(v, &exponent);
  // 53 bits of mantissa as a whole number, then the power of two.
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  Integer whole = mantissa;
  if (exponent >= 0) return Rational(whole << exponent);
  return Rational(whole, Integer(1) << -exponent);
}

double ToDouble(const Rational& r) { return r.convert_to<double>(); }

std::string Show(const std::vector<double>& x) {
  std::string s;
  for (double v : x) s += std::to_string(v) + " ";
  return s;
}

// The statistics worked out exactly from their definitions.
struct Reference {
  std::size_t n = 0;
  Rational minimum, maximum, q1, q3, mean, variance;
  Rational kurtosis;         // only for n >= 4 and a spread
  Rational squaredStdError;  // only for n >= 2
};

Rational Quartile(const std::vector<Rational>& sorted, int which) {
  const std::size_t n = sorted.size();
  const Rational position = Rational(which, 4) * Rational(static_cast<long long>(n - 1));
  const auto below = static_cast<std::size_t>(ToDouble(position));  // positions are small: exact
  const Rational fraction = position - Rational(static_cast<long long>(below));
  if (fraction == 0) return sorted[below];
  return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

Reference Work(const std::vector<double>& data, bool sample) {
  Reference r;
  r.n = data.size();
  std::vector<Rational> x;
  for (double v : data) x.push_back(Exact(v));
  std::vector<Rational> sorted = x;
  std::sort(sorted.begin(), sorted.end());
  r.minimum = sorted.front();
  r.maximum = sorted.back();
  r.q1 = Quartile(sorted, 1);
  r.q3 = Quartile(sorted, 3);
  const Rational n(static_cast<long long>(r.n));
  Rational sum = 0;
  for (const Rational& v : x) sum += v;
  r.mean = sum / n;
  Rational squares = 0, fourths = 0;
  for (const Rational& v : x) {
    const Rational d2 = (v - r.mean) * (v - r.mean);
    squares += d2;
    fourths += d2 * d2;
  }
  if (r.n >= 2 || !sample) r.variance = squares / Rational(sample ? n - 1 : n);
  if (r.n >= 2) r.squaredStdError = r.variance / n;
  if (r.n >= 4 && r.variance != 0) {
    // Sum of ((x - m)/s)^4 is the sum of (x - m)^4 over s^4 = variance^2.
    const Rational z4 = fourths / (r.variance * r.variance);
    if (sample) {
      r.kurtosis = n * (n + 1) / ((n - 1) * (n - 2) * (n - 3)) * z4 - 3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3));
    } else {
      r.kurtosis = z4 / n - 3;
    }
  }
  return r;
}

stats::modStatistics::DataSet Loaded(const std::vector<double>& data, bool sample, bool copyKept) {
  stats::modStatistics::DataSet set;
  // A limit of 0 sorts in rounds whatever the size, so that the places kept
  // fall into every part.
  if (!copyKept) set.SetSortedCopyKept(false, 0);
  set.SetMethodIsSample(sample);
  set.SetNumbers({data.begin(), data.end()});
  set.SetNumberCount(static_cast<double>(data.size()));
  set.SortNumbers();
  return set;
}

// How far a double computed here may stand from the exact value, and why:
// - an order statistic is one of the numbers: exact;
// - a quartile is low + (high - low)f, three roundings of numbers no larger
//   than the two it lies between;
// - a range is one rounding; an interquartile range one more on top of its
//   quartiles' errors;
// - the standard error is a square root of a variance that sums n rounded
//   squares (the mean's own rounding only enters squared);
// - the kurtosis standardises each number by the rounded mean and standard
//   deviation: each z is off by about (n + 1) eps times max|x| / s (the
//   mean's error in units of s), and its fourth power four times that, over
//   both terms of the final difference.
constexpr double kEps = DBL_EPSILON;

void ExpectNear(double got, const Rational& exact, double tolerance, const std::string& what) {
  const double want = ToDouble(exact);
  EXPECT_LE(std::fabs(got - want), tolerance) << what << ": got " << got << ", exactly " << want;
}

void ExpectMatchesExact(const std::vector<double>& data, bool sample, const std::string& where) {
  const std::string what = where + (sample ? " sample" : " population") + ": " + Show(data);
  const stats::modStatistics::DataSet set = Loaded(data, sample, true);
  const Reference r = Work(data, sample);
  const double n = static_cast<double>(r.n);

  EXPECT_EQ(set.GetMinimum(), ToDouble(r.minimum)) << what;
  EXPECT_EQ(set.GetMaximum(), ToDouble(r.maximum)) << what;
  const double top = std::max(std::fabs(ToDouble(r.minimum)), std::fabs(ToDouble(r.maximum)));
  const double quartileTolerance = 2 * kEps * top;
  ExpectNear(set.GetQuartile(1), r.q1, quartileTolerance, what + " Q1");
  ExpectNear(set.GetQuartile(3), r.q3, quartileTolerance, what + " Q3");
  ExpectNear(set.GetRange().Number(), r.maximum - r.minimum, kEps / 2 * ToDouble(r.maximum - r.minimum),
             what + " range");
  ExpectNear(set.GetInterquartileRange().Number(), r.q3 - r.q1, 2 * quartileTolerance + kEps * ToDouble(r.q3 - r.q1),
             what + " IQR");

  if (r.n < 2) {
    EXPECT_EQ(set.GetStandardError(), StatResult(kDivZeroText)) << what;
    EXPECT_EQ(set.GetConfidenceLow(), StatResult(kDivZeroText)) << what;
    EXPECT_EQ(set.GetConfidenceHigh(), StatResult(kDivZeroText)) << what;
  } else {
    const double se = std::sqrt(ToDouble(r.squaredStdError));
    // The mean's rounding (up to about n eps max|x|) enters the variance
    // squared, yet a spread that is exactly 0 then shows as a tiny one.
    EXPECT_NEAR(set.GetStandardError().Number(), se, (n + 4) * kEps * (se + top)) << what << " standard error";
    if (sample) {
      // The interval's two ends are the mean moved by the same amount: their
      // distance over twice the standard error is Student's t, which the
      // table below checks; here the ends are placed around the exact mean.
      const double low = set.GetConfidenceLow().Number();
      const double high = set.GetConfidenceHigh().Number();
      const double mean = ToDouble(r.mean);
      // Without spread both ends are the mean (t then cannot be read back).
      const double t = se > 0 ? (high - low) / (2 * se) : 2.0;
      EXPECT_GT(t, 1.95) << what;
      EXPECT_LT(t, 12.8) << what;
      const double tolerance = 4 * (n + 4) * kEps * (top + t * se);
      EXPECT_NEAR(low, mean - t * se, tolerance) << what << " interval low";
      EXPECT_NEAR(high, mean + t * se, tolerance) << what << " interval high";
    } else {
      EXPECT_EQ(set.GetConfidenceLow(), StatResult(kDivZeroText)) << what;
      EXPECT_EQ(set.GetConfidenceHigh(), StatResult(kDivZeroText)) << what;
    }
  }

  if (r.n < 4 || r.variance == 0) {
    EXPECT_EQ(set.GetKurtosis(), StatResult(kDivZeroText)) << what;
  } else {
    const double s = std::sqrt(ToDouble(r.variance));
    const double condition = 1 + top / s;
    // Both terms of the final difference are at most |k| + shift.
    const double shift = sample ? 3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3)) : 3.0;
    const double terms = std::fabs(ToDouble(r.kurtosis)) + 2 * shift;
    ExpectNear(set.GetKurtosis().Number(), r.kurtosis, 16 * (n + 1) * kEps * condition * terms, what + " kurtosis");
  }
}

// Data of a few shapes: small whole numbers with ties, reals of any sign,
// numbers far from zero differing in their last places, and a few outliers.
std::vector<double> MakeData(std::mt19937_64& rng, std::size_t n, int style) {
  std::vector<double> x(n);
  std::uniform_int_distribution<int> small(-5, 5);
  std::uniform_real_distribution<double> real(-1000.0, 1000.0);
  std::uniform_int_distribution<int> step(0, 64);
  for (double& v : x) {
    switch (style) {
      case 0:
        v = small(rng);
        break;
      case 1:
        v = real(rng);
        break;
      case 2:
        v = 1e9 + step(rng) * 0.25;
        break;
      case 3:
        v = -1e9 - step(rng) * 0.125;
        break;
      default:
        v = step(rng) == 0 ? real(rng) * 1e6 : real(rng) * 1e-3;
        break;
    }
  }
  return x;
}

TEST(SpreadStatistics, RandomDataMatchExactArithmetic) {
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    std::mt19937_64 rng(seed);
    for (std::size_t n : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{5},
                          std::size_t{9}, std::size_t{30}}) {
      const int style = static_cast<int>(seed % 5);
      const std::vector<double> data = MakeData(rng, n, style);
      const std::string where = "seed " + std::to_string(seed) + " n " + std::to_string(n);
      ExpectMatchesExact(data, true, where);
      ExpectMatchesExact(data, false, where);
    }
  }
}

TEST(SpreadStatistics, EdgeDataMatchExactArithmetic) {
  const std::vector<std::vector<double>> rows = {
      {7},
      {-3, 4},
      {1, 2, 4},
      {1, 2, 3, 10},
      {0.1, 0.1, 0.1, 0.1, 0.1},                           // no spread, though the mean may not be 0.1
      {1e9, 1e9 + 1, 1e9 + 2, 1e9 + 3, 1e9 + 4, 1e9 + 7},  // far from zero
      {-2.5, -1, -1, -0.5, -8, -3},                        // negative
      {1e150, 2e150, 3e150, 5e150, 8e150},                 // fourth powers of the deviations overflow
      {0, 0, 0, 0, 0, 0, 0, 1},                            // heavy tail: large kurtosis
      {-0.0, 0.0, 1, 1},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ExpectMatchesExact(rows[i], true, "row " + std::to_string(i));
    ExpectMatchesExact(rows[i], false, "row " + std::to_string(i));
  }
}

// Worked by hand: 1, 2, 3, 5, 7, 8, 9 has mean 5, deviations -4 -3 -2 0 2 3 4,
// sum of squares 58 and of fourth powers 706. Sample: s^2 = 58/6, so the sum
// of z^4 is 706 * 36 / 3364 = 7.5553...; times 7 * 8 / (6 * 5 * 4) less
// 3 * 6^2 / (5 * 4) gives 3.5258... - 5.4 = -1.8742...; population: sigma^2
// = 58/7, 706 * 49 / 3364 / 7 - 3 = -1.5309...; Q1 at place 0.25 * 6 = 1.5
// is halfway from 2 to 3, Q3 at place 4.5 halfway from 7 to 8.
TEST(SpreadStatistics, HandWorkedExample) {
  const std::vector<double> data = {5, 1, 9, 3, 7, 2, 8};
  for (bool kept : {true, false}) {
    const stats::modStatistics::DataSet sample = Loaded(data, true, kept);
    EXPECT_EQ(sample.GetMinimum(), 1.0);
    EXPECT_EQ(sample.GetMaximum(), 9.0);
    EXPECT_EQ(sample.GetQuartile(1), 2.5);
    EXPECT_EQ(sample.GetQuartile(3), 7.5);
    EXPECT_EQ(sample.GetRange(), StatResult(8.0));
    EXPECT_EQ(sample.GetInterquartileRange(), StatResult(5.0));
    EXPECT_NEAR(sample.GetKurtosis().Number(), 706.0 * 36 / 3364 * 56 / 120 - 3.0 * 36 / 20, 1e-13);
    EXPECT_NEAR(sample.GetStandardError().Number(), std::sqrt(58.0 / 6 / 7), 1e-14);
    // t(0.975, 6) = 2.446912 from the table.
    EXPECT_NEAR(sample.GetConfidenceLow().Number(), 5 - 2.446912 * std::sqrt(58.0 / 42), 1e-5);
    EXPECT_NEAR(sample.GetConfidenceHigh().Number(), 5 + 2.446912 * std::sqrt(58.0 / 42), 1e-5);
    const stats::modStatistics::DataSet population = Loaded(data, false, kept);
    EXPECT_NEAR(population.GetKurtosis().Number(), 706.0 * 49 / 3364 / 7 - 3, 1e-13);
    EXPECT_NEAR(population.GetStandardError().Number(), std::sqrt(58.0 / 7 / 7), 1e-14);
  }
}

// t(0.975, df) as printed in statistics tables (to four decimals), read back
// from the interval of df + 1 numbers: (high - mean) / standard error.
TEST(SpreadStatistics, StudentsTMatchesTheTable) {
  const struct {
    int df;
    double t;
  } rows[] = {{1, 12.7062}, {2, 4.3027},  {3, 3.1824},   {5, 2.5706},
              {10, 2.2281}, {30, 2.0423}, {100, 1.9840}, {1000, 1.9623}};
  for (const auto& row : rows) {
    std::vector<double> data;
    for (int i = 0; i <= row.df; ++i) data.push_back(i % 3 == 0 ? 1.0 : 4.0);
    const stats::modStatistics::DataSet set = Loaded(data, true, true);
    const double t = (set.GetConfidenceHigh().Number() - set.GetMean()) / set.GetStandardError().Number();
    EXPECT_NEAR(t, row.t, 6e-5) << "df " << row.df;
    const double tLow = (set.GetMean() - set.GetConfidenceLow().Number()) / set.GetStandardError().Number();
    EXPECT_NEAR(tLow, row.t, 6e-5) << "df " << row.df;
  }
}

TEST(SpreadStatistics, UndefinedValuesShowDivZero) {
  const StatResult div0(kDivZeroText);
  using Getter = std::function<StatResult(const stats::modStatistics::DataSet&)>;
  const Getter range = [](const stats::modStatistics::DataSet& d) { return d.GetRange(); };
  const Getter iqr = [](const stats::modStatistics::DataSet& d) { return d.GetInterquartileRange(); };
  const Getter kurtosis = [](const stats::modStatistics::DataSet& d) { return d.GetKurtosis(); };
  const Getter standardError = [](const stats::modStatistics::DataSet& d) { return d.GetStandardError(); };
  const Getter low = [](const stats::modStatistics::DataSet& d) { return d.GetConfidenceLow(); };
  const Getter high = [](const stats::modStatistics::DataSet& d) { return d.GetConfidenceHigh(); };
  const struct {
    const char* what;
    std::vector<double> data;
    bool sample;
    Getter getter;
  } rows[] = {
      {"range that overflows", {-1e308, 1e308}, true, range},
      {"IQR that overflows", {-1e308, -1e308, 1e308, 1e308}, true, iqr},
      {"kurtosis of 3 numbers", {1, 2, 4}, true, kurtosis},
      {"kurtosis of 3 numbers, population", {1, 2, 4}, false, kurtosis},
      {"kurtosis without spread", {2, 2, 2, 2, 2}, true, kurtosis},
      {"kurtosis without spread, population", {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, false, kurtosis},
      {"kurtosis whose variance overflows", {-1e200, 1e200, 0, 3}, true, kurtosis},
      {"standard error of 1 number", {3}, true, standardError},
      {"standard error of 1 number, population", {3}, false, standardError},
      {"interval low of 1 number", {3}, true, low},
      {"interval high of 1 number", {3}, true, high},
      {"interval low, population", {1, 2, 3}, false, low},
      {"interval high, population", {1, 2, 3}, false, high},
      {"interval whose mean overflows", {1e308, 1e308, 1e308}, true, low},
  };
  for (const auto& row : rows) {
    for (bool kept : {true, false}) {
      EXPECT_EQ(row.getter(Loaded(row.data, row.sample, kept)), div0) << row.what << (kept ? "" : " (in rounds)");
    }
  }
}

TEST(SpreadStatistics, OrderStatisticsFailAsTheMedianDoes) {
  stats::modStatistics::DataSet empty;
  empty.SortNumbers();
  EXPECT_THROW(empty.GetMinimum(), std::out_of_range);
  EXPECT_THROW(empty.GetMaximum(), std::out_of_range);
  EXPECT_THROW(empty.GetQuartile(1), std::out_of_range);
  EXPECT_EQ(empty.GetRange(), StatResult(kDivZeroText));
  EXPECT_EQ(empty.GetKurtosis(), StatResult(kDivZeroText));

  const stats::modStatistics::DataSet set = Loaded({4, 1, 3, 2}, true, true);
  EXPECT_THROW(set.GetQuartile(2), std::invalid_argument);
  EXPECT_THROW(set.GetQuartile(0), std::invalid_argument);

  // Sorted in rounds, only the places of the sorted count are kept: a
  // different count has nothing to read, as for the median.
  stats::modStatistics::DataSet rounds = Loaded({4, 1, 3, 2, 9, 8}, true, false);
  rounds.SetNumberCount(5);
  EXPECT_THROW(rounds.GetMedian(), std::out_of_range);
  EXPECT_THROW(rounds.GetMaximum(), std::out_of_range);
  EXPECT_THROW(rounds.GetQuartile(3), std::out_of_range);
}

// Every value read from the sorted order, from a whole copy and from the
// places kept by the rounds, bit for bit; the sizes put the quartiles' places
// at every remainder and across the parts of the rounds.
TEST(SpreadStatistics, BothSortPathsGiveTheSameValues) {
  std::mt19937_64 rng(20261209);
  for (std::size_t n = 1; n <= 41; ++n) {
    for (int style = 0; style < 5; ++style) {
      const std::vector<double> data = MakeData(rng, n, style);
      for (bool sample : {true, false}) {
        const stats::modStatistics::DataSet whole = Loaded(data, sample, true);
        const stats::modStatistics::DataSet rounds = Loaded(data, sample, false);
        ASSERT_TRUE(rounds.SortedNumbers().empty());
        const std::string what = "n " + std::to_string(n) + " style " + std::to_string(style);
        EXPECT_EQ(rounds.GetMinimum(), whole.GetMinimum()) << what;
        EXPECT_EQ(rounds.GetMaximum(), whole.GetMaximum()) << what;
        EXPECT_EQ(rounds.GetQuartile(1), whole.GetQuartile(1)) << what;
        EXPECT_EQ(rounds.GetQuartile(3), whole.GetQuartile(3)) << what;
        EXPECT_EQ(rounds.GetRange(), whole.GetRange()) << what;
        EXPECT_EQ(rounds.GetInterquartileRange(), whole.GetInterquartileRange()) << what;
        EXPECT_EQ(rounds.GetKurtosis(), whole.GetKurtosis()) << what;
        EXPECT_EQ(rounds.GetStandardError(), whole.GetStandardError()) << what;
        EXPECT_EQ(rounds.GetConfidenceLow(), whole.GetConfidenceLow()) << what;
        EXPECT_EQ(rounds.GetConfidenceHigh(), whole.GetConfidenceHigh()) << what;
      }
    }
  }
}

}  // namespace
