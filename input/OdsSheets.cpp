#include "input/OdsSheets.h"

#include <cstdint>
#include <memory>

#include "input/OdsContent.h"
#include "input/OdsContentSplit.h"
#include "input/OdsNameScan.h"
#include "input/SheetArchive.h"

namespace tallowmere::input {

namespace {

constexpr const char* kContentPart = "content.xml";

// content.xml read through an archive of its own, as a second thread reads it.
struct OwnArchiveEntry final : ChunkSource {
  ZipArchive archive;
  ZipEntry entry;
  std::size_t Read(char* buffer, std::size_t capacity) override { return entry.Read(buffer, capacity); }
  const std::string& Failure() const override { return entry.Failure(); }
};

}  // namespace

SheetProblem OdsSheets::OpenArchive(const std::string& path) {
  path_ = path;
  names_.clear();
  return OpenSheetArchive(path, archive_);
}

SheetProblem OdsSheets::Open(const std::string& path) {
  SheetProblem problem = OpenArchive(path);
  if (!problem.Ok()) return problem;
  {
    ZipEntry content;
    problem = OpenSheetPart(archive_, kContentPart, content);
    if (!problem.Ok()) return problem;
    if (std::optional<SheetProblem> scanned = ScanOdsSheetNames(content, names_)) return *scanned;
  }
  // A part the scan cannot tell is parsed, from its start.
  ZipEntry content;
  problem = OpenSheetPart(archive_, kContentPart, content);
  if (!problem.Ok()) return problem;
  return ReadOdsSheetNames(content, names_);
}

SheetProblem OdsSheets::ReadSheet(std::size_t index, CellSink& sink) const {
  if (index >= names_.size()) return {SheetFailure::kNoSuchSheet, std::to_string(index + 1)};
  ZipEntry content;
  SheetProblem problem = OpenSheetPart(archive_, kContentPart, content);
  if (!problem.Ok()) return problem;
  return ReadOdsSheetCells(content, index, sink);
}

SheetProblem OdsSheets::ReadChosen(std::size_t index, const std::string& name, CellSink& sink) const {
  ZipEntry content;
  SheetProblem problem = OpenSheetPart(archive_, kContentPart, content);
  if (!problem.Ok()) return problem;
  std::uint64_t bytes = 0;
  if (!archive_.InflatedSize(kContentPart, bytes) || bytes < kSplitSheetBytes)
    return ReadOdsChosenSheet(content, index, name, sink);
  const PartOpener openAgain = [this](std::unique_ptr<ChunkSource>& source) {
    auto own = std::make_unique<OwnArchiveEntry>();
    SheetProblem opened = SheetProblemOf(own->archive.Open(path_));
    if (opened.Ok()) opened = OpenSheetPart(own->archive, kContentPart, own->entry);
    if (opened.Ok()) source = std::move(own);
    return opened;
  };
  return ReadOdsChosenSheetSplit(content, openAgain, SplitTarget(bytes), index, name, sink);
}

}  // namespace tallowmere::input
