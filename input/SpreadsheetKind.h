#pragma once
// What kind of spreadsheet a file is, told by its content whatever its name.
// Plain C++, no Qt.
#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::input {

enum class SpreadsheetKind : unsigned char {
  kNotSpreadsheet,
  kOds,             // an OpenDocument spreadsheet: a zip whose "mimetype" says so
  kXlsx,            // an Office Open XML workbook: a zip with xl/workbook.xml
  kLegacyXls,       // an OLE2 compound file: an Excel 97-2003 workbook (.xls)
  kEncryptedOoxml,  // an OLE2 compound file holding a password-protected workbook
  kZip,             // (from the first bytes only) a zip whose entries must tell
};

// How many of a file's first bytes SpreadsheetKindOfBytes looks at.
inline constexpr std::size_t kSpreadsheetKindBytes = 64 * 1024;

// What the first bytes of a file tell: an OLE2 compound file is decided by
// them; a zip is kOds where its first entry is the uncompressed "mimetype"
// that OpenDocument puts first, kXlsx where a local header of
// xl/workbook.xml is among them, otherwise kZip.
SpreadsheetKind SpreadsheetKindOfBytes(std::string_view first);

// The kind of the file at `path`, looking into a zip's entries where its
// first bytes do not tell. A file that cannot be read, or a damaged zip,
// is kNotSpreadsheet here; the readers say what is wrong with it.
SpreadsheetKind SpreadsheetKindOfFile(const std::string& path);

}  // namespace tallowmere::input
