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

// Relationship id -> the target it names, as written.
SheetProblem ReadRelationships(ChunkSource& part, std::string_view partName,
                               std::map<std::string, std::string>& targets);

// The archive's name for a relationship target of a part in the folder
// `folder` ("xl/"): relative targets are taken from there, "/xl/..." from the
// top, and "." and ".." steps are resolved.
std::string ResolvePartName(std::string_view folder, std::string_view target);

}  // namespace tallowmere::input
