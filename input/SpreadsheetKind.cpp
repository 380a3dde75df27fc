#include "input/SpreadsheetKind.h"

#include <fstream>

#include "input/ZipArchive.h"

namespace tallowmere::input {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kOle2Magic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv;
constexpr std::string_view kZipMagic = "PK\x03\x04"sv;
constexpr std::string_view kOdsMimetype = "application/vnd.oasis.opendocument.spreadsheet";
constexpr std::string_view kWorkbookPart = "xl/workbook.xml";

// "EncryptedPackage" as a compound file's directory names its streams:
// UTF-16, little-endian.
constexpr std::string_view kEncryptedPackageName = "E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0"sv;

unsigned Little16(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::size_t Little32(std::string_view bytes, std::size_t at) {
  return Little16(bytes, at) | static_cast<std::size_t>(Little16(bytes, at + 2)) << 16;
}

// Walks the local headers the bytes hold. A header whose sizes follow its
// data (a data descriptor) ends the walk: where the next begins is unknown.
SpreadsheetKind ZipKindOfBytes(std::string_view bytes) {
  constexpr std::size_t kHeader = 30;
  for (std::size_t at = 0, entry = 0; at + kHeader <= bytes.size() && bytes.substr(at, 4) == kZipMagic; ++entry) {
    const unsigned flags = Little16(bytes, at + 6);
    const unsigned method = Little16(bytes, at + 8);
    const std::size_t compressed = Little32(bytes, at + 18);
    const std::size_t nameLength = Little16(bytes, at + 26);
    const std::size_t extraLength = Little16(bytes, at + 28);
    const std::string_view name = bytes.substr(at + kHeader, nameLength);
    const std::size_t data = at + kHeader + nameLength + extraLength;
    if (entry == 0 && name == "mimetype" && method == 0 && data <= bytes.size()) {
      const std::string_view content = bytes.substr(data, compressed);
      if (content == kOdsMimetype) return SpreadsheetKind::kOds;
    }
    if (name == kWorkbookPart) return SpreadsheetKind::kXlsx;
    if (flags & 0x8) break;
    at = data + compressed;
  }
  return SpreadsheetKind::kZip;
}

SpreadsheetKind ZipKindOfEntries(const std::string& path) {
  ZipArchive archive;
  if (!archive.Open(path).Ok()) return SpreadsheetKind::kNotSpreadsheet;
  std::string mimetype;
  if (archive.ReadStart("mimetype", kOdsMimetype.size() + 1, mimetype).Ok() && mimetype == kOdsMimetype)
    return SpreadsheetKind::kOds;
  if (archive.Has(kWorkbookPart)) return SpreadsheetKind::kXlsx;
  return SpreadsheetKind::kNotSpreadsheet;
}

}  // namespace

SpreadsheetKind SpreadsheetKindOfBytes(std::string_view first) {
  first = first.substr(0, kSpreadsheetKindBytes);
  if (first.starts_with(kOle2Magic)) {
    return first.find(kEncryptedPackageName) != std::string_view::npos ? SpreadsheetKind::kEncryptedOoxml
                                                                       : SpreadsheetKind::kLegacyXls;
  }
  if (first.starts_with(kZipMagic)) return ZipKindOfBytes(first);
  return SpreadsheetKind::kNotSpreadsheet;
}

SpreadsheetKind SpreadsheetKindOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SpreadsheetKind::kNotSpreadsheet;
  std::string first(kSpreadsheetKindBytes, '\0');
  in.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(in.gcount()));
  const SpreadsheetKind kind = SpreadsheetKindOfBytes(first);
  if (kind != SpreadsheetKind::kZip) return kind;
  return ZipKindOfEntries(path);
}

}  // namespace tallowmere::input
