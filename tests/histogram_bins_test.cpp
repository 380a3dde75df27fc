// Which bins a histogram gets: a bar per value of whole numbers, equal bins
// in the logarithm, equal bins otherwise, and the counts between edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "stats/Distribution.h"
#include "stats/HistogramBins.h"

using namespace tallowmere::stats;

namespace {

std::vector<double> Sorted(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<double> Iota(int n, double from, double step) {
  std::vector<double> v;
  for (int i = 0; i < n; ++i) v.push_back(from + i * step);
  return v;
}

struct StepCase {
  const char* name;
  std::vector<double> sorted;
  double step;  // 0: no bar per value
};

class WholeValues : public ::testing::TestWithParam<StepCase> {};

TEST_P(WholeValues, StepBetweenTheValues) {
  const StepCase& c = GetParam();
  EXPECT_EQ(WholeValueStep(c.sorted), c.step) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeValues,
    ::testing::Values(StepCase{"DiceRolls", Sorted({3, 1, 6, 6, 2, 4, 5, 1, 3}), 1},
                      StepCase{"Tens", {10, 20, 20, 40}, 10}, StepCase{"OffsetFives", {3, 8, 18}, 5},
                      StepCase{"Negatives", {-4, -2, 0, 2}, 2}, StepCase{"OneValue", {7, 7, 7}, 1},
                      StepCase{"NegativeZeroIsZero", {-0.0, 0.0, 3}, 3}, StepCase{"TwoFarApart", {0, 1000000}, 1000000},
                      StepCase{"AHalf", {1, 1.5, 2}, 0}, StepCase{"OnlyTheMiddleNotWhole", {1, 2.25, 3}, 0},
                      StepCase{"HundredValues", Iota(100, 1, 1), 1},
                      StepCase{"HundredAndOneValues", Iota(101, 1, 1), 0},
                      // Three values, but a thousand and one bars of one unit.
                      StepCase{"TooManySteps", {0, 1, 1000}, 0}, StepCase{"FiveHundredSteps", {0, 1, 499}, 1},
                      StepCase{"BeyondTwoToThe50", {0, 2251799813685248.0}, 0}, StepCase{"Empty", {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChoiceCase {
  const char* name;
  std::vector<double> sorted;
  BinRequest request;
  BinKind kind;
  std::vector<double> edges;  // expected, to a relative 1e-12
};

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, KindAndEdges) {
  const ChoiceCase& c = GetParam();
  const HistogramBins bins = ChooseHistogramBins(c.sorted, c.request);
  EXPECT_EQ(bins.kind, c.kind) << c.name;
  ASSERT_EQ(bins.edges.size(), c.edges.size()) << c.name;
  for (std::size_t i = 0; i < c.edges.size(); ++i)
    EXPECT_NEAR(bins.edges[i], c.edges[i], std::abs(c.edges[i]) * 1e-12) << c.name << " edge " << i;
}

const double kRootTen = std::sqrt(10.0);

INSTANTIATE_TEST_SUITE_P(
    Cases, Choice,
    ::testing::Values(
        // A bar per face, each centred on it.
        ChoiceCase{"Dice", {1, 1, 2, 3, 3, 4, 5, 6}, {}, BinKind::kValues, {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5}},
        ChoiceCase{"Tens", {10, 20, 40}, {}, BinKind::kValues, {5, 15, 25, 35, 45}},
        ChoiceCase{"OneWholeValue", {7}, {}, BinKind::kValues, {6.5, 7.5}},
        // A count asked for: equal bins, as before.
        ChoiceCase{"DiceInThreeBins", {1, 2, 3, 4, 5, 6}, {.bins = 3}, BinKind::kEqual, {1, 8.0 / 3, 13.0 / 3, 6}},
        // Sturges: a width of 2 / (log2 3 + 1), three bins.
        ChoiceCase{"HalvesInEqualBins", {0.5, 1.5, 2.5}, {}, BinKind::kEqual, {0.5, 0.5 + 2.0 / 3, 0.5 + 4.0 / 3, 2.5}},
        ChoiceCase{"OneValueNotWhole", {2.5}, {}, BinKind::kEqual, {2, 3}},
        // Decades: equal steps of the logarithm.
        ChoiceCase{
            "Decades", {1, 10, 100, 1000}, {.bins = 3, .logarithmic = true}, BinKind::kLogarithmic, {1, 10, 100, 1000}},
        ChoiceCase{"OnePositiveValueLogarithmic",
                   {5},
                   {.logarithmic = true},
                   BinKind::kLogarithmic,
                   {5 / kRootTen, 5 * kRootTen}},
        // Zero has no logarithm: the axis stays linear.
        ChoiceCase{
            "ZeroRefusesTheLogarithm", {0, 1, 2}, {.logarithmic = true}, BinKind::kValues, {-0.5, 0.5, 1.5, 2.5}},
        ChoiceCase{"Empty", {}, {}, BinKind::kEqual, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Choice, AutomaticLogarithmicCountIsThatOfTheLogarithms) {
  // 1.1^k for k = 0 .. 199: the logarithms are evenly spread.
  std::vector<double> sorted;
  std::vector<double> logs;
  for (int k = 0; k < 200; ++k) {
    sorted.push_back(std::pow(1.1, k));
    logs.push_back(std::log10(sorted.back()));
  }
  const int count = AutoBinCount(logs);
  EXPECT_EQ(LogAutoBinCount(sorted), count);
  EXPECT_EQ(ChooseHistogramBins(sorted, {.logarithmic = true}).Count(), static_cast<std::size_t>(count));
}

struct CountCase {
  const char* name;
  std::vector<double> sorted;
  std::vector<double> edges;
  std::vector<std::size_t> counts;
};

class Counts : public ::testing::TestWithParam<CountCase> {};

TEST_P(Counts, LowerEdgeInUpperEdgeOutButTheLast) {
  const CountCase& c = GetParam();
  EXPECT_EQ(CountInBins(c.sorted, c.edges), c.counts) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Counts,
                         ::testing::Values(CountCase{"TwoBins", {0, 0.5, 1, 2, 3}, {0, 1, 2}, {2, 2}},
                                           CountCase{"BelowAndAboveLeftOut", {-1, 1, 5}, {0, 2, 4}, {1, 0}},
                                           CountCase{"UnevenEdges", {1, 2, 3, 50, 99, 100}, {1, 10, 100}, {3, 3}},
                                           CountCase{"DiceOnTheirValues",
                                                     {1, 1, 2, 6, 6, 6},
                                                     {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5},
                                                     {2, 1, 0, 0, 0, 3}},
                                           CountCase{"OneEdgeIsNoBin", {1}, {1}, {}},
                                           CountCase{"InfiniteEnd", {1}, {0, HUGE_VAL}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Counts, EqualEdgesCountAsHistogramCounts) {
  std::vector<double> sorted;
  for (int i = 0; i < 1000; ++i) sorted.push_back(std::sin(i) * 37.0);
  std::sort(sorted.begin(), sorted.end());
  for (int bins : {1, 7, 64, 500})
    EXPECT_EQ(CountInBins(sorted, EqualEdges(sorted.front(), sorted.back(), bins)),
              HistogramCounts(sorted, sorted.front(), sorted.back(), bins))
        << bins << " bins";
}

}  // namespace
