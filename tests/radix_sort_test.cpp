// The radix sorts against their plain twin, a comparison sort by the same
// keys, bit for bit: the whole sort, the sort a part at a time, and the keys'
// sort in place, at sizes on both sides of where the work is shared with a
// second thread and where groups are sorted again by finer digits.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/TwoThreads.h"
#include "stats/RadixSort.h"
#include "tests/support/RandomDoubles.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using randomdoubles::AnyFinite;

// Comfortably above every size from which work is shared.
constexpr std::size_t kLarge = 300'000;

// The plain twin.
std::vector<double> BySortKeys(std::vector<double> v) {
  std::sort(v.begin(), v.end(), [](double a, double b) { return stats::OrderKey(a) < stats::OrderKey(b); });
  return v;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])) return false;
  return true;
}

// A value in [1, 2) in one of sixteen groups of the top sixteen bits, with
// random bits in the lowest `low` bits of the mantissa only.
double LowBitsApart(std::mt19937_64& r, int low) {
  const std::uint64_t x = r();
  return 1.0 + static_cast<double>(x % 16) / 16.0 + static_cast<double>((x >> 8) % (std::uint64_t{1} << low)) * 0x1p-52;
}

// The order SortInRounds hands on, its parts joined; empty (with a failure
// noted) when a part is empty or larger than the limit.
std::vector<double> JoinedRounds(const std::vector<double>& src, std::size_t limit, core::TwoThreads* threads) {
  std::vector<double> joined;
  bool partsFit = true;
  stats::SortInRounds(
      src.data(), src.size(), limit,
      [&](std::span<const double> part) {
        partsFit = partsFit && !part.empty() && part.size() <= limit;
        joined.insert(joined.end(), part.begin(), part.end());
      },
      threads);
  EXPECT_TRUE(partsFit) << "limit " << limit;
  return joined;
}

TEST(RadixSort, DoublesMatchAComparisonSort) {
  struct Row {
    const char* name;
    std::size_t n;
    double (*make)(std::mt19937_64&, std::size_t);
  } rows[] = {
      {"empty", 0, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      {"one", 1, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      {"a few values", 300, [](std::mt19937_64& r, std::size_t) { return static_cast<double>(r() % 7) - 3.0; }},
      {"any bits, below the two-thread size", 100000, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      {"any bits", kLarge, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      // One value to each digit by which a few values are counted: parts
      // filled to the last place.
      {"one value to a digit", 16,
       [](std::mt19937_64&, std::size_t i) {
         return std::ldexp(1.0, static_cast<int>(128 * (i * 7 % 16) + 64) - 1023);
       }},
      {"all equal, small", 5000, [](std::mt19937_64&, std::size_t) { return 42.5; }},
      {"all equal", kLarge, [](std::mt19937_64&, std::size_t) { return -3.25; }},
      {"zeros of both signs, small", 5000, [](std::mt19937_64& r, std::size_t) { return r() % 2 ? 0.0 : -0.0; }},
      {"zeros of both signs", kLarge, [](std::mt19937_64& r, std::size_t) { return r() % 2 ? 0.0 : -0.0; }},
      // Keys that differ in the lowest digit only: a single pass.
      {"one digit, small", 5000,
       [](std::mt19937_64& r, std::size_t) { return 1.0 + static_cast<double>(r() % 2048) / 4503599627370496.0; }},
      {"one digit", kLarge,
       [](std::mt19937_64& r, std::size_t) { return 1.0 + static_cast<double>(r() % 2048) / 4503599627370496.0; }},
      {"whole numbers", 100000,
       [](std::mt19937_64& r, std::size_t) { return static_cast<double>(static_cast<int>(r() % 2001) - 1000); }},
      // Integers with repeats and decimals with three places, signs mixed:
      // the shape of a typical list file.
      {"typical", kLarge + 1,
       [](std::mt19937_64& r, std::size_t i) {
         const std::uint64_t x = r();
         return i % 3 == 0 ? static_cast<double>(static_cast<int>(x % 2000) - 1000)
                           : static_cast<double>(x % 20'000'000) / 1000.0 - 10000.0;
       }},
      {"descending, small", 50000, [](std::mt19937_64&, std::size_t i) { return 1e6 - static_cast<double>(i) * 0.37; }},
      {"descending", kLarge, [](std::mt19937_64&, std::size_t i) { return 1e6 - static_cast<double>(i) * 0.37; }},
      // Fewer values are counted in parts by narrower top digits: here
      // 1,112 values in [1, 1.125) share one such digit but not their top
      // 16 bits.
      {"a digit wider than the top 16 bits", 20000,
       [](std::mt19937_64& r, std::size_t i) {
         return i % 18 == 0 ? 1.0 + static_cast<double>(r() % (1 << 20)) / 8388608.0 : AnyFinite(r);
       }},
      {"mixed magnitudes", 50000,
       [](std::mt19937_64& r, std::size_t) {
         const double m = static_cast<double>(r() % 1000000) / 1000.0;
         return (r() % 2 ? -m : m) * std::pow(10.0, static_cast<int>(r() % 40) - 20);
       }},
      // Sixteen groups whose values agree in their upper bits and differ in
      // the lowest 20, 26 or 30: runs that the upper passes leave out of
      // order, as one whole group, a few thousand values, a few hundred.
      {"runs of a whole group", kLarge, [](std::mt19937_64& r, std::size_t) { return LowBitsApart(r, 20); }},
      {"runs of thousands", kLarge, [](std::mt19937_64& r, std::size_t) { return LowBitsApart(r, 26); }},
      {"runs of hundreds", kLarge, [](std::mt19937_64& r, std::size_t) { return LowBitsApart(r, 30); }},
  };
  core::TwoThreads helper;
  for (const Row& row : rows) {
    std::mt19937_64 rng(5);
    std::vector<double> src(row.n);
    for (std::size_t i = 0; i < row.n; ++i) src[i] = row.make(rng, i);
    const std::vector<double> original = src;
    // Bit for bit: the sort orders by key, so -0 comes before +0.
    const std::vector<double> want = BySortKeys(src);
    // On this thread alone, and shared with a helper from the size on where
    // the sorts take one.
    for (core::TwoThreads* threads : {static_cast<core::TwoThreads*>(nullptr), &helper}) {
      const std::string name = std::string(row.name) + (threads ? ", two threads" : ", one thread");
      std::vector<double> dst(src.size(), -1.0);
      stats::SortDoubles(src.data(), src.size(), dst.data(), threads);
      EXPECT_TRUE(SameBits(src, original)) << name << ": the input changed";
      EXPECT_TRUE(SameBits(dst, want)) << name;
      // A part at a time, the parts joined: parts of a quarter (as the engine
      // sorts), of a sixth and a thirteenth (so that large groups are counted
      // again by finer digits), and on the smaller rows of one and of seven
      // values.
      std::vector<std::size_t> limits = {row.n / 4 + 1, row.n / 6 + 1, row.n / 13 + 1};
      if (row.n <= 5000) limits.insert(limits.end(), {1, 7});
      for (const std::size_t limit : limits) {
        EXPECT_TRUE(SameBits(JoinedRounds(src, limit, threads), want)) << name << ", parts of " << limit;
        EXPECT_TRUE(SameBits(src, original)) << name << ": the input changed";
      }
    }
  }
}

TEST(RadixSort, KeysInPlaceMatchAComparisonSort) {
  struct Row {
    const char* name;
    std::size_t n;
    std::uint64_t mask;    // bits that vary
    std::uint64_t values;  // how many different values at most (0: any)
  } rows[] = {
      {"tiny", 5, ~0ULL, 0},
      {"at the small-run limit", 33, ~0ULL, 0},
      {"any", 200000, ~0ULL, 0},
      {"low byte only", 20000, 0xFFULL, 0},
      // Runs longer than the small-run limit that still differ in their
      // lowest byte once the byte above it has been sorted on.
      {"the lowest two bytes", 20000, 0xFFFFULL, 0},
      {"top byte only", 20000, 0xFF00000000000000ULL, 0},
      {"few values", 100000, ~0ULL, 7},
      {"middle bits", 100000, 0x0000FFFF00000000ULL, 0},
      {"all equal", 1000, 0, 0},
  };
  for (const Row& row : rows) {
    std::mt19937_64 rng(9);
    std::vector<std::uint64_t> choices;
    for (std::uint64_t i = 0; i < row.values; ++i) choices.push_back(rng() & row.mask);
    std::vector<std::uint64_t> keys;
    for (std::size_t i = 0; i < row.n; ++i)
      keys.push_back(choices.empty() ? (rng() & row.mask) | 0x1234 : choices[rng() % choices.size()]);
    std::vector<std::uint64_t> want = keys;
    std::sort(want.begin(), want.end());
    stats::SortKeysInPlace(keys.data(), keys.size());
    EXPECT_EQ(keys, want) << row.name;
  }
}

TEST(RadixSort, KeysFollowTheOrderOfTheValues) {
  const std::vector<double> ascending = {-DBL_MAX, -1e300, -1.5,   -1.0,    -DBL_MIN, -5e-324,
                                         -0.0,     0.0,    5e-324, DBL_MIN, 1.0,      std::nextafter(1.0, 2.0),
                                         1e300,    DBL_MAX};
  for (std::size_t i = 0; i < ascending.size(); ++i) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(stats::FromOrderKey(stats::OrderKey(ascending[i]))),
              std::bit_cast<std::uint64_t>(ascending[i]));
    if (i > 0) {
      EXPECT_LT(stats::OrderKey(ascending[i - 1]), stats::OrderKey(ascending[i])) << i;
    }
  }
  EXPECT_EQ(stats::EqualityKey(-0.0), stats::EqualityKey(0.0));
  EXPECT_NE(stats::EqualityKey(-5e-324), stats::EqualityKey(0.0));
}

}  // namespace
