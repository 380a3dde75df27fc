// The analyser's formats made from the results: each kind of value in text,
// tsv and json, and JSON that stays valid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/ResultValues.h"
#include "results/RowFormats.h"

using namespace tallowmere;
using namespace tallowmere::results;
using namespace tallowmere::stats;

namespace {

using results::Format;
using results::FormatResults;
using results::MakeRow;
using results::NumberValue;
using results::ResultValue;
using results::Row;
using results::TextValue;

ResultValue Modes(std::vector<double> tied) {
  ResultValue value;
  value.kind = ResultValue::Kind::kModes;
  value.modes = std::move(tied);
  return value;
}

TEST(RowFormatsTest, EachKindOfValue) {
  struct Case {
    const char* name;
    results::ResultRow row;
    std::string text, tsv, json;
  };
  // The rows are written with German separators: tsv and json use '.'.
  const std::vector<Case> cases = {
      {.name = "number",
       .row = MakeRow(Row::kMean, NumberValue(3.75), "3,75"),
       .text = "The mean is: 3,75\n",
       .tsv = "mean\t3.75\n",
       .json = "{\"mean\":3.75}\n"},
      {.name = "exponent",
       .row = MakeRow(Row::kSum, NumberValue(-1.5e-20), "-1,5E-20"),
       .text = "The sum of the numbers are: -1,5E-20\n",
       .tsv = "sum\t-1.5E-20\n",
       .json = "{\"sum\":-1.5E-20}\n"},
      {.name = "coefficient without unit",
       .row = MakeRow(Row::kCoefficientOfVariation, NumberValue(33.555), "33,555 %"),
       .text = "The coefficient of variation is: 33,555 %\n",
       .tsv = "coefficient_of_variation\t33.555\n",
       .json = "{\"coefficient_of_variation\":33.555}\n"},
      {.name = "one mode",
       .row = MakeRow(Row::kMode, Modes({4}), "4"),
       .text = "The mode is: 4\n",
       .tsv = "mode\t4\n",
       .json = "{\"mode\":[4]}\n"},
      {.name = "tied modes",
       .row = MakeRow(Row::kMode, Modes({2.5, -1}), "2,5 or -1"),
       .text = "The mode is: 2,5 or -1\n",
       .tsv = "mode\t2.5 or -1\n",
       .json = "{\"mode\":[2.5,-1]}\n"},
      {.name = "no mode",
       .row = MakeRow(Row::kMode, TextValue("None"), "None"),
       .text = "The mode is: None\n",
       .tsv = "mode\tNone\n",
       .json = "{\"mode\":[]}\n"},
      {.name = "failed mode",
       .row = MakeRow(Row::kMode, TextValue("Error"), "Error"),
       .text = "The mode is: Error\n",
       .tsv = "mode\tError\n",
       .json = "{\"mode\":\"Error\"}\n"},
      {.name = "undefined",
       .row = MakeRow(Row::kVariance, TextValue("#Div/0!"), "#Div/0!"),
       .text = "The variance is: #Div/0!\n",
       .tsv = "variance\t#Div/0!\n",
       .json = "{\"variance\":\"#Div/0!\"}\n"},
      // Texts go to tsv as they are; JSON's escaping has its own table.
      {.name = "odd text",
       .row = MakeRow(Row::kSkew, TextValue("a\"b\\c\x01\xff"), "x"),
       .text = "The skew is: x\n",
       .tsv = "skew\ta\"b\\c\x01\xff\n",
       .json = "{\"skew\":\"a\\\"b\\\\c\\u0001\xEF\xBF\xBD\"}\n"},
      {.name = "a text that looks like a number is written as one",
       .row = MakeRow(Row::kSkew, TextValue("12"), "12"),
       .text = "The skew is: 12\n",
       .tsv = "skew\t12\n",
       .json = "{\"skew\":12}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    results::Results results;
    results.rows.push_back(c.row);
    EXPECT_EQ(FormatResults(results, Format::kText), c.text);
    EXPECT_EQ(FormatResults(results, Format::kTsv), c.tsv);
    EXPECT_EQ(FormatResults(results, Format::kJson), c.json);
  }
}

// A text value in JSON: a string that any JSON reader takes, holding the
// text's characters; bytes that are no UTF-8 each become U+FFFD. A text that
// is a JSON number as it stands is written as one.
TEST(RowFormatsTest, JsonStringsStayValid) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string text;
    std::string json;  // the value as written after "skew":
  } cases[] = {
      {.name = "empty", .text = "", .json = R"("")"},
      {.name = "quote and backslash", .text = R"(a"b\c)", .json = R"("a\"b\\c")"},
      {.name = "a NUL byte", .text = "a\0b"s, .json = R"("a\u0000b")"},
      {.name = "tab, LF and CR", .text = "\t\n\r", .json = R"("\u0009\u000a\u000d")"},
      {.name = "the last and first control characters", .text = "\x1f\x01", .json = R"("\u001f\u0001")"},
      {.name = "space, slash and DEL as they are", .text = " /\x7f", .json = "\" /\x7f\""},
      {.name = "two, three and four bytes",
       .text = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
       .json = "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
      {.name = "the ends of the ranges",
       .text = "\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF",
       .json = "\"\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF\""},
      {.name = "overlong forms",
       .text = "\xC0\x80|\xC1\xBF|\xE0\x9F\xBF|\xF0\x8F\xBF\xBF",
       .json = "\"\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD\uFFFD\""},
      {.name = "a surrogate", .text = "\xED\xA0\x80", .json = "\"\uFFFD\uFFFD\uFFFD\""},
      {.name = "beyond U+10FFFF",
       .text = "\xF4\x90\x80\x80|\xF5\x80",
       .json = "\"\uFFFD\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\""},
      {.name = "cut short",
       .text = "\xE2\x82"
               "A\xE2\x82",
       .json = "\"\uFFFD\uFFFD"
               "A\uFFFD\uFFFD\""},
      {.name = "a lone continuation byte", .text = "\x80", .json = "\"\uFFFD\""},
      {.name = "a JSON number as it stands", .text = "-0.5e+3", .json = "-0.5e+3"},
      {.name = "not quite JSON numbers", .text = "01", .json = R"("01")"},
      {.name = "a point without digits", .text = "1.", .json = R"("1.")"},
      {.name = "no digit before the point", .text = ".5", .json = R"(".5")"},
      {.name = "a word", .text = "Infinity", .json = R"("Infinity")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    results::Results results;
    results.rows.push_back(MakeRow(Row::kSkew, TextValue(c.text), "x"));
    EXPECT_EQ(FormatResults(results, Format::kJson), "{\"skew\":" + c.json + "}\n");
  }
}

// An analysis that stopped at "You forgot to input numbers." has no rows.
TEST(RowFormatsTest, NoRows) {
  EXPECT_EQ(FormatResults(results::Results{}, Format::kText), "");
  EXPECT_EQ(FormatResults(results::Results{}, Format::kTsv), "");
  EXPECT_EQ(FormatResults(results::Results{}, Format::kJson), "{}\n");
}

}  // namespace
