#pragma once
// Every cell of a table held as delimited text (CSV, TSV, any delimiter of
// one byte), fed in pieces of any size and split as input/DelimitedSplit.h
// says, handed on as the cells of table rows (input/TableCells.h): each
// record a row named by the line it begins on, each field not empty a text
// cell. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "input/DelimitedSplit.h"
#include "input/ListCandidates.h"
#include "input/TableCells.h"

namespace tallowmere::input {

class DelimitedCells {
 public:
  // A field longer than `maxFieldBytes` is never held whole: it is told as a
  // cell of CellKind::kOther with no text, one that cannot be a number.
  DelimitedCells(char delimiter, CellSink& cells, std::size_t maxFieldBytes = kMaxCandidateBytes);
  DelimitedCells(const DelimitedCells&) = delete;
  DelimitedCells& operator=(const DelimitedCells&) = delete;
  void Feed(const char* data, std::size_t size);
  // Ends the table: its last record needs no line end. A quoted field still
  // open is left out; the cells of its record before it were told, and the
  // row is ended.
  void Finish();
  // The quoted field that began on this line was not closed at the end (0: none).
  std::uint64_t UnclosedQuoteLine() const { return unclosedQuoteLine_; }
  // As DelimitedSplitter's: whether the next byte begins a record, the line
  // being read, and the lines of text read elsewhere meanwhile.
  bool AtRecordStart() const { return split_.AtRecordStart(); }
  std::uint64_t Line() const { return split_.Line(); }
  void SkipLines(std::uint64_t lines) { split_.SkipLines(lines); }

 private:
  friend class DelimitedSplitter<DelimitedCells>;

  // What the splitter asks and tells.
  static bool Wants(std::size_t /*field*/) { return true; }
  void BeginRecord(std::uint64_t line) { cells_.BeginRow(line); }
  void Field(std::size_t field, std::string_view text, bool overlong) {
    if (overlong) {
      cells_.Cell({.column = field, .kind = CellKind::kOther, .text = {}, .number = 0});
    } else if (!text.empty()) {
      cells_.Cell({.column = field, .kind = CellKind::kText, .text = text, .number = 0});
    }
  }
  bool EndRecord(std::uint64_t /*line*/, std::size_t fields) {
    cells_.RowFields(fields);
    cells_.EndRow();
    return !cells_.Stopped();
  }
  void UnclosedQuote(std::uint64_t line) {
    unclosedQuoteLine_ = line;
    cells_.EndRow();
  }

  CellSink& cells_;
  std::uint64_t unclosedQuoteLine_ = 0;
  DelimitedSplitter<DelimitedCells> split_;
};

}  // namespace tallowmere::input
