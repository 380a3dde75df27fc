// The engine's sort against the exchange sort of every pair, and the cube
// against the library's pow. Only the results are fixed, so the two must
// agree on every data set. The generators use fixed seeds: a failure names
// its seed and size and reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"
#include "stats/RadixSort.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"
#include "tests/support/RandomDoubles.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using randomdoubles::Show;

// ---- The definitions, written out as they are stated -----------------------

namespace definition {

std::vector<double> SortNumbers(const std::vector<double>& numbers) {
  std::vector<double> s = numbers;
  const std::size_t n = s.size();
  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t k = 0; k < n; ++k) {
      if (s[j] < s[k]) std::swap(s[j], s[k]);
    }
  }
  return s;
}

}  // namespace definition

// ---- The engine against the definitions ------------------------------------

// The median's bits, or the failure's text.
std::string MedianOf(const stats::modStatistics::DataSet& set) {
  try {
    return std::to_string(std::bit_cast<std::uint64_t>(set.GetMedian()));
  } catch (const std::exception& e) {
    return e.what();
  }
}

// The sorted copy is the exchange sort's (compared with ==), and a data set
// sorted in parts, keeping no copy, reads the same median from them.
TEST(Differential, SortMatchesTheDefinition) {
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    std::mt19937_64 rng(seed);
    for (std::size_t n = 1; n <= 40; ++n) {
      const int style = static_cast<int>(rng() % 4);
      const std::vector<double> data = randomdoubles::MakeData(rng, n, style);
      const std::string where = "seed " + std::to_string(seed) + " n " + std::to_string(n) + ": " + Show(data);
      stats::modStatistics::DataSet set;
      set.SetNumbers({data.begin(), data.end()});
      set.SetNumberCount(static_cast<double>(data.size()));
      set.SortNumbers();
      const std::vector<double> sorted(set.SortedNumbers().begin(), set.SortedNumbers().end());
      const std::vector<double> want = definition::SortNumbers(data);
      ASSERT_EQ(sorted.size(), want.size()) << where;
      for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(sorted[i], want[i]) << where << " at " << i;

      stats::modStatistics::DataSet inParts;
      inParts.SetSortedCopyKept(false, 0);
      inParts.SetNumbers({data.begin(), data.end()});
      inParts.SetNumberCount(static_cast<double>(data.size()));
      inParts.SortNumbers();
      ASSERT_TRUE(inParts.SortedNumbers().empty()) << where;
      ASSERT_EQ(MedianOf(inParts), MedianOf(set)) << where << " (sorted in parts)";
    }
  }
}

// ---- The cube against the library's pow ---------------------------------------

TEST(CubeDifferential, SameBitsAsPow) {
  // The cube settles most values without calling pow; it must never give
  // another result than pow itself, failure included.
  std::mt19937_64 rng(3);
  auto pick = [&rng](int kind) -> double {
    switch (kind) {
      case 0:  // any mantissa, magnitudes around the edges of the fast range
        return std::bit_cast<double>((rng() & 0x800FFFFFFFFFFFFFULL) | (std::uint64_t{700 + rng() % 650} << 52));
      case 1:  // decimals as typed
        return static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) / 1000.0;
      case 2:  // standardised deviations, as the skew cubes them
        return (static_cast<double>(rng() >> 11) * 0x1.0p-53 - 0.5) * 6.0;
      case 3:  // whole numbers: exact cubes, and cubes just beyond 2^53
        return static_cast<double>(static_cast<std::int64_t>(rng() % 600000) - 300000);
      case 4:  // mantissas near a power of two
        return std::ldexp(1.0 + static_cast<double>(rng() % 64) * 0x1p-52 * (rng() % 2 ? 1 : -0.5),
                          static_cast<int>(rng() % 200) - 100);
      default:  // any finite double
        return randomdoubles::AnyFinite(rng);
    }
  };
  std::size_t differences = 0;
  std::vector<double> values;
  for (int i = 0; i < 3000000; ++i) {
    const double v = pick(i % 6);
    values.push_back(v);
    const double want = std::pow(v, 3.0);
    double got = 0;
    bool failed = false;
    try {
      got = stats::Cube(v);
    } catch (const ArithmeticError& e) {
      failed = true;
      EXPECT_STREQ(e.what(), "Overflow");
    }
    const bool same =
        failed ? !std::isfinite(want) : std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want);
    if (!same && ++differences <= 5) ADD_FAILURE() << "cube of " << std::hexfloat << v;
  }
  EXPECT_EQ(differences, 0u);

  // Several at a time, in runs of every length and alignment and in long
  // runs, as they are and shifted and scaled as the skew does it (a zero
  // scale included, and one under which some cubes overflow after others
  // were left to pow), by each build the processor can run: the same bits as
  // the steps one by one, and a run ends at its first failure with exactly
  // the terms before it set.
  using Terms = void (*)(const double*, double, double, double*, std::size_t, std::size_t&);
  std::vector<std::pair<const char*, Terms>> builds = {{"chosen", stats::ScaledCubes},
                                                       {"plain", stats::ScaledCubesPlain}};
  if (stats::HasWideVectors()) builds.emplace_back("wide", stats::ScaledCubesWide);
  std::size_t blockDifferences = 0;
  const struct {
    double shift, scale;
  } scalings[] = {{0.0, 1.0}, {3.25, 0.7}, {-1e300, 1e-10}, {0.5, 0.0}, {0.0, 1e-100}};
  for (const auto& named : builds) {
    const char* const build = named.first;
    const Terms terms = named.second;
    for (const auto& scaling : scalings) {
      auto step = [&](double v) { return stats::Cube(stats::Div(stats::Sub(v, scaling.shift), scaling.scale)); };
      auto check = [&](std::size_t at, std::size_t n) {
        std::vector<double> out(n, -1.0);
        std::size_t done = 0;
        std::string failure;
        try {
          terms(values.data() + at, scaling.shift, scaling.scale, out.data(), n, done);
        } catch (const ArithmeticError& e) {
          failure = e.what();
        }
        std::size_t k = 0;
        bool same = true;
        for (; k < n && same; ++k) {
          try {
            const double want = step(values[at + k]);
            same = k < done && std::bit_cast<std::uint64_t>(out[k]) == std::bit_cast<std::uint64_t>(want);
          } catch (const ArithmeticError& e) {
            same = done == k && failure == e.what();
            break;
          }
        }
        if (k == n) same = same && done == n && failure.empty();
        if (!same && ++blockDifferences <= 5)
          ADD_FAILURE() << build << ": terms of the " << n << " values from " << at << ", shift " << scaling.shift
                        << ", scale " << scaling.scale;
      };
      for (std::size_t at = 0, length = 1; at < values.size(); at += 40 * length, length = length % 37 + 1)
        check(at, std::min(length, values.size() - at));
      // Long enough that the cubes left to pow are more than are noted at once.
      for (std::size_t at = 1; at + 6000 <= values.size(); at += 500'000) check(at, 6000);
    }
  }
  EXPECT_EQ(blockDifferences, 0u);
}

}  // namespace
