// Quantiles, bin counts, histograms and box plots on small sorted data sets
// whose answers are worked out by hand in the rows' comments.
#include "stats/Distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

using namespace tallowmere;
using namespace tallowmere::stats;

namespace {

using stats::AutoBinCount;
using stats::HistogramCounts;
using stats::InclusiveQuantile;
using stats::MakeBoxPlot;

constexpr double kBig = 1e308;

std::string Show(const std::vector<double>& x) {
  std::string s;
  for (double v : x) s += std::to_string(v) + " ";
  return s;
}

TEST(Distribution, InclusiveQuantile) {
  const struct {
    const char* name;
    std::vector<double> sorted;
    double p;
    double want;
  } rows[] = {
      {"OneNumberQuarter", {5}, 0.25, 5},
      {"OneNumberWhole", {5}, 1, 5},
      // Places p * 3: 0.75 -> 1.75, 1.5 -> 2.5, 2.25 -> 3.25.
      {"FourQuarter", {1, 2, 3, 4}, 0.25, 1.75},
      {"FourHalf", {1, 2, 3, 4}, 0.5, 2.5},
      {"FourThreeQuarters", {1, 2, 3, 4}, 0.75, 3.25},
      {"FourNone", {1, 2, 3, 4}, 0, 1},
      {"FourAll", {1, 2, 3, 4}, 1, 4},
      {"PBelowZeroClamped", {1, 2, 3, 4}, -1, 1},
      {"PAboveOneClamped", {1, 2, 3, 4}, 2, 4},
      // Place 0.75 * 4 = 3 falls on an element: no interpolation at all.
      {"PlaceOnAnElement", {0.1, 0.2, 0.3, 0.7, 0.9}, 0.75, 0.7},
      // Place 2.25 of 1, 2, 3, 4.5: a quarter of the way from 3 to 4.5, 3.375.
      {"QuarterOfTheWay", {1, 2, 3, 4.5}, 0.75, 3.375},
      // Place 0.75 between 0.3 and 0.6: 0.525 exactly rounded comes from the
      // upper end back (0.6 - 0.3 * 0.25); from the lower end it would be
      // 0.3 + 0.3 * 0.75 = 0.5249999999999999. Likewise 6.35 between 2.3 and
      // 7.7 (6.3500000000000005 from below).
      {"FromTheUpperEndBack", {0.3, 0.6}, 0.75, 0.525},
      {"FromTheUpperEndBackAgain", {2.3, 7.7}, 0.75, 6.35},
      // High - low overflows: weighted apart instead, -1e308/2 + 1e308/2.
      {"RangeOverflowsHalf", {-kBig, kBig}, 0.5, 0},
      {"RangeOverflowsQuarter", {-kBig, kBig}, 0.25, -kBig / 2},
      {"RangeOverflowsThreeQuarters", {-kBig, kBig}, 0.75, kBig / 2},
      {"RangeOverflowsAll", {-kBig, kBig}, 1, kBig},
  };
  for (const auto& row : rows) {
    // Each expected value is the exact quantile rounded once.
    EXPECT_EQ(InclusiveQuantile(row.sorted, row.p), row.want) << row.name << ": " << Show(row.sorted) << "p " << row.p;
  }
  EXPECT_TRUE(std::isnan(InclusiveQuantile({}, 0.5)));
}

TEST(Distribution, AutoBinCount) {
  const struct {
    const char* why;
    std::vector<double> sorted;
    int want;
  } rows[] = {
      {"no numbers", {}, 1},
      {"one number", {3}, 1},
      {"no spread", {2, 2, 2}, 1},
      // n = 4, range 3: Sturges 3 / (2 + 1) = 1; IQR 3.25 - 1.75 = 1.5, FD
      // 2 * 1.5 / 4^(1/3) = 1.89; the narrower is 1: 3 bins.
      {"Sturges narrower", {1, 2, 3, 4}, 3},
      // n = 10, range 99: Sturges 99 / 4.32 = 22.9; IQR 7.75 - 3.25 = 4.5, FD
      // 9 / 10^(1/3) = 4.18; 99 / 4.18 = 23.7: 24 bins.
      {"FD narrower", {1, 2, 3, 4, 5, 6, 7, 8, 9, 100}, 24},
      // n = 8: Q1 at place 1.75 and Q3 at 5.25 are both 0, so FD is 0 and
      // Sturges alone counts: 10 / (3 + 1) = 2.5, 4 bins.
      {"IQR 0", {0, 0, 0, 0, 0, 0, 0, 10}, 4},
      // FD 2 * 3.5 / 2 = 3.5 over a range of 1e6: 285715 bins, kept at 500.
      {"at most 500", {0, 1, 2, 3, 4, 5, 6, 1e6}, stats::kMaxBins},
      // n = 3, range 2: Sturges 2 / 2.585 = 0.774, FD 2 * 1 / 1.442 = 1.387:
      // 3 bins; the same shape at the ends of the doubles, whose range
      // overflows, gives the same.
      {"small", {-1, 0, 1}, 3},
      {"range overflows", {-kBig, 0, kBig}, 3},
  };
  for (const auto& row : rows) EXPECT_EQ(AutoBinCount(row.sorted), row.want) << row.why;
}

TEST(Distribution, HistogramCounts) {
  using Counts = std::vector<std::size_t>;
  const struct {
    const char* why;
    std::vector<double> sorted;
    double low, high;
    int bins;
    Counts want;
  } rows[] = {
      // Edges 1 2 3 4 5: [1,2) holds 1, [2,3) 2 and 2, [3,4) 3, [4,5] 4 and 5.
      {"last bin holds its upper edge", {1, 2, 2, 3, 4, 5}, 1, 5, 4, {1, 2, 1, 2}},
      // Edges 1 3 5: 0 and 6 are outside; 1 in [1,3), 5 in [3,5].
      {"outside is not counted", {0, 1, 5, 6}, 1, 5, 2, {1, 1}},
      {"one bin", {0, 1, 5, 6}, 0, 6, 1, {4}},
      // The edge of bin 3 is 3 * 0.1 + 0 = 0.30000000000000004, above 0.3,
      // which is therefore counted in bin 2, as numpy counts it.
      {"edges placed as numpy places them", {0.3}, 0, 1, 10, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
      {"low equals high", {1, 2, 2, 3}, 2, 2, 3, {0, 0, 2}},
      // The step overflows: the middle edge is 0, by weights.
      {"range overflows", {-kBig, 0, kBig}, -kBig, kBig, 2, {1, 2}},
      {"no numbers", {}, 0, 1, 3, {0, 0, 0}},
      {"no bins", {1, 2}, 0, 3, 0, {}},
      {"low above high", {1, 2}, 3, 0, 2, {}},
      {"bound not finite", {1, 2}, 0, std::numeric_limits<double>::infinity(), 2, {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(HistogramCounts(row.sorted, row.low, row.high, row.bins), row.want) << row.why;
  }
}

// Over the data's own range every number is counted once, whatever the
// number of bins: no number falls between two bins or into two.
TEST(Distribution, HistogramCountsEveryNumberOnce) {
  std::vector<double> sorted;
  for (int i = 0; i < 1000; ++i) sorted.push_back(std::sin(i) * 1e3 + i * 0.01);
  std::sort(sorted.begin(), sorted.end());
  for (int bins : {1, 2, 3, 7, 10, 99, 500}) {
    const std::vector<std::size_t> counts = HistogramCounts(sorted, sorted.front(), sorted.back(), bins);
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(bins));
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::size_t{0}), sorted.size()) << bins << " bins";
  }
}

TEST(Distribution, BoxPlot) {
  const struct {
    const char* why;
    std::vector<double> sorted;
    stats::BoxPlot want;
  } rows[] = {
      {"no numbers", {}, {0, 0, 0, 0, 0, 0, 0}},
      {"one number", {7}, {7, 7, 7, 7, 7, 0, 0}},
      // Q1 at place 2.25 is 3.25, the median at 4.5 is 5.5, Q3 at 6.75 is
      // 7.75; IQR 4.5, fences 3.25 - 6.75 = -3.5 and 7.75 + 6.75 = 14.5:
      // 100 is beyond, 9 is the highest within.
      {"one high outlier", {1, 2, 3, 4, 5, 6, 7, 8, 9, 100}, {3.25, 5.5, 7.75, 1, 9, 0, 1}},
      // n = 11: Q1 at place 2.5 is 2.5, the median 5, Q3 at 7.5 is 7.5; IQR
      // 5, fences -5 and 15: -50 below, 60 and 70 above.
      {"outliers at both ends", {-50, 1, 2, 3, 4, 5, 6, 7, 8, 60, 70}, {2.5, 5, 7.5, 1, 8, 1, 2}},
      // Q1 2, Q3 4, IQR 2: the upper fence is 4 + 3 = 7, which 7 reaches.
      {"a number on the fence is inside", {1, 2, 3, 4, 7}, {2, 3, 4, 1, 7, 0, 0}},
      {"just beyond the fence", {1, 2, 3, 4, 7.5}, {2, 3, 4, 1, 4, 0, 1}},
      // Q1 = Q3 = 10: fences at 10 too, so 0 and 20 are outliers.
      {"no spread in the box", {0, 10, 10, 10, 10, 10, 20}, {10, 10, 10, 10, 10, 1, 1}},
      // The IQR overflows: fences at infinity, no outliers, median 0.
      {"ends of the doubles", {-kBig, -kBig, kBig, kBig}, {-kBig, 0, kBig, -kBig, kBig, 0, 0}},
  };
  for (const auto& row : rows) {
    const stats::BoxPlot got = MakeBoxPlot(row.sorted);
    EXPECT_EQ(got.q1, row.want.q1) << row.why;
    EXPECT_EQ(got.median, row.want.median) << row.why;
    EXPECT_EQ(got.q3, row.want.q3) << row.why;
    EXPECT_EQ(got.lowWhisker, row.want.lowWhisker) << row.why;
    EXPECT_EQ(got.highWhisker, row.want.highWhisker) << row.why;
    EXPECT_EQ(got.lowOutliers, row.want.lowOutliers) << row.why;
    EXPECT_EQ(got.highOutliers, row.want.highOutliers) << row.why;
  }
}

}  // namespace
