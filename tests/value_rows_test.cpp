// The row per value read from the sorted numbers must be the frequency
// table's own row per value, to the bit, wherever a row is asked for:
// before, on and after the marks every kValueRowStride rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <random>
#include <vector>

#include "stats/Frequencies.h"
#include "stats/ValueRows.h"

using namespace tallowmere::stats;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// `values` different numbers, the k-th repeated 1 + (k * 7) % 5 times, so
// that runs of every length from 1 to 5 follow each other.
std::vector<double> Runs(std::size_t values) {
  std::vector<double> v;
  for (std::size_t k = 0; k < values; ++k) v.insert(v.end(), 1 + (k * 7) % 5, static_cast<double>(k) * 0.25 - 3.0);
  return v;
}

std::vector<double> Distinct(std::size_t n) {
  std::vector<double> v;
  for (std::size_t k = 0; k < n; ++k) v.push_back(1.0 + static_cast<double>(k) / 3.0);
  return v;
}

std::vector<double> Shuffled(std::size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> tenth(0, 300);
  std::vector<double> v(n);
  for (double& x : v) x = tenth(random) / 10.0;
  std::sort(v.begin(), v.end());
  return v;
}

struct RowsCase {
  const char* name;
  std::vector<double> sorted;
};

class ValueRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(ValueRows, EachRowIsTheTablesRow) {
  const std::vector<double>& sorted = GetParam().sorted;
  const FrequencyTable table = MakeFrequencyTable(sorted, {.valueRows = true});
  const ValueRowIndex index(sorted);
  ASSERT_EQ(index.RowCount(), table.rows.size());
  for (std::size_t i = 0; i < table.rows.size(); ++i) EXPECT_EQ(index.Row(i), table.rows[i]) << "row " << i;
}

TEST_P(ValueRows, StretchesOfRowsAreTheTablesRows) {
  const std::vector<double>& sorted = GetParam().sorted;
  const FrequencyTable table = MakeFrequencyTable(sorted, {.valueRows = true});
  const ValueRowIndex index(sorted);
  const std::size_t n = table.rows.size();
  for (const std::size_t first : {std::size_t{0}, std::size_t{1}, kValueRowStride - 1, kValueRowStride, n / 2}) {
    for (const std::size_t count : {std::size_t{1}, kValueRowStride + 1, n}) {
      const std::vector<FrequencyRow> rows = index.Rows(first, count);
      const std::size_t expected = first < n ? std::min(count, n - first) : 0;
      ASSERT_EQ(rows.size(), expected) << "from " << first << ", " << count << " asked";
      for (std::size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(rows[k], table.rows[first + k]) << "row " << first + k << " of a stretch from " << first;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sets, ValueRows,
                         ::testing::Values(RowsCase{"NoNumbers", {}}, RowsCase{"OneNumber", {4.5}},
                                           RowsCase{"DiceRolls", {1, 1, 2, 3, 3, 3, 4, 5, 6, 6}},
                                           // -0 and 0 are one value, shown as 0.
                                           RowsCase{"NegativeAndPositiveZero", {-1.0, -0.0, -0.0, 0.0, 0.0, 2.0}},
                                           RowsCase{"OneRowShortOfAMark", Runs(kValueRowStride - 1)},
                                           RowsCase{"OneRowPastAMark", Runs(kValueRowStride + 1)},
                                           RowsCase{"ManyMarks", Runs(5 * kValueRowStride + 3)},
                                           RowsCase{"EveryNumberItsOwnValue", Distinct(3 * kValueRowStride)},
                                           RowsCase{"InfinitiesAtTheEnds", {-kInf, -kInf, -2.0, 0.5, 0.5, kInf}},
                                           RowsCase{"ThousandsOfTenths", Shuffled(5000, 7)}),
                         [](const ::testing::TestParamInfo<RowsCase>& info) { return std::string(info.param.name); });

}  // namespace
