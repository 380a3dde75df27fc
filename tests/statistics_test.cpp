// The statistics engine on small data sets whose results are known. Doubles
// are compared through their 15-digit number text, which is what the results
// list shows.
#include "stats/Statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"
#include "stats/StatResult.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using namespace modStatistics;

const char* const kFailDiv0 = "#Div/0!";

std::string Text(double v) { return numtext::NumberText(v, numtext::Separators{}); }

// A number shows as its text, a text result in brackets: "4" versus "[None]".
std::string Describe(double v) { return Text(v); }
std::string Describe(const StatResult& r) { return r.IsNumber() ? Text(r.Number()) : "[" + r.Text() + "]"; }

// The result described, or "fail:<description>" for a failure passed on.
template <class F>
std::string Outcome(F f) {
  try {
    return Describe(f());
  } catch (const std::exception& e) {
    return std::string("fail:") + e.what();
  }
}

// `first`, then `pairs` times `a` and `b`.
std::vector<double> PairsAfter(double first, double a, double b, int pairs) {
  std::vector<double> v{first};
  for (int i = 0; i < pairs; ++i) {
    v.push_back(a);
    v.push_back(b);
  }
  return v;
}

std::vector<double> Sorted(const DataSet& d) { return {d.SortedNumbers().begin(), d.SortedNumbers().end()}; }

class Engine : public ::testing::Test {
 protected:
  // What the analysis run does: fill the data set, then sort.
  void Load(const std::vector<double>& values) {
    data.SetNumbers({values.begin(), values.end()});
    data.SetNumberCount(static_cast<double>(values.size()));
    data.SortNumbers();
  }

  DataSet data;
};

// ---- Checked arithmetic ----------------------------------------------------

TEST(Arithmetic, StepsAreCheckedForOverflowAndDivisionByZero) {
  const double big = 1e308;
  struct Row {
    const char* what;
    std::function<double()> op;
    std::string expected;
  } rows[] = {
      {"add", [] { return stats::Add(0.1, 0.2); }, "0.3"},
      {"add overflow", [=] { return stats::Add(big, big); }, "fail:Overflow"},
      {"add negative overflow", [=] { return stats::Add(-big, -big); }, "fail:Overflow"},
      {"sub", [] { return stats::Sub(1, 3); }, "-2"},
      {"sub overflow", [=] { return stats::Sub(-big, big); }, "fail:Overflow"},
      {"mul", [] { return stats::Mul(1.5, -4); }, "-6"},
      {"mul overflow", [] { return stats::Mul(1e200, -1e200); }, "fail:Overflow"},
      {"mul underflow is zero", [] { return stats::Mul(1e-200, 1e-200); }, "0"},
      {"div", [] { return stats::Div(1, 4); }, "0.25"},
      {"div nonzero by zero", [] { return stats::Div(1, 0); }, "fail:Division by zero"},
      {"div negative by negative zero", [] { return stats::Div(-3, -0.0); }, "fail:Division by zero"},
      {"div zero by zero", [] { return stats::Div(0, 0); }, "fail:Overflow"},
      {"div negative zero by zero", [] { return stats::Div(-0.0, 0); }, "fail:Overflow"},
      {"div overflow", [] { return stats::Div(1e308, 1e-10); }, "fail:Overflow"},
      {"div underflow is zero", [] { return stats::Div(1e-300, 1e300); }, "0"},
      {"cube", [] { return stats::Cube(-1.5); }, "-3.375"},
      {"cube of a decimal", [] { return stats::Cube(1.1); }, "1.331"},
      {"cube overflow", [] { return stats::Cube(1e103); }, "fail:Overflow"},
      {"cube negative overflow", [] { return stats::Cube(-1e103); }, "fail:Overflow"},
      {"cube underflow is zero", [] { return stats::Cube(1e-110); }, "0"},
  };
  for (const Row& r : rows) EXPECT_EQ(Outcome(r.op), r.expected) << r.what;
}

// ---- StatResult ------------------------------------------------------------

TEST(StatResultTest, NumberOrText) {
  const StatResult n(2.5);
  EXPECT_TRUE(n.IsNumber());
  EXPECT_EQ(n.Number(), 2.5);
  EXPECT_EQ(n.Text(), "");

  const StatResult t(kDivZeroText);
  EXPECT_FALSE(t.IsNumber());
  EXPECT_EQ(t.Text(), "#Div/0!");
  try {
    (void)t.Number();
    ADD_FAILURE() << "a text used as a number must fail";
  } catch (const ArithmeticError& e) {
    EXPECT_STREQ(e.what(), "Type mismatch");
  }

  EXPECT_EQ(StatResult(std::string("2 or 3")), StatResult("2 or 3"));
  EXPECT_NE(StatResult(4.0), StatResult("4"));
  EXPECT_NE(StatResult(4.0), StatResult(4.5));
}

// ---- Sort, sums, mean, median, mode ----------------------------------------

TEST_F(Engine, CentralTendency) {
  struct Row {
    const char* name;
    std::vector<double> numbers;
    std::string sum, sumOfSquares, mean, median, mode;
  } rows[] = {
      {.name = "ThreeUnsorted",
       .numbers = {3, 1, 2},
       .sum = "6",
       .sumOfSquares = "14",
       .mean = "2",
       .median = "2",
       .mode = "[None]"},
      {.name = "OneRepeated",
       .numbers = {2, 4, 4, 5},
       .sum = "15",
       .sumOfSquares = "61",
       .mean = "3.75",
       .median = "4",
       .mode = "4"},
      {.name = "One", .numbers = {7}, .sum = "7", .sumOfSquares = "49", .mean = "7", .median = "7", .mode = "[None]"},
      {.name = "TwoEqual",
       .numbers = {5, 5},
       .sum = "10",
       .sumOfSquares = "50",
       .mean = "5",
       .median = "5",
       .mode = "5"},
      {.name = "TwoModesAscending",
       .numbers = {1, 2, 2, 3, 3},
       .sum = "11",
       .sumOfSquares = "27",
       .mean = "2.2",
       .median = "2",
       .mode = "[2 or 3]"},
      {.name = "TwoModesDescending",
       .numbers = {3, 3, 2, 2, 1},
       .sum = "11",
       .sumOfSquares = "27",
       .mean = "2.2",
       .median = "2",
       .mode = "[3 or 2]"},
      {.name = "MeanWithManyDecimals",
       .numbers = {2, 1, 1},
       .sum = "4",
       .sumOfSquares = "6",
       .mean = "1.33333333333333",
       .median = "1",
       .mode = "1"},
      {.name = "ThreeModes",
       .numbers = {12, 12, 1, 1, 2, 2},
       .sum = "30",
       .sumOfSquares = "298",
       .mean = "5",
       .median = "2",
       .mode = "[12 or 1 or 2]"},
      {.name = "ThreeModesWithZero",
       .numbers = {10, 10, 20, 20, 0, 0},
       .sum = "60",
       .sumOfSquares = "1000",
       .mean = "10",
       .median = "10",
       .mode = "[10 or 20 or 0]"},
      {.name = "SumOverflows",
       .numbers = {1E+308, 1E+308},
       .sum = "fail:Overflow",
       .sumOfSquares = "fail:Overflow",
       .mean = "fail:Overflow",
       .median = "fail:Overflow",
       .mode = "1E+308"},
      {.name = "SumIsZero",
       .numbers = {-1, 1},
       .sum = "0",
       .sumOfSquares = "2",
       .mean = "0",
       .median = "0",
       .mode = "[None]"},
      // The sums are exact, whatever the order: one by one, each step
      // rounded, these would give 1 and 0.
      {.name = "ExactSumCancelsMidway",
       .numbers = {1e16, 1, -1e16, 1},
       .sum = "2",
       .sumOfSquares = "2E+32",
       .mean = "0.5",
       .median = "1",
       .mode = "1"},
      {.name = "ExactSumCancelsAtTheEnd",
       .numbers = {1e16, 1, 1, -1e16},
       .sum = "2",
       .sumOfSquares = "2E+32",
       .mean = "0.5",
       .median = "1",
       .mode = "1"},
      // Only the squares overflow.
      {.name = "OnlyTheSquaresOverflow",
       .numbers = {1e200},
       .sum = "1E+200",
       .sumOfSquares = "fail:Overflow",
       .mean = "1E+200",
       .median = "1E+200",
       .mode = "[None]"},
      // Median of two values whose sum leaves the range; the mean fails first
      // in the sum.
      {.name = "MedianOfTwoLeavesTheRange",
       .numbers = {1.5e308, 1e308},
       .sum = "fail:Overflow",
       .sumOfSquares = "fail:Overflow",
       .mean = "fail:Overflow",
       .median = "fail:Overflow",
       .mode = "[None]"},
      {.name = "NegativeSumOverflowsMedianDoesNot",
       .numbers = {-1.5e308, -1e308, 0},
       .sum = "fail:Overflow",
       .sumOfSquares = "fail:Overflow",
       .mean = "fail:Overflow",
       .median = "-1E+308",
       .mode = "[None]"},
      // Later positions with an equal count never replace the first one.
      {.name = "LaterEqualCountKeepsTheFirst",
       .numbers = {4, 9, 9, 4},
       .sum = "26",
       .sumOfSquares = "194",
       .mean = "6.5",
       .median = "6.5",
       .mode = "[4 or 9]"},
      {.name = "BinaryFractions",
       .numbers = {0.5, 0.25, 0.25, 0.5, 0.5},
       .sum = "2",
       .sumOfSquares = "0.875",
       .mean = "0.4",
       .median = "0.5",
       .mode = "0.5"},
      // Whole values, not parts of texts: "1" is not already in "12 or 21".
      {.name = "WholeValuesNotPartsOfTexts",
       .numbers = {12, 12, 21, 21, 1, 1, 2, 2},
       .sum = "72",
       .sumOfSquares = "1180",
       .mean = "9",
       .median = "7",
       .mode = "[12 or 21 or 1 or 2]"},
      {.name = "NegativeAndPositiveModes",
       .numbers = {-5, -5, 5, 5},
       .sum = "0",
       .sumOfSquares = "100",
       .mean = "0",
       .median = "0",
       .mode = "[-5 or 5]"},
      // A sum rounded once: 1.2 and then 500 pairs of 1.1 and 1.3 gave
      // 1201.19999999999 one by one.
      {.name = "SumRoundedOnce",
       .numbers = PairsAfter(1.2, 1.1, 1.3, 500),
       .sum = "1201.2",
       .sumOfSquares = "1451.44",
       .mean = "1.2",
       .median = "1.2",
       .mode = "[1.1 or 1.3]"},
      // A tie of the rounding goes to the even neighbour: 1 + 2^-53 is 1.
      {.name = "RoundingTieGoesToEven",
       .numbers = {1, 0x1p-53, -0x1p-53, 0x1p-53},
       .sum = "1",
       .sumOfSquares = "1",
       .mean = "0.25",
       .median = "1.11022302462516E-16",
       .mode = "1.11022302462516E-16"},
  };
  for (const Row& r : rows) {
    Load(r.numbers);
    const std::string name = r.name + (" " + ::testing::PrintToString(r.numbers));
    EXPECT_EQ(Outcome([&] { return data.GetSum(); }), r.sum) << name;
    EXPECT_EQ(Outcome([&] { return data.GetSumOfSquares(); }), r.sumOfSquares) << name;
    EXPECT_EQ(Outcome([&] { return data.GetMean(); }), r.mean) << name;
    EXPECT_EQ(Outcome([&] { return data.GetMedian(); }), r.median) << name;
    EXPECT_EQ(Describe(data.GetMode()), r.mode) << name;
  }
}

TEST_F(Engine, SortedCopyIsAscendingAndLeavesNumbersAlone) {
  Load({3, -1, 2.5, -1, 1e-300, 0, 1e300, -7});
  EXPECT_EQ(Sorted(data), (std::vector<double>{-7, -1, -1, 0, 1e-300, 2.5, 3, 1e300}));
  EXPECT_EQ(data.Numbers(), (core::BigVector<double>{3, -1, 2.5, -1, 1e-300, 0, 1e300, -7}));

  // Rebuilt from scratch: a smaller data set leaves nothing of the old one.
  Load({2, 1});
  EXPECT_EQ(Sorted(data), (std::vector<double>{1, 2}));
}

TEST_F(Engine, OnlyTheFirstNumberCountElementsTakePart) {
  data.SetNumbers({4, 2, 9, 100});
  data.SetNumberCount(3);
  data.SortNumbers();
  EXPECT_EQ(Sorted(data), (std::vector<double>{2, 4, 9}));
  EXPECT_EQ(data.GetSum(), 15);
  EXPECT_EQ(data.GetMedian(), 4);
  EXPECT_EQ(Describe(data.GetMode()), "[None]");
}

TEST_F(Engine, CountBeyondTheDataIsAFailureNotARead) {
  Load({1, 2});
  data.SetNumberCount(3);
  EXPECT_EQ(Outcome([&] { return data.GetSum(); }), "fail:The number count is out of range");
  EXPECT_EQ(Outcome([&] { return data.GetSumOfSquares(); }), "fail:The number count is out of range");
  EXPECT_EQ(Outcome([&] { return data.GetMean(); }), "fail:The number count is out of range");
  EXPECT_EQ(Outcome([&] { return data.GetMedian(); }), "fail:The number count is out of range");  // sorted copy has 2
  EXPECT_EQ(Outcome([&] { return data.GetAverageDeviation(); }), "fail:The number count is out of range");
  EXPECT_EQ(Describe(data.GetMode()), "[Error]");
  EXPECT_EQ(Describe(data.GetVariance()), "[#Div/0!]");
  EXPECT_EQ(Describe(data.GetStandardDeviation()), "[#Div/0!]");
  EXPECT_EQ(Describe(data.GetSkew()), "[#Div/0!]");
  EXPECT_EQ(Describe(data.GetCoefficientOfVariation()), "[#Div/0!]");
  // The failed sort leaves the old sorted copy as it was.
  EXPECT_THROW(data.SortNumbers(), std::out_of_range);
  EXPECT_EQ(Sorted(data), (std::vector<double>{1, 2}));

  // A count that is no 32-bit integer overflows in the conversion.
  data.SetNumberCount(3e9);
  EXPECT_EQ(Outcome([&] { return data.GetSum(); }), "fail:Overflow");
  EXPECT_EQ(Describe(data.GetMode()), "[Error]");
}

TEST_F(Engine, EmptyDataSet) {
  // The analysis run never gets here with an empty list; nothing may crash.
  Load({});
  EXPECT_TRUE(data.SortedNumbers().empty());
  EXPECT_EQ(Outcome([&] { return data.GetSum(); }), "0");
  EXPECT_EQ(Outcome([&] { return data.GetSumOfSquares(); }), "0");
  EXPECT_EQ(Outcome([&] { return data.GetMean(); }), "fail:Overflow");  // 0 / 0
  EXPECT_EQ(Outcome([&] { return data.GetMedian(); }), "fail:The number count is out of range");
  EXPECT_EQ(Describe(data.GetMode()), "[Error]");
  EXPECT_EQ(Describe(data.GetVariance()), "[#Div/0!]");
}

TEST_F(Engine, MedianNeedsTheSortedCopy) {
  data.SetNumbers({5, 1, 3});
  data.SetNumberCount(3);
  EXPECT_EQ(Outcome([&] { return data.GetMedian(); }), "fail:The number count is out of range");
  data.SortNumbers();
  EXPECT_EQ(data.GetMedian(), 3);
}

TEST_F(Engine, ModeFollowsNumbersNotAStaleSortedCopy) {
  Load({1, 2, 2, 3});
  EXPECT_EQ(Describe(data.GetMode()), "2");
  // Numbers changed after the sort: the mode is of the numbers as they are now.
  data.SetNumbers({3, 2, 2, 3});
  EXPECT_EQ(Describe(data.GetMode()), "[3 or 2]");
  data.SetNumbers({1, 2, 2, 3});
  EXPECT_EQ(Describe(data.GetMode()), "2");
  // Numbers taken out for refilling and given back changed, unsorted.
  core::BigVector<double> refill = data.TakeNumbers();
  refill = {4, 2, 4, 3};
  data.SetNumbers(std::move(refill));
  EXPECT_EQ(Describe(data.GetMode()), "4");
  data.SortNumbers();
  // Fewer numbers counted than were sorted.
  data.SortNumbers();
  data.SetNumberCount(2);
  EXPECT_EQ(Describe(data.GetMode()), "[None]");
}

TEST_F(Engine, ModeOfBothZeros) {
  // -0 and +0 are one value; the single mode is the element at the first
  // position, with its own sign.
  Load({-0.0, 1, 0.0, 2});
  StatResult mode = data.GetMode();
  ASSERT_TRUE(mode.IsNumber());
  EXPECT_EQ(mode.Number(), 0.0);
  EXPECT_TRUE(std::signbit(mode.Number()));

  Load({0.0, 3, 3, -0.0, 7});
  EXPECT_EQ(Describe(data.GetMode()), "[0 or 3]");
  EXPECT_EQ(data.GetMedian(), 3);

  Load({-0.0, 0.0});
  EXPECT_EQ(data.GetMedian(), 0.0);
  EXPECT_EQ(Text(data.GetMedian()), "0");
}

TEST_F(Engine, ModeListsNumberTextsOnce) {
  // 0.1 + 0.2 is not 0.3, but both have the text "0.3". A value is left out
  // when its text is already listed; before the list starts nothing is.
  const double nearly = 0.1 + 0.2;
  ASSERT_NE(nearly, 0.3);
  struct Row {
    std::vector<double> numbers;
    std::string mode;
  } rows[] = {
      {{0.3, 0.3, nearly, nearly}, "[0.3 or 0.3]"},
      {{5, 5, 0.3, 0.3, nearly, nearly}, "[5 or 0.3]"},
      {{0.3, 0.3, nearly, nearly, 5, 5}, "[0.3 or 0.3 or 5]"},
      {{nearly, 0.3, 0.3, 5, nearly, 5}, "[0.3 or 0.3 or 5]"},
      {{nearly, 0.3, nearly, 0.3, 8}, "[0.3 or 0.3]"},
      // Counts differ: the single mode.
      {{0.3, nearly, nearly}, "0.3"},
  };
  for (const Row& r : rows) {
    Load(r.numbers);
    EXPECT_EQ(Describe(data.GetMode()), r.mode) << ::testing::PrintToString(r.numbers);
  }
}

TEST_F(Engine, ModeListUsesTheUserDecimalSeparator) {
  data = DataSet({",", "."});
  Load({1.5, 1.5, 2.25, 2.25, 3});
  EXPECT_EQ(Describe(data.GetMode()), "[1,5 or 2,25]");
}

TEST_F(Engine, ModeOfLargeDataSets) {
  // Every value twice: every value ties, listed in order of first position.
  std::vector<double> values;
  std::string expected;
  for (int i = 0; i < 2000; ++i) {
    const double v = (i * 7919) % 2000 - 1000;  // a permutation of -1000..999
    values.push_back(v);
    expected += (i ? " or " : "") + Text(v);
  }
  values.insert(values.end(), values.rbegin(), values.rend());
  Load(values);
  EXPECT_EQ(Describe(data.GetMode()), "[" + expected + "]");

  // One value more often than the rest, found after many others.
  values.push_back(-1000);
  Load(values);
  EXPECT_EQ(Describe(data.GetMode()), "-1000");
}

// ---- Variance, standard deviation, skew, average deviation, CV --------------

TEST_F(Engine, DispersionAndShape) {
  struct Row {
    const char* name;
    std::vector<double> numbers;
    bool sample;
    std::string variance, sd, skew, avgDev, cv;
  } rows[] = {
      {.name = "FourSample",
       .numbers = {2, 4, 4, 5},
       .sample = true,
       .variance = "1.58333333333333",
       .sd = "1.25830573921179",
       .skew = "-1.12933811497125",
       .avgDev = "0.875",
       .cv = "33.5548197123144"},
      {.name = "FourPopulation",
       .numbers = {2, 4, 4, 5},
       .sample = false,
       .variance = "1.1875",
       .sd = "1.08972473588517",
       .skew = "-1.73872977249268",
       .avgDev = "0.875",
       .cv = "29.0593262902712"},
      {.name = "OneSample",
       .numbers = {7},
       .sample = true,
       .variance = kFailDiv0,
       .sd = kFailDiv0,
       .skew = kFailDiv0,
       .avgDev = "0",
       .cv = kFailDiv0},
      {.name = "OnePopulation",
       .numbers = {7},
       .sample = false,
       .variance = "0",
       .sd = "0",
       .skew = kFailDiv0,
       .avgDev = "0",
       .cv = "0"},
      {.name = "TwoEqualPopulation",
       .numbers = {5, 5},
       .sample = false,
       .variance = "0",
       .sd = "0",
       .skew = kFailDiv0,
       .avgDev = "0",
       .cv = "0"},
      {.name = "TwoEqualSample",
       .numbers = {5, 5},
       .sample = true,
       .variance = "0",
       .sd = "0",
       .skew = kFailDiv0,
       .avgDev = "0",
       .cv = "0"},
      {.name = "TwoSample",
       .numbers = {3, 8},
       .sample = true,
       .variance = "12.5",
       .sd = "3.53553390593274",
       .skew = kFailDiv0,
       .avgDev = "2.5",
       .cv = "64.2824346533225"},
      {.name = "TwoPopulation",
       .numbers = {3, 8},
       .sample = false,
       .variance = "6.25",
       .sd = "2.5",
       .skew = kFailDiv0,
       .avgDev = "2.5",
       .cv = "45.4545454545455"},
      {.name = "MeanZeroSample",
       .numbers = {-1, 1},
       .sample = true,
       .variance = "2",
       .sd = "1.4142135623731",
       .skew = kFailDiv0,
       .avgDev = "1",
       .cv = kFailDiv0},
      {.name = "MeanZeroPopulation",
       .numbers = {-1, 1},
       .sample = false,
       .variance = "1",
       .sd = "1",
       .skew = kFailDiv0,
       .avgDev = "1",
       .cv = kFailDiv0},
      {.name = "NegativeSample",
       .numbers = {-2, -4},
       .sample = true,
       .variance = "2",
       .sd = "1.4142135623731",
       .skew = kFailDiv0,
       .avgDev = "1",
       .cv = "-47.1404520791032"},
      {.name = "NegativePopulation",
       .numbers = {-2, -4},
       .sample = false,
       .variance = "1",
       .sd = "1",
       .skew = kFailDiv0,
       .avgDev = "1",
       .cv = "-33.3333333333333"},
      {.name = "SymmetricSample",
       .numbers = {1, 2, 3, 4},
       .sample = true,
       .variance = "1.66666666666667",
       .sd = "1.29099444873581",
       .skew = "0",
       .avgDev = "1",
       .cv = "51.6397779494322"},
      {.name = "SymmetricPopulation",
       .numbers = {1, 2, 3, 4},
       .sample = false,
       .variance = "1.25",
       .sd = "1.11803398874989",
       .skew = "0",
       .avgDev = "1",
       .cv = "44.7213595499958"},
      {.name = "SkewedSample",
       .numbers = {1, 2, 3, 10},
       .sample = true,
       .variance = "16.6666666666667",
       .sd = "4.08248290463863",
       .skew = "1.76363261480389",
       .avgDev = "3",
       .cv = "102.062072615966"},
      {.name = "SkewedPopulation",
       .numbers = {1, 2, 3, 10},
       .sample = false,
       .variance = "12.5",
       .sd = "3.53553390593274",
       .skew = "2.71529003975634",
       .avgDev = "3",
       .cv = "88.3883476483184"},
      {.name = "FractionsSample",
       .numbers = {0.1, 0.2, 0.3, 0.7, 1e-5},
       .sample = true,
       .variance = "0.07299870002",
       .sd = "0.270182715990494",
       .skew = "1.33854547150549",
       .avgDev = "0.1919984",
       .cv = "103.915629876114"},
      {.name = "FractionsPopulation",
       .numbers = {0.1, 0.2, 0.3, 0.7, 1e-5},
       .sample = false,
       .variance = "0.058398960016",
       .sd = "0.241658767720106",
       .skew = "1.87067416578799",
       .avgDev = "0.1919984",
       .cv = "92.9449649310797"},
      // The mean is exact whatever the order (0.5); the deviations from it
      // still round (1e16 - 0.5 is 1e16), which only the skew's tiny values
      // show.
      {.name = "DeviationsRoundCancelMidway",
       .numbers = {1e16, 1, -1e16, 1},
       .sample = true,
       .variance = "6.66666666666667E+31",
       .sd = "8.16496580927726E+15",
       .skew = "1.53093108923949E-49",
       .avgDev = "5E+15",
       .cv = "1.63299316185545E+18"},
      {.name = "DeviationsRoundCancelAtTheEnd",
       .numbers = {1e16, 1, 1, -1e16},
       .sample = true,
       .variance = "6.66666666666667E+31",
       .sd = "8.16496580927726E+15",
       .skew = "0",
       .avgDev = "5E+15",
       .cv = "1.63299316185545E+18"},
      // The squares overflow: the variance family answers in words, the
      // average deviation still has a value.
      {.name = "SquaresOverflowSample",
       .numbers = {1e200, -1e200},
       .sample = true,
       .variance = kFailDiv0,
       .sd = kFailDiv0,
       .skew = kFailDiv0,
       .avgDev = "1E+200",
       .cv = kFailDiv0},
      {.name = "SquaresOverflowPopulation",
       .numbers = {1e200, -1e200, 0},
       .sample = false,
       .variance = kFailDiv0,
       .sd = kFailDiv0,
       .skew = kFailDiv0,
       .avgDev = "6.66666666666667E+199",
       .cv = kFailDiv0},
      // The average deviation passes its overflow on.
      {.name = "AverageDeviationOverflows",
       .numbers = {1.5e308, -1.5e308},
       .sample = true,
       .variance = kFailDiv0,
       .sd = kFailDiv0,
       .skew = kFailDiv0,
       .avgDev = "fail:Overflow",
       .cv = kFailDiv0},
      // The mean itself overflows.
      {.name = "MeanOverflows",
       .numbers = {1e308, 1e308},
       .sample = false,
       .variance = kFailDiv0,
       .sd = kFailDiv0,
       .skew = kFailDiv0,
       .avgDev = "fail:Overflow",
       .cv = kFailDiv0},
  };
  for (const Row& r : rows) {
    Load(r.numbers);
    data.SetMethodIsSample(r.sample);
    const std::string name =
        r.name + (" " + ::testing::PrintToString(r.numbers)) + (r.sample ? " sample" : " population");
    auto expect = [](const std::string& e) { return e == kFailDiv0 ? "[#Div/0!]" : e; };
    EXPECT_EQ(Describe(data.GetVariance()), expect(r.variance)) << name;
    EXPECT_EQ(Describe(data.GetStandardDeviation()), expect(r.sd)) << name;
    EXPECT_EQ(Describe(data.GetSkew()), expect(r.skew)) << name;
    EXPECT_EQ(Outcome([&] { return data.GetAverageDeviation(); }), r.avgDev) << name;
    EXPECT_EQ(Describe(data.GetCoefficientOfVariation()), expect(r.cv)) << name;
  }
}

TEST_F(Engine, MethodIsReadAtTheTimeOfTheCall) {
  Load({2, 4, 4, 5});
  data.SetMethodIsSample(true);
  EXPECT_EQ(Describe(data.GetVariance()), "1.58333333333333");
  data.SetMethodIsSample(false);
  EXPECT_EQ(Describe(data.GetVariance()), "1.1875");
  EXPECT_EQ(Describe(data.GetStandardDeviation()), "1.08972473588517");
}

TEST_F(Engine, ResultsDoNotDependOnCallOrderOrRepetition) {
  Load({0.1, 0.2, 0.3, 0.7, 1e-5, 0.3});
  const std::string first = Describe(data.GetSkew()) + Describe(data.GetMode()) + Text(data.GetMedian());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Describe(data.GetCoefficientOfVariation()), "90.8281172335169");
    EXPECT_EQ(Describe(data.GetSkew()) + Describe(data.GetMode()) + Text(data.GetMedian()), first);
  }
  // Results worked out once are forgotten when the data or the count changes.
  Load({2, 4, 4, 5});
  EXPECT_EQ(Describe(data.GetVariance()), "1.58333333333333");
  EXPECT_EQ(Describe(data.GetCoefficientOfVariation()), "33.5548197123144");
  data.SetNumberCount(3);
  EXPECT_EQ(data.GetSum(), 10);
  EXPECT_EQ(Describe(data.GetStandardDeviation()), "1.15470053837925");
  data.SetNumbers({1, 1, 4});
  EXPECT_EQ(data.GetMean(), 2);
}

}  // namespace
