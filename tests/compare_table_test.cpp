// Lists side by side: the lists made from a table's columns (headings, each
// entry's value as the run reads it), the keys and cells of lists without
// numbers, and the tab and CSV texts' separators and quoting.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "results/CompareTable.h"

using namespace tallowmere;
using namespace tallowmere::results;

namespace {

// A case prints as its name (not as its bytes) where a test fails.
template <class Case>
requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

// An entry as a table reader hands it on: a stored number, or a text that
// passed the number test.
using Entry = std::variant<double, std::string>;

struct BlockIn {
  std::string name;
  std::size_t number;
  std::optional<std::string> group;
  std::vector<Entry> entries;
};

struct ColumnsCase {
  const char* name;
  numtext::Separators separators;
  std::vector<BlockIn> blocks;
  std::vector<std::string> headings;
  std::vector<std::vector<double>> values;
};

class ColumnsOf : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(ColumnsOf, HeadsAndReadsEveryList) {
  const ColumnsCase& c = GetParam();
  std::vector<input::ColumnEntries> blocks;
  for (const BlockIn& in : c.blocks) {
    input::ColumnEntries& block = blocks.emplace_back();
    block.name = in.name;
    block.number = in.number;
    block.group = in.group;
    for (const Entry& entry : in.entries) {
      if (const double* number = std::get_if<double>(&entry))
        block.entries.AppendNumber(*number);
      else
        block.entries.AppendTestedText(std::get<std::string>(entry));
    }
  }
  const std::vector<CompareColumn> columns = CompareColumnsOf(std::move(blocks), c.separators, "Column %1");
  ASSERT_EQ(columns.size(), c.headings.size());
  for (std::size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i].heading, c.headings[i]);
    EXPECT_EQ(columns[i].values, c.values[i]) << c.headings[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ColumnsOf,
    ::testing::Values(
        ColumnsCase{"NumbersAndTextsInOrder",
                    kEnglish,
                    {{"w", 1, std::nullopt, {2.25, std::string("1.5"), -3.0, std::string("1,000.5")}}},
                    {"w"},
                    {{2.25, 1.5, -3, 1000.5}}},
        ColumnsCase{
            "DecimalComma", kGerman, {{"w", 1, std::nullopt, {std::string("1.234,5"), 7.0}}}, {"w"}, {{1234.5, 7}}},
        ColumnsCase{"BeyondTheDoubleRangeCountsZero",
                    kEnglish,
                    {{"w", 1, std::nullopt, {std::string("1e999"), 4.0}}},
                    {"w"},
                    {{0, 4}}},
        ColumnsCase{"UnnamedAndGrouped",
                    kEnglish,
                    {{"", 3, std::nullopt, {1.0}}, {"weight", 2, "A", {2.0}}, {"weight", 2, "", {}}},
                    {"Column 3", "weight: A", "weight: "},
                    {{1}, {2}, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
  const char* name;
  numtext::Separators separators;
  std::vector<CompareColumn> columns;
  std::string tabHeader;
  std::string tabMean;
  std::string csvHeader;
  std::string csvMean;
};

class Texts : public ::testing::TestWithParam<TextCase> {};

std::vector<std::string> LinesOf(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  for (std::size_t from = 0, at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
    lines.push_back(text.substr(from, at - from));
  return lines;
}

TEST_P(Texts, PartAndQuoteTheCells) {
  const TextCase& c = GetParam();
  CompareTable table(c.columns, c.separators);
  table.Analyse({.sample = true, .places = 3, .showAll = false});
  std::vector<std::string> labels(table.Keys().begin(), table.Keys().end());
  const std::vector<std::string> tab = LinesOf(table.TabText("statistic", labels), "\n");
  const std::vector<std::string> csv = LinesOf(table.CsvText("statistic", labels), "\r\n");
  ASSERT_EQ(tab.size(), table.Keys().size() + 1);
  ASSERT_EQ(csv.size(), tab.size());
  EXPECT_EQ(tab[0], c.tabHeader);
  EXPECT_EQ(csv[0], c.csvHeader);
  // The mean is the seventh statistic.
  ASSERT_EQ(table.Keys()[6], "mean");
  EXPECT_EQ(tab[7], c.tabMean);
  EXPECT_EQ(csv[7], c.csvMean);
}

INSTANTIATE_TEST_SUITE_P(Tables, Texts,
                         ::testing::Values(TextCase{"ListWithoutNumbersHasEmptyCells",
                                                    kEnglish,
                                                    {{"a", {}}, {"b", {1, 2}}},
                                                    "statistic\ta\tb",
                                                    "mean\t\t1.5",
                                                    "statistic,a,b",
                                                    "mean,,1.5"},
                                           TextCase{"QuotesAndLineEnds",
                                                    kEnglish,
                                                    {{"x, \"y\"", {2, 4}}, {"two\nlines", {1000.25, 1000.75}}},
                                                    "statistic\tx, \"y\"\ttwo lines",
                                                    "mean\t3\t1000.5",
                                                    "statistic,\"x, \"\"y\"\"\",\"two\nlines\"",
                                                    "mean,3,1000.5"},
                                           TextCase{"DecimalCommaPartsBySemicolons",
                                                    kGerman,
                                                    {{"a;b", {1, 2}}, {"c,d", {2.5, 2.75}}},
                                                    "statistic\ta;b\tc,d",
                                                    "mean\t1,5\t2,625",
                                                    "statistic;\"a;b\";c,d",
                                                    "mean;1,5;2,625"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
