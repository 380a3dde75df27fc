// Student's t interval of the mean at any level: at 95 % the analysis'
// interval to the bit, at the others R's t.test, and the texts of what it
// refuses.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "stats/MeanInterval.h"
#include "stats/RobustTexts.h"
#include "stats/Statistics.h"
#include "tests/support/StatResultPrint.h"

using namespace tallowmere::stats;
using tallowmere::stats::modStatistics::DataSet;

namespace {

DataSet Analysed(const std::vector<double>& x) {
  DataSet set;
  set.SetMethodIsSample(true);
  set.SetNumbers({x.begin(), x.end()});
  set.SetNumberCount(static_cast<double>(x.size()));
  set.SortNumbers();
  return set;
}

Interval IntervalOf(const DataSet& set, std::size_t n, double level) {
  return MeanInterval(set.GetMean(), set.GetStandardDeviation(), n, level);
}

TEST(MeanInterval, At95AsTheAnalysisToTheBit) {
  std::mt19937_64 rng(3);
  std::vector<std::pair<std::string, std::vector<double>>> rows = {
      {"Two", {1, 2}},
      {"Three", {0.1, 0.2, 0.3}},
      {"Equal", {4.5, 4.5, 4.5, 4.5}},
      {"Measurements", {1.2, 3.4, 2.2, 5.9, 4.4, 0.7, 8.1, 2.2, 3.3, 9.6, 6.5, 1.1, 7.7, 4.9, 0.3, 2.8}},
      {"Large", {1e300, -2e300, 3e299}},
  };
  std::uniform_int_distribution<int> cents(-100000, 100000);
  for (std::size_t n : {5, 30, 300, 5000}) {
    std::vector<double> x(n);
    for (double& v : x) v = cents(rng) / 100.0;
    rows.push_back({"Decimals" + std::to_string(n), x});
  }
  std::lognormal_distribution<double> skewed(3.0, 2.0);
  for (std::size_t n : {7, 70, 7000}) {
    std::vector<double> x(n);
    for (double& v : x) v = skewed(rng);
    rows.push_back({"Skewed" + std::to_string(n), x});
  }
  for (const auto& [name, x] : rows) {
    const DataSet set = Analysed(x);
    const Interval got = IntervalOf(set, x.size(), 95.0);
    EXPECT_EQ(got.low, set.GetConfidenceLow()) << name;
    EXPECT_EQ(got.high, set.GetConfidenceHigh()) << name;
  }
  // The quantile the analysis takes, named as a literal there.
  EXPECT_EQ(0.5 + 95.0 / 200.0, 0.975);
}

// From R 4.2.2: sprintf("%.17g", t.test(x, conf.level = level / 100)$conf.int).
TEST(MeanInterval, AgainstR) {
  const std::vector<double> measurements = {1.2, 3.4, 2.2, 5.9, 4.4, 0.7, 8.1, 2.2, 3.3, 9.6,
                                            6.5, 1.1, 7.7, 4.9, 0.3, 2.8, 5.5, 3.9, 6.1, 2.2};
  const std::vector<double> skewed = {0.001, 0.02, 0.5, 1, 2, 4, 8, 16, 100, 1000, 12345.678};
  const std::vector<double> pair = {-3.5, 10.25};
  const struct {
    const char* name;
    const std::vector<double>& x;
    double level;
    double low;
    double high;
  } rows[] = {
      {"Measurements50", measurements, 50, 3.694729875741209, 4.5052701242587903},
      {"Measurements80", measurements, 80, 3.3174639574300286, 4.8825360425699706},
      {"Measurements90", measurements, 90, 3.0808842365429401, 5.1191157634570592},
      {"Measurements95", measurements, 95, 2.8664141279780728, 5.333585872021926},
      {"Measurements99", measurements, 99, 2.4138232435118834, 5.786176756488115},
      {"Measurements99.9", measurements, 99.9, 1.8111994556416207, 6.3888005443583786},
      {"Skewed50", skewed, 50, 444.45571748748227, 2005.9441006943362},
      {"Skewed80", skewed, 80, -305.67454540329857, 2756.0743635851172},
      {"Skewed90", skewed, 90, -796.86940404498239, 3247.2692222268006},
      {"Skewed95", skewed, 95, -1260.6195886635921, 3711.0194068454107},
      {"Skewed99", skewed, 99, -2310.5940097973494, 4760.9938279791677},
      {"Skewed99.9", skewed, 99.9, -3892.160787675853, 6342.5606058576714},
      {"Pair50", pair, 50, -3.4999999999999996, 10.25},
      {"Pair80", pair, 80, -17.784074318079874, 24.534074318079874},
      {"Pair90", pair, 90, -40.032041663390885, 46.782041663390885},
      {"Pair95", pair, 95, -83.980157561201025, 90.730157561201011},
      {"Pair99", pair, 99, -434.26509549474173, 441.01509549474173},
      {"Pair99.9", pair, 99.9, -4373.3823352854288, 4380.1323352854297},
  };
  for (const auto& row : rows) {
    const Interval got = IntervalOf(Analysed(row.x), row.x.size(), row.level);
    // R's mean, standard deviation and quantile each round their own way.
    const double tolerance = 1e-14 * (std::fabs(row.low) + std::fabs(row.high));
    EXPECT_NEAR(got.low.Number(), row.low, tolerance) << row.name;
    EXPECT_NEAR(got.high.Number(), row.high, tolerance) << row.name;
    EXPECT_EQ(got.coverage, StatResult(row.level)) << row.name;
  }
}

TEST(MeanInterval, Refused) {
  const struct {
    const char* name;
    double mean;
    StatResult deviation;
    std::size_t n;
    double level;
    const char* text;
  } rows[] = {
      {"NoNumbers", 0, 0.0, 0, 95, kNeedsNumbersText},
      {"OneNumber", 3, 0.0, 1, 95, kNeedsTwoNumbersText},
      {"LevelTooLow", 3, 1.0, 10, 49.99, kNeedsLevelText},
      {"LevelTooHigh", 3, 1.0, 10, 99.95, kNeedsLevelText},
      {"LevelHundred", 3, 1.0, 10, 100, kNeedsLevelText},
      {"LevelNotANumber", 3, 1.0, 10, std::nan(""), kNeedsLevelText},
      {"NoDeviation", 3, kDivZeroText, 10, 95, kDivZeroText},
      {"HalfWidthBeyondRange", 0, DBL_MAX, 2, 99.9, kDivZeroText},
  };
  for (const auto& row : rows) {
    const Interval got = MeanInterval(row.mean, row.deviation, row.n, row.level);
    EXPECT_EQ(got.low, StatResult(row.text)) << row.name;
    EXPECT_EQ(got.high, StatResult(row.text)) << row.name;
    EXPECT_EQ(got.coverage, StatResult(row.text)) << row.name;
  }
}

// A finite half width can still carry one end past the double range; the
// other stands.
TEST(MeanInterval, OneEndBeyondRange) {
  const struct {
    const char* name;
    double mean;
    bool highFails;
  } rows[] = {{"HighEnd", DBL_MAX, true}, {"LowEnd", -DBL_MAX, false}};
  for (const auto& row : rows) {
    const Interval got = MeanInterval(row.mean, DBL_MAX / 4, 100, 95);
    EXPECT_EQ(got.high.IsNumber(), !row.highFails) << row.name;
    EXPECT_EQ(got.low.IsNumber(), row.highFails) << row.name;
  }
}

TEST(MeanInterval, LevelsAtTheEnds) {
  const struct {
    const char* name;
    double level;
  } rows[] = {{"Lowest", 50}, {"Highest", 99.9}};
  for (const auto& row : rows) EXPECT_TRUE(MeanInterval(1, 1, 10, row.level).low.IsNumber()) << row.name;
}

}  // namespace
