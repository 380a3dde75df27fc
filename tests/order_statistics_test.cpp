// The selection of order statistics from unsorted numbers, and a data set's
// order statistics with and without its sorted copy, each against a plain
// twin: the numbers sorted by their order keys and read at the places.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "stats/OrderStatistics.h"
#include "stats/RadixSort.h"
#include "stats/Statistics.h"

namespace {

using namespace tallowmere;

std::vector<double> PlainTwin(std::vector<double> numbers, const std::vector<std::size_t>& places) {
  std::sort(numbers.begin(), numbers.end(), [](double a, double b) { return stats::OrderKey(a) < stats::OrderKey(b); });
  std::vector<double> out;
  for (const std::size_t place : places) out.push_back(numbers[place]);
  return out;
}

// Bits, so that -0 and +0 are told apart.
std::vector<std::uint64_t> Bits(const std::vector<double>& values) {
  std::vector<std::uint64_t> bits;
  for (const double v : values) bits.push_back(std::bit_cast<std::uint64_t>(v));
  return bits;
}

using Maker = std::function<double(std::mt19937_64&)>;

struct DataShape {
  const char* name;
  Maker make;
};

// Shapes that send the selection down each of its ways: one digit enough,
// numbers so close that many digits are shared, few values (every bit
// shared at the end), both zeros, both signs and the infinities.
const DataShape kShapes[] = {
    {"spread normals", [](std::mt19937_64& r) { return std::normal_distribution<double>(0.0, 1e6)(r); }},
    {"narrow uniform", [](std::mt19937_64& r) { return std::uniform_real_distribution<double>(1000.0, 1000.001)(r); }},
    {"five values", [](std::mt19937_64& r) { return static_cast<double>(r() % 5) - 2.0; }},
    {"zeros of both signs",
     [](std::mt19937_64& r) {
       const auto k = r() % 4;
       return k == 0 ? -0.0 : k == 1 ? 0.0 : k == 2 ? -1e-300 : 1e-300;
     }},
    {"with infinities",
     [](std::mt19937_64& r) {
       const auto k = r() % 50;
       if (k == 0) return -std::numeric_limits<double>::infinity();
       if (k == 1) return std::numeric_limits<double>::infinity();
       return std::uniform_real_distribution<double>(-5.0, 5.0)(r);
     }},
    {"one value", [](std::mt19937_64&) { return 7.25; }},
    {"subnormals", [](std::mt19937_64& r) { return static_cast<double>(r() % 1000) * 4.9e-324; }},
};

std::vector<double> Make(const DataShape& shape, std::size_t n, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::vector<double> numbers(n);
  for (double& x : numbers) x = shape.make(rng);
  return numbers;
}

// The ends, the middle, and places spread and random, repeats among them.
std::vector<std::size_t> PlacesFor(std::size_t n, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::vector<std::size_t> places = {0, n - 1, n / 2, n / 2, (n - 1) / 3};
  for (int i = 0; i < 12; ++i) places.push_back(static_cast<std::size_t>(rng() % n));
  return places;
}

struct SelectionCase {
  const char* name;
  std::size_t n;
  std::size_t mostHeld;  // 0: the default
};

const SelectionCase kSelections[] = {
    {"one number", 1, 0},
    {"small, held at once", 1000, 0},
    {"above the least held", 50000, 0},
    {"held in small pieces", 50000, 64},
    {"nothing fits but one number", 3000, 1},
};

TEST(OrderStatistics, SelectionMatchesTheSortedTwin) {
  std::uint64_t seed = 1;
  for (const SelectionCase& c : kSelections) {
    for (const DataShape& shape : kShapes) {
      const std::vector<double> numbers = Make(shape, c.n, ++seed);
      const std::vector<std::size_t> places = PlacesFor(c.n, seed);
      EXPECT_EQ(Bits(stats::SelectOrderStatistics(numbers, places, c.mostHeld)), Bits(PlainTwin(numbers, places)))
          << c.name << ", " << shape.name;
    }
  }
}

TEST(OrderStatistics, EveryPlaceOfAFewNumbers) {
  const std::vector<double> numbers = {3.0, -0.0, 1.0, 0.0, 3.0, -2.0, 1.5};
  std::vector<std::size_t> places(numbers.size());
  for (std::size_t i = 0; i < places.size(); ++i) places[i] = places.size() - 1 - i;
  for (const std::size_t mostHeld : {std::size_t{0}, std::size_t{1}, std::size_t{2}})
    EXPECT_EQ(Bits(stats::SelectOrderStatistics(numbers, places, mostHeld)), Bits(PlainTwin(numbers, places)))
        << "held " << mostHeld;
}

TEST(OrderStatistics, PlaceBeyondTheNumbersFails) {
  const std::vector<double> numbers = {1.0, 2.0};
  const std::vector<std::size_t> places = {2};
  EXPECT_THROW(stats::SelectOrderStatistics(numbers, places), std::out_of_range);
  EXPECT_TRUE(stats::SelectOrderStatistics(numbers, {}).empty());
}

stats::modStatistics::DataSet Loaded(const std::vector<double>& data, std::size_t wholeSortLimit) {
  stats::modStatistics::DataSet set;
  set.SetSortedCopyKept(false, wholeSortLimit);
  set.SetNumbers({data.begin(), data.end()});
  set.SetNumberCount(static_cast<double>(data.size()));
  set.SortNumbers();
  return set;
}

struct DataSetCase {
  const char* name;
  std::size_t n;
  std::size_t wholeSortLimit;
  bool copyExpected;
};

const DataSetCase kDataSets[] = {
    {"below the limit: a sorted copy", 5000, 10000, true},
    {"above the limit: selected", 5000, 100, false},
    {"large, above the limit", 200000, 1000, false},
    {"one number above the limit", 1, 0, false},
};

TEST(OrderStatistics, DataSetMatchesTheSortedTwinWithOrWithoutItsCopy) {
  std::uint64_t seed = 100;
  for (const DataSetCase& c : kDataSets) {
    for (const DataShape& shape : kShapes) {
      const std::vector<double> numbers = Make(shape, c.n, ++seed);
      const stats::modStatistics::DataSet set = Loaded(numbers, c.wholeSortLimit);
      EXPECT_EQ(set.SortedNumbers().empty(), !c.copyExpected) << c.name;
      // The places kept in place of a copy (ends, middles, quartiles' neighbours) among others.
      std::vector<std::size_t> places = PlacesFor(c.n, seed);
      places.push_back(c.n / 4);
      places.push_back(c.n > 1 ? c.n / 2 - 1 : 0);
      EXPECT_EQ(Bits(set.OrderStatistics(places)), Bits(PlainTwin(numbers, places))) << c.name << ", " << shape.name;
    }
  }
}

struct FailureCase {
  const char* name;
  std::size_t wholeSortLimit;
  double count;  // the count set after the sort
  std::size_t place;
};

const FailureCase kFailures[] = {
    {"a place beyond the count, from the copy", 100, 10, 10},
    {"a place beyond the count, selected", 0, 10, 10},
    {"another count than was sorted, selected", 0, 9, 3},
    {"no numbers", 100, 0, 0},
};

TEST(OrderStatistics, DataSetFailsAsTheMedianDoes) {
  for (const FailureCase& c : kFailures) {
    std::vector<double> numbers(10);
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = static_cast<double>((i * 7) % 10);
    stats::modStatistics::DataSet set = Loaded(numbers, c.wholeSortLimit);
    if (c.count != 10) set.SetNumberCount(c.count);
    const std::vector<std::size_t> places = {c.place};
    EXPECT_THROW(set.OrderStatistics(places), std::out_of_range) << c.name;
  }
}

}  // namespace
