// The exact sums against integer arithmetic without limits: every double, and
// every square of one, is a whole multiple of 2^-2300, so a sum is exactly a
// big integer times that. A sum passes when no double lies nearer to the
// exact value than the one given (and a tie went to the even one). The quick
// way and the plain way must also give the same bits. The generators use
// fixed seeds: a failure names its data set and reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <boost/multiprecision/cpp_int.hpp>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "stats/ExactSum.h"
#include "tests/support/RandomDoubles.h"

using namespace tallowmere;
using namespace tallowmere::stats;
using boost::multiprecision::cpp_int;

namespace {

constexpr int kScale = 2300;

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// v = m * 2^e with a whole m of at most 53 bits.
void Split(double v, cpp_int& m, int& e) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(v), &exponent);
  m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  e = exponent - 53;
  if (std::signbit(v)) m = -m;
}

// v * 2^kScale, and v * v * 2^kScale, exactly.
cpp_int Scaled(double v) {
  cpp_int m;
  int e = 0;
  Split(v, m, e);
  return m << (e + kScale);
}

cpp_int ScaledSquare(double v) {
  cpp_int m;
  int e = 0;
  Split(v, m, e);
  return (m * m) << (2 * e + kScale);
}

// Whether r is the double nearest to exact / 2^kScale, ties to even, or the
// infinity of its sign beyond half a step past the largest double.
::testing::AssertionResult RoundedCorrectly(const cpp_int& exact, double r) {
  const cpp_int overflowFrom = (cpp_int(1) << (1024 + kScale)) - (cpp_int(1) << (970 + kScale));
  const cpp_int size = abs(exact);
  if (std::isinf(r)) {
    if (size >= overflowFrom && (r < 0) == (exact < 0)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "infinite for a sum in range";
  }
  if (size >= overflowFrom) return ::testing::AssertionFailure() << "finite for a sum beyond the range";
  const cpp_int miss = abs(exact - Scaled(r));
  for (const double neighbour : {std::nextafter(r, INFINITY), std::nextafter(r, -INFINITY)}) {
    if (std::isinf(neighbour)) continue;
    const cpp_int theirs = abs(exact - Scaled(neighbour));
    if (theirs < miss) return ::testing::AssertionFailure() << neighbour << " is nearer than " << r;
    if (theirs == miss && (Bits(r) & 1) != 0) return ::testing::AssertionFailure() << "a tie went to the odd " << r;
  }
  return ::testing::AssertionSuccess();
}

struct DataSet {
  std::string name;
  std::vector<double> values;
};

// A double of random significand and sign with its exponent field in
// [low, high].
double WithField(std::mt19937_64& rng, std::uint64_t low, std::uint64_t high) {
  const std::uint64_t field = low + rng() % (high - low + 1);
  return std::bit_cast<double>((rng() & 0x800FFFFFFFFFFFFFu) | (field << 52));
}

std::vector<DataSet> DataSets() {
  std::mt19937_64 rng(20261210);
  std::vector<DataSet> sets;
  auto add = [&](std::string name, std::size_t n, const std::function<double()>& draw) {
    std::vector<double> v(n);
    for (double& x : v) x = draw();
    sets.push_back({std::move(name) + " (" + std::to_string(n) + ")", std::move(v)});
  };
  for (const std::size_t n :
       {std::size_t{1}, std::size_t{3}, std::size_t{1023}, std::size_t{1025}, std::size_t{4099}}) {
    add("any finite", n, [&] { return randomdoubles::AnyFinite(rng); });
    add("fields 0 to 2046", n, [&] { return WithField(rng, 0, 2046); });
    add("1e-37 to 1e38", n, [&] { return WithField(rng, 900, 1150); });
    add("subnormals and the smallest normals", n, [&] { return WithField(rng, 0, 2); });
    add("decimals of three places", n, [&] { return static_cast<double>(rng() % 20'000'000) / 1000.0 - 10000.0; });
    add("tiny among large", n, [&] { return rng() % 8 ? WithField(rng, 1060, 1075) : WithField(rng, 700, 1000); });
    add("around 1e154, where squares go the plain way", n, [&] { return WithField(rng, 1530, 1535); });
  }
  {
    // Values and their negatives, with a few tiny ones: the total is the
    // tiny ones alone.
    std::vector<double> v;
    for (int i = 0; i < 2000; ++i) {
      const double x = WithField(rng, 1000, 1100);
      v.push_back(x);
      v.push_back(-x);
    }
    for (int i = 0; i < 5; ++i) v.push_back(WithField(rng, 100, 900));
    std::shuffle(v.begin(), v.end(), rng);
    sets.push_back({"cancellation", std::move(v)});
  }
  // Exactly half a step above a double, made of two quarters, and the same
  // pushed off the tie by the smallest double: both parities.
  for (const double base : {1.0, std::nextafter(1.0, 2.0), 3e10, -std::nextafter(7e-300, 0.0)}) {
    const double quarter = (std::nextafter(base, INFINITY) - base) / 4;
    sets.push_back({"tie above " + std::to_string(base), {base, quarter, quarter}});
    sets.push_back({"off the tie above " + std::to_string(base), {quarter, base, 5e-324, quarter}});
  }
  sets.push_back({"ten thousand tenths", std::vector<double>(10000, 0.1)});
  sets.push_back({"the largest doubles", {DBL_MAX, DBL_MAX, -DBL_MAX, DBL_MAX / 4}});
  sets.push_back({"both zeros", {0.0, -0.0, -0.0}});
  sets.push_back({"awkward", randomdoubles::Awkward()});
  sets.push_back({"none", {}});
  return sets;
}

TEST(ExactSum, SumsAreTheExactSumsRoundedOnce) {
  for (const DataSet& set : DataSets()) {
    SCOPED_TRACE(set.name);
    const std::vector<double>& v = set.values;
    cpp_int sum = 0, squares = 0;
    for (const double x : v) {
      sum += Scaled(x);
      squares += ScaledSquare(x);
    }
    ExactSum quick, plain;
    quick.Add(v.data(), v.size());
    plain.AddPlain(v.data(), v.size());
    EXPECT_TRUE(RoundedCorrectly(sum, quick.Rounded())) << quick.Rounded();
    EXPECT_EQ(Bits(quick.Rounded()), Bits(plain.Rounded()));
    ExactSquareSum quickSquares, plainSquares;
    quickSquares.Add(v.data(), v.size());
    plainSquares.AddPlain(v.data(), v.size());
    EXPECT_TRUE(RoundedCorrectly(squares, quickSquares.Rounded())) << quickSquares.Rounded();
    EXPECT_EQ(Bits(quickSquares.Rounded()), Bits(plainSquares.Rounded()));
    ExactSum bothSum;
    ExactSquareSum bothSquares;
    AddWithSquares(v.data(), v.size(), bothSum, bothSquares);
    EXPECT_EQ(Bits(bothSum.Rounded()), Bits(quick.Rounded()));
    EXPECT_EQ(Bits(bothSquares.Rounded()), Bits(quickSquares.Rounded()));
    EXPECT_EQ(bothSum.LargestExponent(), quick.LargestExponent());

    std::uint32_t largest = 0;
    for (const double x : v) largest = std::max(largest, ExponentField(x));
    EXPECT_EQ(quick.LargestExponent(), largest);
    EXPECT_EQ(plain.LargestExponent(), largest);
    EXPECT_EQ(quickSquares.LargestExponent(), largest);

    // Split anywhere and merged: the same total.
    const std::size_t cut = v.size() / 3;
    ExactSum first, second;
    first.Add(v.data(), cut);
    second.AddPlain(v.data() + cut, v.size() - cut);
    first.Merge(second);
    EXPECT_EQ(Bits(first.Rounded()), Bits(quick.Rounded()));
    ExactSquareSum firstSquares, secondSquares;
    firstSquares.AddPlain(v.data(), cut);
    secondSquares.Add(v.data() + cut, v.size() - cut);
    firstSquares.Merge(secondSquares);
    EXPECT_EQ(Bits(firstSquares.Rounded()), Bits(quickSquares.Rounded()));
  }
}

TEST(ExactSum, KnownTotals) {
  struct Row {
    const char* name;
    std::vector<double> values;
    double sum, squares;
  } rows[] = {
      {"RoundedOnce", {0.1, 0.2}, 0.30000000000000004, 0.05},
      {"CancelsMidway", {1e16, 1, -1e16, 1}, 2, 2e32},
      {"CancelsAtTheEnd", {1e16, 1, 1, -1e16}, 2, 2e32},
      {"TieGoesToEven", {1.0, 0x1p-53}, 1.0, 1.0},
      {"JustPastATie", {1.0, 0x1p-53, 0x1p-1074}, 1.0 + 0x1p-52, 1.0},
      {"OnlyTheSquareOverflows", {1e200}, 1e200, INFINITY},
      {"Overflows", {DBL_MAX, DBL_MAX}, INFINITY, INFINITY},
      {"OverflowsBelow", {-DBL_MAX, -DBL_MAX}, -INFINITY, INFINITY},
      {"Subnormals", {5e-324, 5e-324}, 1e-323, 0.0},
      {"SquaresSubnormal", {1e-160, 1e-160}, 2e-160, 2e-320},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ExactSum sum;
    sum.Add(r.values.data(), r.values.size());
    ExactSquareSum squares;
    squares.Add(r.values.data(), r.values.size());
    EXPECT_EQ(sum.Rounded(), r.sum);
    EXPECT_EQ(squares.Rounded(), r.squares);
  }
}

// Where the test says no in-order partial sum can leave the range, n copies
// of the largest value it allows never do, added in order.
TEST(ExactSum, InOrderOverflowTestNeverMissesOne) {
  for (std::uint32_t field = 1000; field <= 2046; ++field) {
    const double largest = std::bit_cast<double>((std::uint64_t{field} << 52) | 0xFFFFFFFFFFFFFu);
    for (const std::size_t n : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1000}, std::size_t{4097}}) {
      double sum = 0.0, squares = 0.0;
      for (std::size_t i = 0; i < n; ++i) {
        sum += largest;
        squares += largest * largest;
      }
      EXPECT_TRUE(InOrderSumMayOverflow(n, field) || std::isfinite(sum)) << field << " " << n;
      EXPECT_TRUE(InOrderSquareSumMayOverflow(n, field) || std::isfinite(squares)) << field << " " << n;
    }
  }
  EXPECT_TRUE(InOrderSumMayOverflow(2, 2046));
  EXPECT_TRUE(InOrderSquareSumMayOverflow(1, 1535));
  EXPECT_FALSE(InOrderSumMayOverflow(10'000'000, 1050));
  EXPECT_FALSE(InOrderSquareSumMayOverflow(10'000'000, 1050));
}

}  // namespace
