#include "input/XlsxSheets.h"

#include <cstdint>
#include <map>
#include <memory>

#include "input/SheetArchive.h"
#include "input/XlsxSheetSplit.h"
#include "input/XlsxSheetXml.h"
#include "input/XlsxStyles.h"
#include "input/XlsxWorkbook.h"

namespace tallowmere::input {

namespace {

constexpr const char* kWorkbookPart = "xl/workbook.xml";
constexpr const char* kWorkbookRelsPart = "xl/_rels/workbook.xml.rels";
constexpr const char* kSharedStringsPart = "xl/sharedStrings.xml";
constexpr const char* kStylesPart = "xl/styles.xml";

// A part read through an archive of its own, as a second thread reads one.
struct OwnArchiveEntry final : ChunkSource {
  ZipArchive archive;
  ZipEntry entry;
  std::size_t Read(char* buffer, std::size_t capacity) override { return entry.Read(buffer, capacity); }
  const std::string& Failure() const override { return entry.Failure(); }
};

}  // namespace

SheetProblem XlsxSheets::Open(const std::string& path) {
  path_ = path;
  names_.clear();
  parts_.clear();
  strings_.Clear();
  dateStyles_.clear();
  SheetProblem problem = OpenSheetArchive(path, archive_);
  if (problem.Ok()) problem = ReadSheetParts();
  if (problem.Ok()) problem = ReadOptionalParts();
  if (!problem.Ok()) names_.clear();
  return problem;
}

SheetProblem XlsxSheets::ReadSheetParts() {
  ZipEntry entry;
  SheetProblem problem = OpenSheetPart(archive_, kWorkbookPart, entry);
  std::vector<WorkbookSheet> sheets;
  if (problem.Ok()) problem = ReadWorkbookSheets(entry, sheets);
  if (!problem.Ok()) return problem;
  Relationships relationships;
  problem = OpenSheetPart(archive_, kWorkbookRelsPart, entry);
  if (problem.Ok()) problem = ReadRelationships(entry, kWorkbookRelsPart, relationships);
  if (!problem.Ok()) return problem;
  for (const WorkbookSheet& sheet : sheets) {
    names_.push_back(sheet.name);
    const auto target = relationships.byId.find(sheet.relationship);
    parts_.push_back(target == relationships.byId.end() ? std::string() : ResolvePartName("xl/", target->second));
  }
  // Where the relationships name no shared strings or styles, the names
  // every writer gives them are looked for.
  const auto strings = relationships.byType.find("sharedStrings");
  stringsPart_ = strings == relationships.byType.end() ? kSharedStringsPart : ResolvePartName("xl/", strings->second);
  const auto styles = relationships.byType.find("styles");
  stylesPart_ = styles == relationships.byType.end() ? kStylesPart : ResolvePartName("xl/", styles->second);
  return {};
}

SheetProblem XlsxSheets::ReadOptionalParts() {
  ZipEntry entry;
  SheetProblem problem;
  if (archive_.Has(stringsPart_)) {
    problem = OpenSheetPart(archive_, stringsPart_, entry);
    if (problem.Ok()) problem = ReadSharedStrings(entry, strings_);
    if (!problem.Ok()) return problem;
  }
  if (archive_.Has(stylesPart_)) {
    problem = OpenSheetPart(archive_, stylesPart_, entry);
    if (problem.Ok()) problem = ReadDateStyles(entry, dateStyles_);
  }
  return problem;
}

SheetProblem XlsxSheets::ReadSheet(std::size_t index, CellSink& sink) const {
  if (index >= names_.size()) return {SheetFailure::kNoSuchSheet, std::to_string(index + 1)};
  if (parts_[index].empty()) return {SheetFailure::kMissingPart, names_[index]};
  ZipEntry entry;
  SheetProblem problem = OpenSheetPart(archive_, parts_[index], entry);
  if (!problem.Ok()) return problem;
  std::uint64_t bytes = 0;
  if (!archive_.InflatedSize(parts_[index], bytes) || bytes < kSplitSheetBytes)
    return ReadXlsxSheetCells(entry, parts_[index], strings_, dateStyles_, sink);
  const std::string& part = parts_[index];
  const PartOpener openAgain = [this, &part](std::unique_ptr<ChunkSource>& source) {
    auto own = std::make_unique<OwnArchiveEntry>();
    SheetProblem opened = SheetProblemOf(own->archive.Open(path_));
    if (opened.Ok()) opened = OpenSheetPart(own->archive, part, own->entry);
    if (opened.Ok()) source = std::move(own);
    return opened;
  };
  return ReadXlsxSheetCellsSplit(entry, openAgain, SplitTarget(bytes), part, strings_, dateStyles_, sink);
}

}  // namespace tallowmere::input
