// A spreadsheet file of either kind opened by its content whatever its name,
// and every file that is none told apart: an old or protected workbook, a
// zip of something else, a damaged zip, a file that is not there.
#include "input/Spreadsheet.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <string>
#include <vector>

#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Describe;
using sheettest::RecordingCells;
using sheettest::Rows;
using sheettest::ScratchFolder;

namespace {

const std::string kOdsContent =
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"><office:body><office:spreadsheet>"
    "<table:table table:name=\"Ods\"><table:table-row><table:table-cell office:value-type=\"float\" "
    "office:value=\"2.5\"/></table:table-row></table:table></office:spreadsheet></office:body>"
    "</office:document-content>";

std::string Ole2(bool encrypted) {
  std::string bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  bytes.resize(1024, '\0');
  if (encrypted)
    for (char c : std::string("EncryptedPackage")) bytes += std::string{c, '\0'};
  bytes.resize(4096, '\0');
  return bytes;
}

struct FileCase {
  const char* name;
  const char* fileName;
  bool (*write)(const std::string& path);
  SheetFailure expected;
  SpreadsheetKind kind;
  std::vector<std::string> names;
  Rows firstSheet;
};

bool WriteOds(const std::string& path) {
  return sheettest::WriteZip(path, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true},
                                    {"content.xml", kOdsContent, false}});
}

bool WriteXlsx(const std::string& path) {
  lxw_workbook* book = workbook_new(path.c_str());
  worksheet_write_string(workbook_add_worksheet(book, "Xlsx"), 1, 1, "b2", nullptr);
  return workbook_close(book) == LXW_NO_ERROR;
}

std::vector<FileCase> Cases() {
  return {
      {"an OpenDocument spreadsheet",
       "a.ods",
       WriteOds,
       SheetFailure::kNone,
       SpreadsheetKind::kOds,
       {"Ods"},
       {"1: A=n 2.5"}},
      {"an OpenDocument spreadsheet named .xlsx",
       "a.xlsx",
       WriteOds,
       SheetFailure::kNone,
       SpreadsheetKind::kOds,
       {"Ods"},
       {"1: A=n 2.5"}},
      {"a workbook", "b.xlsx", WriteXlsx, SheetFailure::kNone, SpreadsheetKind::kXlsx, {"Xlsx"}, {"2: B=t \"b2\""}},
      {"a workbook named .csv",
       "b.csv",
       WriteXlsx,
       SheetFailure::kNone,
       SpreadsheetKind::kXlsx,
       {"Xlsx"},
       {"2: B=t \"b2\""}},
      {"an Excel 97-2003 workbook",
       "c.xls",
       [](const std::string& p) { return sheettest::WriteWhole(p, Ole2(false)); },
       SheetFailure::kLegacyXls,
       SpreadsheetKind::kLegacyXls,
       {},
       {}},
      {"a password-protected workbook",
       "d.xlsx",
       [](const std::string& p) { return sheettest::WriteWhole(p, Ole2(true)); },
       SheetFailure::kEncrypted,
       SpreadsheetKind::kEncryptedOoxml,
       {},
       {}},
      {"a zip of a text document",
       "e.ods",
       [](const std::string& p) {
         return sheettest::WriteZip(
             p, {{"mimetype", "application/vnd.oasis.opendocument.text", true}, {"content.xml", "<x/>", false}});
       },
       SheetFailure::kNotSpreadsheet,
       SpreadsheetKind::kNotSpreadsheet,
       {},
       {}},
      {"a damaged zip",
       "f.xlsx",
       [](const std::string& p) {
         return WriteXlsx(p) && sheettest::WriteWhole(p, sheettest::ReadWhole(p).substr(0, 40));
       },
       SheetFailure::kDamaged,
       SpreadsheetKind::kNotSpreadsheet,
       {},
       {}},
      {"plain text",
       "g.ods",
       [](const std::string& p) { return sheettest::WriteWhole(p, "1\n2\n3\n"); },
       SheetFailure::kNotSpreadsheet,
       SpreadsheetKind::kNotSpreadsheet,
       {},
       {}},
  };
}

TEST(Spreadsheet, OpensEitherKindByContent) {
  ScratchFolder scratch;
  for (const FileCase& c : Cases()) {
    const std::string path = scratch.File(c.fileName);
    ASSERT_TRUE(c.write(path)) << c.name;
    Spreadsheet sheet;
    const SheetProblem problem = sheet.Open(path);
    EXPECT_EQ(problem.failure, c.expected) << c.name << ": " << problem.detail;
    EXPECT_EQ(sheet.Kind(), c.kind) << c.name;
    EXPECT_EQ(sheet.Names(), c.names) << c.name;
    RecordingCells cells;
    const SheetProblem read = sheet.ReadSheet(0, cells);
    EXPECT_EQ(read.failure, c.names.empty() ? SheetFailure::kNoSuchSheet : SheetFailure::kNone) << c.name;
    EXPECT_EQ(cells.rows, c.firstSheet) << c.name << Describe(cells.rows);
  }
  Spreadsheet missing;
  EXPECT_EQ(missing.Open(scratch.File("missing.ods")).failure, SheetFailure::kCannotOpen);
}

}  // namespace
