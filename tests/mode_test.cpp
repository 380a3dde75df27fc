// The mode against its plain twin: every value counted (by comparing every
// position with every other one, or for long lists in an ordered map), the
// tie list built in list order. The fast mode counts from a sorted order and
// walks the list through a hash table; only the results are fixed, so the two
// must agree on every data set, read every way the data set can be sorted.
#include "stats/Mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"
#include "tests/support/RandomDoubles.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using randomdoubles::AnyFinite;
using randomdoubles::MakeData;
using randomdoubles::Show;

// ---- The plain twin -----------------------------------------------------------

// How many positions hold a value equal to that of each position.
using Counts = std::vector<std::size_t>;

Counts CountByComparison(const std::vector<double>& x) {
  Counts count(x.size(), 0);
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t j = 0; j < x.size(); ++j)
      if (x[j] == x[i]) ++count[i];
  return count;
}

// The same counts for lists too long to compare pairwise. The map's order
// holds -0 and +0 as one key, as == does.
Counts CountInAMap(const std::vector<double>& x) {
  std::map<double, std::size_t> of;
  for (double v : x) ++of[v];
  Counts count(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) count[i] = of[x[i]];
  return count;
}

// The mode as it is defined: the first position of the highest count wins;
// every later position of another value with that count adds its text,
// unless that text is already in the list (which starts only once a second
// value joins).
StatResult PlainMode(const std::vector<double>& x, const Counts& count, const numtext::Separators& sep) {
  const std::size_t n = x.size();
  std::size_t best = 0;
  for (std::size_t i = 1; i < n; ++i)
    if (count[i] > count[best]) best = i;
  if (count[best] < 2) return StatResult(kNoneText);
  std::string text;
  std::set<std::string> listed;  // the texts in `text`
  for (std::size_t i = 0; i < n; ++i) {
    if (i == best || count[i] != count[best] || x[i] == x[best]) continue;
    const std::string candidate = numtext::NumberText(x[i], sep);
    if (listed.contains(candidate)) continue;
    if (text.empty()) {
      text = numtext::NumberText(x[best], sep);
      listed.insert(text);
    }
    text += " or ";
    text += candidate;
    listed.insert(candidate);
  }
  if (text.empty()) return StatResult(x[best]);
  return StatResult(text);
}

StatResult PlainMode(const std::vector<double>& x, const numtext::Separators& sep = {}) {
  return PlainMode(x, x.size() <= 2000 ? CountByComparison(x) : CountInAMap(x), sep);
}

// ---- The fast mode, read every way --------------------------------------------

// The same kind, the same text byte for byte, the same double bit for bit
// (its sign of zero included, since the number is that of the winning
// position).
void ExpectSameMode(const StatResult& got, const StatResult& want, const std::string& where) {
  ASSERT_EQ(got.IsNumber(), want.IsNumber()) << where;
  if (want.IsNumber()) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got.Number()), std::bit_cast<std::uint64_t>(want.Number())) << where;
  } else {
    EXPECT_EQ(got.Text(), want.Text()) << where;
  }
}

StatResult ModeOf(const std::vector<double>& data, const numtext::Separators& sep, bool sort, bool copyKept) {
  stats::modStatistics::DataSet set(sep);
  // Without a copy, parts of a quarter: runs of equal values fall across parts.
  set.SetSortedCopyKept(copyKept, 0);
  set.SetNumbers({data.begin(), data.end()});
  set.SetNumberCount(static_cast<double>(data.size()));
  if (sort) set.SortNumbers();
  return set.GetMode();
}

// The fast mode counted from a sorted copy of its own (no current sorted
// copy), from the sorted copy, and from a sort in parts with no copy kept,
// and the ties read directly from the unit.
void ExpectModeEveryWay(const std::vector<double>& data, const StatResult& want, const std::string& where,
                        const numtext::Separators& sep = {}) {
  ExpectSameMode(ModeOf(data, sep, false, true), want, where + " (unsorted)");
  ExpectSameMode(ModeOf(data, sep, true, true), want, where + " (sorted)");
  ExpectSameMode(ModeOf(data, sep, true, false), want, where + " (sorted in parts)");
  std::vector<double> sorted = data;
  std::sort(sorted.begin(), sorted.end());
  const stats::modStatistics::Ties ties = stats::modStatistics::TiesOfSorted(sorted.data(), sorted.size());
  EXPECT_EQ(ties.keys, stats::modStatistics::TiesOfUnsorted(data.data(), data.size()).keys) << where;
  ExpectSameMode(stats::modStatistics::ModeFromTies(data.data(), data.size(), ties, sep), want, where + " (from ties)");
}

// ---- Cases --------------------------------------------------------------------

numtext::Separators Comma() { return {.decimal = ",", .group = "."}; }

TEST(Mode, KnownCasesMatchTheTwinAndTheirResults) {
  struct Row {
    const char* name;
    std::vector<double> data;
    numtext::Separators sep = {};
    std::string text = {};  // the expected text; empty for a number
    double number = 0;      // the expected number, bit for bit
  } rows[] = {
      {.name = "one number", .data = {7}, .text = "None"},
      {.name = "no repeats", .data = {3, 1, 2}, .text = "None"},
      {.name = "one mode", .data = {2, 4, 4, 5}, .number = 4},
      {.name = "tied, in list order", .data = {3, 1, 1, 3}, .text = "3 or 1"},
      {.name = "the higher count wins alone", .data = {1, 2, 1, 2, 2}, .number = 2},
      {.name = "zeros of both signs are one value: the first wins", .data = {-0.0, 5, 0.0}, .number = -0.0},
      {.name = "and a plus zero first", .data = {0.0, -0.0, 5}, .number = 0.0},
      {.name = "zeros tie with ones", .data = {1, -0.0, 1, 0.0}, .text = "1 or 0"},
      {.name = "decimal comma", .data = {2.5, 1.5, 1.5, 2.5}, .sep = Comma(), .text = "2,5 or 1,5"},
      // 0.1 + 0.2 is not 0.3 but has its text: listed once the list has begun,
      // and after the winner before it has (the list starts with a second value).
      {.name = "same text, other value, after the list began",
       .data = {1, 1, 2, 2, 0.3, 0.3, 0.1 + 0.2, 0.1 + 0.2},
       .text = "1 or 2 or 0.3"},
      {.name = "same text as the winner, before the list began",
       .data = {0.3, 0.3, 0.1 + 0.2, 0.1 + 0.2},
       .text = "0.3 or 0.3"},
      {.name = "ties across the whole range",
       .data = {-1.7976931348623157e308, 5e-324, 5e-324, -1.7976931348623157e308},
       .text = "-1.79769313486232E+308 or 4.94065645841247E-324"},
  };
  for (const Row& row : rows) {
    const StatResult want = row.text.empty() ? StatResult(row.number) : StatResult(row.text);
    ExpectSameMode(PlainMode(row.data, row.sep), want, std::string(row.name) + " (twin)");
    ExpectModeEveryWay(row.data, want, row.name, row.sep);
  }
}

TEST(Mode, RandomShortListsMatchTheTwin) {
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    std::mt19937_64 rng(seed);
    for (std::size_t n = 1; n <= 40; ++n) {
      const std::vector<double> data = MakeData(rng, n, static_cast<int>(rng() % 4));
      const std::string where = "seed " + std::to_string(seed) + " n " + std::to_string(n) + ": " + Show(data);
      ExpectModeEveryWay(data, PlainMode(data), where);
      if (HasFailure()) return;
    }
  }
}

TEST(Mode, ManyTiesWithSharedTextsMatchTheTwin) {
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
    const StatResult want = PlainMode(data);
    if (!want.IsNumber()) ++lists;
    ExpectModeEveryWay(data, want, "seed " + std::to_string(seed));
  }
  EXPECT_GT(lists, 30);  // the cases must mostly be tie lists to test anything
}

// Lists long enough for the hash table's look-ahead, the sort's two threads
// and a sort in parts whose runs of equal values cross the parts.
TEST(Mode, LongListsMatchTheTwin) {
  struct Row {
    const char* name;
    std::size_t n;
    std::function<double(std::mt19937_64&, std::size_t)> make;
    bool tieList;  // whether the mode is a list of ties
  } rows[] = {
      {.name = "every value twice",
       .n = 2 * 40'000,
       .make = [](std::mt19937_64&, std::size_t i) { return static_cast<double>(i % 40'000) * 0.01 - 200.0; },
       .tieList = true},
      {.name = "any bits, each twice",
       .n = 2 * 35'000,
       .make =
           [values = std::vector<double>()](std::mt19937_64& r, std::size_t i) mutable {
             if (i < 35'000) values.push_back(AnyFinite(r));
             return values[i % 35'000];
           },
       .tieList = true},
      {.name = "one copy more, at the very end",
       .n = 70'001,
       .make = [](std::mt19937_64&, std::size_t i) { return i == 70'000 ? 17.0 : static_cast<double>(i % 700); },
       .tieList = false},
      {.name = "zeros of both signs against small whole numbers",
       .n = 90'000,
       .make =
           [](std::mt19937_64& r, std::size_t) {
             const auto k = r() % 9;
             return k == 0 ? -0.0 : k == 1 ? 0.0 : static_cast<double>(k % 4);
           },
       .tieList = false},
      {.name = "a few values, random counts",
       .n = 100'000,
       .make = [](std::mt19937_64& r, std::size_t) { return static_cast<double>(r() % 5) * 0.5; },
       .tieList = false},
  };
  for (const Row& row : rows) {
    std::mt19937_64 rng(21);
    std::vector<double> data(row.n);
    for (std::size_t i = 0; i < row.n; ++i) data[i] = row.make(rng, i);
    std::shuffle(data.begin(), data.end() - 1, rng);  // the last value stays last
    const StatResult want = PlainMode(data);
    EXPECT_EQ(!want.IsNumber(), row.tieList) << row.name;
    ExpectModeEveryWay(data, want, row.name);
  }
}

}  // namespace
