#pragma once
// The cells of one row held until the row ends, so that a row the file
// repeats is told as many times as it stands for. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/TableCells.h"

namespace tallowmere::input {

// The most columns and rows a sheet is read to: the largest sheet the
// spreadsheet programs make (16,384 columns; 16,777,216 rows, Calc's large
// sheets). Cells past them are not told, so a file that claims a cell
// repeated a billion times is read in bounded time.
inline constexpr std::size_t kMaxSheetColumns = std::size_t{1} << 14;
inline constexpr std::uint64_t kMaxSheetRows = std::uint64_t{1} << 24;

// A cell's text is kept to this length: no number is longer, and a cell
// that claims a billion spaces is not spelt out.
inline constexpr std::size_t kMaxCellTextBytes = std::size_t{1} << 20;

class RowCells {
 public:
  void Add(std::size_t column, CellKind kind, std::string_view text, double number = 0) {
    cells_.push_back({column, kind, number, texts_.size(), text.size()});
    texts_.append(text);
  }
  bool Empty() const { return cells_.empty(); }
  void Clear() {
    cells_.clear();
    texts_.clear();
  }
  // The row, as row `line` of the sheet.
  void Tell(CellSink& sink, std::uint64_t line) const {
    sink.BeginRow(line);
    for (const Stored& c : cells_)
      sink.Cell(TableCell{c.column, c.kind, std::string_view(texts_).substr(c.textAt, c.textLength), c.number});
    sink.EndRow();
  }

 private:
  struct Stored {
    std::size_t column;
    CellKind kind;
    double number;
    std::size_t textAt;
    std::size_t textLength;
  };
  std::vector<Stored> cells_;
  std::string texts_;
};

}  // namespace tallowmere::input
