// The distribution window's statistics table: the run's rows kept as the run
// showed them under the default method and level, the quartiles of every
// method, the mean's interval at other levels, the robust rows and the
// percentiles, rounded as the run rounded. The expected figures are R's
// (quantile(type = 1..9), t.test(conf.level =), mean(trim =), mad).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/DistributionRows.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace tallowmere::stats;

namespace {

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

// A run of these numbers as the window gets it, rounded to `places`. Its
// own rows hold marks no computation makes, so that a row passed on
// unchanged is told from one worked out afresh.
DistributionSource RunOf(std::vector<double> numbers, std::int16_t places, bool sample = true) {
  std::sort(numbers.begin(), numbers.end());
  std::shared_ptr<double[]> shared(new double[numbers.size()]);
  std::copy(numbers.begin(), numbers.end(), shared.get());
  DistributionSource source;
  source.sorted = results::SortedNumbers(shared, numbers.size());
  double sum = 0;
  for (double x : numbers) sum += x;
  source.mean = sum / static_cast<double>(numbers.size());
  double squares = 0;
  for (double x : numbers) squares += (x - *source.mean) * (x - *source.mean);
  source.standardDeviation = std::sqrt(squares / static_cast<double>(numbers.size() - 1));
  source.decimalPlaces = places;
  source.sample = sample;
  source.statistics = {{"Count", "run count", "count"},
                       {"First quartile", "run q1", "first_quartile"},
                       {"Third quartile", "run q3", "third_quartile"},
                       {"Interquartile range", "run iqr", "interquartile_range"}};
  if (sample) {
    source.statistics.push_back({"95 % confidence interval, low", "run low", "ci95_low"});
    source.statistics.push_back({"95 % confidence interval, high", "run high", "ci95_high"});
  }
  return source;
}

std::vector<StatisticLine> LinesOf(const DistributionSource& source, const TableChoices& choices,
                                   const numtext::Separators& sep = kEnglish) {
  DistributionRows rows(sep);
  rows.Take(source);
  return rows.Lines(source.sorted.View(), choices);
}

const StatisticLine* Find(const std::vector<StatisticLine>& lines, std::string_view key) {
  for (const StatisticLine& line : lines)
    if (line.key == key) return &line;
  return nullptr;
}

std::string ValueOf(const std::vector<StatisticLine>& lines, std::string_view key) {
  const StatisticLine* line = Find(lines, key);
  return line ? line->value.toStdString() : "(no row " + std::string(key) + ")";
}

// ---------------------------------------------------------------------------
// The quartiles and a percentile of each method, of 1 ... 10.

struct MethodCase {
  const char* name;
  QuantileMethod method;
  const char* q1;
  const char* q3;
  const char* iqr;
  const char* p90;
};

class MethodRows : public ::testing::TestWithParam<MethodCase> {};

TEST_P(MethodRows, QuartilesAndPercentilesFollowTheMethod) {
  const MethodCase& c = GetParam();
  const std::vector<StatisticLine> lines =
      LinesOf(RunOf({4, 1, 2, 3, 5, 6, 7, 8, 9, 10}, 4), {.method = c.method, .percentiles = {90}});
  EXPECT_EQ(ValueOf(lines, "first_quartile"), c.q1);
  EXPECT_EQ(ValueOf(lines, "third_quartile"), c.q3);
  EXPECT_EQ(ValueOf(lines, "interquartile_range"), c.iqr);
  EXPECT_EQ(ValueOf(lines, "p90"), c.p90);
  // Every other row of the run as it was.
  EXPECT_EQ(ValueOf(lines, "count"), "run count");
  EXPECT_EQ(ValueOf(lines, "ci95_low"), "run low");
  EXPECT_EQ(ValueOf(lines, "method"), MethodName(c.method).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodRows,
    ::testing::Values(
        // The run's own quartiles are the inclusive ones: kept as it showed them.
        MethodCase{"InclusiveKeepsTheRunsRows", QuantileMethod::kInclusive, "run q1", "run q3", "run iqr", "9.1"},
        MethodCase{"NearestRank", QuantileMethod::kNearestRank, "3", "8", "5", "9"},
        MethodCase{"AveragedInverse", QuantileMethod::kAveragedInverse, "3", "8", "5", "9.5"},
        MethodCase{"NearestEven", QuantileMethod::kNearestEven, "2", "8", "6", "9"},
        MethodCase{"LinearCdf", QuantileMethod::kLinearCdf, "2.5", "7.5", "5", "9"},
        MethodCase{"Hazen", QuantileMethod::kHazen, "3", "8", "5", "9.5"},
        MethodCase{"Exclusive", QuantileMethod::kExclusive, "2.75", "8.25", "5.5", "9.9"},
        MethodCase{"MedianUnbiased", QuantileMethod::kMedianUnbiased, "2.9167", "8.0833", "5.1667", "9.6333"},
        MethodCase{"NormalUnbiased", QuantileMethod::kNormalUnbiased, "2.9375", "8.0625", "5.125", "9.6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MethodRow, NamesTheMethodRightBeforeThePercentiles) {
  const std::vector<StatisticLine> lines =
      LinesOf(RunOf({1, 2, 3}, 2), {.method = QuantileMethod::kHazen, .percentiles = {5, 95}});
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3].key, kMethodKey);
  EXPECT_EQ(lines[lines.size() - 3].value.toStdString(), "Hazen, midpoint steps (R type 5)");
  EXPECT_EQ(lines[lines.size() - 2].key, "p5");
  EXPECT_EQ(lines[lines.size() - 1].key, "p95");
}

// ---------------------------------------------------------------------------
// The percentiles' names and rounding.

struct PercentileCase {
  const char* name;
  double percent;
  numtext::Separators sep;
  std::int16_t places;
  const char* line;  // name=value
};

class PercentileRows : public ::testing::TestWithParam<PercentileCase> {};

TEST_P(PercentileRows, NamedAsTheAnalyserNamesThemAndRoundedAsTheRun) {
  const PercentileCase& c = GetParam();
  // 1 ... 10 over 3: a percentile of many digits.
  std::vector<double> thirds;
  for (int i = 1; i <= 10; ++i) thirds.push_back(i / 3.0);
  const std::vector<StatisticLine> lines = LinesOf(RunOf(thirds, c.places), {.percentiles = {c.percent}}, c.sep);
  const StatisticLine& last = lines.back();
  EXPECT_EQ((last.name + QLatin1Char('=') + last.value).toStdString(), c.line);
}

INSTANTIATE_TEST_SUITE_P(Names, PercentileRows,
                         ::testing::Values(PercentileCase{"First", 1, kEnglish, 3, "1st percentile=0.363"},
                                           PercentileCase{"Second", 2, kEnglish, 3, "2nd percentile=0.393"},
                                           PercentileCase{"Third", 3, kEnglish, 3, "3rd percentile=0.423"},
                                           PercentileCase{"Eleventh", 11, kEnglish, 3, "11th percentile=0.663"},
                                           PercentileCase{"TwentySecond", 22, kEnglish, 3, "22nd percentile=0.993"},
                                           PercentileCase{"Fraction", 2.5, kEnglish, 3, "2.5th percentile=0.408"},
                                           PercentileCase{"GermanFraction", 2.5, kGerman, 3, "2,5th percentile=0,408"},
                                           PercentileCase{"NoDecimals", 50, kEnglish, 0, "50th percentile=2"},
                                           PercentileCase{"Hundredth", 100, kEnglish, 2, "100th percentile=3.33"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The level of both intervals and the trimmed mean's share.

struct LevelCase {
  const char* name;
  double level;
  bool sample;
  std::vector<std::string> lines;  // every interval's row, name=value
};

class LevelRows : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelRows, TheIntervalsAreTheChosenLevels) {
  const LevelCase& c = GetParam();
  const std::vector<StatisticLine> all =
      LinesOf(RunOf({2, 4, 4, 5, 1, 2, 3, 4, 5, 6}, 4, c.sample), {.levelPercent = c.level});
  std::vector<std::string> shown;
  for (const StatisticLine& line : all)
    if (line.name.contains(QStringLiteral("interval")) || line.name.contains(QStringLiteral("coverage")))
      shown.push_back((line.name + QLatin1Char('=') + line.value).toStdString());
  EXPECT_EQ(shown, c.lines);
}

// Of 1 2 2 3 4 4 4 5 5 6: mean 3.6, sample deviation 1.5776; the median's
// interval at 95 % is the 2nd and the 9th (97.85 %), at 80 % the 3rd and the
// 8th (89.06 %).
INSTANTIATE_TEST_SUITE_P(
    Levels, LevelRows,
    ::testing::Values(
        LevelCase{"DefaultKeepsTheRunsRows",
                  95,
                  true,
                  {"95 % confidence interval, low=run low", "95 % confidence interval, high=run high",
                   "Median's 95 % confidence interval, low=2", "Median's 95 % confidence interval, high=5",
                   "Median interval's actual coverage=97.8516 %"}},
        LevelCase{"Eighty",
                  80,
                  true,
                  {"80 % confidence interval, low=2.91", "80 % confidence interval, high=4.29",
                   "Median's 80 % confidence interval, low=2", "Median's 80 % confidence interval, high=5",
                   "Median interval's actual coverage=89.0625 %"}},
        LevelCase{"NinetyNinePointFive",
                  99.5,
                  true,
                  {"99.5 % confidence interval, low=1.7593", "99.5 % confidence interval, high=5.4407",
                   "Median's 99.5 % confidence interval, low=1", "Median's 99.5 % confidence interval, high=6",
                   "Median interval's actual coverage=99.8047 %"}},
        // Population: no interval of the mean at any level, as the run has none.
        LevelCase{"PopulationHasNoMeansInterval",
                  80,
                  false,
                  {"Median's 80 % confidence interval, low=2", "Median's 80 % confidence interval, high=5",
                   "Median interval's actual coverage=89.0625 %"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RobustCase {
  const char* name;
  std::vector<double> numbers;
  double trim;
  std::vector<std::string> lines;  // the robust rows, name=value
};

class RobustRows : public ::testing::TestWithParam<RobustCase> {};

TEST_P(RobustRows, AsTheAnalysersMoreRows) {
  const RobustCase& c = GetParam();
  const std::vector<StatisticLine> all = LinesOf(RunOf(c.numbers, 4), {.trimPercent = c.trim});
  std::vector<std::string> shown;
  for (const char* key : {"geometric_mean", "harmonic_mean", "mad", "mad_scaled"})
    if (const StatisticLine* line = Find(all, key))
      shown.push_back((line->name + QLatin1Char('=') + line->value).toStdString());
  for (const StatisticLine& line : all)
    if (line.key.rfind("trimmed_mean", 0) == 0)
      shown.push_back((line.name + QLatin1Char('=') + line.value).toStdString());
  EXPECT_EQ(shown, c.lines);
}

const std::vector<double> kOneFar = {1, 2, 3, 4, 5, 6, 7, 8, 9, 100};

INSTANTIATE_TEST_SUITE_P(
    Trims, RobustRows,
    ::testing::Values(RobustCase{"FivePercentCutsNone",
                                 kOneFar,
                                 5,
                                 {"Geometric mean=5.7013", "Harmonic mean=3.5224", "Median absolute deviation=2.5",
                                  "Scaled median absolute deviation=3.7065", "5 % trimmed mean=14.5"}},
                      RobustCase{"TenPercentCutsOneEachEnd",
                                 kOneFar,
                                 10,
                                 {"Geometric mean=5.7013", "Harmonic mean=3.5224", "Median absolute deviation=2.5",
                                  "Scaled median absolute deviation=3.7065", "10 % trimmed mean=5.5"}},
                      RobustCase{"FractionOfAPercent",
                                 kOneFar,
                                 12.5,
                                 {"Geometric mean=5.7013", "Harmonic mean=3.5224", "Median absolute deviation=2.5",
                                  "Scaled median absolute deviation=3.7065", "12.5 % trimmed mean=5.5"}},
                      // Not every number positive: the reason in words.
                      RobustCase{"HarmonicMeanUndefined",
                                 {-1, 2, 3},
                                 0,
                                 {"Geometric mean=The geometric and the harmonic mean need positive numbers",
                                  "Harmonic mean=The geometric and the harmonic mean need positive numbers",
                                  "Median absolute deviation=1", "Scaled median absolute deviation=1.4826",
                                  "0 % trimmed mean=1.3333"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lines, WithoutNumbersAreTheLastMade) {
  const DistributionSource source = RunOf({1, 2, 3, 4}, 2);
  DistributionRows rows(kEnglish);
  rows.Take(source);
  const std::vector<StatisticLine> made =
      rows.Lines(source.sorted.View(), {.method = QuantileMethod::kExclusive, .trimPercent = 25});
  const std::vector<StatisticLine> again = rows.Lines({}, {.levelPercent = 50});
  ASSERT_EQ(again.size(), made.size());
  for (std::size_t i = 0; i < made.size(); ++i) EXPECT_EQ(again[i].value, made[i].value) << made[i].key;
}

}  // namespace
