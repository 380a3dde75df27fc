#include "input/XlsxSheetRows.h"

#include <cmath>

#include "input/OoxmlText.h"
#include "input/XlsxSheetXml.h"

namespace tallowmere::input {

void XlsxSheetRows::RawCell::Reset(std::size_t at) {
  column = at;
  type.clear();
  style = 0;
  value.clear();
  inlineText.clear();
  hasValue = hasInline = false;
}

bool XlsxSheetRows::Read() {
  while (!stopped_) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) return true;
    if (!part_.IsStart()) continue;
    if (!(part_.Is(u"row") ? Row() : part_.SkipElement())) return false;
  }
  return true;
}

bool XlsxSheetRows::ReadFromRow() { return Row() && Read(); }

bool XlsxSheetRows::Row() {
  std::uint64_t line = 0;
  line_ = StoredCount(part_.Attribute(u"r"), UINT64_MAX, line) && line > 0 ? line : line_ + 1;
  row_.Clear();
  std::size_t nextColumn = 0;
  for (;;) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) break;
    if (!part_.IsStart()) continue;
    if (!(part_.Is(u"c") ? Cell(nextColumn) : part_.SkipElement())) return false;
  }
  if (row_.Empty() || line_ > kMaxSheetRows) return true;
  if (sink_.Stopped()) {
    stopped_ = true;
    return true;
  }
  row_.Tell(sink_, line_);
  ++told_;
  return true;
}

bool XlsxSheetRows::Cell(std::size_t& nextColumn) {
  cell_.Reset(nextColumn);
  reference_.clear();
  AppendUtf8(reference_, part_.Attribute(u"r"));
  std::uint64_t referenceRow = 0;
  if (!reference_.empty() && !ParseCellReference(reference_, cell_.column, referenceRow)) cell_.column = nextColumn;
  AppendUtf8(cell_.type, part_.Attribute(u"t"));
  if (!StoredCount(part_.Attribute(u"s"), UINT64_MAX, cell_.style)) cell_.style = 0;
  if (!CellContent()) return false;
  // A cell before or at one already read is no cell of a well-made file:
  // the cells of a row are told in increasing column order.
  if (cell_.column < nextColumn || cell_.column >= kMaxSheetColumns) return true;
  nextColumn = cell_.column + 1;
  Decide();
  return true;
}

// Reads the cell's children to its end: <v> and <is> are kept, the formula
// and anything else left.
bool XlsxSheetRows::CellContent() {
  for (;;) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) return true;
    if (!part_.IsStart()) continue;
    if (part_.Is(u"v")) {
      cell_.hasValue = true;
      if (!CollectText(cell_.value)) return false;
    } else if (part_.Is(u"is")) {
      cell_.hasInline = true;
      if (!CollectText(cell_.inlineText)) return false;
    } else if (!part_.SkipElement()) {
      return false;
    }
  }
}

// The text of the element whose start is the current token: for <v> its
// characters; for <is> those of its <t> elements, runs joined, phonetic
// guides left out.
bool XlsxSheetRows::CollectText(std::string& out) {
  const bool direct = part_.Is(u"v");
  std::size_t depth = 1, inText = direct ? 1 : 0;
  while (depth > 0) {
    if (!part_.Next()) return false;
    if (part_.IsStart()) {
      if (part_.Is(u"rPh") || part_.Is(u"phoneticPr")) {
        if (!part_.SkipElement()) return false;
        continue;
      }
      ++depth;
      if (!direct && part_.Is(u"t")) inText = depth;
    } else if (part_.IsEnd()) {
      if (depth == inText && !direct) inText = 0;
      --depth;
    } else if (part_.IsText() && inText > 0) {
      AppendOoxmlText(out, part_.xml().text(), kMaxCellTextBytes);
    }
  }
  return true;
}

void XlsxSheetRows::Decide() {
  const std::string& t = cell_.type;
  const std::size_t column = cell_.column;
  if (t == "s") {
    double index = -1;
    // An index is a whole number; as the stored number it is, read exactly.
    if (!StoredNumber(std::string_view(cell_.value), index) || index < 0 || index >= double(strings_.Size()) ||
        index != std::floor(index))
      return;
    const std::string_view text = strings_.At(static_cast<std::size_t>(index));
    if (!text.empty()) row_.Add(column, CellKind::kText, text);
  } else if (t == "inlineStr") {
    const std::string& text = cell_.hasInline ? cell_.inlineText : cell_.value;
    if (!text.empty()) row_.Add(column, CellKind::kText, text);
  } else if (t == "b" || t == "e" || t == "d") {
    if (!cell_.hasValue) return;
    const std::string_view shown = t != "b" ? std::string_view(cell_.value) : cell_.value == "1" ? "TRUE" : "FALSE";
    row_.Add(column, CellKind::kOther, shown);
  } else if (t.empty() || t == "n") {
    if (!cell_.hasValue) return;
    double number = 0;
    if (!StoredNumber(std::string_view(cell_.value), number)) {
      if (!cell_.value.empty()) row_.Add(column, CellKind::kText, cell_.value);
    } else if (cell_.style < dateStyles_.size() && dateStyles_[static_cast<std::size_t>(cell_.style)]) {
      row_.Add(column, CellKind::kOther, cell_.value);
    } else {
      row_.Add(column, CellKind::kNumber, cell_.value, number);
    }
  } else if (!cell_.value.empty()) {  // "str", a formula's text, and any type unknown
    row_.Add(column, CellKind::kText, cell_.value);
  }
}

}  // namespace tallowmere::input
