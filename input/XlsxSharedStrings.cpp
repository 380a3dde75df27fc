#include "input/XlsxSharedStrings.h"

#include "input/OoxmlText.h"
#include "input/RowCells.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

constexpr const char* kSharedStringsPart = "xl/sharedStrings.xml";

// Reads the string item whose start is the current token into `text`.
bool ReadItem(XmlPart& part, std::string& text) {
  text.clear();
  std::size_t depth = 1, inText = 0;  // inText: the depth of the <t> being read
  while (depth > 0) {
    if (!part.Next()) return false;
    if (part.IsStart()) {
      if (part.Is(u"rPh") || part.Is(u"phoneticPr")) {
        if (!part.SkipElement()) return false;
        continue;
      }
      ++depth;
      if (part.Is(u"t")) inText = depth;
    } else if (part.IsEnd()) {
      if (depth == inText) inText = 0;
      --depth;
    } else if (part.IsText() && inText > 0) {
      AppendOoxmlText(text, part.xml().text(), kMaxCellTextBytes);
    }
  }
  return true;
}

}  // namespace

SheetProblem ReadSharedStrings(ChunkSource& source, SharedStrings& strings) {
  strings.Clear();
  XmlPart part(source, kSharedStringsPart);
  std::string text;
  while (part.Next()) {
    if (part.IsStart() && part.Is(u"si")) {
      if (!ReadItem(part, text)) break;
      strings.Append(text);
    }
  }
  return part.Problem();
}

}  // namespace tallowmere::input
