#pragma once
// Rows of table cells held to be told later, in the order they came: the
// rows one thread reads while another still tells the rows before them.
// About 16 bytes a cell and its text, 16 a row. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/TableCells.h"

namespace tallowmere::input {

class HeldRows final : public CellSink {
 public:
  void BeginRow(std::uint64_t line) override { rows_.push_back({line, cells_.size()}); }
  void Cell(const TableCell& cell) override;
  std::size_t Cells() const { return cells_.size(); }
  bool Empty() const { return rows_.empty(); }

  // Tells the rows held to `sink`, as a reader would, each as row
  // `linesBefore` + its line: sink.Stopped() is asked before each, and true,
  // or a row past `lastLine`, ends the telling there (then false).
  bool TellTo(CellSink& sink, std::uint64_t linesBefore = 0, std::uint64_t lastLine = UINT64_MAX) const;

 private:
  struct Row {
    std::uint64_t line;
    std::size_t firstCell;
  };
  struct Held {
    double number;
    std::uint32_t columnAndKind;  // the column, the kind in the top two bits
    std::uint32_t textBytes;
  };
  void TellRow(CellSink& sink, std::size_t row, std::uint64_t line, std::size_t& textAt) const;

  std::vector<Row> rows_;
  std::vector<Held> cells_;
  std::string texts_;
};

}  // namespace tallowmere::input
