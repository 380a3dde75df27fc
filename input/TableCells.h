#pragma once
// The cells of a table as every table reader hands them on, delimited text,
// OpenDocument spreadsheets and Office Open XML workbooks alike: a row at a
// time, its cells left to right. What a cell holds decides how it is read:
// a stored number is kept exactly as the file holds it, a text is read as a
// line of a list file is (so "61,5" and "n/a" behave as they would there),
// and a date, time, boolean or error is never a number. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallowmere::input {

enum class CellKind : unsigned char {
  kText,    // text, to be put to the number test
  kNumber,  // a stored number: `number`, exactly
  kOther,   // a date, a time, a boolean or an error value: not a number
};

struct TableCell {
  std::size_t column = 0;  // from 0
  CellKind kind = CellKind::kText;
  // kText: the cell's text. kNumber and kOther: the text the file shows for
  // it where it has one (may be empty), for messages only.
  std::string_view text;
  double number = 0;  // kNumber only
};

class CellSink {
 public:
  virtual ~CellSink() = default;
  // A row begins. `line` names it in messages: the line of a delimited file
  // the record begins on, or the row number a spreadsheet shows (from 1).
  virtual void BeginRow(std::uint64_t line) = 0;
  // A cell of the row begun, in increasing column order; cells with nothing
  // in them are not told. The text is valid only during the call.
  virtual void Cell(const TableCell& cell) = 0;
  virtual void EndRow() {}
  // Told by the readers of delimited text only, just before EndRow: how many
  // fields the record had, empty ones included. A spreadsheet's row has no
  // such count (its empty cells are not stored), so it never tells this.
  virtual void RowFields(std::size_t /*fields*/) {}
  // Asked between rows: true ends the reading there (the user stopped it).
  virtual bool Stopped() const { return false; }
};

}  // namespace tallowmere::input
