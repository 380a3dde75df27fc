// OpenDocument spreadsheets: content.xml parsed in chunks of any size into
// the table cells (numbers exact, texts as shown, dates and booleans apart,
// repeats told or skipped), the sheets' names, the stop between rows, and
// whole .ods files: hand-made ones, bad ones, and one LibreOffice Calc wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/OdsContent.h"
#include "input/OdsSheets.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Describe;
using sheettest::Entry;
using sheettest::RecordingCells;
using sheettest::Rows;
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
  return "<table:table table:name=\"" + name + "\"><table:table-column table:number-columns-repeated=\"3\"/>" + rows +
         "</table:table>";
}

std::string Float(const std::string& value, const std::string& shown) {
  return "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\"><text:p>" + shown +
         "</text:p></table:table-cell>";
}

std::string Text(const std::string& paragraphs) {
  return "<table:table-cell office:value-type=\"string\">" + paragraphs + "</table:table-cell>";
}

std::string Row(const std::string& cells, const std::string& attributes = "") {
  return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}

const std::string kEmptyCell = "<table:table-cell/>";

struct CellsCase {
  const char* name;
  std::string rows;  // of the first sheet
  Rows expected;
};

std::vector<CellsCase> CellsCases() {
  return {
      {"numbers are the stored doubles, not what is shown",
       Row(Float("0.1", "0.10") + Float("1.7976931348623157E+308", "1.8E+308") + Float("-0", "0") +
           "<table:table-cell office:value-type=\"percentage\" office:value=\"0.125\"><text:p>12.5 %</text:p>"
           "</table:table-cell><table:table-cell office:value-type=\"currency\" office:currency=\"EUR\" "
           "office:value=\"4.9406564584124654E-324\"><text:p>0,00 €</text:p></table:table-cell>"),
       {"1: A=n 0.1 | B=n 1.7976931348623157e+308 | C=n -0 | D=n 0.125 | E=n 5e-324"}},
      {"a formula cell is its cached value",
       Row("<table:table-cell table:formula=\"of:=[.B1]*2\" office:value-type=\"float\" office:value=\"3\">"
           "<text:p>3</text:p></table:table-cell>" +
           Float("1.5", "1.5")),
       {"1: A=n 3 | B=n 1.5"}},
      {"text paragraphs join with line ends, spaces and tabs spelt out",
       Row(Text(
               "<text:p>a<text:s text:c=\"3\"/>b<text:s/>c</text:p><text:p>d<text:tab/>e<text:line-break/>f</text:p>") +
           Text("<text:p>in <text:span text:style-name=\"T1\">bold</text:span> &amp; <text:a>link</text:a></text:p>")),
       {"1: A=t \"a   b c\nd\te\nf\" | B=t \"in bold & link\""}},
      {"white space in a paragraph's text is one space between words",
       Row(Text("<text:p>\n    61,5\t\r\n   kg  </text:p><text:p> <text:span> x </text:span> y</text:p>") +
           Text("<text:p>   </text:p>")),
       {"1: A=t \"61,5 kg\nx y\""}},
      {"comments are left out of the text",
       Row(Text("<office:annotation><text:p>a note</text:p></office:annotation><text:p>61,5</text:p>")),
       {"1: A=t \"61,5\""}},
      {"dates, times and booleans are never numbers",
       Row("<table:table-cell office:value-type=\"date\" office:date-value=\"2024-01-15\"><text:p>01/15/24</text:p>"
           "</table:table-cell><table:table-cell office:value-type=\"time\" office:time-value=\"PT12H\">"
           "<text:p>12:00</text:p></table:table-cell><table:table-cell office:value-type=\"boolean\" "
           "office:boolean-value=\"true\" office:value=\"1\"><text:p>TRUE</text:p></table:table-cell>"),
       {"1: A=o \"01/15/24\" | B=o \"12:00\" | C=o \"TRUE\""}},
      {"a number without its value is its text",
       Row("<table:table-cell office:value-type=\"float\"><text:p>7</text:p></table:table-cell>" +
           Float("twelve", "12")),
       {"1: A=t \"7\" | B=t \"12\""}},
      {"a cell without a value type is its text; empty cells are not told",
       Row("<table:table-cell><text:p>n/a</text:p></table:table-cell>" + kEmptyCell + Text("<text:p/>") +
           Float("2", "2")),
       {"1: A=t \"n/a\" | D=n 2"}},
      {"empty repeats move the count without being told",
       Row(Float("1", "1")) +
           Row("<table:table-cell table:number-columns-repeated=\"16000\"/>",
               " table:number-rows-repeated=\"1048000\"") +
           Row("<table:table-cell table:number-columns-repeated=\"16000\"/>" + Float("2", "2")),
       {"1: A=n 1", "1048002: WQK=n 2"}},
      {"a repeated row with content is told as often as it stands for",
       Row(Float("5", "5"), " table:number-rows-repeated=\"3\"") + Row(Text("<text:p>x</text:p>")),
       {"1: A=n 5", "2: A=n 5", "3: A=n 5", "4: A=t \"x\""}},
      {"a repeated cell with content fills its columns",
       Row(kEmptyCell +
           "<table:table-cell table:number-columns-repeated=\"3\" office:value-type=\"float\" "
           "office:value=\"9\"><text:p>9</text:p></table:table-cell>" +
           Float("1", "1")),
       {"1: B=n 9 | C=n 9 | D=n 9 | E=n 1"}},
      {"covered cells of a merge count as columns",
       Row("<table:table-cell table:number-columns-spanned=\"2\" office:value-type=\"float\" office:value=\"1\">"
           "<text:p>1</text:p></table:table-cell><table:covered-table-cell/>" +
           Float("2", "2")),
       {"1: A=n 1 | C=n 2"}},
      {"rows in header rows and row groups are rows of the sheet",
       "<table:table-header-rows>" + Row(Text("<text:p>head</text:p>")) +
           "</table:table-header-rows><table:table-row-group>" + Row(Float("1", "1")) + "<table:table-row-group>" +
           Row(Float("2", "2")) + "</table:table-row-group></table:table-row-group>" + Row(Float("3", "3")),
       {"1: A=t \"head\"", "2: A=n 1", "3: A=n 2", "4: A=n 3"}},
      {"a row of empty cells only is not told", Row(kEmptyCell + kEmptyCell) + Row(Float("4", "4")), {"2: A=n 4"}},
  };
}

TEST(OdsContent, CellsOfTheSheetWhateverTheChunks) {
  for (const CellsCase& c : CellsCases()) {
    const std::string xml = Content(Table("First", c.rows) + Table("Second", Row(Float("99", "99"))));
    for (std::size_t chunk : {std::size_t{65536}, std::size_t{13}, std::size_t{1}}) {
      MemoryChunks source(xml, chunk);
      RecordingCells cells;
      const SheetProblem problem = ReadOdsSheetCells(source, 0, cells);
      EXPECT_TRUE(problem.Ok()) << c.name << ": " << problem.detail;
      EXPECT_EQ(cells.rows, c.expected) << c.name << " in chunks of " << chunk << Describe(cells.rows);
      EXPECT_EQ(cells.misuse, "") << c.name;
    }
  }
}

TEST(OdsContent, SheetsByNameAndNumber) {
  const std::string xml =
      Content(Table("Données &amp; 1", Row(Float("1", "1"))) + Table("Empty", "") +
              Table("Third", Row(kEmptyCell + Float("3", "3"), " table:number-rows-repeated=\"2\"")));
  MemoryChunks namesSource(xml, 7);
  std::vector<std::string> names;
  ASSERT_TRUE(ReadOdsSheetNames(namesSource, names).Ok());
  EXPECT_EQ(names, (std::vector<std::string>{"Données & 1", "Empty", "Third"}));

  const struct {
    const char* name;
    std::size_t index;
    Rows expected;
  } sheets[] = {
      {"the first", 0, {"1: A=n 1"}},
      {"an empty one", 1, {}},
      {"the last", 2, {"1: B=n 3", "2: B=n 3"}},
  };
  for (const auto& s : sheets) {
    MemoryChunks source(xml);
    RecordingCells cells;
    EXPECT_TRUE(ReadOdsSheetCells(source, s.index, cells).Ok()) << s.name;
    EXPECT_EQ(cells.rows, s.expected) << s.name << Describe(cells.rows);
  }
  MemoryChunks source(xml);
  RecordingCells cells;
  EXPECT_EQ(ReadOdsSheetCells(source, 3, cells).failure, SheetFailure::kNoSuchSheet);
}

TEST(OdsContent, ChosenSheetIsFoundAndReadInOnePass) {
  const std::string xml = Content(Table("A", Row(Float("1", "1"))) + Table("Twice", Row(Float("2", "2"))) +
                                  Table("Twice", Row(Float("3", "3"))) + Table("Last", Row(Float("4", "4"))));
  const std::string damagedAfter = xml.substr(0, xml.rfind("<table:table ")) + "<table:table></office:spreadsheet>";
  const struct {
    const char* name;
    const std::string& xml;
    std::size_t index;
    const char* sheet;
    std::size_t stopAfter;
    SheetFailure failure;
    std::string detail;
    Rows expected;
  } cases[] = {
      {"the first by number", xml, 0, "", SIZE_MAX, SheetFailure::kNone, "", {"1: A=n 1"}},
      {"the last by number", xml, 3, "", SIZE_MAX, SheetFailure::kNone, "", {"1: A=n 4"}},
      {"by name, the number left aside", xml, 0, "Last", SIZE_MAX, SheetFailure::kNone, "", {"1: A=n 4"}},
      {"a name twice: the first", xml, 3, "Twice", SIZE_MAX, SheetFailure::kNone, "", {"1: A=n 2"}},
      {"a number past the last", xml, 4, "", SIZE_MAX, SheetFailure::kNoSuchSheet, "5", {}},
      {"a name not there", xml, 0, "a", SIZE_MAX, SheetFailure::kNoSuchSheet, "a", {}},
      {"damage after the sheet read", damagedAfter, 0, "", SIZE_MAX, SheetFailure::kMalformedXml, "", {"1: A=n 1"}},
      {"damage after a sink that stopped", damagedAfter, 0, "", 0, SheetFailure::kMalformedXml, "", {}},
  };
  for (const auto& c : cases) {
    MemoryChunks source(c.xml, 11);
    RecordingCells cells;
    cells.stopAfter = c.stopAfter;
    const SheetProblem problem = ReadOdsChosenSheet(source, c.index, c.sheet, cells);
    EXPECT_EQ(problem.failure, c.failure) << c.name << ": " << problem.detail;
    if (!c.detail.empty()) {
      EXPECT_EQ(problem.detail, c.detail) << c.name;
    }
    EXPECT_EQ(cells.rows, c.expected) << c.name << Describe(cells.rows);
  }
}

TEST(OdsContent, StoppedBetweenRowsEndsTheReading) {
  const std::string xml =
      Content(Table("S", Row(Float("1", "1")) + Row(Float("2", "2"), " table:number-rows-repeated=\"1000000\"") +
                             Row(Float("3", "3"))));
  const struct {
    const char* name;
    std::size_t stopAfter;
    std::size_t rows;
  } stops[] = {{"after the first row", 1, 1}, {"inside a repeated row", 3, 3}, {"never", SIZE_MAX, 1000002}};
  for (const auto& s : stops) {
    MemoryChunks source(xml);
    RecordingCells cells;
    cells.stopAfter = s.stopAfter;
    EXPECT_TRUE(ReadOdsSheetCells(source, 0, cells).Ok()) << s.name;
    EXPECT_EQ(cells.rows.size(), s.rows) << s.name;
  }
}

TEST(OdsContent, XmlThatIsNotWellFormedNamesThePart) {
  const std::string good = Content(Table("S", Row(Float("1", "1")) + Row(Float("2", "2"))));
  const struct {
    const char* name;
    std::string xml;
    bool cellsRead;  // the sheet's cells are read before the fault: only the names meet it
  } cases[] = {
      {"cut in the middle of a row", good.substr(0, good.find("<table:table-row>", good.find("table-row>")) + 20),
       false},
      {"cut after the sheet", good.substr(0, good.size() - 30), true},
      {"empty", "", false},
      {"mismatched end tag", Content(Table("S", "<table:table-row><table:table-cell></table:table-row>")), false},
      {"not XML at all", "PK\x03\x04 binary \xFF\xFE", false},
      {"undeclared prefix", "<office:document-content><office:body/></office:document-content>", false},
  };
  for (const auto& c : cases) {
    for (int sheet = 0; sheet < (c.cellsRead ? 1 : 2); ++sheet) {
      MemoryChunks source(c.xml, 100);
      RecordingCells cells;
      std::vector<std::string> names;
      const SheetProblem problem = sheet ? ReadOdsSheetCells(source, 0, cells) : ReadOdsSheetNames(source, names);
      EXPECT_EQ(problem.failure, SheetFailure::kMalformedXml) << c.name << ": " << problem.detail;
      EXPECT_NE(problem.detail.find("content.xml"), std::string::npos) << c.name << ": " << problem.detail;
    }
  }
}

std::string OdsMimetype() { return "application/vnd.oasis.opendocument.spreadsheet"; }

std::vector<Entry> OdsEntries(const std::string& content) {
  return {{"mimetype", OdsMimetype(), true},
          {"content.xml", content, false},
          {"META-INF/manifest.xml", "<manifest:manifest/>", false}};
}

TEST(OdsSheets, FileOpensWithItsNamesAndReadsEachSheet) {
  ScratchFolder scratch;
  const std::string path = scratch.File("hand made.ods");
  ASSERT_TRUE(sheettest::WriteZip(path, OdsEntries(Content(Table("One", Row(Float("1.5", "1.5"))) +
                                                           Table("Two", Row(Text("<text:p>t</text:p>")))))));
  OdsSheets ods;
  const SheetProblem opened = ods.Open(path);
  ASSERT_TRUE(opened.Ok()) << opened.detail;
  EXPECT_EQ(ods.Names(), (std::vector<std::string>{"One", "Two"}));
  RecordingCells first, second, beyond;
  EXPECT_TRUE(ods.ReadSheet(0, first).Ok());
  EXPECT_TRUE(ods.ReadSheet(1, second).Ok());
  EXPECT_EQ(first.rows, (Rows{"1: A=n 1.5"}));
  EXPECT_EQ(second.rows, (Rows{"1: A=t \"t\""}));
  EXPECT_EQ(ods.ReadSheet(2, beyond).failure, SheetFailure::kNoSuchSheet);
}

const char kOle2Magic[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::string Ole2(bool encrypted) {
  std::string bytes(kOle2Magic, 8);
  bytes.resize(2048, '\0');
  if (encrypted) {
    const std::string name = "EncryptedPackage";
    for (char ch : name) bytes += std::string{ch, '\0'};
  }
  bytes.resize(4096, '\0');
  return bytes;
}

TEST(OdsSheets, BadFilesSayWhatIsWrong) {
  ScratchFolder scratch;
  const std::string goodPath = scratch.File("good.ods");
  const std::string content = Content(Table("S", Row(Float("1", "1"))));
  ASSERT_TRUE(sheettest::WriteZip(goodPath, OdsEntries(content)));
  const std::string good = sheettest::ReadWhole(goodPath);
  const struct {
    const char* name;
    std::string bytes;
    SheetFailure expected;
    const char* detailHolds;
  } cases[] = {
      {"random bytes", std::string(3000, '\x9C'), SheetFailure::kNotSpreadsheet, ""},
      {"an Excel 97-2003 workbook", Ole2(false), SheetFailure::kLegacyXls, ""},
      {"a password-protected workbook", Ole2(true), SheetFailure::kEncrypted, ""},
      {"a zip cut short", good.substr(0, good.size() * 2 / 3), SheetFailure::kDamaged, ""},
      {"a zip without content.xml", "", SheetFailure::kMissingPart, "content.xml"},
      {"content.xml cut in the middle", "", SheetFailure::kMalformedXml, "content.xml"},
  };
  for (const auto& c : cases) {
    const std::string path = scratch.File("bad.ods");
    if (std::string(c.name) == "a zip without content.xml") {
      ASSERT_TRUE(sheettest::WriteZip(path, {{"mimetype", OdsMimetype(), true}}));
    } else if (std::string(c.name) == "content.xml cut in the middle") {
      ASSERT_TRUE(sheettest::WriteZip(path, OdsEntries(content.substr(0, content.size() / 2))));
    } else {
      ASSERT_TRUE(sheettest::WriteWhole(path, c.bytes));
    }
    OdsSheets ods;
    const SheetProblem problem = ods.Open(path);
    EXPECT_EQ(problem.failure, c.expected) << c.name << ": " << problem.detail;
    EXPECT_NE(problem.detail.find(c.detailHolds), std::string::npos) << c.name << ": " << problem.detail;
    EXPECT_TRUE(ods.Names().empty()) << c.name;
  }
  OdsSheets ods;
  EXPECT_EQ(ods.Open(scratch.File("missing.ods")).failure, SheetFailure::kCannotOpen);
}

// A table as LibreOffice Calc saves it, read as the sheet shows it.
class CalcOds : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = new ScratchFolder;
    path_ = sheettest::ConvertWithCalc(*scratch_, "value,label\n1.5,a\n0.1,b\n-3,2024-01-15\n,\n12345678.25,TRUE\n",
                                       "ods", why_);
  }
  static void TearDownTestSuite() {
    delete scratch_;
    scratch_ = nullptr;
  }
  static ScratchFolder* scratch_;
  static std::string path_;
  static std::string why_;
};
ScratchFolder* CalcOds::scratch_ = nullptr;
std::string CalcOds::path_;
std::string CalcOds::why_;

TEST_F(CalcOds, ReadsAsTheSheetShowsIt) {
  if (path_.empty() && why_ == "soffice is not installed") GTEST_SKIP() << why_;
  ASSERT_FALSE(path_.empty()) << why_;
  OdsSheets ods;
  const SheetProblem opened = ods.Open(path_);
  ASSERT_TRUE(opened.Ok()) << opened.detail;
  ASSERT_EQ(ods.Names().size(), 1u);
  RecordingCells cells;
  cells.otherText = false;
  ASSERT_TRUE(ods.ReadSheet(0, cells).Ok());
  const Rows expected = {"1: A=t \"value\" | B=t \"label\"", "2: A=n 1.5 | B=t \"a\"", "3: A=n 0.1 | B=t \"b\"",
                         "4: A=n -3 | B=o", "6: A=n 12345678.25 | B=o"};
  EXPECT_EQ(cells.rows, expected) << Describe(cells.rows);
}

}  // namespace
