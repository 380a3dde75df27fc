#include "input/XlsxStyles.h"

#include <cstdint>
#include <map>

#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

constexpr const char* kStylesPart = "xl/styles.xml";

// The number format of a cell style's xf; 0 (General) where it has none.
std::uint64_t FormatOf(XmlPart& part) {
  std::uint64_t id = 0;
  if (!StoredCount(part.Attribute(u"numFmtId"), UINT64_MAX, id)) id = 0;
  return id;
}

}  // namespace

bool IsBuiltInDateFormat(unsigned long long id) { return (id >= 14 && id <= 22) || (id >= 45 && id <= 47); }

bool IsDateFormatCode(std::string_view code) {
  bool quoted = false;
  int brackets = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (quoted) {
      quoted = c != '"';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      ++brackets;
    } else if (c == ']') {
      if (brackets > 0) --brackets;
    } else if (brackets == 0) {
      if (c == '\\' || c == '_' || c == '*') {
        ++i;
      } else {
        const char lower = static_cast<char>(c | 0x20);
        if (lower == 'd' || lower == 'm' || lower == 'y' || lower == 'h' || lower == 's') return true;
      }
    }
  }
  return false;
}

SheetProblem ReadDateStyles(ChunkSource& source, std::vector<bool>& dateStyles) {
  dateStyles.clear();
  XmlPart part(source, kStylesPart);
  std::map<std::uint64_t, bool> custom;  // numFmtId -> a date or time
  std::string code;
  std::size_t depth = 0, cellXfs = 0;  // cellXfs: the depth of <cellXfs>
  while (part.Next()) {
    if (part.IsEnd()) {
      if (depth-- == cellXfs) cellXfs = 0;
      continue;
    }
    if (!part.IsStart()) continue;
    ++depth;
    if (part.Is(u"numFmt")) {
      code.clear();
      AppendUtf8(code, part.Attribute(u"formatCode"));
      custom[FormatOf(part)] = IsDateFormatCode(code);
    } else if (part.Is(u"cellXfs")) {
      cellXfs = depth;
    } else if (cellXfs > 0 && depth == cellXfs + 1 && part.Is(u"xf")) {
      const std::uint64_t id = FormatOf(part);
      const auto it = custom.find(id);
      dateStyles.push_back(it != custom.end() ? it->second : IsBuiltInDateFormat(id));
    }
  }
  return part.Problem();
}

}  // namespace tallowmere::input
