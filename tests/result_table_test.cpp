// "Copy as Table": label and value cells a spreadsheet reads as numbers, in
// the user's decimal separator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/ResultTable.h"
#include "results/ResultValues.h"

using namespace tallowmere;
using namespace tallowmere::results;
using namespace tallowmere::stats;

namespace {

using results::MakeRow;
using results::NumberValue;
using results::ResultRow;
using results::ResultValue;
using results::Row;
using results::TableText;
using results::TextValue;

ResultValue Modes(std::vector<double> tied) {
  ResultValue value;
  value.kind = ResultValue::Kind::kModes;
  value.modes = std::move(tied);
  return value;
}

TEST(ResultTableTest, RowsInEnglishAndGerman) {
  const numtext::Separators english{".", ","}, german{",", "."};
  struct Case {
    const char* name;
    ResultRow row;
    std::string english, german;
  };
  // The row texts are deliberately not what the table writes: the table is
  // made from the values.
  const std::vector<Case> cases = {
      {.name = "a whole number without grouping",
       .row = MakeRow(Row::kSumOfSquares, NumberValue(1234567), "row"),
       .english = "The sum of squares is\t1234567\n",
       .german = "The sum of squares is\t1234567\n"},
      {.name = "a decimal",
       .row = MakeRow(Row::kMean, NumberValue(-3.75), "row"),
       .english = "The mean is\t-3.75\n",
       .german = "The mean is\t-3,75\n"},
      {.name = "every decimal the row shows",
       .row = MakeRow(Row::kVariance, NumberValue(1.5833333333), "row"),
       .english = "The variance is\t1.5833333333\n",
       .german = "The variance is\t1,5833333333\n"},
      {.name = "an exponent",
       .row = MakeRow(Row::kSum, NumberValue(2.5e20), "row"),
       .english = "The sum of the numbers are\t2.5E+20\n",
       .german = "The sum of the numbers are\t2,5E+20\n"},
      {.name = "the coefficient without its unit",
       .row = MakeRow(Row::kCoefficientOfVariation, NumberValue(33.555), "33.555 %"),
       .english = "The coefficient of variation is\t33.555\n",
       .german = "The coefficient of variation is\t33,555\n"},
      {.name = "one mode",
       .row = MakeRow(Row::kMode, Modes({4}), "row"),
       .english = "The mode is\t4\n",
       .german = "The mode is\t4\n"},
      {.name = "tied modes in cells",
       .row = MakeRow(Row::kMode, Modes({1.5, -2, 3}), "row"),
       .english = "The mode is\t1.5\t-2\t3\n",
       .german = "The mode is\t1,5\t-2\t3\n"},
      {.name = "no mode",
       .row = MakeRow(Row::kMode, TextValue("None"), "None"),
       .english = "The mode is\tNone\n",
       .german = "The mode is\tNone\n"},
      {.name = "undefined",
       .row = MakeRow(Row::kSkew, TextValue("#Div/0!"), "#Div/0!"),
       .english = "The skew is\t#Div/0!\n",
       .german = "The skew is\t#Div/0!\n"},
      {.name = "a label with a percent sign",
       .row = MakeRow(Row::kConfidenceLow, NumberValue(0.5), "row"),
       .english = "The 95 % confidence interval's low end is\t0.5\n",
       .german = "The 95 % confidence interval's low end is\t0,5\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TableText({&c.row}, english), c.english);
    EXPECT_EQ(TableText({&c.row}, german), c.german);
  }
}

TEST(ResultTableTest, RowsInTheOrderGiven) {
  const ResultRow count = MakeRow(Row::kCount, NumberValue(4), "4");
  const ResultRow minimum = MakeRow(Row::kMinimum, NumberValue(0.25), "0.25");
  const numtext::Separators sep{".", ","};
  EXPECT_EQ(TableText({&minimum, &count}, sep), "The minimum is\t0.25\nThe number of entries is\t4\n");
  EXPECT_EQ(TableText({}, sep), "");
}

}  // namespace
