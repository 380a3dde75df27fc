#include "input/XlsxWorkbook.h"

#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

constexpr QStringView kRelationships = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// Strict Office Open XML names its relationships' namespace apart.
constexpr QStringView kStrictRelationships = u"http://purl.oclc.org/ooxml/officeDocument/relationships";

std::string Utf8(QStringView text) {
  std::string out;
  AppendUtf8(out, text);
  return out;
}

}  // namespace

SheetProblem ReadWorkbookSheets(ChunkSource& source, std::vector<WorkbookSheet>& sheets) {
  sheets.clear();
  XmlPart part(source, "xl/workbook.xml");
  while (part.Next()) {
    if (!part.IsStart() || !part.Is(u"sheet")) continue;
    QStringView id = part.Attribute(kRelationships, u"id");
    if (id.isEmpty()) id = part.Attribute(kStrictRelationships, u"id");
    sheets.push_back({Utf8(part.Attribute(u"name")), Utf8(id)});
  }
  return part.Problem();
}

SheetProblem ReadRelationships(ChunkSource& source, std::string_view partName, Relationships& relationships) {
  relationships = Relationships();
  XmlPart part(source, std::string(partName));
  while (part.Next()) {
    if (!part.IsStart() || !part.Is(u"Relationship")) continue;
    // An external target (a linked file) is no part of this archive.
    if (part.Attribute(u"TargetMode") == u"External") continue;
    const std::string target = Utf8(part.Attribute(u"Target"));
    relationships.byId.emplace(Utf8(part.Attribute(u"Id")), target);
    const QStringView type = part.Attribute(u"Type");
    relationships.byType.emplace(Utf8(type.mid(type.lastIndexOf(u'/') + 1)), target);
  }
  return part.Problem();
}

std::string ResolvePartName(std::string_view folder, std::string_view target) {
  std::string path;
  if (target.starts_with('/')) {
    target.remove_prefix(1);
  } else {
    path = folder;
  }
  while (!target.empty()) {
    const std::size_t slash = target.find('/');
    const std::string_view step = target.substr(0, slash);
    target = slash == std::string_view::npos ? std::string_view() : target.substr(slash + 1);
    if (step.empty() || step == ".") continue;
    if (step == "..") {
      if (!path.empty()) path.pop_back();  // the slash after the last folder
      const std::size_t up = path.rfind('/');
      path.resize(up == std::string::npos ? 0 : up + 1);
      continue;
    }
    path.append(step);
    if (!target.empty() || slash != std::string_view::npos) path += '/';
  }
  return path;
}

}  // namespace tallowmere::input
