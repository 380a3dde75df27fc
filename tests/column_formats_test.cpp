// Several columns' results side by side: the text blocks and their headings,
// the tsv line of headings and a cell per column (empty where a column has
// no such row), json's array with its names, and a column of no numbers in
// each format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/ColumnFormats.h"
#include "results/ResultValues.h"

using namespace tallowmere;
using namespace tallowmere::results;

namespace {

// Rows as the window shows them: the count when given one (as if an error
// had left it out of the others), then the mean.
Results Made(double mean, const char* meanText, std::optional<double> count = std::nullopt) {
  Results results;
  if (count)
    results.rows.push_back(MakeRow(Row::kCount, NumberValue(*count), std::to_string(static_cast<int>(*count))));
  results.rows.push_back(MakeRow(Row::kMean, NumberValue(mean), meanText));
  return results;
}

ColumnResults Column(std::string name, std::optional<std::string> group, Results results) {
  return {.column = std::move(name), .group = std::move(group), .results = std::move(results), .noNumbers = {}};
}

ColumnResults Empty(std::string name, std::optional<std::string> group) {
  return {.column = std::move(name), .group = std::move(group), .results = {}, .noNumbers = "No numbers here."};
}

struct Case {
  const char* name;
  std::vector<ColumnResults> columns;
  Format format;
  std::string expected;
};

std::vector<Case> Cases() {
  const std::vector<ColumnResults> two = {Column("weight", {}, Made(61.5, "61,5")),
                                          Column("field 3", {}, Made(2.25, "2,25", 4))};
  const std::vector<ColumnResults> groups = {Column("w", "A", Made(1, "1")), Empty("w", "B")};
  return {
      {"text: a block per column, headed by its name, one empty line between", two, Format::kText,
       "weight\nThe mean is: 61,5\n\nfield 3\nThe number of entries is: 4\nThe mean is: 2,25\n"},
      {"text: a group's heading, and a block of no numbers", groups, Format::kText,
       "w: A\nThe mean is: 1\n\nw: B\nNo numbers here.\n"},
      {"tsv: the headings, then a line per key in row order; a key one column lacks is an empty cell", two,
       Format::kTsv, "statistic\tweight\tfield 3\ncount\t\t4\nmean\t61.5\t2.25\n"},
      {"tsv: a column of no numbers has empty cells", groups, Format::kTsv, "statistic\tw: A\tw: B\nmean\t1\t\n"},
      {"tsv: a tab or line end in a heading is a space",
       {Column("a\tb\r\nc", "x\ty", Made(1, "1"))},
       Format::kTsv,
       "statistic\ta b  c: x y\nmean\t1\n"},
      {"json: an array, group null without groups", two, Format::kJson,
       "[{\"column\":\"weight\",\"group\":null,\"mean\":61.5},"
       "{\"column\":\"field 3\",\"group\":null,\"count\":4,\"mean\":2.25}]\n"},
      {"json: groups named, a column of no numbers with its names only", groups, Format::kJson,
       "[{\"column\":\"w\",\"group\":\"A\",\"mean\":1},{\"column\":\"w\",\"group\":\"B\"}]\n"},
      {"json: names are escaped as JSON strings",
       {Column("say \"hi\"\n", {}, Made(1, "1"))},
       Format::kJson,
       "[{\"column\":\"say \\\"hi\\\"\\u000a\",\"group\":null,\"mean\":1}]\n"},
      {"nothing at all", {}, Format::kJson, "[]\n"},
  };
}

TEST(ColumnFormats, WritesColumnsSideBySide) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatColumns(c.columns, c.format), c.expected);
  }
}

}  // namespace
