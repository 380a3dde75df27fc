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

bool IsDateFormatCode(QStringView code) {
  bool quoted = false;
  int brackets = 0;
  for (qsizetype i = 0; i < code.size(); ++i) {
    const char16_t c = code[i].unicode();
    if (quoted) {
      quoted = c != u'"';
    } else if (c == u'"') {
      quoted = true;
    } else if (c == u'[') {
      ++brackets;
    } else if (c == u']') {
      if (brackets > 0) --brackets;
    } else if (brackets == 0) {
      if (c == u'\\' || c == u'_' || c == u'*') {
        ++i;
      } else {
        const char16_t lower = c | 0x20;
        if (lower == u'd' || lower == u'm' || lower == u'y' || lower == u'h' || lower == u's') return true;
      }
    }
  }
  return false;
}

SheetProblem ReadDateStyles(ChunkSource& source, std::vector<bool>& dateStyles) {
  dateStyles.clear();
  XmlPart part(source, kStylesPart);
  std::map<std::uint64_t, bool> custom;  // numFmtId -> a date or time
  std::size_t depth = 0, cellXfs = 0;    // cellXfs: the depth of <cellXfs>
  while (part.Next()) {
    if (part.IsEnd()) {
      if (depth-- == cellXfs) cellXfs = 0;
      continue;
    }
    if (!part.IsStart()) continue;
    ++depth;
    if (part.Is(u"numFmt")) {
      custom[FormatOf(part)] = IsDateFormatCode(part.Attribute(u"formatCode"));
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
