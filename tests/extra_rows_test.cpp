// The rows a run adds on request after the more rows, as the analyser asks
// for them: their values against R, their keys and labels, and the same
// rows whether or not the data set keeps a sorted copy.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/Translation.h"
#include "input/EntrySource.h"
#include "numtext/NumberText.h"
#include "results/Analysis.h"
#include "results/ExtraRows.h"
#include "results/RowFormats.h"
#include "stats/NormalityTest.h"
#include "stats/RobustTexts.h"

namespace {

using namespace tallowmere;

struct NoReports : core::ErrorSink {
  int count = 0;
  void ReportError(const std::string&, std::string_view, int) override { ++count; }
};

struct RunOf {
  std::vector<double> numbers;
  results::RowChoices choices;
  bool more = true;
  bool sample = true;
  std::size_t wholeSortLimit = 0;  // with copyKept false
  bool copyKept = true;
  numtext::Separators sep{".", ","};
};

// Every digit: the rows hold the engine's doubles.
results::Results Analysed(const RunOf& run) {
  results::Analysis analysis(run.sep);
  analysis.Statistics().SetMethodIsSample(run.sample);
  if (!run.copyKept) analysis.Statistics().SetSortedCopyKept(false, run.wholeSortLimit);
  analysis.SetMoreStatistics(run.more);
  analysis.SetRowChoices(run.choices);
  input::EntrySource entries;
  for (const double x : run.numbers) entries.Append(numtext::RoundTripText(x, {".", ","}));
  NoReports reports;
  analysis.StartAnalysis({.errors = reports,
                          .entries = entries,
                          .decimals = {.places = 10, .showAll = true},
                          .setBusy = [](bool) {},
                          .clearResults = [] {},
                          .addResultRow = [](const std::string&) {},
                          .showMessage = [](const std::string&) {}});
  EXPECT_EQ(reports.count, 0);
  return analysis.LastResults();
}

const std::vector<double> kA = {2.5, 3.1, 4.7, 1.2, 9.8, 5.5, 3.3, 7.1, 2.2, 6.4, 4.4, 8.9};
const std::vector<double> kB = {1, 2, 3, 4, 100};

results::RowChoices Choices(double level = 95, double share = 0.05) {
  results::RowChoices c;
  c.robust = true;
  c.levelPercent = level;
  c.trimShare = share;
  return c;
}

results::RowChoices Percentiles(stats::QuantileMethod method, std::vector<double> percents) {
  results::RowChoices c;
  c.method = method;
  c.nameMethod = true;
  c.percentiles = std::move(percents);
  return c;
}

results::RowChoices Normality() {
  results::RowChoices c;
  c.normality = true;
  return c;
}

struct ValueCase {
  const char* name;
  std::vector<double> numbers;
  results::RowChoices choices;
  const char* key;
  double r;          // R's answer, by the calls named above the table
  double tolerance;  // relative; 0 for the bits themselves
};

// R 4: exp(mean(log(a))), 1/mean(1/a), mean(a, trim), mad(a, constant = 1),
// mad(a), quantile(a, p, type), shapiro.test(a), mean -/+ qt(0.95, 11) sd/√n,
// 100 (1 - 2 pbinom(k - 1, n, 0.5)).
const ValueCase kValues[] = {
    {"geometric mean", kA, Choices(), "geometric_mean", 4.2035440208880672, 1e-15},
    {"harmonic mean", kA, Choices(), "harmonic_mean", 3.4814476152443952, 1e-15},
    {"trimmed mean, a tenth", kA, Choices(95, 0.1), "trimmed_mean", 4.8100000000000005, 1e-15},
    {"trimmed mean, a quarter", kA, Choices(95, 0.25), "trimmed_mean", 4.5666666666666664, 1e-15},
    {"trimmed mean cuts the outlier", kB, Choices(95, 0.2), "trimmed_mean", 3, 0},
    {"mad", kA, Choices(), "mad", 1.9500000000000002, 0},
    {"mad scaled", kA, Choices(), "mad_scaled", 2.89107, 1e-15},
    {"mad of an outlier", kB, Choices(), "mad", 1, 0},
    {"mad of an even count", {1, 2, 4, 8, 16, 32}, Choices(), "mad", 4.5, 0},
    {"mean's interval at 90 %, low", kA, Choices(90), "ci90_low", 3.5244392297087286, 1e-13},
    {"mean's interval at 90 %, high", kA, Choices(90), "ci90_high", 6.3255607702912711, 1e-13},
    {"median's interval, low", kA, Choices(), "median_ci95_low", 2.5, 0},
    {"median's interval, high", kA, Choices(), "median_ci95_high", 7.1, 0},
    {"median's interval, coverage", kA, Choices(), "median_ci95_coverage", 96.142578125, 1e-14},
    {"median's interval at 99 %, low", kA, Choices(99), "median_ci99_low", 2.2, 0},
    {"median's interval at 99 %, coverage", kA, Choices(99), "median_ci99_coverage", 99.365234375, 1e-14},
    {"type 7 at 5 %", kA, Percentiles(stats::QuantileMethod::kInclusive, {5}), "p5", 1.75, 1e-15},
    {"type 7 at 97.5 %", kA, Percentiles(stats::QuantileMethod::kInclusive, {97.5}), "p97.5", 9.5525, 1e-15},
    {"type 6 at 25 %", kA, Percentiles(stats::QuantileMethod::kExclusive, {25}), "p25", 2.65, 1e-15},
    {"type 4 at 97.5 %", kA, Percentiles(stats::QuantileMethod::kLinearCdf, {97.5}), "p97.5", 9.53, 1e-15},
    {"type 9 at 25 %", kA, Percentiles(stats::QuantileMethod::kNormalUnbiased, {25}), "p25", 2.7625, 1e-15},
    {"type 2 at 50 %", kA, Percentiles(stats::QuantileMethod::kAveragedInverse, {50}), "p50", 4.55, 1e-15},
    {"type 1 at 25 %", kA, Percentiles(stats::QuantileMethod::kNearestRank, {25}), "p25", 2.5, 0},
    {"quartile by type 6", kA, Percentiles(stats::QuantileMethod::kExclusive, {}), "first_quartile", 2.65, 1e-15},
    {"quartile by type 8", kA, Percentiles(stats::QuantileMethod::kMedianUnbiased, {}), "first_quartile", 2.75, 1e-15},
    {"Shapiro-Wilk W", kA, Normality(), "shapiro_wilk_w", 0.95404453033109937, 1e-12},
    {"Shapiro-Wilk p", kA, Normality(), "shapiro_wilk_p", 0.69664038325659416, 1e-9},
};

TEST(ExtraRows, ValuesAsRHasThem) {
  for (const ValueCase& c : kValues) {
    const results::Results results = Analysed({.numbers = c.numbers, .choices = c.choices});
    const results::ResultRow* row = results.Find(c.key);
    ASSERT_NE(row, nullptr) << c.name;
    ASSERT_EQ(row->value.kind, results::ResultValue::Kind::kNumber) << c.name << ": " << row->valueText;
    EXPECT_NEAR(row->value.engine, c.r, std::fabs(c.r) * c.tolerance) << c.name;
  }
}

struct LabelCase {
  const char* name;
  results::RowChoices choices;
  numtext::Separators sep;
  const char* key;
  const char* label;
};

const LabelCase kLabels[] = {
    {"95 % keeps today's key and label",
     Choices(95),
     {".", ","},
     "ci95_low",
     "The 95 % confidence interval's low end is: "},
    {"another level is named",
     Choices(99.5),
     {".", ","},
     "ci99.5_high",
     "The 99.5 % confidence interval's high end is: "},
    {"the level in the user's separator",
     Choices(99.5),
     {",", "."},
     "ci99.5_high",
     "The 99,5 % confidence interval's high end is: "},
    {"the share trimmed", Choices(95, 0.125), {".", ","}, "trimmed_mean", "The 12.5 % trimmed mean is: "},
    {"the coverage's unit",
     Choices(),
     {".", ","},
     "median_ci95_coverage",
     "The median's interval's actual coverage is: "},
    {"1st", Percentiles(stats::QuantileMethod::kInclusive, {1}), {".", ","}, "p1", "The 1st percentile is: "},
    {"2nd", Percentiles(stats::QuantileMethod::kInclusive, {2}), {".", ","}, "p2", "The 2nd percentile is: "},
    {"3rd", Percentiles(stats::QuantileMethod::kInclusive, {3}), {".", ","}, "p3", "The 3rd percentile is: "},
    {"11th", Percentiles(stats::QuantileMethod::kInclusive, {11}), {".", ","}, "p11", "The 11th percentile is: "},
    {"12th", Percentiles(stats::QuantileMethod::kInclusive, {12}), {".", ","}, "p12", "The 12th percentile is: "},
    {"13th", Percentiles(stats::QuantileMethod::kInclusive, {13}), {".", ","}, "p13", "The 13th percentile is: "},
    {"100th", Percentiles(stats::QuantileMethod::kInclusive, {100}), {".", ","}, "p100", "The 100th percentile is: "},
    {"21st", Percentiles(stats::QuantileMethod::kInclusive, {21}), {".", ","}, "p21", "The 21st percentile is: "},
    {"a fraction",
     Percentiles(stats::QuantileMethod::kInclusive, {2.5}),
     {",", "."},
     "p2.5",
     "The 2,5th percentile is: "},
    {"the method named",
     Percentiles(stats::QuantileMethod::kHazen, {}),
     {".", ","},
     "method",
     "The quantile method is: "},
};

TEST(ExtraRows, KeysAndLabels) {
  for (const LabelCase& c : kLabels) {
    RunOf run{.numbers = kA, .choices = c.choices, .sep = c.sep};
    run.choices.robust = true;
    const results::Results results = Analysed(run);
    const results::ResultRow* row = results.Find(c.key);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_EQ(row->label, c.label) << c.name;
  }
}

struct ReasonCase {
  const char* name;
  std::vector<double> numbers;
  results::RowChoices choices;
  const char* key;
  const char* text;
};

const ReasonCase kReasons[] = {
    {"geometric mean of a negative", {1, -2, 3}, Choices(), "geometric_mean", stats::kNeedsPositiveText},
    {"harmonic mean of 0", {0, 2, 3}, Choices(), "harmonic_mean", stats::kNeedsPositiveText},
    {"median's interval of five", {1, 2, 3, 4, 5}, Choices(), "median_ci95_low", stats::kNeedsMoreNumbersText},
    {"mean's interval of one", {4}, Choices(90), "ci90_low", stats::kNeedsTwoNumbersText},
    {"Shapiro-Wilk of two", {1, 2}, Normality(), "shapiro_wilk_p", stats::kTooFewForShapiroWilk},
    {"K² of five", {1, 2, 3, 4, 6}, Normality(), "k2", stats::kTooFewForOmnibus},
    {"K² of equal numbers", {2, 2, 2, 2, 2, 2, 2, 2, 2}, Normality(), "k2_reading", stats::kAllNumbersEqual},
};

TEST(ExtraRows, RowsSayWhyThereIsNoNumber) {
  for (const ReasonCase& c : kReasons) {
    const results::Results results = Analysed({.numbers = c.numbers, .choices = c.choices});
    const results::ResultRow* row = results.Find(c.key);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_EQ(row->value.kind, results::ResultValue::Kind::kText) << c.name;
    EXPECT_EQ(row->value.text, c.text) << c.name;
  }
}

TEST(ExtraRows, PlainReadingQuotesThePValue) {
  std::vector<double> skewed;
  for (int i = 0; i < 40; ++i) skewed.push_back(std::exp(i / 4.0));
  const results::Results results = Analysed({.numbers = skewed, .choices = Normality()});
  const results::ResultRow* p = results.Find("k2_p");
  const results::ResultRow* reading = results.Find("k2_reading");
  ASSERT_TRUE(p && reading);
  ASSERT_LT(p->value.engine, stats::kNormalityLevel);
  char figure[32];
  std::snprintf(figure, sizeof figure, "%.3g", p->value.engine);
  EXPECT_EQ(reading->value.text, core::Fill(stats::kUnlikelyNormal, {figure}));
}

// The rows and the table read from the sorted copy, and selected from the
// numbers when none is kept, must be the same to the bit.
struct ShapeCase {
  const char* name;
  std::size_t n;
  int values;  // 0: continuous
};

const ShapeCase kShapes[] = {
    {"continuous, binned", 3000, 0},
    {"few values, one row each", 3000, 7},
    {"whole numbers on the bins' edges", 3000, 100},
    {"small", 9, 0},
};

TEST(ExtraRows, WithOrWithoutASortedCopy) {
  std::mt19937_64 rng(33);
  for (const ShapeCase& c : kShapes) {
    std::vector<double> numbers(c.n);
    for (double& x : numbers)
      x = c.values ? static_cast<double>(rng() % static_cast<unsigned>(c.values))
                   : std::lognormal_distribution<double>(1.0, 0.7)(rng);
    results::RowChoices choices = Percentiles(stats::QuantileMethod::kHazen, {0, 2.5, 33.3, 50, 97.5, 100});
    choices.robust = true;
    choices.normality = true;
    choices.frequencies = true;
    const results::Results copy = Analysed({.numbers = numbers, .choices = choices});
    const results::Results selected = Analysed({.numbers = numbers, .choices = choices, .copyKept = false});
    ASSERT_TRUE(copy.frequencies && selected.frequencies) << c.name;
    EXPECT_EQ(copy.frequencies->rows, selected.frequencies->rows) << c.name;
    EXPECT_EQ(copy.frequencies->kind, selected.frequencies->kind) << c.name;
    EXPECT_EQ(FormatResults(copy, results::Format::kTsv, results::Digits::kEvery),
              FormatResults(selected, results::Format::kTsv, results::Digits::kEvery))
        << c.name;
  }
}

TEST(ExtraRows, NoneWithoutChoices) {
  const results::Results more = Analysed({.numbers = kA, .choices = {}});
  EXPECT_EQ(more.more.size(), 10u);
  EXPECT_FALSE(more.frequencies);
  EXPECT_EQ(more.Find("geometric_mean"), nullptr);
  // Percentiles alone add the method and their rows, not those of --more.
  const results::Results alone =
      Analysed({.numbers = kA, .choices = Percentiles(stats::QuantileMethod::kInclusive, {5}), .more = false});
  ASSERT_EQ(alone.more.size(), 2u);
  EXPECT_EQ(alone.more[0].key, "method");
  EXPECT_EQ(alone.more[1].key, "p5");
}

}  // namespace
