// "Copy as Table": label and value cells a spreadsheet reads as numbers, in
// the user's decimal separator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/ResultTable.h"
#include "results/ResultValues.h"

namespace {

using analysis::MakeRow;
using analysis::NumberValue;
using analysis::ResultRow;
using analysis::ResultValue;
using analysis::Row;
using analysis::TableText;
using analysis::TextValue;

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
      {"a whole number without grouping", MakeRow(Row::kSumOfSquares, NumberValue(1234567), "row"),
       "The sum of squares is\t1234567\n", "The sum of squares is\t1234567\n"},
      {"a decimal", MakeRow(Row::kMean, NumberValue(-3.75), "row"), "The mean is\t-3.75\n", "The mean is\t-3,75\n"},
      {"every decimal the row shows", MakeRow(Row::kVariance, NumberValue(1.5833333333), "row"),
       "The variance is\t1.5833333333\n", "The variance is\t1,5833333333\n"},
      {"an exponent", MakeRow(Row::kSum, NumberValue(2.5e20), "row"), "The sum of the numbers are\t2.5E+20\n",
       "The sum of the numbers are\t2,5E+20\n"},
      {"the coefficient without its unit", MakeRow(Row::kCoefficientOfVariation, NumberValue(33.555), "33.555 %"),
       "The coefficient of variation is\t33.555\n", "The coefficient of variation is\t33,555\n"},
      {"one mode", MakeRow(Row::kMode, Modes({4}), "row"), "The mode is\t4\n", "The mode is\t4\n"},
      {"tied modes in cells", MakeRow(Row::kMode, Modes({1.5, -2, 3}), "row"), "The mode is\t1.5\t-2\t3\n",
       "The mode is\t1,5\t-2\t3\n"},
      {"no mode", MakeRow(Row::kMode, TextValue("None"), "None"), "The mode is\tNone\n", "The mode is\tNone\n"},
      {"undefined", MakeRow(Row::kSkew, TextValue("#Div/0!"), "#Div/0!"), "The skew is\t#Div/0!\n",
       "The skew is\t#Div/0!\n"},
      {"a label with a percent sign", MakeRow(Row::kConfidenceLow, NumberValue(0.5), "row"),
       "The 95 % confidence interval's low end is\t0.5\n", "The 95 % confidence interval's low end is\t0,5\n"},
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
