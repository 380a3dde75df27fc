// The fences, kinds and counts of outliers, and the entries a pass over the
// list finds: beyond the fences (capped, in list order) and the k smallest
// and largest with their ties. Every expected value is worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

#include "results/OutlierList.h"

namespace tallowmere::results {
// Failures name the entries rather than their bytes.
void PrintTo(const PlacedNumber& p, std::ostream* os) { *os << "{" << p.index << ", " << p.value << "}"; }
}  // namespace tallowmere::results

namespace {

using namespace tallowmere;
using results::OutlierKind;
using results::PlacedNumber;
using stats::QuantileMethod;

std::vector<double> Sorted(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// ---------------------------------------------------------------------------
// Fences and counts.

struct FenceCase {
  const char* name;
  std::vector<double> numbers;  // any order
  QuantileMethod method;
  double q1, q3, farLow, low, high, farHigh;
  std::size_t outliers, farOut;
};

// Nine numbers put the inclusive quartiles on the 3rd and the 7th: 10 and
// 20, so the fences are -5 and 35, far out beyond -20 and 50.
const std::vector<double> kOnFences{50, -5, 10, 12, 15, 18, 20, 35, -25};

const FenceCase kFenceCases[] = {
    // -5 and 35 sit on the fences: inside. 50 sits on the far one: an
    // outlier, not far out. Only -25 is beyond the far fence.
    {"OnTheFencesIsInside", kOnFences, QuantileMethod::kInclusive, 10, 20, -20, -5, 35, 50, 1, 1},
    {"MildAndFar", {51, -6, 10, 12, 15, 18, 20, 36, -21}, QuantileMethod::kInclusive, 10, 20, -20, -5, 35, 50, 2, 2},
    // Type 6 puts Q1 halfway between -5 and 10 and Q3 between 20 and 35:
    // 2.5 and 27.5, an IQR of 25, and nothing beyond.
    {"ExclusiveWidens", kOnFences, QuantileMethod::kExclusive, 2.5, 27.5, -72.5, -35, 65, 102.5, 0, 0},
    {"DiceNone", {1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 1}, QuantileMethod::kInclusive, 2, 5, -7, -2.5, 9.5, 14, 0, 0},
    // No spread: every fence is the value, and each other value is far out.
    {"NoSpread", {7, 7, 7, 7, 7, 7, 7, 8, 6}, QuantileMethod::kInclusive, 7, 7, 7, 7, 7, 7, 0, 2},
    {"OneNumber", {3}, QuantileMethod::kInclusive, 3, 3, 3, 3, 3, 3, 0, 0},
};

class Fences : public ::testing::TestWithParam<FenceCase> {};

TEST_P(Fences, AndCounts) {
  const FenceCase& c = GetParam();
  const std::vector<double> sorted = Sorted(c.numbers);
  const results::TukeyFences f = results::FencesOf(sorted, c.method);
  EXPECT_DOUBLE_EQ(f.q1, c.q1);
  EXPECT_DOUBLE_EQ(f.q3, c.q3);
  EXPECT_DOUBLE_EQ(f.farLow, c.farLow);
  EXPECT_DOUBLE_EQ(f.low, c.low);
  EXPECT_DOUBLE_EQ(f.high, c.high);
  EXPECT_DOUBLE_EQ(f.farHigh, c.farHigh);
  const results::OutlierCounts counts = results::CountOutliers(sorted, f);
  EXPECT_EQ(counts.outliers, c.outliers);
  EXPECT_EQ(counts.farOut, c.farOut);
  // The counts agree with the kinds of the numbers one by one.
  std::size_t mild = 0, far = 0;
  for (double v : c.numbers) {
    mild += results::KindOf(v, f) == OutlierKind::kOutlier;
    far += results::KindOf(v, f) == OutlierKind::kFarOut;
  }
  EXPECT_EQ(mild, c.outliers);
  EXPECT_EQ(far, c.farOut);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fences, ::testing::ValuesIn(kFenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct KindCase {
  const char* name;
  double value;
  OutlierKind kind;
};

// Fences -20, -5, 35, 50.
const KindCase kKindCases[] = {
    {"FarBelow", -20.5, OutlierKind::kFarOut}, {"OnFarLow", -20, OutlierKind::kOutlier},
    {"Below", -5.5, OutlierKind::kOutlier},    {"OnLow", -5, OutlierKind::kInside},
    {"Inside", 15, OutlierKind::kInside},      {"OnHigh", 35, OutlierKind::kInside},
    {"Above", 35.5, OutlierKind::kOutlier},    {"OnFarHigh", 50, OutlierKind::kOutlier},
    {"FarAbove", 50.5, OutlierKind::kFarOut},
};

class Kinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(Kinds, ByTheFences) {
  const results::TukeyFences f{.q1 = 10, .q3 = 20, .farLow = -20, .low = -5, .high = 35, .farHigh = 50};
  EXPECT_EQ(results::KindOf(GetParam().value, f), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, Kinds, ::testing::ValuesIn(kKindCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fences, OverflowingSpreadLeavesNothingBeyond) {
  const double big = std::numeric_limits<double>::max();
  const std::vector<double> sorted{-big, -big, 0, big, big};
  const results::TukeyFences f = results::FencesOf(sorted, QuantileMethod::kInclusive);
  EXPECT_EQ(results::CountOutliers(sorted, f).Total(), 0u);
  EXPECT_EQ(results::KindOf(big, f), OutlierKind::kInside);
}

// ---------------------------------------------------------------------------
// The pass over the list.

struct ScanCase {
  const char* name;
  std::vector<double> list;  // in list order
  double low, high;
  std::size_t cap;
  std::size_t k;
  std::vector<PlacedNumber> outside;
  std::size_t outsideTotal;
  std::vector<PlacedNumber> smallest;
  std::vector<PlacedNumber> largest;
};

// Three 1s, three 9s, out of sorted order.
const std::vector<double> kTies{5, 1, 3, 1, 9, 9, 2, 9, 1};

const ScanCase kScanCases[] = {
    {"BeyondInListOrder", {100, 1, 2, -50, 3, 200, 4}, 0, 10, 10, 0, {{0, 100}, {3, -50}, {5, 200}}, 3, {}, {}},
    {"OnTheBoundsIsInside", {0, 10, -0.5, 10.5}, 0, 10, 10, 0, {{2, -0.5}, {3, 10.5}}, 2, {}, {}},
    {"CapKeepsTheFirstByPosition", {100, 1, 2, -50, 3, 200, 4}, 0, 10, 2, 0, {{0, 100}, {3, -50}}, 3, {}, {}},
    {"CapZeroStillCounts", {100, 1, -50}, 0, 10, 0, 0, {}, 2, {}, {}},
    // The k-th smallest is a 1 of three: the first two in list order.
    {"TiesTakeTheEarlierEntries", kTies, -100, 100, 10, 2, {}, 0, {{1, 1}, {3, 1}}, {{4, 9}, {5, 9}}},
    {"TiesAllTakenThenTheNext",
     kTies,
     -100,
     100,
     10,
     4,
     {},
     0,
     {{1, 1}, {3, 1}, {8, 1}, {6, 2}},
     {{4, 9}, {5, 9}, {7, 9}, {0, 5}}},
    {"KBeyondTheCount", {3, 1, 2}, -100, 100, 10, 5, {}, 0, {{1, 1}, {2, 2}, {0, 3}}, {{0, 3}, {2, 2}, {1, 1}}},
    {"NegativeAndPositiveZeroAreOneValue",
     {0.0, -0.0, -1},
     -100,
     100,
     10,
     2,
     {},
     0,
     {{2, -1}, {0, 0.0}},
     {{0, 0.0}, {1, -0.0}}},
};

class Scan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(Scan, FindsTheEntries) {
  const ScanCase& c = GetParam();
  const results::ListQuery query{
      .low = c.low, .high = c.high, .cap = c.cap, .cut = results::CutOf(Sorted(c.list), c.k)};
  const results::ListFound found = results::ScanList(c.list, query);
  EXPECT_EQ(found.outside, c.outside);
  EXPECT_EQ(found.outsideTotal, c.outsideTotal);
  EXPECT_EQ(found.smallest, c.smallest);
  EXPECT_EQ(found.largest, c.largest);
}

INSTANTIATE_TEST_SUITE_P(Cases, Scan, ::testing::ValuesIn(kScanCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
