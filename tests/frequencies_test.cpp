// The frequency table on small sorted data sets whose rows are counted by
// hand in the comments.
#include "stats/Frequencies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "stats/Distribution.h"

using namespace tallowmere::stats;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// low, high and count of a row.
struct Want {
  double low;
  double high;
  std::size_t count;
};

std::vector<double> Counting(double from, double to) {
  std::vector<double> v;
  for (double x = from; x <= to; ++x) v.push_back(x);
  return v;
}

std::vector<double> With(std::vector<double> v, std::initializer_list<double> more) {
  v.insert(v.end(), more);
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<Want> EachOnce(double from, double to) {
  std::vector<Want> rows;
  for (double x = from; x <= to; ++x) rows.push_back({x, x, 1});
  return rows;
}

TEST(Frequencies, Rows) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    FrequencyOptions options;
    FrequencyRowKind kind;
    std::vector<Want> want;
  } rows[] = {
      {"no numbers", {}, {}, FrequencyRowKind::kValues, {}},
      {"one number", {7}, {}, FrequencyRowKind::kValues, {{7, 7, 1}}},
      {"one value", {2, 2, 2}, {}, FrequencyRowKind::kValues, {{2, 2, 3}}},
      {"negative numbers",
       {-4.5, -4.5, -1, 3},
       {},
       FrequencyRowKind::kValues,
       {{-4.5, -4.5, 2}, {-1, -1, 1}, {3, 3, 1}}},
      // The sort puts -0 before 0; they are one value.
      {"-0 and 0 are one value", {-0.0, -0.0, 0.0, 1}, {}, FrequencyRowKind::kValues, {{0, 0, 3}, {1, 1, 1}}},
      {"50 values", Counting(1, 50), {}, FrequencyRowKind::kValues, EachOnce(1, 50)},
      // 51 numbers over 50: Sturges 50 / (log2 51 + 1) = 7.49, Freedman-
      // Diaconis 2 x 25 / 51^(1/3) = 13.5; the narrower needs 7 bins, edges
      // 50i / 7: 0 7.14 14.3 21.4 28.6 35.7 42.9 50.
      {"51 values: the histogram's bins",
       Counting(0, 50),
       {},
       FrequencyRowKind::kBins,
       {{0, 50.0 / 7, 8},
        {50.0 / 7, 2 * (50.0 / 7), 7},
        {2 * (50.0 / 7), 3 * (50.0 / 7), 7},
        {3 * (50.0 / 7), 4 * (50.0 / 7), 7},
        {4 * (50.0 / 7), 5 * (50.0 / 7), 7},
        {5 * (50.0 / 7), 6 * (50.0 / 7), 7},
        {6 * (50.0 / 7), 50, 8}}},
      {"51 values, a row each as asked",
       Counting(0, 50),
       {.valueRows = true},
       FrequencyRowKind::kValues,
       EachOnce(0, 50)},
      // Edges 0 15 30 45 60: 15 and 30 (and their copies) begin bins, 60 is
      // in the last, closed one.
      {"ties on the edges",
       With(Counting(0, 60), {15, 15, 30, 60}),
       {.bins = 4},
       FrequencyRowKind::kBins,
       {{0, 15, 15}, {15, 30, 17}, {30, 45, 16}, {45, 60, 17}}},
      {"one bin asked", Counting(1, 60), {.bins = 1}, FrequencyRowKind::kBins, {{1, 60, 60}}},
      // Edges 0 10 .. 70: nothing between 25 and 45, so none in [30, 40).
      {"empty bins kept",
       With(Counting(0, 25),
            {45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70}),
       {.bins = 7},
       FrequencyRowKind::kBins,
       {{0, 10, 10}, {10, 20, 10}, {20, 30, 6}, {30, 40, 0}, {40, 50, 5}, {50, 60, 10}, {60, 70, 11}}},
      // Bins need finite ends: each value has its row.
      {"an infinity among many values",
       With(Counting(1, 60), {kInf}),
       {},
       FrequencyRowKind::kValues,
       [] {
         std::vector<Want> w = EachOnce(1, 60);
         w.push_back({kInf, kInf, 1});
         return w;
       }()},
  };
  for (const auto& row : rows) {
    const FrequencyTable table = MakeFrequencyTable(row.sorted, row.options);
    EXPECT_EQ(table.kind, row.kind) << row.name;
    ASSERT_EQ(table.rows.size(), row.want.size()) << row.name;
    std::size_t cumulative = 0;
    for (std::size_t i = 0; i < row.want.size(); ++i) {
      const FrequencyRow& got = table.rows[i];
      const std::string where = std::string(row.name) + ", row " + std::to_string(i);
      EXPECT_EQ(got.low, row.want[i].low) << where;
      EXPECT_EQ(got.high, row.want[i].high) << where;
      EXPECT_EQ(std::signbit(got.low), std::signbit(row.want[i].low)) << where;
      EXPECT_EQ(got.count, row.want[i].count) << where;
      cumulative += row.want[i].count;
      EXPECT_EQ(got.cumulativeCount, cumulative) << where;
    }
    if (!table.rows.empty()) {
      EXPECT_EQ(table.rows.back().cumulativePercent, 100.0) << row.name;
    }
  }
}

TEST(Frequencies, Percents) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    std::vector<FrequencyRow> want;
  } rows[] = {
      // Ten dice: 1 1 2 3 3 3 4 5 6 6.
      {"dice",
       {1, 1, 2, 3, 3, 3, 4, 5, 6, 6},
       {{1, 1, 2, 20, 2, 20},
        {2, 2, 1, 10, 3, 30},
        {3, 3, 3, 30, 6, 60},
        {4, 4, 1, 10, 7, 70},
        {5, 5, 1, 10, 8, 80},
        {6, 6, 2, 20, 10, 100}}},
      // Thirds: 33.333333333333336 summed three times would be
      // 100.00000000000001; from the count, 3 of 3 is 100.
      {"thirds",
       {1, 2, 3},
       {{1, 1, 1, 33.333333333333336, 1, 33.333333333333336},
        {2, 2, 1, 33.333333333333336, 2, 66.666666666666671},
        {3, 3, 1, 33.333333333333336, 3, 100}}},
  };
  for (const auto& row : rows) EXPECT_EQ(MakeFrequencyTable(row.sorted).rows, row.want) << row.name;
}

// The bins are the histogram's, for any data: the same counts, the edges
// where HistogramCounts puts them, and every number counted once.
TEST(Frequencies, TheHistogramsBins) {
  const struct {
    const char* name;
    std::size_t count;
    double scale;
    int bins;
  } rows[] = {
      {"hundreds, bins picked", 300, 1.0, 0},   {"thousands, bins picked", 5000, 1e3, 0},
      {"thousands, 500 bins", 5000, 1e-3, 500}, {"thousands, more bins than there can be", 5000, 1.0, 100000},
      {"large numbers", 2000, 1e300, 0},
  };
  std::mt19937_64 random(3);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (const auto& row : rows) {
    std::vector<double> sorted(row.count);
    for (double& x : sorted) x = normal(random) * row.scale;
    std::sort(sorted.begin(), sorted.end());
    const FrequencyTable table = MakeFrequencyTable(sorted, {.bins = row.bins});
    const int bins = row.bins > 0 ? std::min(row.bins, kMaxBins) : AutoBinCount(sorted);
    const std::vector<std::size_t> counts = HistogramCounts(sorted, sorted.front(), sorted.back(), bins);
    EXPECT_EQ(table.kind, FrequencyRowKind::kBins) << row.name;
    ASSERT_EQ(table.rows.size(), counts.size()) << row.name;
    for (std::size_t i = 0; i < counts.size(); ++i) {
      const int edge = static_cast<int>(i);
      EXPECT_EQ(table.rows[i].count, counts[i]) << row.name << ", bin " << i;
      EXPECT_EQ(table.rows[i].low, HistogramEdge(sorted.front(), sorted.back(), bins, edge)) << row.name;
      EXPECT_EQ(table.rows[i].high, HistogramEdge(sorted.front(), sorted.back(), bins, edge + 1)) << row.name;
    }
    EXPECT_EQ(table.rows.back().cumulativeCount, row.count) << row.name;
    EXPECT_EQ(table.rows.back().cumulativePercent, 100.0) << row.name;
  }
}

// Long runs of a few values, found by leaps: the counts are those of a plain
// count of the runs.
TEST(Frequencies, LongRuns) {
  const struct {
    const char* name;
    std::vector<std::size_t> runs;
  } rows[] = {
      {"one long run", {100000}},
      {"runs of every length near a power of two", {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 1023, 1024, 1025}},
      {"a long run between short ones", {1, 65537, 1}},
  };
  for (const auto& row : rows) {
    std::vector<double> sorted;
    for (std::size_t i = 0; i < row.runs.size(); ++i) sorted.insert(sorted.end(), row.runs[i], static_cast<double>(i));
    const FrequencyTable table = MakeFrequencyTable(sorted);
    ASSERT_EQ(table.rows.size(), row.runs.size()) << row.name;
    for (std::size_t i = 0; i < row.runs.size(); ++i) {
      EXPECT_EQ(table.rows[i].low, static_cast<double>(i)) << row.name;
      EXPECT_EQ(table.rows[i].count, row.runs[i]) << row.name << ", run " << i;
    }
  }
}

}  // namespace
