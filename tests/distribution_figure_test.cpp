// The distribution picture's figure: its bins, its box plot and its capped
// outliers, worked out from sorted numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "app/DistributionFigure.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace tallowmere::stats;

namespace {

std::size_t Total(const std::vector<std::size_t>& bins) {
  return std::accumulate(bins.begin(), bins.end(), std::size_t{0});
}

struct FigureCase {
  const char* name;
  std::vector<double> sorted;
  int binCount;
  std::vector<std::size_t> bins;  // expected counts
  double low, high;
  double q1, median, q3, lowWhisker, highWhisker;
  std::vector<double> lowOutliers, highOutliers;
};

class Figure : public ::testing::TestWithParam<FigureCase> {};

TEST_P(Figure, BinsBoxAndOutliers) {
  const FigureCase& c = GetParam();
  const DistributionFigure f = MakeDistributionFigure(c.sorted, c.binCount, 0.0, 1.0);
  EXPECT_EQ(f.count, c.sorted.size());
  EXPECT_EQ(f.bins, c.bins);
  EXPECT_DOUBLE_EQ(f.low, c.low);
  EXPECT_DOUBLE_EQ(f.high, c.high);
  EXPECT_DOUBLE_EQ(f.box.q1, c.q1);
  EXPECT_DOUBLE_EQ(f.box.median, c.median);
  EXPECT_DOUBLE_EQ(f.box.q3, c.q3);
  EXPECT_DOUBLE_EQ(f.box.lowWhisker, c.lowWhisker);
  EXPECT_DOUBLE_EQ(f.box.highWhisker, c.highWhisker);
  EXPECT_EQ(f.lowOutliers, c.lowOutliers);
  EXPECT_EQ(f.highOutliers, c.highOutliers);
  EXPECT_EQ(f.box.lowOutliers, c.lowOutliers.size());
  EXPECT_EQ(f.box.highOutliers, c.highOutliers.size());
  EXPECT_FALSE(f.outliersCapped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Figure,
    ::testing::Values(
        // Quartiles between order statistics; the last bin holds its upper
        // edge, every other bin its lower one.
        FigureCase{"FourNumbers", {2, 4, 4, 5}, 3, {1, 0, 3}, 2, 5, 3.5, 4, 4.25, 4, 5, {2}, {}},
        FigureCase{"EdgeValueInUpperBin", {0, 1, 2, 3, 4}, 2, {2, 3}, 0, 4, 1, 2, 3, 0, 4, {}, {}},
        // A single value: one unit around it, one bin, no whiskers to speak of.
        FigureCase{"OneValue", {7}, 0, {1}, 6.5, 7.5, 7, 7, 7, 7, 7, {}, {}},
        FigureCase{"AllEqual", {3, 3, 3}, 4, {0, 0, 3, 0}, 2.5, 3.5, 3, 3, 3, 3, 3, {}, {}},
        // 1.5 IQR fences at -1 and 7: 100 lies beyond, 4 is the whisker.
        FigureCase{"HighOutlier", {1, 2, 3, 4, 100}, 2, {4, 1}, 1, 100, 2, 3, 4, 1, 4, {}, {100}},
        FigureCase{"BothSides", {-50, 10, 11, 12, 13, 14, 90}, 1, {7}, -50, 90, 10.5, 12, 13.5, 10, 14, {-50}, {90}},
        // Asked for more bins than the control offers: held to its top.
        FigureCase{"TooManyBins",
                   {0, 1},
                   900,
                   [] {
                     std::vector<std::size_t> b(kMostBins);
                     b.front() = 1;
                     b.back() = 1;
                     return b;
                   }(),
                   0,
                   1,
                   0.25,
                   0.5,
                   0.75,
                   0,
                   1,
                   {},
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AutoCase {
  const char* name;
  std::vector<double> sorted;
  int bins;
};

class AutomaticBins : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AutomaticBins, LargerOfSturgesAndFreedmanDiaconis) {
  const AutoCase& c = GetParam();
  EXPECT_EQ(AutomaticBinCount(c.sorted), c.bins);
  const DistributionFigure f = MakeDistributionFigure(c.sorted, 0, std::nullopt, std::nullopt);
  EXPECT_TRUE(f.automaticBins);
  EXPECT_EQ(f.bins.size(), static_cast<std::size_t>(c.bins));
  EXPECT_EQ(Total(f.bins), c.sorted.size());
}

std::vector<double> Range(int n) {
  std::vector<double> v(static_cast<std::size_t>(n));
  std::iota(v.begin(), v.end(), 0.0);
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutomaticBins,
    ::testing::Values(
        // Sturges: ceil(log2 n) + 1; Freedman-Diaconis: range / (2 IQR / cbrt n).
        // Halves: whole numbers would get a bar per value.
        AutoCase{"Sturges", {1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5, 8.5}, 4},  // IQR 3.5: FD 2
        AutoCase{"FreedmanDiaconis", Range(10000), 22},                    // Sturges 15
        AutoCase{"HeavyTail",
                 [] {
                   auto v = Range(1000);
                   v.back() = 1e6;
                   return v;
                 }(),
                 kMostBins},
        AutoCase{"NoSpreadInTheMiddle", {0.5, 5.5, 5.5, 5.5, 5.5, 5.5, 5.5, 10.5}, 4},  // IQR 0: Sturges alone
        AutoCase{"OneNumber", {3}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FigureOutliers, BeyondTheCapOnlyTheExtremesAreKept) {
  // 3,000 on each side of a tight middle: more than the picture draws.
  std::vector<double> v;
  for (int i = 0; i < 3000; ++i) v.push_back(-1000.0 - i);
  for (int i = 0; i < 10000; ++i) v.push_back(i % 10);
  for (int i = 0; i < 3000; ++i) v.push_back(1000.0 + i);
  std::sort(v.begin(), v.end());
  const DistributionFigure f = MakeDistributionFigure(v, 0, 0.0, 1.0);
  EXPECT_TRUE(f.outliersCapped);
  EXPECT_EQ(f.box.lowOutliers, 3000u);
  EXPECT_EQ(f.box.highOutliers, 3000u);
  EXPECT_EQ(f.lowOutliers, std::vector<double>{-3999});
  EXPECT_EQ(f.highOutliers, std::vector<double>{3999});
}

TEST(FigureOutliers, UpToTheCapAllAreKept) {
  std::vector<double> v;
  for (std::size_t i = 0; i < kOutlierPointsDrawn; ++i) v.push_back(1e6 + static_cast<double>(i));
  for (int i = 0; i < 20000; ++i) v.push_back(i % 10);
  std::sort(v.begin(), v.end());
  const DistributionFigure f = MakeDistributionFigure(v, 10, 0.0, 1.0);
  EXPECT_FALSE(f.outliersCapped);
  EXPECT_EQ(f.highOutliers.size(), kOutlierPointsDrawn);
}

struct CurveCase {
  const char* name;
  std::optional<double> mean, sd;
  bool hasMean, hasCurve;
};

class FigureCurve : public ::testing::TestWithParam<CurveCase> {};

TEST_P(FigureCurve, DrawnOnlyWithAFiniteMeanAndSpread) {
  const CurveCase& c = GetParam();
  const DistributionFigure f = MakeDistributionFigure(std::vector<double>{1, 2, 3}, 0, c.mean, c.sd);
  EXPECT_EQ(f.mean.has_value(), c.hasMean);
  EXPECT_EQ(f.standardDeviation.has_value(), c.hasCurve);
}

INSTANTIATE_TEST_SUITE_P(Cases, FigureCurve,
                         ::testing::Values(CurveCase{"Both", 2.0, 1.0, true, true},
                                           CurveCase{"NoSpread", 2.0, std::nullopt, true, false},
                                           CurveCase{"ZeroSpread", 2.0, 0.0, true, false},
                                           CurveCase{"NoMean", std::nullopt, 1.0, false, false},
                                           CurveCase{"InfiniteMean", HUGE_VAL, 1.0, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Whole numbers, outliers left out, and the logarithmic axis.
struct OptionsCase {
  const char* name;
  std::vector<double> sorted;
  FigureOptions options;
  BinKind kind;
  double low, high;
  std::vector<std::size_t> bins;
  std::size_t lowBeyond, highBeyond;
  std::size_t outliersDrawn;
};

class FigureWithOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(FigureWithOptions, SpanBinsAndWhatLiesBeyond) {
  const OptionsCase& c = GetParam();
  const DistributionFigure f = MakeDistributionFigure(c.sorted, c.options, 0.0, 1.0);
  EXPECT_EQ(f.binKind, c.kind);
  EXPECT_DOUBLE_EQ(f.low, c.low);
  EXPECT_DOUBLE_EQ(f.high, c.high);
  EXPECT_EQ(f.bins, c.bins);
  EXPECT_EQ(f.edges.size(), f.bins.size() + 1);
  EXPECT_EQ(f.withoutOutliers, c.options.withoutOutliers);
  EXPECT_EQ(f.lowBeyond, c.lowBeyond);
  EXPECT_EQ(f.highBeyond, c.highBeyond);
  EXPECT_EQ(f.lowOutliers.size() + f.highOutliers.size(), c.outliersDrawn);
  // The figure still counts every number.
  EXPECT_EQ(f.count, c.sorted.size());
}

// 28 weights from 55 to 82 and two outliers beyond the fences (Q1 62.25,
// Q3 76.75 on this list: fences 40.5 and 98.5).
std::vector<double> Weights() {
  std::vector<double> v;
  for (int i = 0; i < 28; ++i) v.push_back(55 + i);
  v.push_back(250);
  v.push_back(999);
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FigureWithOptions,
    ::testing::Values(
        OptionsCase{"DiceOneBarPerFace",
                    {1, 1, 2, 3, 3, 3, 4, 6, 6},
                    {},
                    BinKind::kValues,
                    0.5,
                    6.5,
                    {2, 1, 3, 1, 0, 2},
                    0,
                    0,
                    0},
        // All values: 250 shares the first of four bins 236 wide with the
        // weights, 999 is alone in the last; both drawn as outliers.
        OptionsCase{"WeightsWithOutliers", Weights(), {.bins = 4}, BinKind::kEqual, 55, 999, {29, 0, 0, 1}, 0, 0, 2},
        // Without them: the 28 whole weights, a bar each.
        OptionsCase{"WeightsWithoutOutliers",
                    Weights(),
                    {.withoutOutliers = true},
                    BinKind::kValues,
                    54.5,
                    82.5,
                    std::vector<std::size_t>(28, 1),
                    0,
                    2,
                    0},
        OptionsCase{"BothSidesLeftOut",
                    {-50, 10, 11, 12, 13, 14, 90},
                    {.bins = 2, .withoutOutliers = true},
                    BinKind::kEqual,
                    10,
                    14,
                    {2, 3},
                    1,
                    1,
                    0},
        OptionsCase{"LogarithmicDecades",
                    {1, 2, 10, 20, 100, 200, 1000},
                    {.bins = 3, .logarithmic = true},
                    BinKind::kLogarithmic,
                    1,
                    1000,
                    {2, 2, 3},
                    0,
                    0,
                    1},  // 1000 beyond the fence at 366
        // Zero has no logarithm: the check box is refused.
        OptionsCase{"LogarithmicRefusedWithZero",
                    {0, 1, 2},
                    {.logarithmic = true},
                    BinKind::kValues,
                    -0.5,
                    2.5,
                    {1, 1, 1},
                    0,
                    0,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

struct LogCase {
  const char* name;
  std::vector<double> sorted;
  bool can;
};

class LogarithmicAxis : public ::testing::TestWithParam<LogCase> {};

TEST_P(LogarithmicAxis, OnlyForPositiveFiniteNumbers) {
  EXPECT_EQ(CanShowLogarithmic(GetParam().sorted), GetParam().can);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogarithmicAxis,
                         ::testing::Values(LogCase{"Positive", {0.001, 5, 1e300}, true}, LogCase{"Zero", {0, 5}, false},
                                           LogCase{"Negative", {-1, 5}, false},
                                           LogCase{"Infinite", {1, HUGE_VAL}, false}, LogCase{"None", {}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The box by the window's quantile method: its quartiles, and so its fences
// and which numbers are outliers; the median stays the middle. R's
// quantile(c(1:10, 17), type = ...).
struct MethodBoxCase {
  const char* name;
  QuantileMethod method;
  double q1, q3;
  std::size_t highOutliers;
  double highWhisker;
};

class MethodBox : public ::testing::TestWithParam<MethodBoxCase> {};

TEST_P(MethodBox, QuartilesFencesAndOutliersFollowTheMethod) {
  const MethodBoxCase& c = GetParam();
  const std::vector<double> sorted = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17};
  const DistributionFigure f = MakeDistributionFigure(sorted, FigureOptions{.method = c.method}, 6.5, 4.0);
  EXPECT_DOUBLE_EQ(f.box.q1, c.q1);
  EXPECT_DOUBLE_EQ(f.box.q3, c.q3);
  EXPECT_EQ(f.box.median, 6.0);
  EXPECT_EQ(f.box.highOutliers, c.highOutliers);
  EXPECT_EQ(f.box.highWhisker, c.highWhisker);
  EXPECT_EQ(f.highOutliers.size(), c.highOutliers);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodBox,
    ::testing::Values(MethodBoxCase{"InclusiveFences17Out", QuantileMethod::kInclusive, 3.5, 8.5, 1, 10},
                      MethodBoxCase{"NearestRankTakes17In", QuantileMethod::kNearestRank, 3, 9, 0, 17},
                      MethodBoxCase{"ExclusiveTakes17In", QuantileMethod::kExclusive, 3, 9, 0, 17},
                      MethodBoxCase{"NormalUnbiasedTakes17In", QuantileMethod::kNormalUnbiased, 3.1875, 8.8125, 0, 17}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
