#include "input/OdsContent.h"

#include <algorithm>
#include <cstdint>

#include "input/OdsTableRows.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

constexpr const char* kContentPart = "content.xml";

// Calls `table` for each table:table of the spreadsheet body, with its
// start as the current token, until it returns false; `table` reads or
// skips the table. False at a problem.
template <typename Table>
bool EachTable(XmlPart& part, Table&& table) {
  std::size_t depth = 0, body = 0;  // body: the depth of office:spreadsheet
  while (part.Next()) {
    if (part.IsEnd()) {
      if (depth-- == body) body = 0;
      continue;
    }
    if (!part.IsStart()) continue;
    if (body > 0 && depth == body && part.Is(kTableNs, u"table")) {
      if (!table()) return part.Problem().Ok();
      continue;
    }
    ++depth;
    if (body == 0 && part.Is(kOfficeNs, u"spreadsheet")) body = depth;
  }
  return part.Problem().Ok();
}

}  // namespace

SheetProblem ReadOdsSheetNames(ChunkSource& content, std::vector<std::string>& names) {
  names.clear();
  XmlPart part(content, kContentPart);
  EachTable(part, [&] {
    std::string name;
    AppendUtf8(name, part.Attribute(kTableNs, u"name"));
    names.push_back(std::move(name));
    return part.SkipElement();
  });
  return part.Problem();
}

SheetProblem ReadOdsSheetCells(ChunkSource& content, std::size_t index, CellSink& sink) {
  XmlPart part(content, kContentPart);
  std::size_t seen = 0;
  bool found = false;
  EachTable(part, [&] {
    if (seen++ < index) return part.SkipElement();
    found = true;
    OdsTableRows(part, sink).Read();
    return false;
  });
  if (!part.Problem().Ok()) return part.Problem();
  if (!found) return {SheetFailure::kNoSuchSheet, std::to_string(index + 1)};
  return {};
}

SheetProblem ReadOdsChosenSheet(ChunkSource& content, std::size_t index, std::string_view name, CellSink& sink) {
  XmlPart part(content, kContentPart);
  std::size_t seen = 0;
  bool found = false;
  std::string tableName;
  EachTable(part, [&] {
    const std::size_t at = seen++;
    if (found) return part.SkipElement();
    if (!name.empty()) {
      tableName.clear();
      AppendUtf8(tableName, part.Attribute(kTableNs, u"name"));
      if (tableName != name) return part.SkipElement();
    } else if (at != index) {
      return part.SkipElement();
    }
    found = true;
    // The part is read on to its end even when the sink stops early: damage
    // anywhere in it is the file's problem, as when the names are read first.
    return OdsTableRows(part, sink, true).Read();
  });
  if (!part.Problem().Ok()) return part.Problem();
  if (!found) return {SheetFailure::kNoSuchSheet, name.empty() ? std::to_string(index + 1) : std::string(name)};
  return {};
}

}  // namespace tallowmere::input
