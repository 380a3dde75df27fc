#include "input/OdsSheets.h"

#include "input/OdsContent.h"
#include "input/OdsNameScan.h"
#include "input/SheetArchive.h"

namespace tallowmere::input {

namespace {
constexpr const char* kContentPart = "content.xml";
}  // namespace

SheetProblem OdsSheets::OpenArchive(const std::string& path) {
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
  return ReadOdsChosenSheet(content, index, name, sink);
}

}  // namespace tallowmere::input
