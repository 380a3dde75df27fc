#include "input/HeldRows.h"

#include <string_view>

#include "input/RowCells.h"

namespace tallowmere::input {

namespace {

constexpr unsigned kKindShift = 30;
static_assert(kMaxSheetColumns < (std::size_t{1} << kKindShift), "a column and its kind share 32 bits");
static_assert(kMaxCellTextBytes <= UINT32_MAX, "a cell's text length fits 32 bits");

}  // namespace

void HeldRows::Cell(const TableCell& cell) {
  cells_.push_back({cell.number,
                    static_cast<std::uint32_t>(cell.column) | (static_cast<std::uint32_t>(cell.kind) << kKindShift),
                    static_cast<std::uint32_t>(cell.text.size())});
  texts_.append(cell.text);
}

void HeldRows::TellRow(CellSink& sink, std::size_t row, std::uint64_t line, std::size_t& textAt) const {
  const std::size_t end = row + 1 < rows_.size() ? rows_[row + 1].firstCell : cells_.size();
  const std::string_view texts(texts_);
  sink.BeginRow(line);
  for (std::size_t c = rows_[row].firstCell; c < end; ++c) {
    const Held& held = cells_[c];
    const TableCell cell{.column = held.columnAndKind & ((std::uint32_t{1} << kKindShift) - 1),
                         .kind = static_cast<CellKind>(held.columnAndKind >> kKindShift),
                         .text = texts.substr(textAt, held.textBytes),
                         .number = held.number};
    textAt += held.textBytes;
    sink.Cell(cell);
  }
  sink.EndRow();
}

bool HeldRows::TellTo(CellSink& sink, std::uint64_t linesBefore, std::uint64_t lastLine) const {
  std::size_t textAt = 0;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const std::uint64_t line = linesBefore + rows_[row].line;
    if (line > lastLine || sink.Stopped()) return false;
    TellRow(sink, row, line, textAt);
  }
  return true;
}

}  // namespace tallowmere::input
