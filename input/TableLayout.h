#pragma once
// A table's layout guessed from its first bytes or rows, each guess one the
// user sees and can change before the table is read: the delimiter of
// delimited text, whether the first row is a header, and the decimal
// convention of its numbers. The header and the convention are guessed from
// cells, so that they serve spreadsheets as well as delimited text. Plain
// C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/TableCells.h"
#include "input/TextForm.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// A cell as a guess keeps it: TableCell with its text owned.
struct SampleCell {
  std::size_t column = 0;
  CellKind kind = CellKind::kText;
  std::string text;
  double number = 0;
};

struct SampleRow {
  std::uint64_t line = 0;
  std::vector<SampleCell> cells;
};

// The first rows of a table, as a reader tells them; it is told to stop
// once it has them.
class SampleRows final : public CellSink {
 public:
  explicit SampleRows(std::size_t most = 50) : most_(most) {}
  void BeginRow(std::uint64_t line) override {
    rows_.push_back({line, {}});
    open_ = true;
  }
  void Cell(const TableCell& cell) override {
    rows_.back().cells.push_back({cell.column, cell.kind, std::string(cell.text), cell.number});
  }
  void EndRow() override { open_ = false; }
  bool Stopped() const override { return rows_.size() >= most_; }
  const std::vector<SampleRow>& Rows() const { return rows_; }
  // Leaves out a row begun and not ended: of a text cut short, it may be cut.
  void DropUnended() {
    if (open_) rows_.pop_back();
    open_ = false;
  }

 private:
  std::size_t most_;
  std::vector<SampleRow> rows_;
  bool open_ = false;
};

enum class DecimalConvention : unsigned char {
  kUndecided,  // no number says: the user's own is as good as any
  kPoint,      // "61.5", "1,234.5"
  kComma,      // "61,5", "1.234,5"
};

struct TableLayout {
  std::optional<char> delimiter;  // none: one column, each line a cell
  bool header = false;
  DecimalConvention decimal = DecimalConvention::kUndecided;
};

// The delimiter of delimited text, from its first lines (UTF-8, after any
// byte-order mark): among ',', ';', the tab and '|' the one that gives the
// same count of fields, more than one, on most of them, fields counted as
// they are split (quotes included); failing those, another ASCII punctuation
// byte that gives the same count on every line with no field empty (none
// that numbers, dates, times or words are written with, nor a quote). When `whole` is false the
// text was cut, and its last line is not counted. Ties go to the tab, then
// ';', ',' and '|': a byte that is seldom text.
std::optional<char> GuessDelimiter(std::string_view text, bool whole);

// Whether the first row is a header: its cells not empty are all not
// numbers (by the number test of a list file's lines, with `sep`), while in
// at least one of their columns the rows after it hold more numbers than
// other texts.
bool GuessHeader(const std::vector<SampleRow>& rows, const numtext::Separators& sep);

// The decimal convention of the text cells (the first row left out when it is
// the header): the one the cells that can be read only one way take, the
// more of them deciding.
DecimalConvention GuessDecimal(const std::vector<SampleRow>& rows, bool header);

// All three from a file's first bytes, as read from the disk (a mark, UTF-16
// and UTF-32 decoded as a list file's are). `whole`: the bytes are the whole
// file. Only the first 50 records are looked at: a file's first block
// (system::kReadBlockBytes) is plenty. `form`, when given, is the form the
// bytes are read in instead (ListFileReader's forced form).
TableLayout GuessTableLayout(std::string_view bytes, bool whole, const numtext::Separators& sep,
                             std::optional<TextForm> form = std::nullopt);

}  // namespace tallowmere::input
