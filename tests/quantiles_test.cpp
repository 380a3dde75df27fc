// The nine sample-quantile methods against exact rational arithmetic (the
// definitions of Hyndman and Fan worked out with cpp_rational) and against R.
#include "stats/Quantiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "stats/Distribution.h"

using namespace tallowmere::stats;

namespace {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

constexpr double kUnit = 0x1p-53;  // half the distance from 1 to the next double
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Integer Floor(const Rational& r) {
  Integer whole = numerator(r) / denominator(r);  // toward 0
  if (whole * denominator(r) > numerator(r)) --whole;
  return whole;
}

Rational Abs(const Rational& r) { return r < 0 ? Rational(-r) : r; }

// Place t = a + p(n + 1 - a - b) of the continuous types, np (less 1/2 for
// type 3) of the others, counted from 1: its whole part and the rest.
struct ExactPlace {
  Integer whole;
  Rational rest;
};

ExactPlace ExactPlaceOf(int type, std::size_t n, const Rational& p) {
  const Rational count(static_cast<unsigned long long>(n));
  Rational t;
  if (type <= 3) {
    t = count * p - (type == 3 ? Rational(1, 2) : Rational(0));
  } else {
    const Rational a[] = {0, Rational(1, 2), 0, 1, Rational(1, 3), Rational(3, 8)};
    const Rational b[] = {1, Rational(1, 2), 0, 1, Rational(1, 3), Rational(3, 8)};
    const auto k = static_cast<std::size_t>(type - 4);
    t = a[k] + p * (count + 1 - a[k] - b[k]);
  }
  const Integer whole = Floor(t);
  return {whole, t - Rational(whole)};
}

// Element k counted from 1, the ends standing in beyond them.
std::size_t IndexOf(const Integer& k, std::size_t n) {
  if (k <= 1) return 0;
  if (k >= static_cast<unsigned long long>(n)) return n - 1;
  return static_cast<std::size_t>(k.convert_to<unsigned long long>() - 1);
}

// The quantile by the definition, exactly.
Rational ExactQuantile(int type, std::span<const double> sorted, const Rational& p) {
  const std::size_t n = sorted.size();
  const ExactPlace place = ExactPlaceOf(type, n, p);
  const Rational at(sorted[IndexOf(place.whole, n)]);
  const Rational next(sorted[IndexOf(place.whole + 1, n)]);
  const bool jumps = place.rest > 0;
  switch (type) {
    case 1:
      return jumps ? next : at;
    case 2:
      return jumps ? next : (at + next) / 2;
    case 3:
      return !jumps && place.whole % 2 == 0 ? at : next;
    default:
      return at + place.rest * (next - at);
  }
}

// The most a quantile of a continuous type may be from the one worked out
// exactly at the place it chose: Interpolate's roundings, about 3 units of
// the larger end.
Rational InterpolationBound(double below, double above) {
  return Rational(3 * kUnit) * Rational(std::max(std::abs(below), std::abs(above)));
}

// The most the place of a continuous type may be from the exact one. For a
// p that is a decimal of 17 digits or fewer, the rounding of the fraction's
// division alone; for others p's own rounding too, under a unit of n + 1.
Rational PlaceBound(std::size_t n, bool decimal) {
  return Rational(3 * kUnit) * (decimal ? Rational(1) : Rational(static_cast<double>(n + 1)));
}

std::string Describe(std::span<const double> sorted) {
  std::string s;
  for (std::size_t i = 0; i < sorted.size() && i < 12; ++i) s += std::to_string(sorted[i]) + " ";
  if (sorted.size() > 12) s += "... (" + std::to_string(sorted.size()) + " numbers)";
  return s;
}

QuantileMethod Method(int type) { return static_cast<QuantileMethod>(type); }

// One method at one p, `exactP` the p meant (p is its nearest double), its
// place and value against the exact ones; on failure `name` tells which.
void CheckAgainstExact(const std::string& name, int type, std::span<const double> sorted, double p,
                       const Rational& exactP, bool decimal) {
  const std::size_t n = sorted.size();
  const std::optional<QuantilePlace> place = QuantilePlaceOf(Method(type), n, p);
  ASSERT_TRUE(place) << name;
  const std::string where = name + ", type " + std::to_string(type) + ", p " + std::to_string(p) + ", n " +
                            std::to_string(n) + ": " + Describe(sorted);
  const double value = Quantile(Method(type), sorted, p);
  const Rational exact = ExactQuantile(type, sorted, exactP);
  const ExactPlace want = ExactPlaceOf(type, n, exactP);
  if (type <= 3) {
    // An element, or for type 2 the two to average where it jumps.
    const bool pair = type == 2 && want.rest == 0;
    const std::size_t first = IndexOf(pair || want.rest == 0 ? want.whole : want.whole + 1, n);
    const std::size_t second = pair ? IndexOf(want.whole + 1, n) : first;
    const std::size_t chosen = type == 3 && want.rest == 0 && want.whole % 2 != 0 ? IndexOf(want.whole + 1, n) : first;
    EXPECT_EQ(place->below, type == 3 ? chosen : first) << where;
    EXPECT_EQ(place->above, type == 3 ? chosen : second) << where;
    EXPECT_EQ(place->fraction, pair && first != second ? 0.5 : 0.0) << where;
    EXPECT_EQ(Rational(value), exact) << where << ": got " << value << ", want " << exact;
    return;
  }
  const bool between = place->above == place->below + 1 && place->fraction >= 0 && place->fraction < 1;
  EXPECT_TRUE(between || (place->above == place->below && place->fraction == 0)) << where;
  EXPECT_LT(place->above, n) << where;
  Rational position = Rational(want.whole) - 1 + want.rest;
  position = std::clamp(position, Rational(0), Rational(static_cast<unsigned long long>(n - 1)));
  const Rational got = Rational(static_cast<unsigned long long>(place->below)) + Rational(place->fraction);
  // Type 7 is InclusivePlace, whose place is one double product.
  EXPECT_LE(Abs(got - position), PlaceBound(n, decimal && type != 7))
      << where << ": place " << got << ", want " << position;
  const double below = sorted[place->below];
  const double above = sorted[place->above];
  const Rational own = Rational(below) + Rational(place->fraction) * (Rational(above) - Rational(below));
  EXPECT_LE(Abs(Rational(value) - own), InterpolationBound(below, above))
      << where << ": got " << value << ", want " << own << " at its own place";
}

// p meant as the fraction num / den.
struct Fraction {
  int num;
  int den;
  // Whether a short decimal is the fraction exactly.
  bool Decimal() const {
    int d = den;
    while (d % 2 == 0) d /= 2;
    while (d % 5 == 0) d /= 5;
    return d == 1;
  }
};

const Fraction kDecimals[] = {{0, 1},  {1, 1},   {1, 2},    {1, 4},    {3, 4},      {1, 3},    {2, 3},
                              {1, 10}, {7, 10},  {1, 20},   {19, 20},  {1, 40},     {39, 40},  {7, 100},
                              {1, 5},  {3, 200}, {99, 100}, {1, 1000}, {999, 1000}, {13, 1000}};

std::vector<double> RandomIntegers(std::mt19937_64& random, std::size_t n, int spread) {
  std::uniform_int_distribution<int> draw(-spread, spread);
  std::vector<double> v(n);
  for (double& x : v) x = draw(random);
  std::sort(v.begin(), v.end());
  return v;
}

TEST(Quantiles, RandomIntegersAgainstExactArithmetic) {
  const struct {
    const char* name;
    std::size_t fewest, most;
    int spread;  // values from -spread to spread
  } rows[] = {
      {"few numbers, many ties", 1, 12, 3},
      {"tens of numbers, some ties", 10, 60, 100},
      {"hundreds of numbers, large values", 100, 700, 1'000'000'000},
      {"hundreds of numbers, ties only", 100, 400, 2},
  };
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> anyP(0.0, 1.0);
  for (const auto& row : rows) {
    std::uniform_int_distribution<std::size_t> size(row.fewest, row.most);
    for (int round = 0; round < 40; ++round) {
      const std::vector<double> sorted = RandomIntegers(random, size(random), row.spread);
      for (int type = 1; type <= 9; ++type) {
        for (const Fraction& f : kDecimals) {
          const double p = static_cast<double>(f.num) / f.den;
          CheckAgainstExact(row.name, type, sorted, p, Rational(f.num, f.den), f.Decimal());
        }
        // A p that is exactly its double.
        const double p = anyP(random);
        CheckAgainstExact(row.name, type, sorted, p, Rational(p), false);
      }
    }
  }
}

TEST(Quantiles, EdgesAgainstExactArithmetic) {
  const double below1 = std::nextafter(1.0, 0.0);
  const struct {
    const char* name;
    std::vector<double> sorted;
    double p;
    Rational meant;  // after clamping to [0, 1]
  } rows[] = {
      {"one number, p 0", {4}, 0, 0},
      {"one number, a half", {4}, 0.5, Rational(1, 2)},
      {"one number, p 1", {4}, 1, 1},
      {"two numbers, p 0", {-2, 5}, 0, 0},
      {"two numbers, a quarter", {-2, 5}, 0.25, Rational(1, 4)},
      {"two numbers, a half", {-2, 5}, 0.5, Rational(1, 2)},
      {"two numbers, p 1", {-2, 5}, 1, 1},
      {"three numbers, a third", {1, 2, 9}, 1.0 / 3, Rational(1, 3)},
      {"three numbers, two thirds", {1, 2, 9}, 2.0 / 3, Rational(2, 3)},
      {"three numbers, a half", {1, 2, 9}, 0.5, Rational(1, 2)},
      {"three numbers, a sixth", {1, 2, 9}, 1.0 / 6, Rational(1, 6)},
      {"all tied", {3, 3, 3, 3, 3}, 0.3, Rational(3, 10)},
      {"ties around the place", {1, 2, 2, 2, 2, 7}, 0.5, Rational(1, 2)},
      {"p below 0, clamped", {1, 2, 9}, -0.25, 0},
      {"p far below 0, clamped", {1, 2, 9}, -1e300, 0},
      {"p above 1, clamped", {1, 2, 9}, 1.5, 1},
      {"p infinite, clamped", {1, 2, 9}, std::numeric_limits<double>::infinity(), 1},
      {"p -0", {1, 2, 9}, -0.0, 0},
      {"p the smallest above 0",
       {1, 2, 9},
       std::numeric_limits<double>::denorm_min(),
       Rational(std::numeric_limits<double>::denorm_min())},
      {"p the largest below 1", {1, 2, 9}, below1, Rational(below1)},
      {"negative numbers", {-9, -5, -5, -1}, 0.4, Rational(2, 5)},
      // The double below 5/6 gives a product that rounds to 5, from below,
      // and the one above 1/3 a product that rounds to 1, from above: both
      // too far from the whole number for a double that rounds to it.
      {"just before a jump", {1, 2, 3, 4, 5, 6}, 0.8333333333333333, Rational(0.8333333333333333)},
      {"just after a jump", {1, 2, 9}, 0.33333333333333337, Rational(0.33333333333333337)},
  };
  for (const auto& row : rows) {
    for (int type = 1; type <= 9; ++type) CheckAgainstExact(row.name, type, row.sorted, row.p, row.meant, false);
  }
}

// Worked by hand, for the cases where reading p as its double would choose
// another element: 0.07 is just above 7/100, 0.065 just above 13/200.
TEST(Quantiles, PIsReadAsTheDecimalItWasWrittenAs) {
  std::vector<double> hundred(100);
  for (std::size_t i = 0; i < hundred.size(); ++i) hundred[i] = static_cast<double>(i + 1);
  const struct {
    const char* name;
    QuantileMethod method;
    double p;
    double want;
  } rows[] = {
      // 100 x 0.07 = 7: the 7th, not the 8th.
      {"nearest rank on a whole place", QuantileMethod::kNearestRank, 0.07, 7},
      {"nearest rank just past it", QuantileMethod::kNearestRank, 0.0701, 8},
      {"averaged where it jumps", QuantileMethod::kAveragedInverse, 0.07, 7.5},
      {"averaged just past it", QuantileMethod::kAveragedInverse, 0.0701, 8},
      // 100 x 0.065 = 6.5, halfway: the even one, the 6th; 0.075 the 8th.
      {"nearest even, halfway to the even below", QuantileMethod::kNearestEven, 0.065, 6},
      {"nearest even, halfway to the even above", QuantileMethod::kNearestEven, 0.075, 8},
      {"nearest even, just past halfway", QuantileMethod::kNearestEven, 0.0651, 7},
      {"nearest rank, p 0", QuantileMethod::kNearestRank, 0, 1},
      {"nearest even, p 0", QuantileMethod::kNearestEven, 0, 1},
      {"nearest even, p 1", QuantileMethod::kNearestEven, 1, 100},
  };
  for (const auto& row : rows) EXPECT_EQ(Quantile(row.method, hundred, row.p), row.want) << row.name;
}

TEST(Quantiles, NoPlaceWithoutNumbersOrForNaN) {
  const std::vector<double> three{1, 2, 3};
  const struct {
    const char* name;
    std::span<const double> sorted;
    double p;
  } rows[] = {
      {"no numbers", {}, 0.5},
      {"p NaN", three, kNaN},
      {"no numbers, p NaN", {}, kNaN},
  };
  for (const auto& row : rows) {
    for (const QuantileMethodInfo& info : QuantileMethods()) {
      EXPECT_FALSE(QuantilePlaceOf(info.method, row.sorted.size(), row.p)) << row.name << ", " << info.key;
      EXPECT_TRUE(std::isnan(Quantile(info.method, row.sorted, row.p))) << row.name << ", " << info.key;
    }
  }
}

const std::vector<double> kOne{5};
const std::vector<double> kTwo{-3, 7};
const std::vector<double> kThree{-1.5, 2, 2.25};
const std::vector<double> kTies{1, 2, 2, 2, 3, 3, 5, 8, 8, 8};
const std::vector<double> kNegatives{-10.5, -7, -3.25, -3.25, 0, 1, 4.5};
const std::vector<double> kTwenty{-2.13, -1.71, -1.2, -0.96, -0.5, -0.31, -0.07, 0.02, 0.18, 0.33,
                                  0.41,  0.6,   0.74, 0.88,  1.05, 1.3,   1.62,  1.9,  2.47, 3.1};
const std::vector<double> kForty{12.1, 13.4, 13.9, 14.2, 14.2, 15,   15.3, 15.8, 16.1, 16.4, 16.4, 16.9, 17.2, 17.5,
                                 17.7, 18,   18.3, 18.3, 18.6, 19.1, 19.4, 19.8, 20.2, 20.5, 20.9, 21.3, 21.3, 21.8,
                                 22.4, 22.9, 23.5, 24.1, 24.8, 25.6, 26.3, 27.5, 28.9, 30.2, 33.7, 41.6};

// The p of the R table, and the fractions they stand for.
constexpr double kProbs[] = {0, 0.025, 0.05, 0.25, 0.5, 0.75, 0.95, 0.975, 1};
const Fraction kProbFractions[] = {{0, 1}, {1, 40}, {1, 20}, {1, 4}, {1, 2}, {3, 4}, {19, 20}, {39, 40}, {1, 1}};

// Whether `value` is the double nearest `exact` (or as near as that one).
bool Nearest(double value, const Rational& exact) {
  const Rational off = Abs(Rational(value) - exact);
  const double next = std::nextafter(value, std::numeric_limits<double>::infinity());
  const double previous = std::nextafter(value, -std::numeric_limits<double>::infinity());
  return off <= Abs(Rational(next) - exact) && off <= Abs(Rational(previous) - exact);
}

double UlpsApart(double a, double b) {
  const auto key = [](double x) {
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
  };
  return std::abs(static_cast<double>(key(a) - key(b)));
}

TEST(Quantiles, AgainstR) {
  const struct {
    const char* name;
    const std::vector<double>& sorted;
    int type;
    double want[9];  // at kProbs
  } rows[] = {
      // From R 4.2.2: quantile(x, c(0, 0.025, 0.05, 0.25, 0.5, 0.75, 0.95,
      // 0.975, 1), type = t, names = FALSE), printed with sprintf("%.17g").
      {"one type 1", kOne, 1, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 2", kOne, 2, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 3", kOne, 3, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 4", kOne, 4, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 5", kOne, 5, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 6", kOne, 6, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 7", kOne, 7, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 8", kOne, 8, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"one type 9", kOne, 9, {5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"two type 1", kTwo, 1, {-3, -3, -3, -3, -3, 7, 7, 7, 7}},
      {"two type 2", kTwo, 2, {-3, -3, -3, -3, 2, 7, 7, 7, 7}},
      {"two type 3", kTwo, 3, {-3, -3, -3, -3, -3, 7, 7, 7, 7}},
      {"two type 4", kTwo, 4, {-3, -3, -3, -3, -3, 2, 5.9999999999999982, 6.4999999999999991, 7}},
      {"two type 5", kTwo, 5, {-3, -3, -3, -3, 2, 7, 7, 7, 7}},
      {"two type 6", kTwo, 6, {-3, -3, -3, -3, 2, 7, 7, 7, 7}},
      {"two type 7",
       kTwo,
       7,
       {-3, -2.7500000000000009, -2.4999999999999991, -0.5, 2, 4.5, 6.4999999999999991, 6.7500000000000018, 7}},
      {"two type 8", kTwo, 8, {-3, -3, -3, -3, 1.9999999999999976, 7, 7, 7, 7}},
      {"two type 9", kTwo, 9, {-3, -3, -3, -3, 2, 7, 7, 7, 7}},
      {"three type 1", kThree, 1, {-1.5, -1.5, -1.5, -1.5, 2, 2.25, 2.25, 2.25, 2.25}},
      {"three type 2", kThree, 2, {-1.5, -1.5, -1.5, -1.5, 2, 2.25, 2.25, 2.25, 2.25}},
      {"three type 3", kThree, 3, {-1.5, -1.5, -1.5, -1.5, 2, 2, 2.25, 2.25, 2.25}},
      {"three type 4", kThree, 4, {-1.5, -1.5, -1.5, -1.5, 0.25, 2.0625, 2.2124999999999999, 2.2312500000000002, 2.25}},
      {"three type 5", kThree, 5, {-1.5, -1.5, -1.5, -0.625, 2, 2.1875, 2.25, 2.25, 2.25}},
      {"three type 6", kThree, 6, {-1.5, -1.5, -1.5, -1.5, 2, 2.25, 2.25, 2.25, 2.25}},
      {"three type 7",
       kThree,
       7,
       {-1.5, -1.3249999999999997, -1.1499999999999997, 0.25, 2, 2.125, 2.2250000000000001, 2.2374999999999998, 2.25}},
      {"three type 8", kThree, 8, {-1.5, -1.5, -1.5, -0.91666666666666718, 2, 2.2083333333333335, 2.25, 2.25, 2.25}},
      {"three type 9", kThree, 9, {-1.5, -1.5, -1.5, -0.84375, 2, 2.203125, 2.25, 2.25, 2.25}},
      {"ties type 1", kTies, 1, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 2", kTies, 2, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 3", kTies, 3, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 4", kTies, 4, {1, 1, 1, 2, 3, 6.5, 8, 8, 8}},
      {"ties type 5", kTies, 5, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 6", kTies, 6, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 7", kTies, 7, {1, 1.2250000000000001, 1.45, 2, 3, 7.25, 8, 8, 8}},
      {"ties type 8", kTies, 8, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"ties type 9", kTies, 9, {1, 1, 1, 2, 3, 8, 8, 8, 8}},
      {"negatives type 1", kNegatives, 1, {-10.5, -10.5, -10.5, -7, -3.25, 1, 4.5, 4.5, 4.5}},
      {"negatives type 2", kNegatives, 2, {-10.5, -10.5, -10.5, -7, -3.25, 1, 4.5, 4.5, 4.5}},
      {"negatives type 3", kNegatives, 3, {-10.5, -10.5, -10.5, -7, -3.25, 0, 4.5, 4.5, 4.5}},
      {"negatives type 4",
       kNegatives,
       4,
       {-10.5, -10.5, -10.5, -7.875, -3.25, 0.25, 3.2749999999999981, 3.8875000000000006, 4.5}},
      {"negatives type 5", kNegatives, 5, {-10.5, -10.5, -10.5, -6.0625, -3.25, 0.75, 4.5, 4.5, 4.5}},
      {"negatives type 6", kNegatives, 6, {-10.5, -10.5, -10.5, -7, -3.25, 1, 4.5, 4.5, 4.5}},
      {"negatives type 7",
       kNegatives,
       7,
       {-10.5, -9.9749999999999996, -9.4499999999999993, -5.125, -3.25, 0.5, 3.4499999999999975, 3.9749999999999988,
        4.5}},
      {"negatives type 8",
       kNegatives,
       8,
       {-10.5, -10.5, -10.5, -6.3749999999999991, -3.25, 0.83333333333333304, 4.5, 4.5, 4.5}},
      {"negatives type 9", kNegatives, 9, {-10.5, -10.5, -10.5, -6.296875, -3.25, 0.8125, 4.5, 4.5, 4.5}},
      {"twenty type 1",
       kTwenty,
       1,
       {-2.1299999999999999, -2.1299999999999999, -2.1299999999999999, -0.5, 0.33000000000000002, 1.05,
        2.4700000000000002, 3.1000000000000001, 3.1000000000000001}},
      {"twenty type 2",
       kTwenty,
       2,
       {-2.1299999999999999, -2.1299999999999999, -1.9199999999999999, -0.40500000000000003, 0.37, 1.175,
        2.7850000000000001, 3.1000000000000001, 3.1000000000000001}},
      {"twenty type 3",
       kTwenty,
       3,
       {-2.1299999999999999, -2.1299999999999999, -2.1299999999999999, -0.5, 0.33000000000000002, 1.05,
        2.4700000000000002, 3.1000000000000001, 3.1000000000000001}},
      {"twenty type 4",
       kTwenty,
       4,
       {-2.1299999999999999, -2.1299999999999999, -2.1299999999999999, -0.5, 0.33000000000000002, 1.05,
        2.4700000000000002, 2.7850000000000001, 3.1000000000000001}},
      {"twenty type 5",
       kTwenty,
       5,
       {-2.1299999999999999, -2.1299999999999999, -1.9199999999999999, -0.40500000000000003, 0.37, 1.175,
        2.7850000000000001, 3.1000000000000001, 3.1000000000000001}},
      {"twenty type 6",
       kTwenty,
       6,
       {-2.1299999999999999, -2.1299999999999999, -2.109, -0.45250000000000001, 0.37, 1.2375, 3.0684999999999998,
        3.1000000000000001, 3.1000000000000001}},
      {"twenty type 7",
       kTwenty,
       7,
       {-2.1299999999999999, -1.9304999999999999, -1.7309999999999999, -0.35749999999999998, 0.37, 1.1125,
        2.5015000000000005, 2.8007499999999994, 3.1000000000000001}},
      {"twenty type 8",
       kTwenty,
       8,
       {-2.1299999999999999, -2.1299999999999999, -1.9830000000000001, -0.42083333333333328, 0.37000000000000011,
        1.195833333333334, 2.8794999999999993, 3.1000000000000001, 3.1000000000000001}},
      {"twenty type 9",
       kTwenty,
       9,
       {-2.1299999999999999, -2.1299999999999999, -1.9672499999999999, -0.416875, 0.37, 1.190625, 2.8558750000000006,
        3.1000000000000001, 3.1000000000000001}},
      {"forty type 1",
       kForty,
       1,
       {12.1, 12.1, 13.4, 16.399999999999999, 19.100000000000001, 22.899999999999999, 30.199999999999999,
        33.700000000000003, 41.600000000000001}},
      {"forty type 2",
       kForty,
       2,
       {12.1, 12.75, 13.65, 16.399999999999999, 19.25, 23.199999999999999, 31.950000000000003, 37.650000000000006,
        41.600000000000001}},
      {"forty type 3",
       kForty,
       3,
       {12.1, 12.1, 13.4, 16.399999999999999, 19.100000000000001, 22.899999999999999, 30.199999999999999,
        33.700000000000003, 41.600000000000001}},
      {"forty type 4",
       kForty,
       4,
       {12.1, 12.1, 13.4, 16.399999999999999, 19.100000000000001, 22.899999999999999, 30.199999999999999,
        33.700000000000003, 41.600000000000001}},
      {"forty type 5",
       kForty,
       5,
       {12.1, 12.75, 13.65, 16.399999999999999, 19.25, 23.199999999999999, 31.950000000000003, 37.650000000000006,
        41.600000000000001}},
      {"forty type 6",
       kForty,
       6,
       {12.1, 12.1325, 13.425000000000001, 16.399999999999999, 19.25, 23.350000000000001, 33.524999999999984,
        41.402500000000011, 41.600000000000001}},
      {"forty type 7",
       kForty,
       7,
       {12.1, 13.3675, 13.875000000000002, 16.399999999999999, 19.25, 23.049999999999997, 30.374999999999989,
        33.897499999999994, 41.600000000000001}},
      {"forty type 8",
       kForty,
       8,
       {12.1, 12.544166666666666, 13.574999999999999, 16.399999999999999, 19.25, 23.249999999999996, 32.474999999999994,
        38.900833333333324, 41.600000000000001}},
      {"forty type 9",
       kForty,
       9,
       {12.1, 12.595625, 13.59375, 16.399999999999999, 19.25, 23.237499999999997, 32.343749999999993,
        38.588124999999991, 41.600000000000001}},
  };
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < std::size(kProbs); ++i) {
      const double got = Quantile(Method(row.type), row.sorted, kProbs[i]);
      const Rational exact =
          ExactQuantile(row.type, row.sorted, Rational(kProbFractions[i].num, kProbFractions[i].den));
      const std::string where = std::string(row.name) + ", p " + std::to_string(kProbs[i]);
      if (Nearest(row.want[i], exact)) {
        // Where R is exact, within a unit in the last place of it.
        EXPECT_LE(UlpsApart(got, row.want[i]), 1) << where << ": got " << got << ", R " << row.want[i];
      } else {
        // Elsewhere no further from the exact quantile than R is.
        EXPECT_LE(Abs(Rational(got) - exact), Abs(Rational(row.want[i]) - exact))
            << where << ": got " << got << ", R " << row.want[i];
      }
    }
  }
}

// Type 7 is today's inclusive quantile, to the last bit.
TEST(Quantiles, InclusiveIsInclusiveQuantile) {
  const struct {
    const char* name;
    std::size_t most;
    double scale;
    bool rounded;  // to whole numbers: ties
  } rows[] = {
      {"small data sets", 5, 1.0, false},
      {"hundreds, with ties", 800, 10.0, true},
      {"thousands of large numbers", 5000, 1e300, false},
      {"thousands of tiny numbers", 5000, 1e-300, false},
  };
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> anyP(-0.25, 1.25);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (const auto& row : rows) {
    std::uniform_int_distribution<std::size_t> size(1, row.most);
    for (int round = 0; round < 50; ++round) {
      std::vector<double> sorted(size(random));
      for (double& x : sorted) x = row.rounded ? std::round(normal(random) * row.scale) : normal(random) * row.scale;
      std::sort(sorted.begin(), sorted.end());
      for (int k = 0; k < 40; ++k) {
        const double p = k < 9 ? kProbs[k] : anyP(random);
        const QuantilePlace want = InclusivePlace(sorted.size(), p);
        const std::optional<QuantilePlace> got = QuantilePlaceOf(QuantileMethod::kInclusive, sorted.size(), p);
        ASSERT_TRUE(got) << row.name;
        EXPECT_EQ(got->below, want.below) << row.name << ", p " << p;
        EXPECT_EQ(got->above, want.above) << row.name << ", p " << p;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(got->fraction), std::bit_cast<std::uint64_t>(want.fraction))
            << row.name << ", p " << p;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(Quantile(QuantileMethod::kInclusive, sorted, p)),
                  std::bit_cast<std::uint64_t>(InclusiveQuantile(sorted, p)))
            << row.name << ", p " << p;
      }
    }
  }
}

// Settings and command lines keep these: they must never change.
TEST(Quantiles, KeysAndNumbers) {
  const struct {
    const char* name;
    const char* text;
    std::optional<QuantileMethod> want;
  } rows[] = {
      {"type 1 by key", "nearest-rank", QuantileMethod::kNearestRank},
      {"type 2 by key", "averaged-inverse", QuantileMethod::kAveragedInverse},
      {"type 3 by key", "nearest-even", QuantileMethod::kNearestEven},
      {"type 4 by key", "linear-cdf", QuantileMethod::kLinearCdf},
      {"type 5 by key", "hazen", QuantileMethod::kHazen},
      {"type 6 by key", "exclusive", QuantileMethod::kExclusive},
      {"type 7 by key", "inclusive", QuantileMethod::kInclusive},
      {"type 8 by key", "median-unbiased", QuantileMethod::kMedianUnbiased},
      {"type 9 by key", "normal-unbiased", QuantileMethod::kNormalUnbiased},
      {"by number", "1", QuantileMethod::kNearestRank},
      {"by the last number", "9", QuantileMethod::kNormalUnbiased},
      {"capitals", "Median-Unbiased", QuantileMethod::kMedianUnbiased},
      {"number 0", "0", std::nullopt},
      {"number 10", "10", std::nullopt},
      {"a leading zero", "07", std::nullopt},
      {"a sign", "+7", std::nullopt},
      {"empty", "", std::nullopt},
      {"a space after", "inclusive ", std::nullopt},
      {"part of a key", "incl", std::nullopt},
      {"a key with more", "inclusive-7", std::nullopt},
      {"underscores", "median_unbiased", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseQuantileMethod(row.text), row.want) << row.name;
  EXPECT_EQ(kDefaultQuantileMethod, QuantileMethod::kInclusive);
  ASSERT_EQ(QuantileMethods().size(), 9u);
  for (std::size_t i = 0; i < QuantileMethods().size(); ++i) {
    const QuantileMethodInfo& info = QuantileMethods()[i];
    EXPECT_EQ(TypeOf(info.method), static_cast<int>(i + 1)) << info.key;
    EXPECT_EQ(&InfoOf(info.method), &info) << info.key;
    EXPECT_EQ(ParseQuantileMethod(info.key), info.method) << info.key;
    EXPECT_NE(std::string(info.displayName).find("R type " + std::to_string(i + 1)), std::string::npos)
        << info.displayName;
  }
  EXPECT_EQ(InfoOf(static_cast<QuantileMethod>(0)).method, kDefaultQuantileMethod);
  EXPECT_EQ(InfoOf(static_cast<QuantileMethod>(10)).method, kDefaultQuantileMethod);
}

}  // namespace
