// One column of delimited text: CSV quoting as RFC 4180 writes it, plain TSV,
// line ends and line numbers, headers, short records and an unclosed quote;
// then the column read as a list file's lines would be (marks, the number
// test, the user's separators).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/ColumnFile.h"
#include "input/ListFile.h"
#include "input/TableColumn.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::RecordingEntrySink;
using Texts = std::vector<std::string>;

// Every field handed on, and every problem as a line of text.
class Recorder final : public input::FieldSink, public input::TableProblems {
 public:
  Texts fields;
  Texts problems;
  void Field(std::string_view text) override { fields.emplace_back(text); }
  void ShortRecord(std::uint64_t line, std::size_t count) override {
    problems.push_back("short " + std::to_string(line) + " " + std::to_string(count));
  }
  void NameNotInHeader() override { problems.push_back("no name"); }
  void UnclosedQuote(std::uint64_t line) override { problems.push_back("open " + std::to_string(line)); }
};

input::ColumnChoice Number(std::size_t n, bool header = false) { return {.number = n, .name = {}, .header = header}; }
input::ColumnChoice Named(std::string name) { return {.number = 1, .name = std::move(name), .header = true}; }

// The text fed in pieces of `piece` bytes (0: whole).
Recorder Split(std::string_view text, char delimiter, const input::ColumnChoice& choice, std::size_t piece = 0,
               std::size_t maxFieldBytes = 64) {
  Recorder recorder;
  input::TableColumn column(delimiter, choice, recorder, recorder, maxFieldBytes);
  if (piece == 0) piece = text.size() + 1;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    const std::string_view part = text.substr(at, piece);
    column.Feed(part.data(), part.size());
  }
  column.Finish();
  return recorder;
}

struct SplitCase {
  const char* name;
  char delimiter;
  input::ColumnChoice choice;
  std::string text;
  Texts fields;
  Texts problems;
};

const std::vector<SplitCase>& SplitCases() {
  static const std::vector<SplitCase> cases = {
      {"plain CSV, second column", ',', Number(2), "a,1\nb,2\n", {"1", "2"}, {}},
      {"quoted delimiter", ',', Number(2), "x,\"1,5\",y\n", {"1,5"}, {}},
      {"doubled quotes", ',', Number(1), "\"say \"\"hi\"\"\"\n\"\"\"\"\n", {"say \"hi\"", "\""}, {}},
      {"LF inside quotes", ',', Number(1), "\"1\n2\",x\n3,y\n", {"1\n2", "3"}, {}},
      {"CR LF inside quotes", ',', Number(1), "\"a\r\nb\"\r\n5\r\n", {"a\r\nb", "5"}, {}},
      {"CR inside quotes", ';', Number(1), "\"a\rb\";1\r2;3\r", {"a\rb", "2"}, {}},
      {"empty fields", ',', Number(2), ",,\n1,,3\n,\"\",\n", {"", "", ""}, {}},
      {"trailing delimiter gives an empty last field", ',', Number(3), "1,2,\n", {""}, {}},
      {"missing final line end", ';', Number(2), "1;2\n3;4", {"2", "4"}, {}},
      {"CR LF records", ',', Number(2), "a,1\r\nb,2\r\n", {"1", "2"}, {}},
      {"empty lines are no records", ',', Number(2), "\n\r\na,1\n\n\nb,2\r\n\r\n\n", {"1", "2"}, {}},
      {"short records are told by the line they begin on",
       ',',
       Number(3),
       "1,2,3\n\n4,5\n\"x\ny\",6\n7,8,9\n",
       {"3", "9"},
       {"short 3 2", "short 4 2"}},
      {"a record with no delimiter is one field", ',', Number(2), "lonely\n", {}, {"short 1 1"}},
      {"CR LF, CR and LF each end one line",
       ',',
       Number(2),
       "a,1\r\nb\r\n\rc\n\r\nd\r",
       {"1"},
       {"short 2 1", "short 4 1", "short 6 1"}},
      {"CR LF inside quotes is one line", ',', Number(2), "\"a\r\nb\r\n\rc\",1\nshort\n", {"1"}, {"short 5 1"}},
      {"text after the closing quote is kept", ',', Number(1), "\"12\"3,x\n", {"123"}, {}},
      {"a quote inside an unquoted field is text", ',', Number(1), "1\"2,x\n", {"1\"2"}, {}},
      {"spaces around a field are its own", ',', Number(2), "a, 7 \n", {" 7 "}, {}},
      {"TSV splits plainly: quotes are text", '\t', Number(2), "a\t\"1\tb\"\n", {"\"1"}, {}},
      {"header by number is skipped", ',', Number(2, true), "name,weight\nx,61\n", {"61"}, {}},
      {"header by name", ';', Named("weight"), "name;weight;height\nx;61,5;170\n", {"61,5"}, {}},
      {"quoted header name", ',', Named("a,b"), "\"x\",\"a,b\"\n1,2\n", {"2"}, {}},
      {"the first of two cells of the name", ',', Named("v"), "v,v\n1,2\n", {"1"}, {}},
      {"header after empty lines", ',', Named("v"), "\n\nk,v\n1,2\n", {"2"}, {}},
      {"a name not in the header reads nothing more", ',', Named("weight"), "a,b\n1,2\n", {}, {"no name"}},
      {"a short header is not told", ',', Number(3, true), "a,b\n1,2,3\n", {"3"}, {}},
      {"unclosed quote names the line it opened on", ',', Number(1), "1,x\n2,y\n\"3\n4\n", {"1", "2"}, {"open 3"}},
      {"unclosed quote after the column keeps its field", ',', Number(1), "5,\"x\n", {"5"}, {"open 1"}},
      {"a field longer than the limit is left out", ',', Number(1), std::string(65, '9') + "\n1\n", {"1"}, {}},
      {"a field as long as the limit is kept", ',', Number(1), std::string(64, '9') + "\n", {std::string(64, '9')}, {}},
      {"a quoted field longer than the limit is left out",
       ',',
       Number(2),
       "a,\"" + std::string(40, '1') + "\"\"" + std::string(40, '2') + "\"\nb,3\n",
       {"3"},
       {}},
      {"empty text", ',', Number(1), "", {}, {}},
  };
  return cases;
}

TEST(TableColumn, SplitsRecordsIntoFieldsWhateverThePieces) {
  for (const SplitCase& c : SplitCases()) {
    SCOPED_TRACE(c.name);
    // Whole, byte by byte, and cut once at every place: a quote, a CR LF or a
    // field cut between pieces must not change what is read.
    for (std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
      const Recorder got = Split(c.text, c.delimiter, c.choice, piece);
      EXPECT_EQ(got.fields, c.fields) << "pieces of " << piece;
      EXPECT_EQ(got.problems, c.problems) << "pieces of " << piece;
    }
    for (std::size_t cut = 1; cut < c.text.size(); ++cut) {
      Recorder got;
      input::TableColumn column(c.delimiter, c.choice, got, got, 64);
      column.Feed(c.text.data(), cut);
      column.Feed(c.text.data() + cut, c.text.size() - cut);
      column.Finish();
      EXPECT_EQ(got.fields, c.fields) << "cut at " << cut;
      EXPECT_EQ(got.problems, c.problems) << "cut at " << cut;
    }
  }
}

// The column through the whole reading of a file: decoded as a list file,
// then each field tested as a list file's line.
Texts ReadColumn(std::string_view bytes, char delimiter, const input::ColumnChoice& choice,
                 const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  Recorder recorder;
  const TableFormat format{delimiter, choice};
  ColumnTextReader column(sink, sep, format, recorder);
  ListFileReader file(column);
  file.Feed(bytes.data(), bytes.size());
  file.Finish();
  return sink.entries;
}

struct ColumnCase {
  const char* name;
  char delimiter;
  input::ColumnChoice choice;
  numtext::Separators sep;
  std::string bytes;
  Texts entries;
};

TEST(ColumnTextReader, KeepsTheFieldsAListFileWouldKeep) {
  const numtext::Separators point;
  const numtext::Separators german{",", "."};
  const std::vector<ColumnCase> cases = {
      {"header cells and n/a are skipped", ',', Number(2), point, "name,value\na,1.5\nb,n/a\nc, 2 \n", {"1.5", " 2 "}},
      {"German decimal commas, as a spreadsheet saves them",
       ';',
       Named("Gewicht"),
       german,
       "Name;Gewicht\r\nA;61,5\r\nB;1.234,5\r\nC;\r\n",
       {"61,5", "1.234,5"}},
      {"a decimal comma quoted in a comma-separated file", ',', Number(2), german, "x,\"61,5\"\n", {"61,5"}},
      {"a UTF-8 mark before the header name", ';', Named("x"), point, "\xEF\xBB\xBFx;y\r\n1;2\r\n", {"1"}},
      {"a UTF-8 mark before the first number",
       ',',
       Number(1),
       point,
       "\xEF\xBB\xBF"
       "7,x\n8,y\n",
       {"7", "8"}},
      {"UTF-16 with a mark, as spreadsheets save Unicode text",
       '\t',
       Number(2),
       point,
       std::string("\xFF\xFE"
                   "a\0\t\0"
                   "3\0\r\0\n\0",
                   12),
       {"3"}},
      {"a number as long as a list file allows, and one byte longer",
       ',',
       Number(1),
       point,
       std::string(kMaxCandidateBytes - 1, ' ') + "1\n" + std::string(kMaxCandidateBytes, ' ') + "2\n",
       {std::string(kMaxCandidateBytes - 1, ' ') + "1"}},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadColumn(c.bytes, c.delimiter, c.choice, c.sep), c.entries);
  }
}

TEST(ColumnTextReader, ReadsLinesAsAListFileWouldWithOneColumn) {
  // One column without quotes is a list file: the same entries either way.
  const std::string text = "5\n\nabc\r\n 6 \r7\n1e3\n-2.5\n";
  RecordingEntrySink list;
  ListFileReader lines(list, {});
  lines.Feed(text.data(), text.size());
  lines.Finish();
  EXPECT_EQ(ReadColumn(text, '\t', Number(1)), list.entries);
}

}  // namespace
