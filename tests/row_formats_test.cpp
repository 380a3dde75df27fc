// The analyser's formats made from the results: each kind of value in text,
// tsv and json, JSON that stays valid, and every digit of the engine's
// doubles read back from tsv and json.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "numtext/NumberText.h"
#include "results/Analysis.h"
#include "results/ResultValues.h"
#include "results/RowFormats.h"
#include "stats/Arithmetic.h"

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

// With every digit, tsv and json give back the engine's own doubles exactly
// (strtod of the text is the very double), on data whose rows the ten
// decimals of the window would cut: tiny values, long decimals (as NIST's
// accuracy tests have them), large and negative values, both methods, and
// the rows after the twelve.
class Reports final : public core::ErrorSink {
 public:
  void ReportError(const std::string&, std::string_view, int) override { ++count; }
  int count = 0;
};

using Engine = stats::modStatistics::DataSet;

// What the engine answers for each key; a text (#Div/0!) is not a number.
std::optional<double> EngineValue(const Engine& data, std::string_view key) {
  auto number = [](const StatResult& r) { return r.IsNumber() ? std::optional<double>(r.Number()) : std::nullopt; };
  const std::map<std::string_view, std::function<std::optional<double>()>> values = {
      {"count", [&] { return data.NumberCount(); }},
      {"sum", [&] { return data.GetSum(); }},
      {"sum_squared", [&] { return stats::Mul(data.GetSum(), data.GetSum()); }},
      {"sum_of_squares", [&] { return data.GetSumOfSquares(); }},
      {"mode", [&] { return number(data.GetMode()); }},
      {"median", [&] { return data.GetMedian(); }},
      {"mean", [&] { return data.GetMean(); }},
      {"variance", [&] { return number(data.GetVariance()); }},
      {"skew", [&] { return number(data.GetSkew()); }},
      {"average_deviation", [&] { return number(data.GetAverageDeviation()); }},
      {"standard_deviation", [&] { return number(data.GetStandardDeviation()); }},
      {"coefficient_of_variation", [&] { return number(data.GetCoefficientOfVariation()); }},
      {"minimum", [&] { return data.GetMinimum(); }},
      {"maximum", [&] { return data.GetMaximum(); }},
      {"range", [&] { return number(data.GetRange()); }},
      {"first_quartile", [&] { return data.GetQuartile(1); }},
      {"third_quartile", [&] { return data.GetQuartile(3); }},
      {"interquartile_range", [&] { return number(data.GetInterquartileRange()); }},
      {"kurtosis", [&] { return number(data.GetKurtosis()); }},
      {"standard_error", [&] { return number(data.GetStandardError()); }},
      {"ci95_low", [&] { return number(data.GetConfidenceLow()); }},
      {"ci95_high", [&] { return number(data.GetConfidenceHigh()); }},
  };
  return values.at(key)();
}

// The text after "key": in a json object, up to the next ',' or '}' (an
// array whole).
std::string JsonValue(const std::string& json, std::string_view key) {
  const std::size_t at = json.find("\"" + std::string(key) + "\":");
  if (at == std::string::npos) return "(missing)";
  const std::size_t from = at + key.size() + 3;
  const std::size_t to = json[from] == '[' ? json.find(']', from) + 1 : json.find_first_of(",}", from);
  return json.substr(from, to - from);
}

TEST(RowFormatsTest, EveryDigitReadsBackToTheEnginesDouble) {
  std::mt19937_64 random(29);
  std::uniform_real_distribution<double> uniform(-1e6, 1e6);
  std::vector<std::string> randomEntries;
  for (int i = 0; i < 1000; ++i) randomEntries.push_back(numtext::RoundTripText(uniform(random), {".", ","}));
  std::vector<std::string> accuracy{"1000000.2"};
  for (int i = 0; i < 500; ++i) accuracy.insert(accuracy.end(), {"1000000.1", "1000000.3"});
  const struct {
    const char* name;
    std::vector<std::string> entries;
  } cases[] = {
      {"tiny values", {"4.7e-12", "5.1e-12", "4.9e-12"}},
      {"long decimals", accuracy},
      {"measurements", {"299.85", "299.74", "299.90", "300.07", "299.93", "299.85", "299.95", "299.98"}},
      {"large values", {"1e100", "3e100", "-2e99", "7.5e99", "1.2345678901234567e100"}},
      {"negative values", {"-2.5", "-0.001", "-7", "-1e-9", "-3.3333333333333335"}},
      {"one mode", {"0.1", "0.1", "0.7", "1e-20"}},
      {"tied modes", {"0.1", "0.1", "2.5e-11", "2.5e-11", "-3"}},
      {"random values", randomEntries},
  };
  for (const auto& c : cases) {
    for (const bool sample : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (sample ? ", sample" : ", population"));
      Reports reports;
      results::Analysis analysis({".", ","});
      analysis.Statistics().SetMethodIsSample(sample);
      analysis.SetMoreStatistics(true);
      input::EntrySource entries;
      for (const std::string& entry : c.entries) entries.Append(entry);
      analysis.StartAnalysis({.errors = reports,
                              .entries = entries,
                              .decimals = {.places = 10, .showAll = true},
                              .setBusy = [](bool) {},
                              .clearResults = [] {},
                              .addResultRow = [](const std::string&) {},
                              .showMessage = [](const std::string&) {}});
      ASSERT_EQ(reports.count, 0);
      const results::Results& results = analysis.LastResults();
      const std::string json = FormatResults(results, Format::kJson, results::Digits::kEvery);
      std::istringstream tsv(FormatResults(results, Format::kTsv, results::Digits::kEvery));
      std::size_t numbers = 0, lines = 0;
      for (std::string line; std::getline(tsv, line); ++lines) {
        const std::string key = line.substr(0, line.find('\t'));
        const std::string text = line.substr(key.size() + 1);
        SCOPED_TRACE(line);
        const std::optional<double> engine = EngineValue(analysis.Statistics(), key);
        const std::string tied =
            analysis.Statistics().GetMode().IsNumber() ? "" : analysis.Statistics().GetMode().Text();
        if (key == "mode" && tied.find(" or ") != std::string::npos) {
          // Each tied value is the one the engine's list names.
          std::string array = "[";
          std::istringstream engineList(tied), list(text);
          for (std::string want, got; engineList >> want && list >> got;) {
            if (want == "or") continue;
            EXPECT_EQ(std::strtod(got.c_str(), nullptr), std::strtod(want.c_str(), nullptr));
            array += (array.size() > 1 ? "," : "") + got;
          }
          EXPECT_EQ(JsonValue(json, key), array + "]");
          continue;
        }
        if (!engine) {
          EXPECT_EQ(JsonValue(json, key), key == "mode" ? "[]" : "\"" + text + "\"");
          continue;
        }
        char* end = nullptr;
        const double back = std::strtod(text.c_str(), &end);
        EXPECT_EQ(*end, '\0');
        EXPECT_EQ(back, *engine);
        EXPECT_EQ(JsonValue(json, key), key == "mode" ? "[" + text + "]" : text);
        ++numbers;
      }
      EXPECT_EQ(lines, results.rows.size() + results.more.size());
      EXPECT_EQ(lines, sample ? 22u : 20u);
      EXPECT_GE(numbers, 15u);
    }
  }
}

// An analysis that stopped at "You forgot to input numbers." has no rows.
TEST(RowFormatsTest, NoRows) {
  EXPECT_EQ(FormatResults(results::Results{}, Format::kText), "");
  EXPECT_EQ(FormatResults(results::Results{}, Format::kTsv), "");
  EXPECT_EQ(FormatResults(results::Results{}, Format::kJson), "{}\n");
}

}  // namespace
