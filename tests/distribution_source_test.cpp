// What the distribution window takes from a finished run: the statistics
// table in its order with the values as the rows show them, the mean and
// median texts, and the raw mean and standard deviation for the curve.
#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "app/DistributionSource.h"

namespace {

analysis::ResultRow Row(std::string_view key, std::string text) {
  analysis::ResultRow row;
  row.key = key;
  row.label = "The x is: ";
  row.valueText = std::move(text);
  return row;
}

struct SourceCase {
  const char* name;
  std::vector<double> numbers;
  bool sample;
  std::vector<std::pair<std::string_view, std::string>> rows, more;
  QStringList table;  // "name=value"
  bool curve;
};

class Source : public ::testing::TestWithParam<SourceCase> {};

TEST_P(Source, TableAndCurveOfTheRun) {
  const SourceCase& c = GetParam();
  modStatistics::DataSet data;
  data.SetMethodIsSample(c.sample);
  data.SetNumbers(c.numbers);
  data.SetNumberCount(static_cast<double>(c.numbers.size()));
  data.SortNumbers();
  analysis::Results results;
  results.sample = c.sample;
  for (const auto& [key, text] : c.rows) results.rows.push_back(Row(key, text));
  for (const auto& [key, text] : c.more) results.more.push_back(Row(key, text));
  results.sorted = data.SortedNumbers();

  const DistributionSource source = DistributionSourceOf(results, data);
  QStringList table;
  for (const StatisticLine& line : source.statistics) table << line.name + QLatin1Char('=') + line.value;
  EXPECT_EQ(table, c.table);
  EXPECT_EQ(source.sorted.size(), c.numbers.size());
  EXPECT_EQ(source.meanText, QString::fromStdString(c.rows.size() > 1 ? c.rows[1].second : ""));
  ASSERT_TRUE(source.mean.has_value());
  EXPECT_DOUBLE_EQ(*source.mean, data.GetMean());
  EXPECT_EQ(source.standardDeviation.has_value(), c.curve);
}

const std::vector<std::pair<std::string_view, std::string>> kMore = {{"minimum", "2"},
                                                                     {"maximum", "5"},
                                                                     {"range", "3"},
                                                                     {"first_quartile", "3.5"},
                                                                     {"third_quartile", "4.25"},
                                                                     {"interquartile_range", "0.75"},
                                                                     {"kurtosis", "2.227"},
                                                                     {"standard_error", "0.629"},
                                                                     {"ci95_low", "1.748"},
                                                                     {"ci95_high", "5.752"}};

INSTANTIATE_TEST_SUITE_P(Runs, Source,
                         ::testing::Values(
                             // The rows' own order is not the table's: count, mean and spread first.
                             SourceCase{
                                 "Sample",
                                 {2, 4, 4, 5},
                                 true,
                                 {{"count", "4"}, {"mean", "3.75"}, {"median", "4"}, {"standard_deviation", "1.258"}},
                                 kMore,
                                 {"Count=4", "Mean=3.75", "Standard deviation=1.258", "Minimum=2", "Maximum=5",
                                  "Range=3", "First quartile=3.5", "Third quartile=4.25", "Interquartile range=0.75",
                                  "Kurtosis=2.227", "Standard error of the mean=0.629",
                                  "95 % confidence interval, low=1.748", "95 % confidence interval, high=5.752"},
                                 true},
                             // Population has no interval rows; rows the run did not reach are left out.
                             SourceCase{"PopulationPartial",
                                        {2, 4, 4, 5},
                                        false,
                                        {{"count", "4"}, {"mean", "3.75"}, {"standard_deviation", "1.09"}},
                                        {{"minimum", "2"}, {"maximum", "5"}},
                                        {"Count=4", "Mean=3.75", "Standard deviation=1.09", "Minimum=2", "Maximum=5"},
                                        true},
                             // One number: no spread, so no curve.
                             SourceCase{"OneNumber",
                                        {7},
                                        true,
                                        {{"count", "1"}, {"mean", "7"}, {"standard_deviation", "#Div/0!"}},
                                        {},
                                        {"Count=1", "Mean=7", "Standard deviation=#Div/0!"},
                                        false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
