// The fast sort and mode against the plain definitions: the exchange sort of
// every pair and the mode found by counting every position against every
// other one. Only the results are fixed, so the two must agree on every data
// set. The generators use fixed seeds: a failure names its seed and size and
// reproduces.
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

namespace {

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

// Whether `value` is one of the values of a list such as "12 or 1 or 2".
bool IsListed(const std::string& text, const std::string& value) {
  if (text.empty()) return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(" or ", start);
    if (text.compare(start, end == std::string::npos ? std::string::npos : end - start, value) == 0) return true;
    if (end == std::string::npos) return false;
    start = end + 4;
  }
}

StatResult GetMode(const std::vector<double>& x) {
  const std::size_t n = x.size();
  std::vector<std::int32_t> count(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (x[j] == x[i]) ++count[i];
    }
  }
  std::size_t best = 0;
  for (std::size_t i = 1; i < n; ++i) {
    if (count[i] > count[best]) best = i;
  }
  if (count[0] == 1 && best == 0) return StatResult(kNoneText);
  std::string text;
  for (std::size_t i = 0; i < n; ++i) {
    if (i == best) continue;
    const std::string candidate = numtext::NumberText(x[i], {});
    if (count[i] == count[best] && x[i] != x[best] && !IsListed(text, candidate)) {
      if (text.empty()) text = numtext::NumberText(x[best], {});
      text += " or ";
      text += candidate;
    }
  }
  if (text.empty()) return StatResult(x[best]);
  return StatResult(text);
}

}  // namespace definition

// ---- Data ------------------------------------------------------------------

// Values that make the cases hard: both zeros, neighbours that share their
// 15-digit text, the ends of the range, subnormals.
std::vector<double> Awkward() {
  return {0.0,
          -0.0,
          1.0,
          -1.0,
          std::nextafter(1.0, 2.0),
          0.3,
          0.1 + 0.2,
          std::nextafter(0.3, 0.0),
          123456789012345.6,
          123456789012345.7,
          1e308,
          -1e308,
          DBL_MAX,
          -DBL_MAX,
          DBL_MIN,
          std::nextafter(DBL_MIN, 0.0),
          5e-324,
          -5e-324,
          1e-5,
          12,
          1.2,
          2,
          21};
}

// Any finite double, from random bits.
double AnyFinite(std::mt19937_64& rng) {
  for (;;) {
    const double v = std::bit_cast<double>(rng());
    if (std::isfinite(v)) return v;
  }
}

// One data set of n values drawn from a mix chosen by `style`.
std::vector<double> MakeData(std::mt19937_64& rng, std::size_t n, int style) {
  static const std::vector<double> awkward = Awkward();
  std::vector<double> pool;
  const std::size_t poolSize = 1 + rng() % 8;
  for (std::size_t i = 0; i < poolSize; ++i) {
    switch (style) {
      case 0:  // small whole numbers, many repeats
        pool.push_back(static_cast<double>(static_cast<int>(rng() % 7) - 3));
        break;
      case 1:
        pool.push_back(awkward[rng() % awkward.size()]);
        break;
      case 2:  // random decimals
        pool.push_back(static_cast<double>(static_cast<std::int64_t>(rng() % 20001) - 10000) / 100.0);
        break;
      default:
        pool.push_back(AnyFinite(rng));
        break;
    }
  }
  std::vector<double> data;
  for (std::size_t i = 0; i < n; ++i) {
    // Mostly from the pool (repeats); now and then a value of any kind.
    if (rng() % 8 == 0)
      data.push_back(rng() % 2 ? awkward[rng() % awkward.size()] : AnyFinite(rng));
    else
      data.push_back(pool[rng() % pool.size()]);
  }
  return data;
}

std::string Show(const std::vector<double>& v) {
  std::string s;
  for (double d : v) s += numtext::NumberText(d, {}) + (std::signbit(d) && d == 0 ? "(-0)" : "") + " ";
  return s;
}

// The engine's mode must be the definition's exactly: the same kind, the same
// text byte for byte, the same double bit for bit (its sign of zero included,
// since the number is Numbers(best)).
void ExpectSameMode(const StatResult& got, const StatResult& want, const std::string& where) {
  ASSERT_EQ(got.IsNumber(), want.IsNumber()) << where;
  if (want.IsNumber()) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got.Number()), std::bit_cast<std::uint64_t>(want.Number())) << where;
  } else {
    EXPECT_EQ(got.Text(), want.Text()) << where;
  }
}

// The median's bits, or the failure's text.
std::string MedianOf(const modStatistics::DataSet& set) {
  try {
    return std::to_string(std::bit_cast<std::uint64_t>(set.GetMedian()));
  } catch (const std::exception& e) {
    return e.what();
  }
}

// Sets the data set and checks the mode every way: counted from a sorted
// copy of its own (no current sorted copy), from SortedNumbers after the
// sort, and from a sort in parts with no copy kept (parts of a quarter, so
// that runs of equal values and the middle elements fall across parts),
// whose median must be the sorted copy's too. Answers the data set, sorted.
modStatistics::DataSet ExpectModeEveryWay(const std::vector<double>& data, const std::string& where) {
  modStatistics::DataSet set;
  const StatResult want = definition::GetMode(data);
  set.SetNumbers(data);
  set.SetNumberCount(static_cast<double>(data.size()));
  ExpectSameMode(set.GetMode(), want, where + " (unsorted)");
  set.SortNumbers();
  ExpectSameMode(set.GetMode(), want, where + " (sorted)");

  modStatistics::DataSet inParts;
  inParts.SetSortedCopyKept(false, 0);
  inParts.SetNumbers(data);
  inParts.SetNumberCount(static_cast<double>(data.size()));
  inParts.SortNumbers();
  EXPECT_TRUE(inParts.SortedNumbers().empty()) << where;
  ExpectSameMode(inParts.GetMode(), want, where + " (sorted in parts)");
  EXPECT_EQ(MedianOf(inParts), MedianOf(set)) << where << " (sorted in parts)";
  return set;
}

// ---- The engine against the definitions ------------------------------------

TEST(Differential, SortAndModeMatchTheDefinitions) {
  int cases = 0;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    std::mt19937_64 rng(seed);
    for (std::size_t n = 1; n <= 40; ++n) {
      const int style = static_cast<int>(rng() % 4);
      const std::vector<double> data = MakeData(rng, n, style);
      const std::string where = "seed " + std::to_string(seed) + " n " + std::to_string(n) + ": " + Show(data);

      const modStatistics::DataSet set = ExpectModeEveryWay(data, where);
      const std::vector<double> sorted(set.SortedNumbers().begin(), set.SortedNumbers().end());
      const std::vector<double> want = definition::SortNumbers(data);
      ASSERT_EQ(sorted.size(), want.size()) << where;
      for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(sorted[i], want[i]) << where << " at " << i;
      if (HasFatalFailure() || HasNonfatalFailure()) return;
      ++cases;
    }
  }
  EXPECT_EQ(cases, 400 * 40);
}

TEST(Differential, ModeOfLongListsWithManyTies) {
  // Many values reach the same highest count, and many of them have a
  // neighbour that shares their number text, so the "already listed" test
  // decides often.
  int lists = 0;
  for (std::uint64_t seed = 1000; seed < 1040; ++seed) {
    std::mt19937_64 rng(seed);
    const std::size_t top = 2 + rng() % 3;
    std::vector<double> data;
    const std::size_t groups = 20 + rng() % 300;
    for (std::size_t g = 0; g < groups; ++g) {
      // Distinct bases (37 and 400 are coprime); each base, its twin or both.
      const double base = static_cast<double>(static_cast<int>(g * 37 % 400) - 200) / 10.0;
      const double twin = std::nextafter(base, 1e9);
      const auto kind = rng() % 3;
      if (kind != 1) data.insert(data.end(), rng() % 2 ? top : 1 + rng() % top, base);
      if (kind != 0) data.insert(data.end(), rng() % 2 ? top : 1 + rng() % top, twin);
    }
    std::shuffle(data.begin(), data.end(), rng);

    if (!definition::GetMode(data).IsNumber()) ++lists;
    ExpectModeEveryWay(data, "seed " + std::to_string(seed));
  }
  EXPECT_GT(lists, 30);  // the cases must mostly be tie lists to test anything
}

TEST(Differential, ModeOfEveryValueTwice) {
  std::mt19937_64 rng(77);
  std::vector<double> data;
  for (int i = 0; i < 1500; ++i) data.push_back(AnyFinite(rng));
  std::vector<double> doubled = data;
  doubled.insert(doubled.end(), data.begin(), data.end());
  std::shuffle(doubled.begin(), doubled.end(), rng);
  ASSERT_FALSE(definition::GetMode(doubled).IsNumber());
  ExpectModeEveryWay(doubled, "every value twice");
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
        return AnyFinite(rng);
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
      got = arith::Cube(v);
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
  std::vector<std::pair<const char*, Terms>> builds = {{"chosen", arith::ScaledCubes},
                                                       {"plain", arith::ScaledCubesPlain}};
  if (arith::HasWideVectors()) builds.emplace_back("wide", arith::ScaledCubesWide);
  std::size_t blockDifferences = 0;
  const struct {
    double shift, scale;
  } scalings[] = {{0.0, 1.0}, {3.25, 0.7}, {-1e300, 1e-10}, {0.5, 0.0}, {0.0, 1e-100}};
  for (const auto& [build, terms] : builds) {
    for (const auto& scaling : scalings) {
      auto step = [&](double v) { return arith::Cube(arith::Div(arith::Sub(v, scaling.shift), scaling.scale)); };
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

// ---- The sorts themselves, at sizes the definitions are too slow for --------

std::vector<double> BySortKeys(std::vector<double> v) {
  std::sort(v.begin(), v.end(), [](double a, double b) { return radix::OrderKey(a) < radix::OrderKey(b); });
  return v;
}

TEST(RadixSort, DoublesMatchAComparisonSort) {
  struct Row {
    const char* name;
    std::size_t n;
    double (*make)(std::mt19937_64&, std::size_t);
  } rows[] = {
      {"empty", 0, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      {"one", 1, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      {"any bits", 100000, [](std::mt19937_64& r, std::size_t) { return AnyFinite(r); }},
      // One value to each digit by which a few values are counted: parts
      // filled to the last place.
      {"one value to a digit", 16,
       [](std::mt19937_64&, std::size_t i) {
         return std::ldexp(1.0, static_cast<int>(128 * (i * 7 % 16) + 64) - 1023);
       }},
      {"all equal", 5000, [](std::mt19937_64&, std::size_t) { return 42.5; }},
      {"zeros of both signs", 5000, [](std::mt19937_64& r, std::size_t) { return r() % 2 ? 0.0 : -0.0; }},
      // Keys that differ in a single digit only: one pass.
      {"one digit", 5000,
       [](std::mt19937_64& r, std::size_t) { return 1.0 + static_cast<double>(r() % 2048) / 4503599627370496.0; }},
      {"whole numbers", 100000,
       [](std::mt19937_64& r, std::size_t) { return static_cast<double>(static_cast<int>(r() % 2001) - 1000); }},
      {"descending", 50000, [](std::mt19937_64&, std::size_t i) { return 1e6 - static_cast<double>(i) * 0.37; }},
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
  };
  for (const Row& row : rows) {
    std::mt19937_64 rng(5);
    std::vector<double> src;
    for (std::size_t i = 0; i < row.n; ++i) src.push_back(row.make(rng, i));
    const std::vector<double> original = src;
    std::vector<double> dst(src.size(), -1.0);
    radix::SortDoubles(src.data(), src.size(), dst.data());
    EXPECT_EQ(src, original) << row.name;
    // Bit for bit: the LSD sort orders by key, so -0 comes before +0.
    const std::vector<double> want = BySortKeys(src);
    auto sameBits = [&want](const std::vector<double>& got) {
      if (got.size() != want.size()) return false;
      for (std::size_t i = 0; i < want.size(); ++i)
        if (std::bit_cast<std::uint64_t>(got[i]) != std::bit_cast<std::uint64_t>(want[i])) return false;
      return true;
    };
    EXPECT_TRUE(sameBits(dst)) << row.name;
    // A part at a time, the parts joined: parts of a quarter, of a
    // thirteenth, and on the smaller rows of one and of seven values.
    std::vector<std::size_t> limits = {row.n / 4 + 1, row.n / 13 + 1};
    if (row.n <= 5000) limits.insert(limits.end(), {1, 7});
    for (const std::size_t limit : limits) {
      std::vector<double> joined;
      std::size_t misfits = 0;
      radix::SortInRounds(src.data(), src.size(), limit, [&](std::span<const double> part) {
        if (part.empty() || part.size() > limit) ++misfits;
        joined.insert(joined.end(), part.begin(), part.end());
      });
      EXPECT_TRUE(sameBits(joined)) << row.name << ", parts of " << limit;
      EXPECT_EQ(misfits, 0u) << row.name << ", parts of " << limit;
      EXPECT_EQ(src, original) << row.name;
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
    radix::SortKeysInPlace(keys.data(), keys.size());
    EXPECT_EQ(keys, want) << row.name;
  }
}

TEST(RadixSort, KeysFollowTheOrderOfTheValues) {
  const std::vector<double> ascending = {-DBL_MAX, -1e300, -1.5,   -1.0,    -DBL_MIN, -5e-324,
                                         -0.0,     0.0,    5e-324, DBL_MIN, 1.0,      std::nextafter(1.0, 2.0),
                                         1e300,    DBL_MAX};
  for (std::size_t i = 0; i < ascending.size(); ++i) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(radix::FromOrderKey(radix::OrderKey(ascending[i]))),
              std::bit_cast<std::uint64_t>(ascending[i]));
    if (i > 0) {
      EXPECT_LT(radix::OrderKey(ascending[i - 1]), radix::OrderKey(ascending[i])) << i;
    }
  }
  EXPECT_EQ(radix::EqualityKey(-0.0), radix::EqualityKey(0.0));
  EXPECT_NE(radix::EqualityKey(-5e-324), radix::EqualityKey(0.0));
}

}  // namespace
