// Delimited text read into columns with whole records shared by two threads
// must give what the one splitter gives, cell by cell on one thread: the same
// blocks in the same order (each column, each group in the order first
// seen), the same other-convention tally, the same missing name and the same
// line for a quote left open; whatever the pieces the text comes in and
// wherever the parts are cut. Quotes that hold line ends, CR LF and lone CR,
// a byte-order mark, ragged rows (and the records too short for a column
// they tell), a header only and groups first seen late;
// quoted cells, whose texts the splitter hands on from a copy of its own.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "input/DelimitedFile.h"
#include "input/EntrySource.h"
#include "input/TableColumns.h"
#include "input/TextEncoding.h"
#include "input/TwoThreadTable.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

const numtext::Separators kPoint{".", ","};
const numtext::Separators kComma{",", "."};

// What a read came to, as the tests compare it.
struct Read {
  std::vector<std::string> blocks;  // one line per block: its heading and entries
  std::size_t otherConvention = 0;
  std::string firstOtherConvention;
  std::optional<std::string> missing;
  std::uint64_t unclosedQuoteLine = 0;
  std::size_t shortRows = 0;
  std::vector<std::string> firstShortRows;  // "line fields lacking-number lacking-name"
  bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Read& r) {
  for (const std::string& b : r.blocks) os << b.substr(0, 200) << '\n';
  return os << "other " << r.otherConvention << " '" << r.firstOtherConvention << "' missing "
            << r.missing.value_or("-") << " unclosed " << r.unclosedQuoteLine << " short " << r.shortRows;
}

std::string BlockLine(ColumnEntries& block) {
  std::string line = block.name + " #" + std::to_string(block.number) + " [" + block.group.value_or("-") + "]:";
  const std::size_t count = block.entries.Count();
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < count; ++i)
    if (block.entries.HasText(i)) texts.push_back(std::string(block.entries.TextOf(i).text));
  const EntrySource::Values values = block.entries.TakeValues();
  std::size_t text = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (values.empty() || std::isnan(values[i])) {
      line += " text:" + texts[text++];
      continue;
    }
    char buffer[64];
    line += ' ';
    line.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, values[i]).ptr);
  }
  return line;
}

Read Finished(TableColumns& columns, std::uint64_t unclosedQuoteLine) {
  Read read;
  const ReadTally tally = columns.TakeOtherConvention();
  read.otherConvention = tally.otherConvention;
  read.firstOtherConvention = tally.firstOtherConvention;
  read.missing = columns.MissingName();
  read.unclosedQuoteLine = unclosedQuoteLine;
  read.shortRows = columns.TableShortRows().count;
  for (const ShortRow& row : columns.TableShortRows().first)
    read.firstShortRows.push_back(std::to_string(row.line) + " " + std::to_string(row.fields) + " " +
                                  std::to_string(row.lacking.number) + " " + row.lacking.name);
  for (ColumnEntries& block : columns.TakeBlocks()) read.blocks.push_back(BlockLine(block));
  return read;
}

template <class Reader>
void FeedInPieces(Reader& reader, const std::string& text, std::size_t piece, std::size_t toldBytes = 0) {
  if constexpr (std::is_same_v<Reader, TwoThreadTableReader>) {
    if (toldBytes > 0) reader.FileList().ExpectBytes(toldBytes);
  }
  ListFileReader file(reader);
  for (std::size_t at = 0; at < text.size(); at += piece)
    file.Feed(text.data() + at, std::min(piece, text.size() - at));
  file.Finish();
}

// The plain twin: every cell told to the columns by the one splitter, and
// kept on this thread.
Read ReadPlainly(const ColumnsChoice& choice, const numtext::Separators& sep, char delimiter, const std::string& text,
                 std::size_t piece) {
  TableColumns columns(choice, sep, false);
  columns.BeginTable();
  DelimitedTextReader reader(delimiter, columns);
  FeedInPieces(reader, text, piece);
  return Finished(columns, reader.UnclosedQuoteLine());
}

Read ReadShared(const ColumnsChoice& choice, const numtext::Separators& sep, char delimiter, const std::string& text,
                std::size_t piece, std::size_t partBytes, std::uint64_t& shared, std::size_t toldBytes = 0) {
  TableColumns columns(choice, sep, true);
  columns.BeginTable();
  TwoThreadTableReader reader(delimiter, columns, partBytes);
  FeedInPieces(reader, text, piece, toldBytes);
  shared = reader.SharedBytes();
  return Finished(columns, reader.UnclosedQuoteLine());
}

// How a made-up table looks.
struct Shape {
  std::size_t rows = 2000;
  char delimiter = ',';
  const char* lineEnd = "\n";   // every record's, unless mixed
  bool mixedLineEnds = false;   // LF, CR LF, a lone CR and blank lines by turns
  std::size_t quotedEvery = 0;  // a quoted field holding a line end every so many rows (0: none)
  bool ragged = false;          // rows short of fields and rows with more
  bool commaDecimals = false;   // values written with a decimal comma
  bool quotedCells = false;     // every other row's weight and group quoted, some groups only so
};

// "id,weight,height,group": groups A and B from the start, C and "D d"
// first in the second half; weights of every kind the number test meets.
std::string MadeTable(const Shape& shape) {
  const char* weights[] = {"61.5", "+4", "n/a", "", "1e3", "-0", "7", " 8 ", "12abc", "1.5e-3", "0x10"};
  const char* commaWeights[] = {"61,5", "70.25", "x", "", "3", "1.234,5", "-2,5"};
  std::mt19937 random(20261211);
  const char d = shape.delimiter;
  std::string text = std::string("id") + d + "weight" + d + "height" + d + "group" + shape.lineEnd;
  for (std::size_t r = 0; r < shape.rows; ++r) {
    const std::size_t groups = r < shape.rows / 2 ? 2 : 4;
    const char* group[] = {"A", "B", "C", "D d"};
    std::string row = std::to_string(r) + d;
    const std::string weight = shape.commaDecimals ? commaWeights[random() % 7] : weights[random() % 11];
    const bool quoted = shape.quotedCells && r % 2 == 1;
    // A quoted decimal comma holds the delimiter.
    row += quoted ? "\"" + (r % 3 == 0 ? std::string("70,25") : weight) + "\"" : weight;
    row += d + std::to_string(150 + random() % 50) + (shape.commaDecimals ? "," : ".") + std::to_string(random() % 10);
    if (shape.quotedEvery && r % shape.quotedEvery == 3) row += std::string(1, d) + "\"a" + d + "\nb\"";
    const std::string label = group[random() % groups];
    row += d + (quoted ? "\"" + (r % 5 == 0 ? std::string("E e") : label) + "\"" : label);
    if (shape.ragged && r % 13 == 5) row = std::to_string(r) + d + "9";  // short: no height, no group
    if (shape.ragged && r % 17 == 6) row += d + std::string("42") + d + "43";
    text += row;
    if (!shape.mixedLineEnds) {
      text += shape.lineEnd;
      continue;
    }
    const char* ends[] = {"\n", "\r\n", "\r", "\n\n", "\r\n\r\n"};
    text += ends[r % 5];
  }
  return text;
}

ColumnPick Num(std::size_t n) { return {.number = n, .name = {}}; }
ColumnPick Name(std::string name) { return {.number = 0, .name = std::move(name)}; }

ColumnsChoice Cols(std::vector<ColumnPick> columns, bool header, std::optional<ColumnPick> group = {}) {
  return {.columns = std::move(columns), .all = false, .group = std::move(group), .header = header};
}
ColumnsChoice AllCols(bool header, std::optional<ColumnPick> group = {}) {
  return {.columns = {}, .all = true, .group = std::move(group), .header = header};
}

struct Case {
  const char* name;
  ColumnsChoice choice;
  numtext::Separators sep;
  char delimiter;
  std::string text;
  // Some of it must be read in parts: fed whole, and in pieces of 4096.
  bool sharedWhole, sharedInPieces;
};

std::vector<Case> Cases() {
  const std::string plain = MadeTable({});
  const std::string longField(5000, '7');
  return {
      {"all fields with a header", AllCols(true), kPoint, ',', plain, true, true},
      {"all fields by group, groups first seen in the second half", AllCols(true, Name("group")), kPoint, ',', plain,
       true, true},
      {"two columns by group, one chosen twice", Cols({Name("height"), Num(2), Name("height")}, true, Num(4)), kPoint,
       ',', plain, true, true},
      {"the group column chosen too", Cols({Num(4), Num(2)}, true, Num(4)), kPoint, ',', plain, true, true},
      {"without a header, all fields, ragged rows", AllCols(false), kPoint, ',', MadeTable({.ragged = true}), true,
       true},
      {"ragged rows by group", Cols({Num(3), Num(5)}, true, Num(4)), kPoint, ',', MadeTable({.ragged = true}), true,
       true},
      {"CR LF line ends", AllCols(true, Num(4)), kPoint, ',', MadeTable({.lineEnd = "\r\n"}), true, true},
      {"LF, CR LF, lone CR and blank lines mixed", AllCols(true, Num(4)), kPoint, ',',
       MadeTable({.mixedLineEnds = true}), true, true},
      {"lone CR line ends only: no line feed to cut at", AllCols(true), kPoint, ',', MadeTable({.lineEnd = "\r"}),
       false, false},
      {"quoted fields holding line ends now and then", AllCols(true, Num(4)), kPoint, ',',
       MadeTable({.quotedEvery = 600}), true, true},
      {"quoted fields holding line ends in every stretch", AllCols(true, Num(4)), kPoint, ',',
       MadeTable({.quotedEvery = 4}), true, true},
      {"quoted numbers, decimal commas and labels, some labels only quoted", AllCols(true, Num(4)), kPoint, ',',
       MadeTable({.quotedCells = true}), true, true},
      {"quoted cells and line ends in quotes by named columns", Cols({Name("weight"), Num(1)}, true, Name("group")),
       kPoint, ',', MadeTable({.quotedEvery = 7, .quotedCells = true}), true, true},
      {"a tab keeps quotes as text: shared even with them", AllCols(true, Num(4)), kPoint, '\t',
       MadeTable({.delimiter = '\t', .quotedEvery = 4}), true, true},
      {"decimal commas, the user's own, by ';'", AllCols(true, Num(4)), kComma, ';',
       MadeTable({.delimiter = ';', .commaDecimals = true}), true, true},
      {"decimal commas under the decimal point", Cols({Num(2), Num(3)}, true), kPoint, ';',
       MadeTable({.delimiter = ';', .commaDecimals = true}), true, true},
      {"a byte-order mark before the header", Cols({Name("weight")}, true, Name("group")), kPoint, ',',
       "\xEF\xBB\xBF" + plain, true, true},
      {"a header only", AllCols(true), kPoint, ',', "id,weight\n", false, false},
      {"a header without the name chosen", Cols({Name("weight"), Name("mass")}, true), kPoint, ',', plain, false,
       false},
      {"a quote left open after many rows", AllCols(true), kPoint, ',', plain + "1,\"open\n2,3\n4,5\n", true, true},
      {"fields too long to be numbers, and a group label too long", AllCols(true, Num(4)), kPoint, ',',
       plain + "1," + longField + ",2," + longField + "\n" + plain.substr(plain.find('\n') + 1), true, true},
      {"no line end at the end", AllCols(true, Num(4)), kPoint, ',', plain + "5,6,7,A", true, true},
  };
}

TEST(TwoThreadTable, ReadsWhatTheOneSplitterReads) {
  for (const Case& c : Cases()) {
    for (const std::size_t piece : {c.text.size(), std::size_t{4096}, std::size_t{333}, std::size_t{1}}) {
      const Read plainly = ReadPlainly(c.choice, c.sep, c.delimiter, c.text, piece);
      for (const std::size_t partBytes : {std::size_t{1}, std::size_t{100}, kTablePartBytes}) {
        SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece) + ", parts of " +
                     std::to_string(partBytes));
        std::uint64_t shared = 0;
        EXPECT_EQ(ReadShared(c.choice, c.sep, c.delimiter, c.text, piece, partBytes, shared), plainly);
        if (piece == c.text.size()) {
          EXPECT_EQ(shared > 0, c.sharedWhole);
        } else if (piece == 4096) {
          EXPECT_EQ(shared > 0, c.sharedInPieces);
        }
      }
    }
  }
}

// A file's size told, the blocks get their room from it once the first
// megabytes are read: the entries are the same whether the room is ample,
// falls short (the rest goes on in blocks) or is never made.
TEST(TwoThreadTable, RoomFromTheFileSizeKeepsTheEntries) {
  const std::string text = MadeTable({.rows = 400'000});
  ASSERT_GT(text.size(), std::size_t{5} << 20);
  struct Row {
    const char* name;
    std::size_t toldBytes;
  };
  const Row rows[] = {{"the size itself", text.size()},
                      {"half the size: room for too few", text.size() / 2},
                      {"far more than the size", text.size() * 8},
                      {"less than was read before the room is made", std::size_t{1} << 20}};
  for (const ColumnsChoice& choice : {AllCols(true), Cols({Num(3), Num(2)}, true, Num(4))}) {
    const Read plainly = ReadPlainly(choice, kPoint, ',', text, 1 << 20);
    for (const Row& row : rows) {
      SCOPED_TRACE(row.name);
      std::uint64_t shared = 0;
      EXPECT_EQ(ReadShared(choice, kPoint, ',', text, 1 << 20, kTablePartBytes, shared, row.toldBytes), plainly);
    }
  }
}

// The twin is no twin if both read nothing: the made tables hold every kind
// of entry the comparison is meant to cover.
TEST(TwoThreadTable, MadeTablesHoldNumbersTextsAndOtherConvention) {
  const Read read =
      ReadPlainly(AllCols(true, Num(4)), kPoint, ';', MadeTable({.delimiter = ';', .commaDecimals = true}), 1 << 20);
  ASSERT_EQ(read.blocks.size(), 12U);  // id, weight and height, each in four groups
  EXPECT_GT(ReadPlainly(AllCols(true), kPoint, ',', MadeTable({.ragged = true}), 1 << 20).shortRows, 0U);
  EXPECT_NE(read.blocks[4].find(" text:61,5"), std::string::npos) << read;
  EXPECT_NE(read.blocks[4].find(" 70.25"), std::string::npos) << read;
  EXPECT_GT(read.otherConvention, 0U);
}

}  // namespace
