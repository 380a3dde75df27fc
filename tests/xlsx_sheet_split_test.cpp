// A worksheet parsed on two threads, cut at a row: made worksheets read both
// ways, in chunks of several sizes, must give the same rows and cells, the
// same problem in the same words, and the same stop, and be read the way
// expected (split, one thread, or read again where the cut was no row's
// start). Then a workbook large enough to be split, read whole.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/XlsxSharedStrings.h"
#include "input/XlsxSheetSplit.h"
#include "input/XlsxSheetXml.h"
#include "input/XlsxSheets.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Describe;
using sheettest::Entry;
using sheettest::RecordingCells;
using sheettest::ScratchFolder;

namespace {

const char kMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

std::string Worksheet(const std::string& rows, const std::string& after = "") {
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"") + kMain +
         "\"><dimension ref=\"A1:C9\"/><sheetData>" + rows + "</sheetData>" + after +
         "<pageMargins left=\"0.7\"/></worksheet>";
}

// Rows first..last, each with its number, a number, a shared string and an
// inline string.
std::string NumberedRows(int first, int last, const std::string& tail = "") {
  std::string rows;
  for (int r = first; r <= last; ++r) {
    const std::string n = std::to_string(r);
    rows += "<row r=\"" + n + "\"><c r=\"A" + n + "\"><v>" + n + ".5</v></c><c r=\"B" + n + "\" t=\"s\"><v>" +
            std::to_string(r % 3) + "</v></c><c r=\"C" + n + "\" t=\"inlineStr\"><is><t>i" + n + tail +
            "</t></is></c></row>";
  }
  return rows;
}

struct SplitCase {
  const char* name;
  std::string xml;
  std::string cutNear;  // the cut is looked for from this text's first byte on
  SheetSplit expected;
  std::size_t stopAfter = SIZE_MAX;
};

std::vector<SplitCase> SplitCases() {
  const std::string x = std::string(" xmlns:x=\"") + kMain + "\"";
  return {
      {"numbered rows, the default namespace", Worksheet(NumberedRows(1, 40)), "<row r=\"20\"",
       SheetSplit::kTwoThreads},
      {"prefixed elements",
       "<x:worksheet" + x + "><x:sheetData><x:row r=\"1\"><x:c r=\"A1\"><x:v>1</x:v></x:c></x:row>" +
           "<x:row r=\"2\"><x:c r=\"B2\"><x:v>2</x:v></x:c></x:row><x:row r=\"3\"><x:c><x:v>3</x:v></x:c>" +
           "</x:row></x:sheetData></x:worksheet>",
       "<x:row r=\"2\"", SheetSplit::kTwoThreads},
      {"namespaces declared on sheetData and used past the cut",
       Worksheet("").replace(Worksheet("").find("<sheetData>"), 11,
                             "<sheetData xmlns:q=\"urn:a&amp;b&quot;c&lt;d\" xmlns:r=\"urn:r\"><row r=\"1\">"
                             "<c><v>1</v></c></row><row r=\"2\" q:mark=\"y\"><q:note>n</q:note><c r:id=\"5\">"
                             "<v>2</v></c></row><row r=\"3\"><c><v>3</v></c></row>"),
       "<row r=\"2\"", SheetSplit::kTwoThreads},
      {"rows without numbers count on past the cut",
       Worksheet(NumberedRows(1, 10) + "<row r=\"11\"><c><v>11</v></c></row><row><c><v>12</v></c></row>"
                                       "<row><c r=\"D13\"><v>13</v></c></row>"),
       "<row r=\"11\"", SheetSplit::kTwoThreads},
      {"the second part's first row has no number",
       Worksheet(NumberedRows(1, 10) + "<row><c><v>11</v></c></row>" + NumberedRows(12, 14)), "<row><c><v>11",
       SheetSplit::kOneThread},
      {"a cut inside a long row moves to the next",
       Worksheet(NumberedRows(1, 3) + "<row r=\"4\">" +
                 [] {
                   std::string cells;
                   for (int c = 0; c < 300; ++c) cells += "<c><v>" + std::to_string(c) + "</v></c>";
                   return cells;
                 }() +
                 "</row>" + NumberedRows(5, 8)),
       "<c><v>150</v>", SheetSplit::kTwoThreads},
      {"texts beyond ASCII before and after the cut",
       Worksheet(NumberedRows(1, 6, "é€𝄞ñ") + NumberedRows(7, 9, "日本")), "<row r=\"5\"", SheetSplit::kTwoThreads},
      {"a first part of many chunks beyond ASCII", Worksheet(NumberedRows(1, 3000, "é𝄞€")), "<row r=\"2500\"",
       SheetSplit::kTwoThreads},
      {"a byte order mark", "\xEF\xBB\xBF" + Worksheet(NumberedRows(1, 9, "é")), "<row r=\"5\"",
       SheetSplit::kTwoThreads},
      {"text and a comment between rows before the cut",
       Worksheet(NumberedRows(1, 3) + "\n  odd text <!-- c --> " + NumberedRows(4, 6)), "<row r=\"4\"",
       SheetSplit::kTwoThreads},
      {"an empty sheetData", Worksheet("").replace(Worksheet("").find("<sheetData>"), 23, "<sheetData/>"),
       "<pageMargins", SheetSplit::kOneThread},
      {"damaged XML past the cut, lines before it",
       Worksheet("\n" + NumberedRows(1, 3) + "\r\n" + NumberedRows(4, 5) + "\r" + NumberedRows(6, 8) +
                 "<row r=\"9\"><c><v>9</v></row>\n" + NumberedRows(10, 11)),
       "<row r=\"7\"", SheetSplit::kTwoThreads},
      {"the text ends early past the cut", Worksheet(NumberedRows(1, 9)).substr(0, 700), "<row r=\"2\"",
       SheetSplit::kTwoThreads},
      {"damaged XML before the cut",
       Worksheet(NumberedRows(1, 3) + "<row r=\"4\"><c><v>4</c></row>" + NumberedRows(5, 9)), "<row r=\"7\"",
       SheetSplit::kOneThread},
      {"a row start in a comment across the cut",
       Worksheet(NumberedRows(1, 4) + "<!-- <row r=\"99\"><c><v>99</v></c></row> -->" + NumberedRows(5, 8)),
       "<row r=\"99\"", SheetSplit::kReadAgain},
      {"a row start in CDATA across the cut",
       Worksheet(NumberedRows(1, 4) + "<![CDATA[ <row r=\"99\"> ]]>" + NumberedRows(5, 8)), "<row r=\"99\"",
       SheetSplit::kReadAgain},
      {"a row inside a row",
       Worksheet(NumberedRows(1, 4) + "<row r=\"5\"><row r=\"6\"><c><v>6</v></c></row><c><v>5</v></c></row>" +
                 NumberedRows(7, 8)),
       "<row r=\"6\"", SheetSplit::kReadAgain},
      {"a row start after sheetData",
       Worksheet(NumberedRows(1, 4), "<extLst><row r=\"99\"><c><v>99</v></c></row></extLst>"), "<row r=\"99\"",
       SheetSplit::kOneThread},
      {"a row start just after sheetData", Worksheet(NumberedRows(1, 4), "<row r=\"99\"><c><v>99</v></c></row>"),
       "<row r=\"99\"", SheetSplit::kOneThread},
      {"a DTD's entities are needed past the cut",
       Worksheet(NumberedRows(1, 4) + "<row r=\"5\"><c><v>&e;</v></c></row>")
           .insert(Worksheet("").find("<worksheet"), "<!DOCTYPE worksheet [<!ENTITY e \"7\">]>"),
       "<row r=\"5\"", SheetSplit::kOneThread},
      {"another encoding declared",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><worksheet><sheetData>" + NumberedRows(1, 6) +
           "</sheetData></worksheet>",
       "<row r=\"4\"", SheetSplit::kOneThread},
      {"rows with another prefix than sheetData's",
       "<x:worksheet" + x + " xmlns:y=\"" + kMain + "\"><x:sheetData><y:row r=\"1\"><y:c><y:v>1</y:v></y:c></y:row>" +
           "<y:row r=\"2\"><y:c><y:v>2</y:v></y:c></y:row></x:sheetData></x:worksheet>",
       "<y:row r=\"2\"", SheetSplit::kOneThread},
      {"the sink stops past the cut", Worksheet(NumberedRows(1, 30)), "<row r=\"10\"", SheetSplit::kTwoThreads, 20},
      {"the sink stops before the cut", Worksheet(NumberedRows(1, 30)), "<row r=\"20\"", SheetSplit::kOneThread, 5},
      {"the sink stops at the cut", Worksheet(NumberedRows(1, 30)), "<row r=\"11\"", SheetSplit::kTwoThreads, 10},
  };
}

struct Reading {
  std::vector<std::string> rows;
  SheetProblem problem;
  std::string misuse;
};

const SharedStrings& Strings() {
  static const SharedStrings strings = [] {
    SharedStrings s;
    for (const char* t : {"zero", "61,5", "two"}) s.Append(t);
    return s;
  }();
  return strings;
}

Reading ReadPlain(const std::string& xml, std::size_t chunk, std::size_t stopAfter) {
  MemoryChunks source(xml, chunk);
  RecordingCells cells;
  cells.stopAfter = stopAfter;
  const SheetProblem problem = ReadXlsxSheetCells(source, "xl/worksheets/sheet1.xml", Strings(), {}, cells);
  return {cells.rows, problem, cells.misuse};
}

Reading ReadSplit(const std::string& xml, std::size_t chunk, std::size_t stopAfter, std::uint64_t target,
                  SheetSplit& how) {
  MemoryChunks source(xml, chunk);
  const PartOpener again = [&](std::unique_ptr<ChunkSource>& part) {
    part = std::make_unique<MemoryChunks>(xml, chunk);
    return SheetProblem{};
  };
  RecordingCells cells;
  cells.stopAfter = stopAfter;
  const SheetProblem problem =
      ReadXlsxSheetCellsSplit(source, again, target, "xl/worksheets/sheet1.xml", Strings(), {}, cells, &how);
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

TEST(XlsxSheetSplit, ReadsAsOneReaderDoes) {
  for (const SplitCase& c : SplitCases()) {
    const std::size_t near = c.xml.find(c.cutNear);
    ASSERT_NE(near, std::string::npos) << c.name;
    for (std::size_t chunk : {std::size_t{65536}, std::size_t{13}, std::size_t{1}}) {
      const Reading plain = ReadPlain(c.xml, chunk, c.stopAfter);
      SheetSplit how = SheetSplit::kOneThread;
      const Reading split = ReadSplit(c.xml, chunk, c.stopAfter, near, how);
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
TEST(XlsxSheetSplit, TheCasesReadRowsAndProblems) {
  for (const SplitCase& c : SplitCases()) {
    const Reading plain = ReadPlain(c.xml, 65536, c.stopAfter);
    const bool damaged = std::string(c.name).find("damaged") != std::string::npos ||
                         std::string(c.name).find("ends early") != std::string::npos;
    EXPECT_EQ(!plain.problem.Ok(), damaged) << c.name << ": " << plain.problem.detail;
    if (std::string(c.name) != "an empty sheetData") {
      EXPECT_FALSE(plain.rows.empty()) << c.name;
    }
  }
}

// Every cut along a worksheet: wherever it falls, the same reading.
TEST(XlsxSheetSplit, EveryTarget) {
  const std::string xml = Worksheet(NumberedRows(1, 5, "ü") + "<row><c><v>6</v></c></row>" + NumberedRows(7, 8));
  const Reading plain = ReadPlain(xml, 29, SIZE_MAX);
  for (std::uint64_t target = 0; target <= xml.size() + 1; ++target) {
    SheetSplit how = SheetSplit::kOneThread;
    const Reading split = ReadSplit(xml, 29, SIZE_MAX, target, how);
    EXPECT_EQ(split.rows, plain.rows) << "target " << target << Describe(split.rows);
    EXPECT_TRUE(split.problem.Ok()) << "target " << target << ": " << split.problem.detail;
  }
}

// A workbook whose worksheet is large enough to be split, read through the
// file: the same rows as its worksheet read by one reader.
TEST(XlsxSheetSplit, ALargeWorkbookReadsWhole) {
  std::string rows;
  for (int r = 1; r <= 90000; ++r) {
    const std::string n = std::to_string(r);
    rows += "<row r=\"" + n + "\" spans=\"1:3\" ht=\"12.8\" customHeight=\"false\"><c r=\"A" + n +
            "\" s=\"0\" "
            "t=\"n\"><v>" +
            n + "</v></c><c r=\"B" + n + "\" s=\"0\" t=\"n\"><v>" + std::to_string(r % 97) + ".25</v></c></row>";
  }
  const std::string sheet = Worksheet(rows);
  ASSERT_GE(sheet.size(), kSplitSheetBytes);
  const std::string workbook = std::string("<workbook xmlns=\"") + kMain +
                               "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                               "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  const std::string rels =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
      "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
      "Target=\"worksheets/sheet1.xml\"/></Relationships>";
  ScratchFolder scratch;
  const std::string path = scratch.File("large.xlsx");
  ASSERT_TRUE(sheettest::WriteZip(path, {Entry{"xl/workbook.xml", workbook}, Entry{"xl/_rels/workbook.xml.rels", rels},
                                         Entry{"xl/worksheets/sheet1.xml", sheet}}));
  XlsxSheets sheets;
  ASSERT_TRUE(sheets.Open(path).Ok());
  RecordingCells cells;
  const SheetProblem problem = sheets.ReadSheet(0, cells);
  EXPECT_TRUE(problem.Ok()) << problem.detail;
  const Reading plain = ReadPlain(sheet, 65536, SIZE_MAX);
  ASSERT_EQ(plain.rows.size(), 90000u);
  EXPECT_EQ(cells.rows, plain.rows);
}

}  // namespace
