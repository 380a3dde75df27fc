// The analyser's formats made from the results: each kind of value in text,
// tsv and json, the rows after the twelve, and JSON that stays valid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/ResultValues.h"
#include "results/RowFormats.h"

namespace {

using analysis::MakeRow;
using analysis::NumberValue;
using analysis::ResultValue;
using analysis::Row;
using analysis::TextValue;
using rowformat::Format;
using rowformat::FormatResults;

ResultValue Modes(std::vector<double> tied) {
  ResultValue value;
  value.kind = ResultValue::Kind::kModes;
  value.modes = std::move(tied);
  return value;
}

TEST(RowFormatsTest, EachKindOfValue) {
  struct Case {
    const char* name;
    analysis::ResultRow row;
    std::string text, tsv, json;
  };
  // The rows are written with German separators: tsv and json use '.'.
  const std::vector<Case> cases = {
      {"number", MakeRow(Row::kMean, NumberValue(3.75), "3,75"), "The mean is: 3,75\n", "mean\t3.75\n",
       "{\"mean\":3.75}\n"},
      {"exponent", MakeRow(Row::kSum, NumberValue(-1.5e-20), "-1,5E-20"), "The sum of the numbers are: -1,5E-20\n",
       "sum\t-1.5E-20\n", "{\"sum\":-1.5E-20}\n"},
      {"coefficient without unit", MakeRow(Row::kCoefficientOfVariation, NumberValue(33.555), "33,555 %"),
       "The coefficient of variation is: 33,555 %\n", "coefficient_of_variation\t33.555\n",
       "{\"coefficient_of_variation\":33.555}\n"},
      {"one mode", MakeRow(Row::kMode, Modes({4}), "4"), "The mode is: 4\n", "mode\t4\n", "{\"mode\":[4]}\n"},
      {"tied modes", MakeRow(Row::kMode, Modes({2.5, -1}), "2,5 or -1"), "The mode is: 2,5 or -1\n",
       "mode\t2.5 or -1\n", "{\"mode\":[2.5,-1]}\n"},
      {"no mode", MakeRow(Row::kMode, TextValue("None"), "None"), "The mode is: None\n", "mode\tNone\n",
       "{\"mode\":[]}\n"},
      {"failed mode", MakeRow(Row::kMode, TextValue("Error"), "Error"), "The mode is: Error\n", "mode\tError\n",
       "{\"mode\":\"Error\"}\n"},
      {"undefined", MakeRow(Row::kVariance, TextValue("#Div/0!"), "#Div/0!"), "The variance is: #Div/0!\n",
       "variance\t#Div/0!\n", "{\"variance\":\"#Div/0!\"}\n"},
      // A text no JSON reader would take: quotes, a backslash, a control
      // character and a byte that is no UTF-8.
      {"odd text", MakeRow(Row::kSkew, TextValue("a\"b\\c\x01\xff"), "x"), "The skew is: x\n",
       "skew\ta\"b\\c\x01\xff\n", "{\"skew\":\"a\\\"b\\\\c\\u0001\xEF\xBF\xBD\"}\n"},
      {"a text that looks like a number is written as one", MakeRow(Row::kSkew, TextValue("12"), "12"),
       "The skew is: 12\n", "skew\t12\n", "{\"skew\":12}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    analysis::Results results;
    results.rows.push_back(c.row);
    EXPECT_EQ(FormatResults(results, Format::kText), c.text);
    EXPECT_EQ(FormatResults(results, Format::kTsv), c.tsv);
    EXPECT_EQ(FormatResults(results, Format::kJson), c.json);
  }
}

TEST(RowFormatsTest, TheRowsAfterTheTwelveComeLast) {
  analysis::Results results;
  results.more.push_back(MakeRow(Row::kMinimum, NumberValue(-2), "-2"));
  results.more.push_back(MakeRow(Row::kKurtosis, TextValue("#Div/0!"), "#Div/0!"));
  results.rows.push_back(MakeRow(Row::kCount, NumberValue(4), "4"));
  EXPECT_EQ(FormatResults(results, Format::kText),
            "The number of entries is: 4\nThe minimum is: -2\nThe kurtosis is: #Div/0!\n");
  EXPECT_EQ(FormatResults(results, Format::kTsv), "count\t4\nminimum\t-2\nkurtosis\t#Div/0!\n");
  EXPECT_EQ(FormatResults(results, Format::kJson), "{\"count\":4,\"minimum\":-2,\"kurtosis\":\"#Div/0!\"}\n");
  EXPECT_EQ(FormatResults(analysis::Results{}, Format::kJson), "{}\n");
  EXPECT_EQ(FormatResults(analysis::Results{}, Format::kTsv), "");
}

}  // namespace
