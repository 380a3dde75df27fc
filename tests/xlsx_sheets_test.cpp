// Office Open XML workbooks: worksheets parsed in chunks of any size into the
// table cells (numbers exact, shared, inline and formula strings, dates by
// their style, booleans and errors apart, missing references), the shared
// strings and styles, the workbook's sheets and their parts, whole files
// written by libxlsxwriter and by hand, bad files, and one LibreOffice Calc
// wrote.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <map>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/XlsxSharedStrings.h"
#include "input/XlsxSheetXml.h"
#include "input/XlsxSheets.h"
#include "input/XlsxStyles.h"
#include "input/XlsxWorkbook.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Describe;
using sheettest::Entry;
using sheettest::RecordingCells;
using sheettest::Rows;
using sheettest::ScratchFolder;

namespace {

const char kMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

std::string Worksheet(const std::string& rows) {
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"") + kMain +
         "\"><dimension ref=\"A1:C3\"/><sheetData>" + rows + "</sheetData><pageMargins left=\"0.7\"/></worksheet>";
}

SharedStrings Strings(const std::vector<std::string>& texts) {
  SharedStrings strings;
  for (const std::string& t : texts) strings.Append(t);
  return strings;
}

struct SheetCase {
  const char* name;
  std::string xml;
  Rows expected;
};

std::vector<SheetCase> SheetCases() {
  return {
      {"numbers are the stored doubles",
       Worksheet("<row r=\"1\"><c r=\"A1\"><v>0.1</v></c><c r=\"B1\" t=\"n\"><v>1.7976931348623157E+308</v></c>"
                 "<c r=\"C1\"><v>-4.9406564584124654E-324</v></c><c r=\"D1\"><v>12345678901234567890</v></c></row>"),
       {"1: A=n 0.1 | B=n 1.7976931348623157e+308 | C=n -5e-324 | D=n 12345678901234567168"}},
      {"shared strings by index; one past the end is not told",
       Worksheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>0</v></c>"
                 "<c r=\"C1\" t=\"s\"><v>9</v></c><c r=\"D1\" t=\"s\"><v>2</v></c></row>"),
       {"1: A=t \"61,5\" | B=t \"zero\" | D=t \"x\ny\""}},
      {"inline strings, their runs joined and phonetic guides left out",
       Worksheet("<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>plain</t></is></c><c r=\"B2\" t=\"inlineStr\">"
                 "<is><r><rPr><b/></rPr><t>bo</t></r><r><t xml:space=\"preserve\"> ld</t></r>"
                 "<rPh sb=\"0\" eb=\"1\"><t>ruby</t></rPh></is></c>"
                 "<c r=\"C2\" t=\"inlineStr\"><is><t>a_x000D_b_x005F_x0041_</t></is></c></row>"),
       {"2: A=t \"plain\" | B=t \"bo ld\" | C=t \"a\rb_x0041_\""}},
      {"formulas give their cached values",
       Worksheet("<row r=\"1\"><c r=\"A1\"><f>1+2</f><v>3</v></c><c r=\"B1\" t=\"str\"><f>\"a\"&amp;\"b\"</f>"
                 "<v>ab</v></c><c r=\"C1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c><c r=\"D1\"><f>A1</f></c></row>"),
       {"1: A=n 3 | B=t \"ab\" | C=o \"#DIV/0!\""}},
      {"booleans, errors and dates are never numbers",
       Worksheet("<row r=\"1\"><c r=\"A1\" t=\"b\"><v>1</v></c><c r=\"B1\" t=\"b\"><v>0</v></c>"
                 "<c r=\"C1\" t=\"d\"><v>2024-01-15T00:00:00</v></c><c r=\"D1\" t=\"e\"><v>#N/A</v></c></row>"),
       {"1: A=o \"TRUE\" | B=o \"FALSE\" | C=o \"2024-01-15T00:00:00\" | D=o \"#N/A\""}},
      {"a number in a date style is a date",
       Worksheet("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>45306</v></c><c r=\"B1\" s=\"0\"><v>45306</v></c>"
                 "<c r=\"C1\" s=\"2\"><v>0.5</v></c><c r=\"D1\" s=\"77\"><v>8</v></c></row>"),
       {"1: A=o \"45306\" | B=n 45306 | C=o \"0.5\" | D=n 8"}},
      {"rows and cells without references follow the last",
       Worksheet("<row><c><v>1</v></c><c><v>2</v></c></row><row r=\"5\"><c r=\"C5\"><v>3</v></c><c><v>4</v></c>"
                 "</row><row><c r=\"B6\"><v>5</v></c></row>"),
       {"1: A=n 1 | B=n 2", "5: C=n 3 | D=n 4", "6: B=n 5"}},
      {"empty cells, empty rows and cells out of order are not told",
       Worksheet("<row r=\"1\" spans=\"1:3\"><c r=\"A1\" s=\"3\"/><c r=\"B1\"><v>1</v></c><c r=\"A1\"><v>2</v></c>"
                 "<c r=\"B1\"><v>3</v></c><c r=\"C1\" t=\"inlineStr\"><is><t></t></is></c></row><row r=\"2\"/>"
                 "<row r=\"3\"><c r=\"AA3\"><v>4</v></c></row>"),
       {"1: B=n 1", "3: AA=n 4"}},
      {"a value that is no number is its text",
       Worksheet("<row r=\"1\"><c r=\"A1\"><v>1,5</v></c><c r=\"B1\"><v> 7 </v></c><c r=\"C1\"><v>nan</v></c>"
                 "</row>"),
       {"1: A=t \"1,5\" | B=n 7 | C=t \"nan\""}},
      {"texts beyond ASCII, whole after an ASCII start and alone",
       Worksheet("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>abé</t></is></c>"
                 "<c r=\"B1\" t=\"str\"><v>€5</v></c><c r=\"C1\" t=\"inlineStr\"><is><t>x</t><t>ñ</t>"
                 "</is></c></row>"),
       {"1: A=t \"abé\" | B=t \"€5\" | C=t \"xñ\""}},
      {"prefixed elements are read by their names",
       std::string("<x:worksheet xmlns:x=\"") + kMain +
           "\"><x:sheetData><x:row r=\"4\"><x:c r=\"B4\"><x:v>2.5</x:v></x:c></x:row></x:sheetData></x:worksheet>",
       {"4: B=n 2.5"}},
  };
}

TEST(XlsxSheetXml, CellsOfTheSheetWhateverTheChunks) {
  const SharedStrings strings = Strings({"zero", "61,5", "x\ny"});
  const std::vector<bool> dateStyles = {false, true, true, false};
  for (const SheetCase& c : SheetCases()) {
    for (std::size_t chunk : {std::size_t{65536}, std::size_t{11}, std::size_t{1}}) {
      MemoryChunks source(c.xml, chunk);
      RecordingCells cells;
      const SheetProblem problem = ReadXlsxSheetCells(source, "xl/worksheets/sheet1.xml", strings, dateStyles, cells);
      EXPECT_TRUE(problem.Ok()) << c.name << ": " << problem.detail;
      EXPECT_EQ(cells.rows, c.expected) << c.name << " in chunks of " << chunk << Describe(cells.rows);
      EXPECT_EQ(cells.misuse, "") << c.name;
    }
  }
}

TEST(XlsxSheetXml, StoppedBetweenRowsEndsTheReading) {
  std::string rows;
  for (int r = 1; r <= 50; ++r) rows += "<row><c><v>" + std::to_string(r) + "</v></c></row>";
  const struct {
    const char* name;
    std::size_t stopAfter;
    std::size_t rows;
  } stops[] = {{"at once", 0, 0}, {"after three rows", 3, 3}, {"never", SIZE_MAX, 50}};
  const std::string xml = Worksheet(rows);
  for (const auto& s : stops) {
    MemoryChunks source(xml, 64);
    RecordingCells cells;
    cells.stopAfter = s.stopAfter;
    const SheetProblem problem = ReadXlsxSheetCells(source, "sheet", SharedStrings(), {}, cells);
    EXPECT_TRUE(problem.Ok()) << s.name << ": " << problem.detail;
    EXPECT_EQ(cells.rows.size(), s.rows) << s.name;
  }
}

TEST(XlsxSheetXml, MalformedXmlNamesThePart) {
  const std::string good = Worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"><c><v>2</v></c></row>");
  const struct {
    const char* name;
    std::string xml;
  } cases[] = {
      {"cut inside a value", good.substr(0, good.find("<v>2") + 3)},
      {"cut inside a tag", good.substr(0, good.find("<row r=\"2") + 5)},
      {"mismatched end tag", Worksheet("<row><c><v>1</c></v></row>")},
      {"empty", ""},
      {"binary", std::string("\x00\x01\x02<", 4)},
  };
  for (const auto& c : cases) {
    MemoryChunks source(c.xml, 50);
    RecordingCells cells;
    const SheetProblem problem = ReadXlsxSheetCells(source, "xl/worksheets/sheet2.xml", SharedStrings(), {}, cells);
    EXPECT_EQ(problem.failure, SheetFailure::kMalformedXml) << c.name << ": " << problem.detail;
    EXPECT_NE(problem.detail.find("xl/worksheets/sheet2.xml"), std::string::npos) << c.name << ": " << problem.detail;
  }
}

TEST(XlsxSharedStrings, ItemsInOrderRunsJoined) {
  const std::string xml = std::string("<sst xmlns=\"") + kMain +
                          "\" count=\"5\" uniqueCount=\"5\"><si><t>first</t></si>"
                          "<si><r><t>ri</t></r><r><rPr><i/></rPr><t>ch</t></r><rPh><t>ignored</t></rPh>"
                          "<phoneticPr fontId=\"1\"/></si><si><t/></si><si><t xml:space=\"preserve\"> 1,5 </t></si>"
                          "<si><t>tab_x0009_end</t></si></sst>";
  for (std::size_t chunk : {std::size_t{65536}, std::size_t{3}}) {
    MemoryChunks source(xml, chunk);
    SharedStrings strings;
    ASSERT_TRUE(ReadSharedStrings(source, strings).Ok());
    std::vector<std::string> got;
    for (std::size_t i = 0; i < strings.Size(); ++i) got.emplace_back(strings.At(i));
    EXPECT_EQ(got, (std::vector<std::string>{"first", "rich", "", " 1,5 ", "tab\tend"})) << "chunks of " << chunk;
    EXPECT_EQ(strings.At(5), "");
  }
}

TEST(XlsxStyles, DateFormatCodes) {
  const struct {
    const char* name;
    const char* code;
    bool date;
  } cases[] = {
      {"general", "General", false},
      {"decimals", "0.00", false},
      {"scientific", "0.00E+00", false},
      {"percent", "0%", false},
      {"ISO date", "yyyy-mm-dd", true},
      {"upper-case date", "DD/MM/YYYY", true},
      {"time", "h:mm:ss", true},
      {"elapsed hours", "[h]:mm", true},
      {"seconds only", "ss.0", true},
      {"quoted letters", "0.0\" days\"", false},
      {"colour and locale in brackets", "[Red][$-409]#,##0.00", false},
      {"escaped letter", "0\\h", false},
      {"padding and fill", "_(0_)*-", false},
      {"date after a quoted text", "\"on \"d mmm", true},
      {"currency with a symbol in brackets", "[$€-407] #,##0.00;[Red]-#,##0.00", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDateFormatCode(c.code), c.date) << c.name << ": " << c.code;
}

TEST(XlsxStyles, CellStylesThatShowDates) {
  const std::string xml = std::string("<styleSheet xmlns=\"") + kMain +
                          "\"><numFmts count=\"3\"><numFmt numFmtId=\"164\" formatCode=\"yyyy\\-mm\\-dd\"/>"
                          "<numFmt numFmtId=\"165\" formatCode=\"0.00&quot;h&quot;\"/>"
                          "<numFmt numFmtId=\"14\" formatCode=\"0.0\"/></numFmts>"
                          "<cellStyleXfs count=\"1\"><xf numFmtId=\"22\"/></cellStyleXfs>"
                          "<cellXfs count=\"7\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
                          "<xf numFmtId=\"47\"><alignment/></xf><xf numFmtId=\"14\"/><xf/><xf numFmtId=\"22\"/>"
                          "</cellXfs><dxfs><dxf><numFmt numFmtId=\"15\"/></dxf></dxfs></styleSheet>";
  MemoryChunks source(xml, 17);
  std::vector<bool> dateStyles;
  ASSERT_TRUE(ReadDateStyles(source, dateStyles).Ok());
  // 14 is built in as a date, but this file's own code for it is not one.
  EXPECT_EQ(dateStyles, (std::vector<bool>{false, true, false, true, false, false, true}));
}

TEST(XlsxSheetXml, CellReferences) {
  const struct {
    const char* name;
    const char* reference;
    bool ok;
    std::size_t column;
    std::uint64_t row;
  } cases[] = {
      {"first cell", "A1", true, 0, 1},
      {"two letters", "AB12", true, 27, 12},
      {"last column", "XFD1048576", true, 16383, 1048576},
      {"lower case", "b7", true, 1, 7},
      {"absolute", "$C$3", true, 2, 3},
      {"column only", "D", true, 3, 0},
      {"row only", "12", false, 0, 0},
      {"row zero", "A0", false, 0, 0},
      {"trailing text", "A1:B2", false, 0, 0},
      {"empty", "", false, 0, 0},
      {"far too many letters", "ZZZZZZZZZZZZZZ1", false, 0, 0},
  };
  for (const auto& c : cases) {
    std::size_t column = 99;
    std::uint64_t row = 99;
    EXPECT_EQ(ParseCellReference(c.reference, column, row), c.ok) << c.name;
    if (c.ok) {
      EXPECT_EQ(column, c.column) << c.name;
      EXPECT_EQ(row, c.row) << c.name;
    }
  }
}

TEST(XlsxWorkbook, RelationshipTargetsResolved) {
  const struct {
    const char* name;
    const char* target;
    const char* part;
  } cases[] = {
      {"relative", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
      {"absolute", "/xl/worksheets/sheet2.xml", "xl/worksheets/sheet2.xml"},
      {"dot steps", "./worksheets/../worksheets/sheet3.xml", "xl/worksheets/sheet3.xml"},
      {"above the folder", "../sheet4.xml", "sheet4.xml"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePartName("xl/", c.target), c.part) << c.name;
}

TEST(XlsxWorkbook, SheetsAndTheirRelationships) {
  const std::string workbook =
      std::string("<workbook xmlns=\"") + kMain +
      "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
      "<sheet name=\"Data &amp; more\" sheetId=\"3\" r:id=\"rId7\"/><sheet name=\"Hidden\" sheetId=\"1\" "
      "state=\"hidden\" r:id=\"rId2\"/></sheets><definedNames/></workbook>";
  MemoryChunks workbookSource(workbook, 5);
  std::vector<WorkbookSheet> sheets;
  ASSERT_TRUE(ReadWorkbookSheets(workbookSource, sheets).Ok());
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].name, "Data & more");
  EXPECT_EQ(sheets[0].relationship, "rId7");
  EXPECT_EQ(sheets[1].name, "Hidden");
  const std::string rels =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId7\" Type=\"t/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
      "<Relationship Id=\"rId9\" Type=\"t/link\" Target=\"file:///elsewhere.xlsx\" TargetMode=\"External\"/>"
      "<Relationship Id=\"rId3\" Type=\"http://x/relationships/styles\" Target=\"theme/styles.xml\"/>"
      "</Relationships>";
  MemoryChunks relsSource(rels, 5);
  Relationships relationships;
  ASSERT_TRUE(ReadRelationships(relsSource, "rels", relationships).Ok());
  using Targets = std::map<std::string, std::string>;
  EXPECT_EQ(relationships.byId, (Targets{{"rId7", "worksheets/sheet1.xml"}, {"rId3", "theme/styles.xml"}}));
  EXPECT_EQ(relationships.byType, (Targets{{"worksheet", "worksheets/sheet1.xml"}, {"styles", "theme/styles.xml"}}));
}

// A workbook of two sheets as libxlsxwriter writes it; with constant memory
// its strings are inline rather than shared.
bool WriteWorkbook(const std::string& path, bool constantMemory) {
  lxw_workbook_options options = {};
  options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
  lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
  if (!book) return false;
  lxw_format* date = workbook_add_format(book);
  format_set_num_format(date, "dd/mm/yyyy");
  lxw_format* builtInDate = workbook_add_format(book);
  format_set_num_format_index(builtInDate, 14);
  lxw_format* decimals = workbook_add_format(book);
  format_set_num_format(decimals, "0.000");
  lxw_worksheet* first = workbook_add_worksheet(book, "Numbers");
  worksheet_write_string(first, 0, 0, "value", nullptr);
  worksheet_write_string(first, 0, 1, "when", nullptr);
  worksheet_write_number(first, 1, 0, 0.1, decimals);
  lxw_datetime day = {2024, 1, 15, 0, 0, 0};
  worksheet_write_datetime(first, 1, 1, &day, date);
  worksheet_write_number(first, 2, 0, -2.5e-300, nullptr);
  worksheet_write_number(first, 2, 1, 45000, builtInDate);
  worksheet_write_boolean(first, 3, 0, 1, nullptr);
  worksheet_write_formula_num(first, 3, 1, "=A2*2", nullptr, 0.2);
  worksheet_write_formula_str(first, 4, 2, "=\"a\"&\"b\"", nullptr, "ab");
  lxw_worksheet* second = workbook_add_worksheet(book, "Texts");
  worksheet_write_string(second, 6, 3, "n/a", nullptr);
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  lxw_rich_string_tuple plain = {nullptr, const_cast<char*>("61,")};
  lxw_rich_string_tuple strong = {bold, const_cast<char*>("5")};
  lxw_rich_string_tuple* runs[] = {&plain, &strong, nullptr};
  worksheet_write_rich_string(second, 7, 0, runs, nullptr);
  return workbook_close(book) == LXW_NO_ERROR;
}

TEST(XlsxSheets, WorkbooksLibxlsxwriterWrites) {
  const struct {
    const char* name;
    bool constantMemory;
  } books[] = {{"shared strings", false}, {"inline strings", true}};
  const Rows numbers = {"1: A=t \"value\" | B=t \"when\"", "2: A=n 0.1 | B=o \"45306\"",
                        "3: A=n -2.5e-300 | B=o \"45000\"", "4: A=o \"TRUE\" | B=n 0.2", "5: C=t \"ab\""};
  const Rows texts = {"7: D=t \"n/a\"", "8: A=t \"61,5\""};
  ScratchFolder scratch;
  for (const auto& b : books) {
    const std::string path = scratch.File(std::string(b.name) + ".xlsx");
    ASSERT_TRUE(WriteWorkbook(path, b.constantMemory)) << b.name;
    XlsxSheets book;
    const SheetProblem opened = book.Open(path);
    ASSERT_TRUE(opened.Ok()) << b.name << ": " << opened.detail;
    EXPECT_EQ(book.Names(), (std::vector<std::string>{"Numbers", "Texts"})) << b.name;
    RecordingCells first, second;
    EXPECT_TRUE(book.ReadSheet(0, first).Ok()) << b.name;
    EXPECT_TRUE(book.ReadSheet(1, second).Ok()) << b.name;
    // Rich strings are shared even in constant memory; both kinds hold every text.
    EXPECT_EQ(first.rows, numbers) << b.name << Describe(first.rows);
    EXPECT_EQ(second.rows, texts) << b.name << Describe(second.rows);
    EXPECT_EQ(book.ReadSheet(2, first).failure, SheetFailure::kNoSuchSheet) << b.name;
  }
}

const std::string kRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
const std::string kWorkbook =
    std::string("<workbook xmlns=\"") + kMain +
    "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
    "<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"Unlinked\" sheetId=\"2\" r:id=\"rId5\"/>"
    "</sheets></workbook>";

std::vector<Entry> HandMade(const std::string& sheet, const std::string& strings = "") {
  std::vector<Entry> entries = {{"[Content_Types].xml", "<Types/>", false},
                                {"xl/workbook.xml", kWorkbook, false},
                                {"xl/_rels/workbook.xml.rels", kRels, false},
                                {"xl/worksheets/sheet1.xml", sheet, false}};
  if (!strings.empty()) entries.push_back({"xl/sharedStrings.xml", strings, false});
  return entries;
}

TEST(XlsxSheets, BadFilesSayWhatIsWrong) {
  const std::string sheet = Worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  const struct {
    const char* name;
    std::vector<Entry> entries;
    SheetFailure expected;
    const char* detailHolds;
  } cases[] = {
      {"no workbook part", {{"xl/worksheets/sheet1.xml", sheet, false}}, SheetFailure::kMissingPart, "xl/workbook.xml"},
      {"no relationships",
       {{"xl/workbook.xml", kWorkbook, false}},
       SheetFailure::kMissingPart,
       "xl/_rels/workbook.xml.rels"},
      {"workbook cut short",
       {{"xl/workbook.xml", kWorkbook.substr(0, 60), false}, {"xl/_rels/workbook.xml.rels", kRels, false}},
       SheetFailure::kMalformedXml,
       "xl/workbook.xml"},
      {"shared strings malformed", HandMade(sheet, "<sst><si><t>a</si></sst>"), SheetFailure::kMalformedXml,
       "xl/sharedStrings.xml"},
  };
  ScratchFolder scratch;
  for (const auto& c : cases) {
    const std::string path = scratch.File("bad.xlsx");
    ASSERT_TRUE(sheettest::WriteZip(path, c.entries)) << c.name;
    XlsxSheets book;
    const SheetProblem problem = book.Open(path);
    EXPECT_EQ(problem.failure, c.expected) << c.name << ": " << problem.detail;
    EXPECT_NE(problem.detail.find(c.detailHolds), std::string::npos) << c.name << ": " << problem.detail;
    EXPECT_TRUE(book.Names().empty()) << c.name;
  }
}

TEST(XlsxSheets, SheetPartsThatAreMissingOrBad) {
  const struct {
    const char* name;
    std::size_t sheet;
    std::string xml;
    SheetFailure expected;
  } cases[] = {
      {"a sheet without a relationship", 1, Worksheet(""), SheetFailure::kMissingPart},
      {"a sheet cut short", 0, Worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>").substr(0, 150),
       SheetFailure::kMalformedXml},
      {"a good sheet", 0, Worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"), SheetFailure::kNone},
  };
  ScratchFolder scratch;
  for (const auto& c : cases) {
    const std::string path = scratch.File("sheet.xlsx");
    ASSERT_TRUE(sheettest::WriteZip(path, HandMade(c.xml)));
    XlsxSheets book;
    ASSERT_TRUE(book.Open(path).Ok()) << c.name;
    RecordingCells cells;
    EXPECT_EQ(book.ReadSheet(c.sheet, cells).failure, c.expected) << c.name;
  }
}

TEST(XlsxSheets, SharedStringsAndStylesWhereTheRelationshipsSay) {
  const std::string rels =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
      "<Relationship Id=\"rId2\" Type=\"http://x/sharedStrings\" Target=\"/xl/text/Strings.xml\"/>"
      "<Relationship Id=\"rId3\" Type=\"http://x/styles\" Target=\"look/Styles.xml\"/></Relationships>";
  const std::vector<Entry> entries = {
      {"xl/workbook.xml", kWorkbook, false},
      {"xl/_rels/workbook.xml.rels", rels, false},
      {"xl/worksheets/sheet1.xml",
       Worksheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" s=\"1\"><v>45306</v></c></row>"), false},
      {"xl/text/Strings.xml", "<sst><si><t>found</t></si></sst>", false},
      {"xl/look/Styles.xml", "<styleSheet><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs></styleSheet>",
       false},
  };
  ScratchFolder scratch;
  const std::string path = scratch.File("renamed.xlsx");
  ASSERT_TRUE(sheettest::WriteZip(path, entries));
  XlsxSheets book;
  ASSERT_TRUE(book.Open(path).Ok());
  RecordingCells cells;
  ASSERT_TRUE(book.ReadSheet(0, cells).Ok());
  EXPECT_EQ(cells.rows, (Rows{"1: A=t \"found\" | B=o \"45306\""})) << Describe(cells.rows);
}

class CalcXlsx : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = new ScratchFolder;
    path_ = sheettest::ConvertWithCalc(*scratch_, "value,label\n1.5,a\n0.1,b\n-3,2024-01-15\n,\n12345678.25,TRUE\n",
                                       "xlsx", why_);
  }
  static void TearDownTestSuite() {
    delete scratch_;
    scratch_ = nullptr;
  }
  static ScratchFolder* scratch_;
  static std::string path_;
  static std::string why_;
};
ScratchFolder* CalcXlsx::scratch_ = nullptr;
std::string CalcXlsx::path_;
std::string CalcXlsx::why_;

TEST_F(CalcXlsx, ReadsAsTheSheetShowsIt) {
  if (path_.empty() && why_ == "soffice is not installed") GTEST_SKIP() << why_;
  ASSERT_FALSE(path_.empty()) << why_;
  XlsxSheets book;
  const SheetProblem opened = book.Open(path_);
  ASSERT_TRUE(opened.Ok()) << opened.detail;
  ASSERT_EQ(book.Names().size(), 1u);
  RecordingCells cells;
  cells.otherText = false;
  ASSERT_TRUE(book.ReadSheet(0, cells).Ok());
  const Rows expected = {"1: A=t \"value\" | B=t \"label\"", "2: A=n 1.5 | B=t \"a\"", "3: A=n 0.1 | B=t \"b\"",
                         "4: A=n -3 | B=o", "6: A=n 12345678.25 | B=o"};
  EXPECT_EQ(cells.rows, expected) << Describe(cells.rows);
}

}  // namespace
