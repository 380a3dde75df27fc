// content.xml read for its chosen sheet on two threads, cut at a row: made
// spreadsheets read both ways, in chunks of several sizes, must give the same
// rows (numbered on across the cut, repeats and all), the same problem in
// the same words wherever in the part it is, and the same stop, and be read
// the way expected: split only where the cut is in the chosen table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/OdsContent.h"
#include "input/OdsContentSplit.h"
#include "input/OdsSheets.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Describe;
using sheettest::Entry;
using sheettest::RecordingCells;
using sheettest::ScratchFolder;

namespace {

std::string Content(const std::string& tables) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.3\">"
         "<office:automatic-styles><table:table table:name=\"not a sheet\"/></office:automatic-styles>"
         "<office:body><office:spreadsheet>" +
         tables + "</office:spreadsheet></office:body></office:document-content>\n";
}

std::string Table(const std::string& name, const std::string& rows) {
  return "<table:table table:name=\"" + name + "\"><table:table-column table:number-columns-repeated=\"2\"/>" + rows +
         "</table:table>";
}

// Rows of a number and a text from `first` to `last` (their values, not
// their numbers: rows are numbered by where they stand).
std::string Rows(int first, int last, const std::string& repeated = "") {
  std::string rows;
  for (int r = first; r <= last; ++r) {
    const std::string n = std::to_string(r);
    rows += "<table:table-row" + repeated + "><table:table-cell office:value-type=\"float\" office:value=\"" + n +
            "\"><text:p>" + n +
            "</text:p></table:table-cell><table:table-cell office:value-type=\"string\">"
            "<text:p>t" +
            n + "</text:p></table:table-cell></table:table-row>\n";
  }
  return rows;
}

const std::string kEmptyRows =
    "<table:table-row table:number-rows-repeated=\"5\"><table:table-cell/></table:table-row>";

struct SplitCase {
  const char* name;
  std::string xml;
  std::string cutNear;  // the cut is looked for from this text's first byte on
  std::size_t index;
  std::string sheet;  // the sheet's name, where chosen by name
  SheetSplit expected;
  std::size_t stopAfter = SIZE_MAX;
};

std::vector<SplitCase> SplitCases() {
  return {
      {"one table", Content(Table("A", Rows(1, 20))), ">11<", 0, "", SheetSplit::kTwoThreads},
      {"repeated rows before and after the cut",
       Content(Table("A", Rows(1, 3) + kEmptyRows + Rows(4, 5, " table:number-rows-repeated=\"3\"") + Rows(6, 9) +
                              kEmptyRows + Rows(10, 11, " table:number-rows-repeated=\"2\"") + kEmptyRows)),
       ">7<", 0, "", SheetSplit::kTwoThreads},
      {"the chosen table between two others",
       Content(Table("A", Rows(1, 9)) + Table("B", Rows(100, 120)) + Table("C", Rows(200, 209))), ">110<", 1, "",
       SheetSplit::kTwoThreads},
      {"chosen by its name", Content(Table("A", Rows(1, 9)) + Table("B", Rows(100, 120))), ">110<", 0, "B",
       SheetSplit::kTwoThreads},
      {"a cut in a table after the chosen one",
       Content(Table("A", Rows(1, 9)) + Table("B", Rows(100, 120)) + Table("C", Rows(200, 209))), ">205<", 1, "",
       SheetSplit::kOneThread},
      {"a cut in a table before the chosen one", Content(Table("A", Rows(1, 9)) + Table("B", Rows(100, 120))), ">5<", 1,
       "", SheetSplit::kOneThread},
      {"damaged XML in a later table",
       Content(Table("A", Rows(1, 20)) + Table("B", Rows(1, 3) + "<table:table-row></table:table>")), ">11<", 0, "",
       SheetSplit::kTwoThreads},
      {"damaged XML past the cut in the chosen table",
       Content(Table("A", Rows(1, 12) + "<table:table-row><table:table-cell></table:table-row>" + Rows(13, 14))), ">6<",
       0, "", SheetSplit::kTwoThreads},
      {"the text ends early in a later table",
       Content(Table("A", Rows(1, 20)) + Table("B", Rows(1, 9))).substr(0, 3000), ">11<", 0, "",
       SheetSplit::kTwoThreads},
      {"the sink stops before the cut, damage after it",
       Content(Table("A", Rows(1, 20)) + "<table:table table:name=\"B\"><oops></table:table>"), ">15<", 0, "",
       SheetSplit::kTwoThreads, 4},
      {"the sink stops past the cut", Content(Table("A", Rows(1, 20)) + Table("B", Rows(1, 3))), ">8<", 0, "",
       SheetSplit::kTwoThreads, 14},
      {"a cut inside a row group",
       Content(Table("A",
                     Rows(1, 5) + "<table:table-row-group>" + Rows(6, 12) + "</table:table-row-group>" + Rows(13, 15))),
       ">9<", 0, "", SheetSplit::kReadAgain},
      {"header rows, then the cut",
       Content(Table("A", "<table:table-header-rows>" + Rows(1, 2) + "</table:table-header-rows>" + Rows(3, 12))),
       ">8<", 0, "", SheetSplit::kTwoThreads},
      {"no such sheet", Content(Table("A", Rows(1, 9))), ">5<", 3, "", SheetSplit::kOneThread},
      {"Calc's million empty rows at the end",
       Content(Table("A", Rows(1, 12) + "<table:table-row table:number-rows-repeated=\"1048564\"><table:table-cell "
                                        "table:number-columns-repeated=\"1024\"/></table:table-row>")),
       ">6<", 0, "", SheetSplit::kTwoThreads},
  };
}

struct Reading {
  std::vector<std::string> rows;
  SheetProblem problem;
  std::string misuse;
};

Reading ReadPlain(const SplitCase& c, std::size_t chunk) {
  MemoryChunks source(c.xml, chunk);
  RecordingCells cells;
  cells.stopAfter = c.stopAfter;
  const SheetProblem problem = ReadOdsChosenSheet(source, c.index, c.sheet, cells);
  return {cells.rows, problem, cells.misuse};
}

Reading ReadSplit(const SplitCase& c, std::size_t chunk, std::uint64_t target, SheetSplit& how) {
  MemoryChunks source(c.xml, chunk);
  const PartOpener again = [&](std::unique_ptr<ChunkSource>& part) {
    part = std::make_unique<MemoryChunks>(c.xml, chunk);
    return SheetProblem{};
  };
  RecordingCells cells;
  cells.stopAfter = c.stopAfter;
  const SheetProblem problem = ReadOdsChosenSheetSplit(source, again, target, c.index, c.sheet, cells, &how);
  return {cells.rows, problem, cells.misuse};
}

const char* WayName(SheetSplit how) {
  switch (how) {
    case SheetSplit::kOneThread:
      return "one thread";
    case SheetSplit::kTwoThreads:
      return "two threads";
    case SheetSplit::kReadAgain:
      return "read again";
  }
  return "?";
}

TEST(OdsContentSplit, ReadsAsOneReaderDoes) {
  for (const SplitCase& c : SplitCases()) {
    const std::size_t near = c.xml.find(c.cutNear);
    ASSERT_NE(near, std::string::npos) << c.name;
    // The cut is looked for from the start of the row the text is in.
    const std::size_t target = c.xml.rfind("<table:table-row", near);
    for (std::size_t chunk : {std::size_t{65536}, std::size_t{17}, std::size_t{1}}) {
      const Reading plain = ReadPlain(c, chunk);
      SheetSplit how = SheetSplit::kOneThread;
      const Reading split = ReadSplit(c, chunk, target, how);
      const std::string where = std::string(c.name) + " in chunks of " + std::to_string(chunk);
      EXPECT_EQ(split.rows, plain.rows) << where << Describe(split.rows) << "\nagainst" << Describe(plain.rows);
      EXPECT_EQ(split.problem.failure, plain.problem.failure) << where;
      EXPECT_EQ(split.problem.detail, plain.problem.detail) << where;
      EXPECT_EQ(split.misuse, "") << where;
      EXPECT_STREQ(WayName(how), WayName(c.expected)) << where;
    }
  }
}

// The cases must mean something: the readings they compare hold rows, and
// the damaged ones fail.
TEST(OdsContentSplit, TheCasesReadRowsAndProblems) {
  for (const SplitCase& c : SplitCases()) {
    const Reading plain = ReadPlain(c, 65536);
    const std::string name = c.name;
    const bool fails = name.find("damage") != std::string::npos || name.find("ends early") != std::string::npos ||
                       name == "no such sheet";
    EXPECT_EQ(!plain.problem.Ok(), fails) << c.name << ": " << plain.problem.detail;
    if (name != "no such sheet") {
      EXPECT_FALSE(plain.rows.empty()) << c.name;
    }
  }
}

// Every cut along a content.xml of three tables, the middle one chosen.
TEST(OdsContentSplit, EveryTarget) {
  const SplitCase c{
      "three tables",
      Content(Table("A", Rows(1, 4)) + Table("B", Rows(10, 12) + kEmptyRows + Rows(13, 15)) + Table("C", Rows(20, 22))),
      "",
      1,
      "",
      SheetSplit::kOneThread};
  const Reading plain = ReadPlain(c, 23);
  for (std::uint64_t target = 0; target <= c.xml.size() + 1; ++target) {
    SheetSplit how = SheetSplit::kOneThread;
    const Reading split = ReadSplit(c, 23, target, how);
    EXPECT_EQ(split.rows, plain.rows) << "target " << target << Describe(split.rows);
    EXPECT_TRUE(split.problem.Ok()) << "target " << target << ": " << split.problem.detail;
  }
}

// A file whose content.xml is large enough to be split, its second sheet
// chosen by name, read through the file: the same rows as one reader's.
TEST(OdsContentSplit, ALargeFileReadsWhole) {
  const SplitCase c{"large", Content(Table("A", Rows(1, 3)) + Table("B", Rows(1, 40000)) + Table("C", Rows(1, 3))),
                    "",      0,
                    "B",     SheetSplit::kTwoThreads};
  ASSERT_GE(c.xml.size(), kSplitSheetBytes);
  ScratchFolder scratch;
  const std::string path = scratch.File("large.ods");
  ASSERT_TRUE(sheettest::WriteZip(
      path, {Entry{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true}, Entry{"content.xml", c.xml}}));
  OdsSheets sheets;
  ASSERT_TRUE(sheets.OpenArchive(path).Ok());
  RecordingCells cells;
  const SheetProblem problem = sheets.ReadChosen(0, "B", cells);
  EXPECT_TRUE(problem.Ok()) << problem.detail;
  const Reading plain = ReadPlain(c, 65536);
  ASSERT_EQ(plain.rows.size(), 40000u);
  EXPECT_EQ(cells.rows, plain.rows);
}

}  // namespace
