// Several columns of tables from their cells: columns by number, by header
// name and all that hold a number; groups in the order they first appear;
// text, stored numbers and other cells; decimal commas; tables after tables;
// a header without the name chosen; the records of delimited text too short
// for a column. A text cell must read exactly as the same text read as a line
// of a list file.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "input/DelimitedCells.h"
#include "input/EntrySource.h"
#include "input/ListCandidates.h"
#include "input/TableColumns.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

struct CellIn {
  std::size_t column;
  CellKind kind;
  std::string text;
  double number = 0;
};
CellIn T(std::size_t column, std::string text) { return {column, CellKind::kText, std::move(text)}; }
CellIn N(std::size_t column, double number, std::string shown = {}) {
  return {column, CellKind::kNumber, std::move(shown), number};
}
CellIn O(std::size_t column, std::string shown) { return {column, CellKind::kOther, std::move(shown)}; }

using Row = std::vector<CellIn>;
using Table = std::vector<Row>;

// A block as the test writes it: its entries, a number in its shortest text,
// a text kept as tested as "text:..." (the analysis reads it later).
struct BlockOut {
  std::string name;
  std::size_t number;
  std::optional<std::string> group;
  std::vector<std::string> entries;
  bool operator==(const BlockOut&) const = default;
};

std::string Shortest(double v) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

std::vector<std::string> EntriesOf(EntrySource& entries) {
  std::vector<std::string> out;
  const std::size_t count = entries.Count();
  for (std::size_t i = 0; i < count; ++i)
    if (entries.HasText(i)) out.push_back("text:" + std::string(entries.TextOf(i).text));
  const EntrySource::Values values = entries.TakeValues();
  std::size_t text = 0;
  std::vector<std::string> ordered;
  for (std::size_t i = 0; i < values.size(); ++i)
    ordered.push_back(std::isnan(values[i]) ? out[text++] : Shortest(values[i]));
  return values.empty() ? out : ordered;
}

std::ostream& operator<<(std::ostream& os, const BlockOut& b) {
  os << b.name << " #" << b.number << " [" << b.group.value_or("-") << "]:";
  for (const std::string& e : b.entries) os << ' ' << e;
  return os;
}

void Feed(TableColumns& columns, const std::vector<Table>& tables) {
  for (const Table& table : tables) {
    columns.BeginTable();
    std::uint64_t line = 1;
    for (const Row& row : table) {
      if (columns.Stopped()) break;
      columns.BeginRow(line++);
      for (const CellIn& c : row)
        columns.Cell({.column = c.column, .kind = c.kind, .text = c.text, .number = c.number});
      columns.EndRow();
    }
  }
}

std::vector<BlockOut> BlocksOf(TableColumns& columns) {
  std::vector<BlockOut> out;
  for (ColumnEntries& block : columns.TakeBlocks())
    out.push_back({block.name, block.number, block.group, EntriesOf(block.entries)});
  return out;
}

const numtext::Separators kPoint{".", ","};
const numtext::Separators kComma{",", "."};

ColumnPick Num(std::size_t n) { return {.number = n, .name = {}}; }
ColumnPick Name(std::string name) { return {.number = 0, .name = std::move(name)}; }

ColumnsChoice Cols(std::vector<ColumnPick> columns, bool header = false, std::optional<ColumnPick> group = {}) {
  return {.columns = std::move(columns), .all = false, .group = std::move(group), .header = header};
}
ColumnsChoice AllCols(bool header, std::optional<ColumnPick> group = {}) {
  return {.columns = {}, .all = true, .group = std::move(group), .header = header};
}

struct Case {
  const char* name;
  ColumnsChoice choice;
  numtext::Separators sep;
  std::vector<Table> tables;
  std::vector<BlockOut> blocks;
  std::size_t otherConvention = 0;
  std::optional<std::string> missing = std::nullopt;
};

std::vector<Case> Cases() {
  const Table people = {{T(0, "name"), T(1, "weight"), T(2, "height"), T(3, "team")},
                        {T(0, "ann"), T(1, "61.5"), T(2, "1.68"), T(3, "A")},
                        {T(0, "bob"), T(1, "70.25"), T(2, "1.80"), T(3, "B")},
                        {T(0, "cid"), T(1, "n/a"), T(2, "1.75"), T(3, "A")}};
  return {
      {.name = "columns by number, in the order chosen, no header",
       .choice = Cols({Num(3), Num(2)}),
       .sep = kPoint,
       .tables = {{{T(0, "a"), T(1, "1"), T(2, "2")}, {T(0, "b"), T(1, "3"), T(2, "4")}}},
       .blocks = {{"", 3, {}, {"2", "4"}}, {"", 2, {}, {"1", "3"}}}},
      {.name = "columns by header name; the header row is no data",
       .choice = Cols({Name("height"), Name("weight")}, true),
       .sep = kPoint,
       .tables = {people},
       .blocks = {{"height", 3, {}, {"1.68", "1.8", "1.75"}}, {"weight", 2, {}, {"61.5", "70.25"}}}},
      {.name = "a column by number is headed by its header cell",
       .choice = Cols({Num(2), Num(5)}, true),
       .sep = kPoint,
       .tables = {people},
       .blocks = {{"weight", 2, {}, {"61.5", "70.25"}}, {"", 5, {}, {}}}},
      {.name = "all fields: only the columns that hold a number",
       .choice = AllCols(true),
       .sep = kPoint,
       .tables = {people},
       .blocks = {{"weight", 2, {}, {"61.5", "70.25"}}, {"height", 3, {}, {"1.68", "1.8", "1.75"}}}},
      {.name = "all fields without a header: by number, in the order first met",
       .choice = AllCols(false),
       .sep = kPoint,
       .tables = {{{T(2, "5")}, {T(0, "x"), T(1, "7"), T(2, "6")}}},
       .blocks = {{"", 3, {}, {"5", "6"}}, {"", 2, {}, {"7"}}}},
      {.name = "groups in the order they first appear, each column's together",
       .choice = Cols({Name("weight"), Name("height")}, true, Name("team")),
       .sep = kPoint,
       .tables = {people},
       .blocks = {{"weight", 2, "A", {"61.5"}},
                  {"weight", 2, "B", {"70.25"}},
                  {"height", 3, "A", {"1.68", "1.75"}},
                  {"height", 3, "B", {"1.8"}}}},
      {.name = "all fields leave the group column out",
       .choice = AllCols(false, Num(1)),
       .sep = kPoint,
       .tables = {{{T(0, "7"), T(1, "1")}, {T(0, "8"), T(1, "2")}, {T(0, "7"), T(1, "3")}}},
       .blocks = {{"", 2, "7", {"1", "3"}}, {"", 2, "8", {"2"}}}},
      {.name = "the group column may be a chosen one; its cell comes before or after",
       .choice = Cols({Num(1), Num(2)}, false, Num(2)),
       .sep = kPoint,
       .tables = {{{T(0, "10"), T(1, "1")}, {T(0, "20"), T(1, "2")}, {T(0, "30"), T(1, "1")}}},
       .blocks = {{"", 1, "1", {"10", "30"}}, {"", 1, "2", {"20"}}, {"", 2, "1", {"1", "1"}}, {"", 2, "2", {"2"}}}},
      {.name = "a row without a group cell is of the group of no label; a group without a cell in a column has "
               "an empty block",
       .choice = Cols({Num(2)}, false, Num(1)),
       .sep = kPoint,
       .tables = {{{T(0, "g"), T(1, "1")}, {T(1, "2")}, {T(0, "h")}}},
       .blocks = {{"", 2, "g", {"1"}}, {"", 2, "", {"2"}}, {"", 2, "h", {}}}},
      {.name = "stored numbers exactly, other cells never, texts by the number test",
       .choice = Cols({Num(1)}),
       .sep = kPoint,
       .tables = {{{N(0, 0.1 + 0.2, "0.3")}, {O(0, "TRUE")}, {O(0, "2024-01-02")}, {T(0, "7")}, {T(0, "x")}}},
       .blocks = {{"", 1, {}, {"0.30000000000000004", "7"}}}},
      {.name = "a stored number's group label is its shown text, else its shortest one",
       .choice = Cols({Num(2)}, false, Num(1)),
       .sep = kPoint,
       .tables = {{{N(0, 2.5, "2,50"), T(1, "1")}, {N(0, 3), T(1, "2")}}},
       .blocks = {{"", 2, "2,50", {"1"}}, {"", 2, "3", {"2"}}}},
      {.name = "decimal commas under the decimal point: kept as tested text, told once each",
       .choice = Cols({Num(1)}),
       .sep = kPoint,
       .tables = {{{T(0, "61,5")}, {T(0, "2.5")}, {T(0, "70,25")}}},
       .blocks = {{"", 1, {}, {"text:61,5", "2.5", "text:70,25"}}},
       .otherConvention = 2},
      {.name = "decimal commas under the decimal comma: the user's own",
       .choice = Cols({Num(1)}),
       .sep = kComma,
       .tables = {{{T(0, "61,5")}, {T(0, "3")}}},
       .blocks = {{"", 1, {}, {"text:61,5", "3"}}}},
      {.name = "a header without the name: nothing is read",
       .choice = Cols({Name("weight"), Name("mass")}, true),
       .sep = kPoint,
       .tables = {people},
       .blocks = {},
       .missing = "mass"},
      {.name = "a header without the group column's name",
       .choice = Cols({Num(2)}, true, Name("squad")),
       .sep = kPoint,
       .tables = {people},
       .blocks = {},
       .missing = "squad"},
      {.name = "each table's header is read again: a name in another place",
       .choice = Cols({Name("v")}, true),
       .sep = kPoint,
       .tables = {{{T(0, "k"), T(1, "v")}, {T(0, "1"), T(1, "2")}}, {{T(0, "v"), T(1, "k")}, {T(0, "3"), T(1, "4")}}},
       .blocks = {{"v", 2, {}, {"2", "3"}}}},
      {.name = "all fields agree across tables by header name",
       .choice = AllCols(true),
       .sep = kPoint,
       .tables = {{{T(0, "a"), T(1, "b")}, {T(0, "1"), T(1, "2")}}, {{T(0, "b"), T(1, "a")}, {T(0, "3"), T(1, "4")}}},
       .blocks = {{"a", 1, {}, {"1", "4"}}, {"b", 2, {}, {"2", "3"}}}},
  };
}

TEST(TableColumns, CollectsEachColumnAndGroup) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TableColumns columns(c.choice, c.sep);
    Feed(columns, c.tables);
    EXPECT_EQ(columns.MissingName(), c.missing);
    EXPECT_EQ(columns.Stopped(), c.missing.has_value());
    EXPECT_EQ(columns.TakeOtherConvention().otherConvention, c.otherConvention);
    const std::vector<BlockOut> blocks = BlocksOf(columns);
    if (c.missing) {
      // Nothing of the table is kept once its header lacks a name.
      for (const BlockOut& block : blocks) EXPECT_TRUE(block.entries.empty()) << block;
      continue;
    }
    EXPECT_EQ(blocks, c.blocks);
  }
}

// A text cell is read exactly as the same text on a line of a list file: the
// same entries, whatever the convention.
TEST(TableColumns, TextCellsReadAsListLines) {
  const char* texts[] = {"61,5",   "1.234,5", "1,234.5", " 7 ",   "+3",   "1e3",
                         "2.5E-1", "-0",      "n/a",     "12abc", "0x10", "(5)"};
  for (const numtext::Separators& sep : {kPoint, kComma}) {
    for (const char* text : texts) {
      SCOPED_TRACE(std::string(text) + " with decimal '" + sep.decimal + "'");
      TableColumns columns(Cols({Num(1)}), sep);
      Feed(columns, {{{T(0, text)}}});
      std::vector<ColumnEntries> blocks = columns.TakeBlocks();
      ASSERT_EQ(blocks.size(), 1U);
      EntrySource list;
      ListCandidates(list, sep).Offer(text);
      EXPECT_EQ(EntriesOf(blocks[0].entries), EntriesOf(list));
    }
  }
}

// A table of many rows (several batches, each decided on two threads) gives
// the same blocks, in the same order, and the same other-convention tally as
// the same table decided on one thread.
Table ManyRows(std::size_t rows) {
  const char* texts[] = {"61,5", "1.234,5", "70.25", "n/a", "", "-3", "1e3", "12abc", "0,5", "7"};
  const char* groups[] = {"A", "B", "C", "A b", "5"};
  std::mt19937 random(20261211);
  Table table = {{T(0, "id"), T(1, "weight"), T(2, "height"), T(3, "team")}};
  for (std::size_t r = 0; r < rows; ++r) {
    Row row;
    row.push_back(N(0, static_cast<double>(r)));
    const char* text = texts[random() % 10];
    if (*text) row.push_back(T(1, text));
    if (random() % 7 == 0)
      row.push_back(O(2, "TRUE"));
    else
      row.push_back(T(2, std::to_string(random() % 100000) + "," + std::to_string(random() % 100)));
    row.push_back(T(3, groups[random() % 5]));
    table.push_back(std::move(row));
  }
  return table;
}

struct ThreadsRow {
  const char* name;
  ColumnsChoice choice;
  numtext::Separators sep;
  std::size_t rows;
};

TEST(TableColumns, TwoThreadsKeepWhatOneKeeps) {
  const ThreadsRow rows[] = {
      {"all fields by team, decimal point", AllCols(true, Name("team")), kPoint, 150'000},
      {"two named columns, decimal comma", Cols({Name("weight"), Name("height")}, true), kComma, 100'000},
      {"a batch too small to share", Cols({Num(2)}, true), kComma, 1'000},
  };
  for (const ThreadsRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Table table = ManyRows(row.rows);
    TableColumns one(row.choice, row.sep, false), two(row.choice, row.sep, true);
    Feed(one, {table});
    Feed(two, {table});
    const ReadTally oneTally = one.TakeOtherConvention(), twoTally = two.TakeOtherConvention();
    EXPECT_EQ(twoTally.otherConvention, oneTally.otherConvention);
    EXPECT_EQ(twoTally.firstOtherConvention, oneTally.firstOtherConvention);
    const std::vector<BlockOut> oneBlocks = BlocksOf(one), twoBlocks = BlocksOf(two);
    ASSERT_FALSE(oneBlocks.empty());
    EXPECT_EQ(twoBlocks, oneBlocks);
  }
}

// The short records of each table, as "count: line L F fields lacks N 'name'; ...".
struct ShortRowsCase {
  const char* name;
  ColumnsChoice choice;
  std::vector<std::string> tables;  // CSV text, one table each
  std::vector<std::string> told;    // for each table
};

std::string Told(const ShortRows& rows) {
  std::string out = std::to_string(rows.count) + ":";
  for (const ShortRow& row : rows.first)
    out += " line " + std::to_string(row.line) + " " + std::to_string(row.fields) + " fields lacks " +
           std::to_string(row.lacking.number) + " '" + row.lacking.name + "';";
  return out;
}

std::vector<ShortRowsCase> ShortRowsCases() {
  std::string twelve, twelveTold = "12:";
  for (int line = 1; line <= 12; ++line) {
    twelve += "1\n";
    if (line <= 10) twelveTold += " line " + std::to_string(line) + " 1 fields lacks 2 '';";
  }
  return {
      {"two columns by number: the records short of the second, wherever the blank lines are",
       Cols({Num(1), Num(3)}),
       {"1,2,3\n4\n\n5,6\n7,8,\n"},
       {"2: line 2 1 fields lacks 3 ''; line 4 2 fields lacks 3 '';"}},
      {"empty fields are fields; blank lines, CR LF ones too, are no records",
       Cols({Num(3)}),
       {",,\r\n\r\n\n1,,\n"},
       {"0:"}},
      {"the first column lacked is named: the group column before a chosen one",
       Cols({Name("c")}, true, Name("b")),
       {"a,b,c\n1\n1,2\n"},
       {"2: line 2 1 fields lacks 2 'b'; line 3 2 fields lacks 3 'c';"}},
      {"a column chosen by number has no name, even under a header",
       Cols({Num(3), Name("a")}, true),
       {"a,b,c\n1\n"},
       {"1: line 2 1 fields lacks 3 '';"}},
      {"the header row is never short", Cols({Num(3)}, true), {"a\n1,2,3\n"}, {"0:"}},
      {"all fields with a header: every column it names",
       AllCols(true),
       {"a,b,c\n1,2\n1,2,3\n"},
       {"1: line 2 2 fields lacks 3 'c';"}},
      {"all fields: the group column", AllCols(false, Num(4)), {"1,2,3,4\n1,2\n"}, {"1: line 2 2 fields lacks 4 '';"}},
      {"all fields without a header or groups: no record lacks a column", AllCols(false), {"1\n1,2,3\n"}, {"0:"}},
      {"past the first ten: counted, not kept", Cols({Num(2)}), {twelve}, {twelveTold}},
      {"each table counts its own",
       Cols({Num(2)}),
       {"1\n", "1,2\n", "3\n"},
       {"1: line 1 1 fields lacks 2 '';", "0:", "1: line 1 1 fields lacks 2 '';"}},
      {"a record whose quote is left open is not counted", Cols({Num(3)}), {"1,\"x\n"}, {"0:"}},
      {"a header without the name: nothing is counted", Cols({Name("z")}, true), {"a\n1\n"}, {"0:"}},
  };
}

TEST(TableColumns, CountsShortRecords) {
  for (const ShortRowsCase& c : ShortRowsCases()) {
    SCOPED_TRACE(c.name);
    TableColumns columns(c.choice, kPoint);
    std::vector<std::string> told;
    for (const std::string& table : c.tables) {
      columns.BeginTable();
      DelimitedCells cells(',', columns);
      cells.Feed(table.data(), table.size());
      cells.Finish();
      told.push_back(Told(columns.TableShortRows()));
    }
    EXPECT_EQ(told, c.tables.size() == c.told.size() ? c.told : std::vector<std::string>{"(a row per table)"});
  }
}

// A spreadsheet's rows have no count of fields (empty cells are not stored):
// however few cells a row holds, it is never short.
TEST(TableColumns, RowsWithoutFieldCountsAreNeverShort) {
  TableColumns columns(Cols({Num(3)}, false, Num(5)), kPoint);
  Feed(columns, {{{T(0, "1")}, {T(2, "3")}}});
  EXPECT_EQ(Told(columns.TableShortRows()), "0:");
}

}  // namespace
