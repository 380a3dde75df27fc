// Every cell of delimited text: delimiters, CSV quoting, line ends and line
// numbers, empty lines and fields, ragged records, fields over the limit and
// a reader that stops; the same cells whatever pieces the text comes in; and
// files decoded as list files are.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "input/DelimitedCells.h"
#include "input/DelimitedFile.h"
#include "input/TextEncoding.h"

using namespace tallowmere::input;

namespace {

using Texts = std::vector<std::string>;

// What a reader tells, one text each: "@LINE" for a row begun, "COLUMN=TEXT"
// for a text cell, "COLUMN!" for a cell that is not a number, "/" for a row
// ended.
class Recorder final : public CellSink {
 public:
  explicit Recorder(std::size_t stopAfter = 0) : stopAfter_(stopAfter) {}
  Texts told;
  void BeginRow(std::uint64_t line) override { told.push_back("@" + std::to_string(line)); }
  void Cell(const TableCell& cell) override {
    const std::string column = std::to_string(cell.column);
    told.push_back(cell.kind == CellKind::kText ? column + "=" + std::string(cell.text) : column + "!");
  }
  void EndRow() override {
    told.emplace_back("/");
    ++rows_;
  }
  bool Stopped() const override { return stopAfter_ != 0 && rows_ >= stopAfter_; }

 private:
  std::size_t stopAfter_;
  std::size_t rows_ = 0;
};

constexpr std::size_t kLimit = 8;

struct Told {
  Texts cells;
  std::uint64_t unclosed = 0;
};

// The text fed in the pieces that begin at `cuts` (ascending, inside it).
Told Split(std::string_view text, char delimiter, const std::vector<std::size_t>& cuts, std::size_t stopAfter = 0) {
  Recorder recorder(stopAfter);
  DelimitedCells cells(delimiter, recorder, kLimit);
  std::size_t at = 0;
  for (const std::size_t cut : cuts) {
    cells.Feed(text.data() + at, cut - at);
    at = cut;
  }
  cells.Feed(text.data() + at, text.size() - at);
  cells.Finish();
  return {recorder.told, cells.UnclosedQuoteLine()};
}

struct CellCase {
  const char* name;
  char delimiter;
  std::string text;
  Texts cells;
  std::uint64_t unclosed = 0;
  std::size_t stopAfter = 0;
};

const std::vector<CellCase>& CellCases() {
  static const std::vector<CellCase> cases = {
      {"comma", ',', "a,b\n1,2\n", {"@1", "0=a", "1=b", "/", "@2", "0=1", "1=2", "/"}},
      {"semicolon", ';', "a;b,c\n", {"@1", "0=a", "1=b,c", "/"}},
      {"pipe", '|', "x|\"y|z\"\n", {"@1", "0=x", "1=y|z", "/"}},
      {"any byte", '#', "1#2\n", {"@1", "0=1", "1=2", "/"}},
      {"TSV: quotes are text", '\t', "\"a\tb\"\n", {"@1", "0=\"a", "1=b\"", "/"}},
      {"quoted delimiter", ',', "x,\"1,5\",y\n", {"@1", "0=x", "1=1,5", "2=y", "/"}},
      {"doubled quotes", ',', "\"say \"\"hi\"\"\",\"\"\"\"\n", {"@1", "0=say \"hi\"", "1=\"", "/"}},
      {"LF inside quotes: the next record's line counts it",
       ',',
       "\"a\nb\",c\nd\n",
       {"@1", "0=a\nb", "1=c", "/", "@3", "0=d", "/"}},
      {"CR LF inside quotes is one line",
       ';',
       "\"a\r\nb\r\rc\";1\r\nd\n",
       {"@1", "0=a\r\nb\r\rc", "1=1", "/", "@5", "0=d", "/"}},
      {"CR, LF and CR LF each end one line",
       ',',
       "a\rb\nc\r\nd",
       {"@1", "0=a", "/", "@2", "0=b", "/", "@3", "0=c", "/", "@4", "0=d", "/"}},
      {"empty lines are no records", ',', "\n\r\na\n\n\nb\r\n\r\n", {"@3", "0=a", "/", "@6", "0=b", "/"}},
      {"ragged records",
       ',',
       "1,2,3\n4\n5,,6,7\n",
       {"@1", "0=1", "1=2", "2=3", "/", "@2", "0=4", "/", "@3", "0=5", "2=6", "3=7", "/"}},
      {"empty fields are not told, their records are", ',', ",,\n\"\",x,\n", {"@1", "/", "@2", "1=x", "/"}},
      {"spaces are text", ',', " , 1 \n", {"@1", "0= ", "1= 1 ", "/"}},
      {"text after the closing quote is kept", ',', "\"12\"3,x\n", {"@1", "0=123", "1=x", "/"}},
      {"a quote inside an unquoted field is text", ',', "1\"2,x\n", {"@1", "0=1\"2", "1=x", "/"}},
      {"a field as long as the limit", ',', "12345678,x\n", {"@1", "0=12345678", "1=x", "/"}},
      {"a field over the limit is not a number", ',', "123456789,x\n", {"@1", "0!", "1=x", "/"}},
      {"a quoted field over the limit", ',', "\"1234\"\"5678\",x\n", {"@1", "0!", "1=x", "/"}},
      {"the last field over the limit, unended", ',', "x,123456789", {"@1", "0=x", "1!", "/"}},
      {"an unclosed quote: its field is left out, its row ended",
       ',',
       "1,2\n3,\"4\n5\n",
       {"@1", "0=1", "1=2", "/", "@2", "0=3", "/"},
       2},
      {"a quote closed at the very end", ',', "\"a\"", {"@1", "0=a", "/"}},
      {"a delimiter at the very end", ',', "a,", {"@1", "0=a", "/"}},
      {"stopped after two rows", ',', "1\n2\n3\n", {"@1", "0=1", "/", "@2", "0=2", "/"}, 0, 2},
      {"empty text", ',', "", {}},
  };
  return cases;
}

TEST(DelimitedCells, TellsEveryCellWhateverThePieces) {
  for (const CellCase& c : CellCases()) {
    SCOPED_TRACE(c.name);
    const Told whole = Split(c.text, c.delimiter, {}, c.stopAfter);
    EXPECT_EQ(whole.cells, c.cells);
    EXPECT_EQ(whole.unclosed, c.unclosed);
    // Byte by byte, and cut once at every place.
    std::vector<std::size_t> bytes;
    for (std::size_t cut = 1; cut < c.text.size(); ++cut) {
      bytes.push_back(cut);
      const Told once = Split(c.text, c.delimiter, {cut}, c.stopAfter);
      EXPECT_EQ(once.cells, c.cells) << "cut at " << cut;
      EXPECT_EQ(once.unclosed, c.unclosed) << "cut at " << cut;
    }
    const Told byByte = Split(c.text, c.delimiter, bytes, c.stopAfter);
    EXPECT_EQ(byByte.cells, c.cells) << "byte by byte";
    EXPECT_EQ(byByte.unclosed, c.unclosed) << "byte by byte";
  }
}

// Texts made of the bytes the splitting turns on, cut at random places: the
// cells never depend on where the pieces end.
TEST(DelimitedCells, RandomTextsSplitTheSameInAnyPieces) {
  struct Alphabet {
    const char* name;
    char delimiter;
    std::string_view bytes;
  };
  const Alphabet alphabets[] = {
      {"CSV", ',', "ab,,\"\"\r\n\n;"},
      {"TSV", '\t', "a\t\t\"\r\n\n1"},
      {"long fields", ';', "aaaaaaa;\"\n"},
  };
  std::mt19937 random(20261211);
  for (const Alphabet& a : alphabets) {
    SCOPED_TRACE(a.name);
    for (int round = 0; round < 300; ++round) {
      std::string text(random() % 60, ' ');
      for (char& c : text) c = a.bytes[random() % a.bytes.size()];
      const Told whole = Split(text, a.delimiter, {});
      std::vector<std::size_t> cuts;
      for (std::size_t at = 1 + random() % 4; at < text.size(); at += 1 + random() % 5) cuts.push_back(at);
      const Told pieces = Split(text, a.delimiter, cuts);
      ASSERT_EQ(pieces.cells, whole.cells) << "text: " << text;
      ASSERT_EQ(pieces.unclosed, whole.unclosed) << "text: " << text;
    }
  }
}

// A file's bytes through the decoding of list files.
TEST(DelimitedTextReader, DecodesFilesAsListFilesAre) {
  struct FileCase {
    const char* name;
    std::string bytes;
    Texts cells;
  };
  const std::vector<FileCase> cases = {
      {"a UTF-8 mark before the first cell", "\xEF\xBB\xBFx;y\r\n", {"@1", "0=x", "1=y", "/"}},
      {"UTF-16 with a mark, as spreadsheets save Unicode text",
       std::string("\xFF\xFE"
                   "a\0;\0\xFC\0\r\0\n\0",
                   12),
       {"@1", "0=a", "1=\xC3\xBC", "/"}},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder recorder;
    DelimitedTextReader text(';', recorder);
    ListFileReader file(text);
    file.Feed(c.bytes.data(), c.bytes.size());
    file.Finish();
    EXPECT_EQ(recorder.told, c.cells);
  }
}

}  // namespace
