#include "input/OdsTableRows.h"

#include <algorithm>

namespace tallowmere::input {

namespace {

// A repeat count: 1 where there is none or it is no count; at most `max`.
std::uint64_t Repeats(XmlPart& part, QStringView name, std::uint64_t max) {
  std::uint64_t n = 1;
  if (!StoredCount(part.Attribute(kTableNs, name), UINT64_MAX, n)) n = 1;
  return std::clamp<std::uint64_t>(n, 1, max);
}

// A cell's shown text: its paragraphs joined with line ends. As OpenDocument
// has it, white space in a paragraph's text (spaces, tabs, line ends) counts
// as one space between words and none at either end; text:s, text:tab and
// text:line-break spell out the rest.
class CellText {
 public:
  explicit CellText(XmlPart& part) : part_(part) {}
  // Reads to the end of the cell whose start is the current token.
  bool Read(std::string& text);

 private:
  bool Start(std::string& text);
  void Append(std::string& text, std::string_view piece) {
    if (space_) {
      space_ = false;
      Append(text, " ");
    }
    text.append(piece.substr(0, kMaxCellTextBytes - std::min(kMaxCellTextBytes, text.size())));
    begun_ = true;
  }
  void AppendWords(std::string& text, std::string_view words);

  XmlPart& part_;
  std::size_t depth_ = 0;
  std::size_t paragraph_ = 0;  // the depth of the paragraph being read; 0 outside one
  std::size_t paragraphs_ = 0;
  bool begun_ = false;  // the paragraph has something: a space in its text counts
  bool space_ = false;  // white space read since, to be one space if more follows
  std::string piece_;
};

void CellText::AppendWords(std::string& text, std::string_view words) {
  for (std::size_t at = 0; at < words.size();) {
    const std::size_t end = words.find_first_of(" \t\r\n", at);
    if (end != at) Append(text, words.substr(at, end - at));
    if (end == std::string_view::npos) break;
    space_ = begun_;
    at = words.find_first_not_of(" \t\r\n", end);
    if (at == std::string_view::npos) break;
  }
}

bool CellText::Read(std::string& text) {
  text.clear();
  depth_ = 1;
  while (depth_ > 0) {
    if (!part_.Next()) return false;
    if (part_.IsStart()) {
      if (!Start(text)) return false;
    } else if (part_.IsEnd()) {
      if (depth_ == paragraph_) paragraph_ = 0;
      --depth_;
    } else if (part_.IsText() && paragraph_ > 0 && text.size() < kMaxCellTextBytes) {
      piece_.clear();
      AppendUtf8(piece_, part_.xml().text());
      AppendWords(text, piece_);
    }
  }
  return true;
}

// An element starts inside the cell: a paragraph, what a paragraph holds,
// or something to leave out whole (a comment, a drawing).
bool CellText::Start(std::string& text) {
  const bool inParagraph = paragraph_ > 0;
  if (part_.Is(kOfficeNs, u"annotation") || part_.Is(kTextNs, u"note")) return part_.SkipElement();
  if (!inParagraph && (part_.Is(kTextNs, u"p") || part_.Is(kTextNs, u"h"))) {
    if (paragraphs_++ > 0) text.append(text.size() < kMaxCellTextBytes ? "\n" : "");
    begun_ = space_ = false;
    paragraph_ = ++depth_;
    return true;
  }
  if (inParagraph && part_.Is(kTextNs, u"s")) {
    std::uint64_t spaces = 1;
    if (!StoredCount(part_.Attribute(kTextNs, u"c"), UINT64_MAX, spaces) || spaces == 0) spaces = 1;
    const std::size_t room = kMaxCellTextBytes - std::min(kMaxCellTextBytes, text.size());
    Append(text, std::string(static_cast<std::size_t>(std::min<std::uint64_t>(spaces, room)), ' '));
  } else if (inParagraph && part_.Is(kTextNs, u"tab")) {
    Append(text, "\t");
  } else if (inParagraph && part_.Is(kTextNs, u"line-break")) {
    Append(text, "\n");
  } else if (!inParagraph && !part_.Is(kTextNs, u"list") && !part_.Is(kTextNs, u"list-item") &&
             !part_.Is(kTextNs, u"section")) {
    return part_.SkipElement();
  }
  ++depth_;
  return true;
}

// What the office:value-type attribute makes of a cell.
enum class ValueType : unsigned char { kNumber, kOther, kString };

ValueType TypeOf(QStringView type) {
  if (type == u"float" || type == u"percentage" || type == u"currency") return ValueType::kNumber;
  if (type == u"date" || type == u"time" || type == u"boolean") return ValueType::kOther;
  return ValueType::kString;
}

}  // namespace

bool OdsTableRows::Read() {
  for (std::size_t depth = 1; depth > 0 && (toEnd_ || !stopped_);) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) {
      --depth;
    } else if (part_.IsStart()) {
      if (part_.Is(kTableNs, u"table-row")) {
        if (!(stopped_ ? part_.SkipElement() : Row())) return false;
      } else if (part_.Is(kTableNs, u"table-row-group") || part_.Is(kTableNs, u"table-header-rows") ||
                 part_.Is(kTableNs, u"table-rows")) {
        ++depth;
      } else if (!part_.SkipElement()) {
        return false;
      }
    }
  }
  return true;
}

bool OdsTableRows::ReadFromRow() { return (stopped_ ? part_.SkipElement() : Row()) && Read(); }

bool OdsTableRows::Row() {
  const std::uint64_t repeats = Repeats(part_, u"number-rows-repeated", kMaxSheetRows);
  row_.Clear();
  std::size_t column = 0;
  for (;;) {
    if (!part_.Next()) return false;
    if (part_.IsEnd()) break;
    if (!part_.IsStart()) continue;
    if (part_.Is(kTableNs, u"table-cell") || part_.Is(kTableNs, u"covered-table-cell")) {
      if (!Cell(column)) return false;
    } else if (!part_.SkipElement()) {
      return false;
    }
  }
  return TellRow(repeats);
}

bool OdsTableRows::TellRow(std::uint64_t repeats) {
  if (row_.Empty()) {
    line_ += repeats;
    return true;
  }
  for (std::uint64_t r = 0; r < repeats; ++r, ++line_) {
    if (line_ > kMaxSheetRows || sink_.Stopped()) {
      stopped_ = true;
      return true;
    }
    row_.Tell(sink_, line_);
    ++told_;
  }
  return true;
}

bool OdsTableRows::Cell(std::size_t& column) {
  const std::uint64_t repeats = Repeats(part_, u"number-columns-repeated", kMaxSheetColumns);
  const ValueType type = TypeOf(part_.Attribute(kOfficeNs, u"value-type"));
  double number = 0;
  const bool numeric = type == ValueType::kNumber && StoredNumber(part_.Attribute(kOfficeNs, u"value"), number);
  std::string stringValue;
  AppendUtf8(stringValue, part_.Attribute(kOfficeNs, u"string-value"));
  if (!CellText(part_).Read(text_)) return false;
  if (type == ValueType::kString && !stringValue.empty()) text_ = stringValue;
  const CellKind kind = numeric ? CellKind::kNumber : type == ValueType::kOther ? CellKind::kOther : CellKind::kText;
  const bool told = kind != CellKind::kText || !text_.empty();
  for (std::uint64_t r = 0; told && r < repeats && column + r < kMaxSheetColumns; ++r)
    row_.Add(column + static_cast<std::size_t>(r), kind, text_, number);
  column = static_cast<std::size_t>(std::min<std::uint64_t>(column + repeats, kMaxSheetColumns));
  return true;
}

}  // namespace tallowmere::input
