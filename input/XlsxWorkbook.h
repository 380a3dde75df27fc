#pragma once
// The sheets an Office Open XML workbook lists (xl/workbook.xml) and the
// parts that hold them (xl/_rels/workbook.xml.rels).
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"

namespace tallowmere::input {

struct WorkbookSheet {
  std::string name;
  std::string relationship;  // r:id: the key of its part in the relationships
};

// The sheets in the workbook's order.
SheetProblem ReadWorkbookSheets(ChunkSource& part, std::vector<WorkbookSheet>& sheets);

// What a part's relationships name, as written: the parts of the workbook
// by id (its sheets) and by type (its shared strings, its styles).
struct Relationships {
  std::map<std::string, std::string> byId;
  std::map<std::string, std::string> byType;  // the type's last step ("styles"): the first target of it
};

// Targets outside the archive (TargetMode="External") are left out.
SheetProblem ReadRelationships(ChunkSource& part, std::string_view partName, Relationships& relationships);

// The archive's name for a relationship target of a part in the folder
// `folder` ("xl/"): relative targets are taken from there, "/xl/..." from the
// top, and "." and ".." steps are resolved.
std::string ResolvePartName(std::string_view folder, std::string_view target);

}  // namespace tallowmere::input
