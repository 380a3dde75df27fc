#pragma once
// Several columns of tables, each (and each group of its rows, when a column
// splits them) read into a number list of its own, from the cells any table
// reader hands on (input::CellSink). A text cell is put to the number test
// exactly as a line of a list file is, a stored number is kept exactly, and a
// date, time, boolean or error counts as a cell that is not a number. Only
// the numbers are held, about 8 bytes each: no cell's text is kept for a
// number. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "input/CellBatch.h"
#include "input/EntrySource.h"
#include "input/ListCandidates.h"
#include "input/ReadTally.h"
#include "input/TableCells.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// One column: by its number from 1, or by the name of its header cell.
struct ColumnPick {
  std::size_t number = 0;  // from 1; 0 when named
  std::string name;        // the header cell; needs a header
};

struct ColumnsChoice {
  std::vector<ColumnPick> columns;  // in the order the blocks come; duplicates kept
  // Instead of `columns`: every column that holds a number (at least one
  // cell passing the number test), the group column aside, in the order the
  // columns are first met. With a header a column is known by its header
  // cell, so that tables of the same columns in another order agree.
  bool all = false;
  std::optional<ColumnPick> group;  // the column whose cells split the rows
  bool header = false;              // the first row of each table names the columns and holds no data
};

// The entries of one column, or of one group of its rows.
struct ColumnEntries {
  std::string name;                  // the header cell (or the name chosen); empty when none
  std::size_t number = 0;            // the column's number from 1 where it has one (0: named, never seen)
  std::optional<std::string> group;  // the group's label: the text of its cell
  EntrySource entries;
};

// A record of delimited text with fewer fields than a chosen column, or the
// group column, needs. Its fields that are there are read all the same.
struct ShortRow {
  std::uint64_t line = 0;  // the line it begins on
  std::size_t fields = 0;  // its fields, empty ones included
  // The first column it lacks: its number from 1, and its name when it was
  // chosen by name (with `all`, a column of the header: its header cell).
  ColumnPick lacking;
};

// The short records of the table in hand.
struct ShortRows {
  std::size_t count = 0;
  std::vector<ShortRow> first;  // the first kShortRowsKept of them, in order
};

class TableColumns final : public CellSink {
 public:
  // With `twoThreads` each batch of cells is kept on a helper thread while
  // the next is read; without, on this one (the same entries either way).
  TableColumns(ColumnsChoice choice, const numtext::Separators& sep, bool twoThreads = true);
  ~TableColumns() override;
  TableColumns(const TableColumns&) = delete;
  TableColumns& operator=(const TableColumns&) = delete;

  // A table (a file) begins: its first row is a header when the choice has one.
  void BeginTable();
  // The name of a chosen column (or of the group column) that the last
  // table's header lacks: nothing more is read, as Stopped() says.
  const std::optional<std::string>& MissingName() const { return missing_; }

  void BeginRow(std::uint64_t line) override;
  void Cell(const TableCell& cell) override;
  void EndRow() override;
  bool Stopped() const override { return missing_.has_value(); }
  void RowFields(std::size_t fields) override { rowFields_ = fields; }

  // The records of the table begun last that were too short for a chosen
  // column or the group column (with `all`: for the group column, and for
  // every column its header names). Only delimited text tells its fields.
  const ShortRows& TableShortRows() const { return shortRows_; }
  static constexpr std::size_t kShortRowsKept = 10;

  // The texts read in the other decimal convention since the last call, in
  // the order met, whatever column they were in.
  ReadTally TakeOtherConvention() {
    keeper_.Finish();
    return std::exchange(otherConvention_, {});
  }

  // Every column's entries, the columns in order and each column's groups in
  // the order they first appeared, a group that has no cell in a column
  // included (with no entries). With `all`, a column none of whose cells
  // was a number is left out. Called once, at the end.
  std::vector<ColumnEntries> TakeBlocks();

 private:
  // Whole rows of delimited text may be split and tested elsewhere
  // (input/TwoThreadTable) and taken in here in text order, once the header
  // is read and names every chosen column.
  friend class TwoThreadTableReader;
  bool TakesRowsElsewhere() const { return !inHeader_ && !missing_; }
  // Every cell told so far is kept in its block when this returns.
  void KeepHeld() { keeper_.Finish(); }
  // The rows read so far, the header aside.
  std::size_t RowsRead() const { return rows_; }
  void CountRows(std::size_t rows) { rows_ += rows; }
  // About this many rows are coming in all: each block made so far (the
  // first kBlocksWithRoom) gets room at once for its share of the rows to
  // come, its share of those read. Only with every cell told kept
  // (KeepHeld), as the room moves the numbers.
  void ExpectRows(std::size_t rows);
  static constexpr std::size_t kBlocksWithRoom = 64;

  struct Slot {
    std::string name;
    std::size_t number = 0;
    std::vector<std::size_t> blockOfGroup;  // the block of each group; kNone until made
  };
  void EndHeader();
  void ResolvePicks();
  std::size_t AllSlot(std::size_t column);
  void TakeValue(std::size_t slot, const TableCell& cell);
  // The batch is handed on once it holds this many cells: enough that a
  // batch costs little to hand over, few enough that the two in hand stay
  // in the caches.
  static constexpr std::size_t kBatchCells = std::size_t{1} << 16;
  std::size_t GroupIndex(const std::string& label);
  // Counts a row of `fields` fields, begun on `line`, as short.
  void NoteShortRow(std::uint64_t line, std::size_t fields);
  EntrySource& Block(std::size_t slot, std::size_t group);

  ColumnsChoice choice_;
  CandidateRule rule_;
  ReadTally otherConvention_;
  std::optional<std::string> missing_;

  std::vector<Slot> slots_;
  // Each block stays where it was made: the batches kept meanwhile append
  // to it.
  std::vector<std::unique_ptr<ColumnEntries>> blocks_;
  std::vector<std::string> groups_;
  std::unordered_map<std::string, std::size_t> groupIndex_;
  std::unordered_map<std::string, std::size_t> slotOfName_;  // with `all` and a header

  // The table in hand.
  bool inHeader_ = false;
  std::vector<std::string> headerCells_;                 // by column; empty cells are empty
  std::vector<std::pair<std::size_t, std::size_t>> at_;  // (column, slot), by column
  std::vector<std::size_t> allSlotAt_;                   // with `all`: the slot of each column, kNone unknown
  std::size_t groupColumn_ = 0;
  std::size_t fieldsNeeded_ = 0;  // the fields a record needs for every column it is read for
  ShortRows shortRows_;

  // The cells of the rows read: held in batches, each kept in its block
  // while the next fills.
  BatchKeeper keeper_;
  std::vector<std::size_t> rowSlots_;  // the slot of each of the row's cells
  std::size_t rowStart_ = 0;           // where the row's cells begin in the filling batch
  std::string rowGroup_;               // the group's label of the row in hand
  std::uint64_t rowLine_ = 0;
  std::optional<std::size_t> rowFields_;  // its fields, when its reader tells them
  std::size_t rows_ = 0;
};

}  // namespace tallowmere::input
