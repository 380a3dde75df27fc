#include "input/XlsxSheetXml.h"

#include <cmath>
#include <string>

#include "input/OoxmlText.h"
#include "input/RowCells.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

// A cell's attributes and the texts of its value and inline string.
struct RawCell {
  std::size_t column = 0;
  std::string type;  // t
  std::uint64_t style = 0;
  std::string value;       // <v>
  std::string inlineText;  // <is>
  bool hasValue = false;
  bool hasInline = false;

  // Empty again, keeping the texts' buffers for the next cell.
  void Reset(std::size_t at) {
    column = at;
    type.clear();
    style = 0;
    value.clear();
    inlineText.clear();
    hasValue = hasInline = false;
  }
};

class SheetCells {
 public:
  SheetCells(XmlPart& part, const SharedStrings& strings, const std::vector<bool>& dateStyles, CellSink& sink)
      : part_(part), strings_(strings), dateStyles_(dateStyles), sink_(sink) {}
  // Reads the sheetData whose start is the current token.
  bool Read();

 private:
  bool Row();
  bool Cell(std::size_t& nextColumn);
  bool CellContent();
  bool CollectText(std::string& out);
  void Decide();

  XmlPart& part_;
  const SharedStrings& strings_;
  const std::vector<bool>& dateStyles_;
  CellSink& sink_;
  RowCells row_;
  RawCell cell_;
  std::string reference_;
  std::uint64_t line_ = 0;  // the last row read
  bool stopped_ = false;
};

bool SheetCells::Read() {
  while (!stopped_) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) return true;
    if (!part_.IsStart()) continue;
    if (!(part_.Is(u"row") ? Row() : part_.SkipElement())) return false;
  }
  return true;
}

bool SheetCells::Row() {
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
  return true;
}

bool SheetCells::Cell(std::size_t& nextColumn) {
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
bool SheetCells::CellContent() {
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
bool SheetCells::CollectText(std::string& out) {
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

void SheetCells::Decide() {
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

}  // namespace

bool ParseCellReference(std::string_view reference, std::size_t& column, std::uint64_t& row) {
  std::size_t at = 0;
  std::uint64_t letters = 0;
  if (at < reference.size() && reference[at] == '$') ++at;
  const std::size_t lettersStart = at;
  for (; at < reference.size() && ((reference[at] | 0x20) >= 'a' && (reference[at] | 0x20) <= 'z'); ++at) {
    letters = letters * 26 + static_cast<std::uint64_t>((reference[at] | 0x20) - 'a' + 1);
    if (letters > kMaxSheetColumns * 26) return false;
  }
  if (at == lettersStart) return false;
  if (at < reference.size() && reference[at] == '$') ++at;
  std::uint64_t number = 0;
  const std::size_t digitsStart = at;
  for (; at < reference.size() && reference[at] >= '0' && reference[at] <= '9'; ++at) {
    number = number * 10 + static_cast<std::uint64_t>(reference[at] - '0');
    if (number > kMaxSheetRows * 10) return false;
  }
  if (at != reference.size() || (at > digitsStart && number == 0)) return false;
  column = static_cast<std::size_t>(letters - 1);
  row = number;
  return true;
}

SheetProblem ReadXlsxSheetCells(ChunkSource& source, std::string_view partName, const SharedStrings& strings,
                                const std::vector<bool>& dateStyles, CellSink& sink) {
  XmlPart part(source, std::string(partName));
  while (part.Next()) {
    if (part.IsStart() && part.Is(u"sheetData")) {
      SheetCells(part, strings, dateStyles, sink).Read();
      break;
    }
  }
  return part.Problem();
}

}  // namespace tallowmere::input
