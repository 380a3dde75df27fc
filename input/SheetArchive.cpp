#include "input/SheetArchive.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "input/SpreadsheetKind.h"

namespace tallowmere::input {

SheetProblem SheetProblemOf(const ZipProblem& problem) {
  switch (problem.failure) {
    case ZipFailure::kNone:
      return {};
    case ZipFailure::kCannotOpen:
      return {SheetFailure::kCannotOpen, problem.detail};
    case ZipFailure::kNotZip:
      return {SheetFailure::kNotSpreadsheet, problem.detail};
    case ZipFailure::kDamaged:
      return {SheetFailure::kDamaged, problem.detail};
    case ZipFailure::kNoEntry:
      return {SheetFailure::kMissingPart, problem.detail};
    case ZipFailure::kEncrypted:
      return {SheetFailure::kEncrypted, problem.detail};
  }
  return {SheetFailure::kDamaged, problem.detail};
}

SheetProblem OpenSheetArchive(const std::string& path, ZipArchive& archive) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {SheetFailure::kCannotOpen, std::strerror(errno)};
  std::string first(kSpreadsheetKindBytes, '\0');
  in.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(in.gcount()));
  const SpreadsheetKind kind = SpreadsheetKindOfBytes(first);
  switch (kind) {
    case SpreadsheetKind::kLegacyXls:
      return {SheetFailure::kLegacyXls, path};
    case SpreadsheetKind::kEncryptedOoxml:
      return {SheetFailure::kEncrypted, path};
    case SpreadsheetKind::kNotSpreadsheet:
      return {SheetFailure::kNotSpreadsheet, path};
    default:
      break;
  }
  SheetProblem problem = SheetProblemOf(archive.Open(path));
  // It begins as a zip does: one libzip takes for none is cut short.
  if (problem.failure == SheetFailure::kNotSpreadsheet) problem = {SheetFailure::kDamaged, path};
  return problem;
}

SheetProblem OpenSheetPart(const ZipArchive& archive, std::string_view name, ZipEntry& entry) {
  return SheetProblemOf(archive.OpenEntry(name, entry));
}

}  // namespace tallowmere::input
