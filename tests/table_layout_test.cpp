// The layout guessed of tables as programs save them: the delimiter, the
// header and the decimal convention of whole files and of their first
// bytes; and the header and convention of a spreadsheet's cells.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "input/DelimitedCells.h"
#include "input/TableLayout.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace tallowmere::input {
void PrintTo(DecimalConvention decimal, std::ostream* out) {
  *out << (decimal == DecimalConvention::kPoint   ? "point"
           : decimal == DecimalConvention::kComma ? "comma"
                                                  : "undecided");
}
}  // namespace tallowmere::input

namespace {

using Convention = DecimalConvention;

std::string Printed(std::optional<char> delimiter) {
  if (!delimiter) return "one column";
  if (*delimiter == '\t') return "tab";
  return std::string(1, *delimiter);
}

struct FileCase {
  const char* name;
  std::string bytes;
  std::optional<char> delimiter;
  bool header;
  Convention decimal;
  bool whole = true;
};

TEST(TableLayout, GuessesTheLayoutOfFilesAsProgramsSaveThem) {
  const numtext::Separators english;
  const std::vector<FileCase> cases = {
      {"a lab's CSV", "id,weight,height,group\n1,61.5,170,A\n2,70.2,182,B\n3,55,165,A\n", ',', true,
       Convention::kPoint},
      {"the same saved by a German Calc: a mark, CR LF, decimal commas",
       "\xEF\xBB\xBFid;weight;height;group\r\n1;61,5;170;A\r\n2;70,2;182;B\r\n3;55;165;A\r\n", ';', true,
       Convention::kComma},
      {"a German CSV with a quoted name holding the delimiter",
       "Name;Gewicht;Gr\xC3\xB6\xC3\x9F"
       "e\n\"M\xC3\xBCller; Hans\";61,5;1,68\nAnna;70,25;1,80\n",
       ';', true, Convention::kComma},
      {"TSV", "name\tvalue\nann\t1.5\nbob\t2\n", '\t', true, Convention::kPoint},
      {"UTF-16 TSV, as a spreadsheet saves Unicode text",
       std::string("\xFF\xFE"
                   "a\0\t\0b\0\r\0\n\0"
                   "1\0\t\0"
                   "2\0,\0"
                   "5\0\r\0\n\0",
                   26),
       '\t', true, Convention::kComma},
      {"pipes, whole numbers only", "a|b|c\n1|2|3\n4|5|6\n", '|', true, Convention::kUndecided},
      {"one column with a header", "weight\n61.5\n70.2\n", std::nullopt, true, Convention::kPoint},
      {"one column of words", "apple\npear\n", std::nullopt, false, Convention::kUndecided},
      {"no header", "1,61.5,170\n2,70.2,182\n", ',', false, Convention::kPoint},
      {"quoted headers", "\"id\",\"weight, kg\"\n1,\"61.5\"\n2,70\n", ',', true, Convention::kPoint},
      {"a header of words over words is no header", "name,group\nann,a\nbob,b\n", ',', false, Convention::kUndecided},
      {"groups alone say nothing of the decimal", "a;b\n1.234;5\n2.345;6\n", ';', true, Convention::kUndecided},
      {"most lines decide: one short line", "a,b,c\n1,2,3\n4,5\n6,7,8\n", ',', true, Convention::kUndecided},
      {"words with a comma are no table", "name, weight\nann\n", std::nullopt, false, Convention::kUndecided},
      {"another punctuation byte on every line", "1#2#3\n4#5#6\n", '#', false, Convention::kUndecided},
      {"a percent sign is no delimiter", "50%1\n60%2\n", std::nullopt, false, Convention::kUndecided},
      {"a punctuation byte with an empty field is none", "1#\n2#\n", std::nullopt, false, Convention::kUndecided},
      {"the cut last row of a file's first bytes is no row", "name\n61", std::nullopt, false, Convention::kUndecided,
       false},
      {"the same whole", "name\n61", std::nullopt, true, Convention::kUndecided},
      {"the cut last line of a file's first bytes is not counted", "a;b\n1;2,5\n3;4,5\n5;6,7,8,9,1", ';', true,
       Convention::kComma, false},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TableLayout layout = GuessTableLayout(c.bytes, c.whole, english);
    EXPECT_EQ(Printed(layout.delimiter), Printed(c.delimiter));
    EXPECT_EQ(layout.header, c.header);
    EXPECT_EQ(layout.decimal, c.decimal);
  }
}

TEST(TableLayout, GuessesTheDelimiterOfLines) {
  struct DelimiterCase {
    const char* name;
    std::string text;
    bool whole;
    std::optional<char> delimiter;
  };
  const std::vector<DelimiterCase> cases = {
      {"semicolons inside quotes of a comma CSV", "\"a;b;c\",1\n\"d;e\",2\n", true, ','},
      {"line ends inside quotes", "a,\"b\nc\nd\ne\"\n1,2\n", true, ','},
      {"the cut last line is not counted", "1;2\n3;4\n5\n6", false, ';'},
      {"the same whole: half the lines are not most", "1;2\n3;4\n5\n6", true, std::nullopt},
      {"a cut quoted field is no line", "a;b\n1;2\n3;\"x\n4\n5\n", false, ';'},
      {"the tab wins a tie with the comma", "1,2\t3\n4,5\t6\n", true, '\t'},
      {"the semicolon wins a tie with the comma", "1,5;2,5\n3,5;4,5\n", true, ';'},
      {"a field too long to be a number is not an empty one", "1#" + std::string(5000, 'x') + "\n2#3\n", true, '#'},
      {"empty text", "", true, std::nullopt},
  };
  for (const DelimiterCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Printed(GuessDelimiter(c.text, c.whole)), Printed(c.delimiter));
  }
}

SampleCell Text(std::size_t column, std::string text) { return {column, CellKind::kText, std::move(text), 0}; }
SampleCell Number(std::size_t column, double value) { return {column, CellKind::kNumber, {}, value}; }
SampleCell Other(std::size_t column) { return {column, CellKind::kOther, "2026-12-11", 0}; }

struct CellsCase {
  const char* name;
  std::vector<SampleRow> rows;
  bool header;
  Convention decimal;
};

TEST(TableLayout, GuessesFromTheCellsOfSpreadsheets) {
  const numtext::Separators english;
  const std::vector<CellsCase> cases = {
      {"names over stored numbers",
       {{1, {Text(0, "x"), Text(1, "y")}}, {2, {Number(0, 1), Number(1, 2)}}},
       true,
       Convention::kUndecided},
      {"a number in the first row",
       {{1, {Text(0, "x"), Number(1, 3)}}, {2, {Number(0, 1), Number(1, 2)}}},
       false,
       Convention::kUndecided},
      {"dates under a name are not numbers",
       {{1, {Text(0, "day")}}, {2, {Other(0)}}, {3, {Other(0)}}},
       false,
       Convention::kUndecided},
      {"numbers in a column the first row leaves empty",
       {{1, {Text(0, "note")}}, {2, {Text(0, "a"), Number(1, 1)}}, {3, {Text(0, "b"), Number(1, 2)}}},
       false,
       Convention::kUndecided},
      {"more texts than numbers under the name",
       {{1, {Text(0, "v")}}, {2, {Text(0, "1")}}, {3, {Text(0, "n/a")}}, {4, {Text(0, "-")}}},
       false,
       Convention::kUndecided},
      {"one row is no header", {{1, {Text(0, "x")}}}, false, Convention::kUndecided},
      {"decimal commas in texts",
       {{1, {Text(0, "v")}}, {2, {Text(0, " 61,5")}}, {3, {Text(0, "1.234,5")}}},
       true,
       Convention::kComma},
      {"more points than commas",
       {{1, {Text(0, "1.5"), Text(1, "2.5")}}, {2, {Text(0, "3,5"), Text(1, "1,234.5")}}},
       false,
       Convention::kPoint},
      {"as many of each", {{1, {Text(0, "1.5"), Text(1, "2,5")}}}, false, Convention::kUndecided},
  };
  for (const CellsCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GuessHeader(c.rows, english), c.header);
    EXPECT_EQ(GuessDecimal(c.rows, c.header), c.decimal);
  }
}

TEST(SampleRows, KeepsTheFirstRowsAndDropsACutOne) {
  struct SampleCase {
    const char* name;
    std::string text;
    std::size_t most;
    bool finish;  // the text is whole
    std::vector<std::uint64_t> lines;
  };
  const std::vector<SampleCase> cases = {
      {"all of a short text", "a\nb\nc", 5, true, {1, 2, 3}},
      {"the first rows of a long one", "a\n\nb\nc\nd\n", 2, true, {1, 3}},
      {"a cut last row is dropped", "a\nb\nc", 5, false, {1, 2}},
      {"a row ended by its line end is kept", "a\nb\n", 5, false, {1, 2}},
      {"a row cut inside quotes is dropped", "a\n\"b\nc", 5, false, {1}},
  };
  for (const SampleCase& c : cases) {
    SCOPED_TRACE(c.name);
    SampleRows rows(c.most);
    DelimitedCells cells(',', rows);
    cells.Feed(c.text.data(), c.text.size());
    if (c.finish)
      cells.Finish();
    else
      rows.DropUnended();
    std::vector<std::uint64_t> lines;
    for (const SampleRow& row : rows.Rows()) lines.push_back(row.line);
    EXPECT_EQ(lines, c.lines);
  }
}

TEST(TableLayout, LeavesTheHeaderOutOfTheDecimal) {
  // A header's text never decides: "3,5" above points is the name of a column.
  const std::vector<SampleRow> rows = {{1, {Text(0, "3,5"), Text(1, "4,5")}}, {2, {Text(0, "1.5")}}};
  EXPECT_EQ(GuessDecimal(rows, true), Convention::kPoint);
  EXPECT_EQ(GuessDecimal(rows, false), Convention::kComma);
}

}  // namespace
