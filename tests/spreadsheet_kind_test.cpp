// A spreadsheet's kind told by its content whatever its name: from the
// first bytes alone where they settle it, and from the file, which looks
// into a zip's entries where they do not.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <string>
#include <vector>

#include "input/SpreadsheetKind.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Entry;
using sheettest::ScratchFolder;

namespace {

const std::string kOdsMimetype = "application/vnd.oasis.opendocument.spreadsheet";

std::string Ole2(std::size_t size, std::size_t encryptedNameAt) {
  std::string bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  bytes.resize(size, '\0');
  if (encryptedNameAt != 0) {
    std::string name;
    for (char c : std::string("EncryptedPackage")) name += std::string{c, '\0'};
    bytes.replace(encryptedNameAt, name.size(), name);
  }
  return bytes;
}

struct KindCase {
  const char* name;
  // The file, written into `path`: false where it could not be.
  bool (*write)(const std::string& path);
  SpreadsheetKind fromBytes;
  SpreadsheetKind fromFile;
};

bool WriteXlsx(const std::string& path) {
  lxw_workbook* book = workbook_new(path.c_str());
  worksheet_write_number(workbook_add_worksheet(book, nullptr), 0, 0, 1, nullptr);
  return workbook_close(book) == LXW_NO_ERROR;
}

const KindCase kCases[] = {
    {"OpenDocument spreadsheet, mimetype stored first",
     [](const std::string& p) {
       return sheettest::WriteZip(p, {{"mimetype", kOdsMimetype, true}, {"content.xml", "<x/>", false}});
     },
     SpreadsheetKind::kOds, SpreadsheetKind::kOds},
    {"OpenDocument spreadsheet, mimetype compressed and last",
     [](const std::string& p) {
       return sheettest::WriteZip(p, {{"content.xml", "<x/>", false}, {"mimetype", kOdsMimetype, false}});
     },
     SpreadsheetKind::kZip, SpreadsheetKind::kOds},
    {"OpenDocument text document",
     [](const std::string& p) {
       return sheettest::WriteZip(p, {{"mimetype", "application/vnd.oasis.opendocument.text", true}});
     },
     SpreadsheetKind::kZip, SpreadsheetKind::kNotSpreadsheet},
    {"workbook written by libxlsxwriter", WriteXlsx, SpreadsheetKind::kXlsx, SpreadsheetKind::kXlsx},
    {"workbook part behind a large entry",
     [](const std::string& p) {
       return sheettest::WriteZip(p, {{"big.bin", std::string(100000, 'x'), true}, {"xl/workbook.xml", "<w/>", false}});
     },
     SpreadsheetKind::kZip, SpreadsheetKind::kXlsx},
    {"zip of something else",
     [](const std::string& p) {
       return sheettest::WriteZip(p, {{"readme.txt", "hello", false}});
     },
     SpreadsheetKind::kZip, SpreadsheetKind::kNotSpreadsheet},
    {"zip cut short",
     [](const std::string& p) {
       if (!sheettest::WriteZip(p, {{"readme.txt", std::string(5000, 'y'), false}})) return false;
       return sheettest::WriteWhole(p, sheettest::ReadWhole(p).substr(0, 40));
     },
     SpreadsheetKind::kZip, SpreadsheetKind::kNotSpreadsheet},
    {"Excel 97-2003 workbook", [](const std::string& p) { return sheettest::WriteWhole(p, Ole2(8192, 0)); },
     SpreadsheetKind::kLegacyXls, SpreadsheetKind::kLegacyXls},
    {"password-protected workbook",
     [](const std::string& p) { return sheettest::WriteWhole(p, Ole2(8192, 1024 + 64)); },
     SpreadsheetKind::kEncryptedOoxml, SpreadsheetKind::kEncryptedOoxml},
    {"stream name past the first 64 KiB",
     [](const std::string& p) { return sheettest::WriteWhole(p, Ole2(80000, 70000)); }, SpreadsheetKind::kLegacyXls,
     SpreadsheetKind::kLegacyXls},
    {"CSV named .xlsx", [](const std::string& p) { return sheettest::WriteWhole(p, "a,b\n1,2\n"); },
     SpreadsheetKind::kNotSpreadsheet, SpreadsheetKind::kNotSpreadsheet},
    {"empty file", [](const std::string& p) { return sheettest::WriteWhole(p, ""); }, SpreadsheetKind::kNotSpreadsheet,
     SpreadsheetKind::kNotSpreadsheet},
    {"half an OLE2 magic", [](const std::string& p) { return sheettest::WriteWhole(p, "\xD0\xCF\x11\xE0"); },
     SpreadsheetKind::kNotSpreadsheet, SpreadsheetKind::kNotSpreadsheet},
};

TEST(SpreadsheetKind, ByContentWhateverTheName) {
  ScratchFolder scratch;
  for (const KindCase& c : kCases) {
    const std::string path = scratch.File("file.xlsx");
    ASSERT_TRUE(c.write(path)) << c.name;
    const std::string bytes = sheettest::ReadWhole(path);
    EXPECT_EQ(SpreadsheetKindOfBytes(bytes), c.fromBytes) << c.name;
    EXPECT_EQ(SpreadsheetKindOfFile(path), c.fromFile) << c.name;
  }
  EXPECT_EQ(SpreadsheetKindOfFile(scratch.File("missing.ods")), SpreadsheetKind::kNotSpreadsheet);
}

TEST(SpreadsheetKind, LocalHeadersCutAnywhereAreNoProblem) {
  ScratchFolder scratch;
  const std::string path = scratch.File("cut.ods");
  ASSERT_TRUE(sheettest::WriteZip(path, {{"mimetype", kOdsMimetype, true}, {"content.xml", "<x/>", false}}));
  const std::string bytes = sheettest::ReadWhole(path);
  const std::size_t whole = 30 + 8 + kOdsMimetype.size();  // the first header, its name and data
  for (std::size_t n = 0; n <= bytes.size(); ++n) {
    const SpreadsheetKind kind = SpreadsheetKindOfBytes(std::string_view(bytes).substr(0, n));
    const SpreadsheetKind expected = n < 4       ? SpreadsheetKind::kNotSpreadsheet
                                     : n < whole ? SpreadsheetKind::kZip
                                                 : SpreadsheetKind::kOds;
    EXPECT_EQ(kind, expected) << "the first " << n << " bytes";
  }
}

}  // namespace
