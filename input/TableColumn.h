#pragma once
// One column of a table held as delimited text (CSV, TSV), fed in pieces of
// any size, split as input/DelimitedSplit.h says. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "input/DelimitedSplit.h"

namespace tallowmere::input {

// Which column is read, and whether the first record is a header.
struct ColumnChoice {
  std::size_t number = 1;  // from 1; used when `name` is empty
  std::string name;        // the header cell that names the column; needs `header`
  bool header = false;     // the first record names the columns and holds no data
};

// Where the fields of the column go.
class FieldSink {
 public:
  virtual ~FieldSink() = default;
  // The column's field of one record after the header, unquoted.
  virtual void Field(std::string_view text) = 0;
};

// What was wrong with the table. Each is told once where it is met; the
// reading goes on as each says.
class TableProblems {
 public:
  virtual ~TableProblems() = default;
  // A record (beginning on `line`) of `fields` fields, fewer than the column
  // needs: it gives no field; the records after it are read.
  virtual void ShortRecord(std::uint64_t line, std::size_t fields) = 0;
  // The header has no cell of the chosen name: nothing of the table is read.
  virtual void NameNotInHeader() = 0;
  // The text ended inside the quoted field that begins on `line`: that
  // field is left out (fields of its record before it were given).
  virtual void UnclosedQuote(std::uint64_t line) = 0;
};

class TableColumn {
 public:
  // A field of the column longer than `maxFieldBytes` is never held whole:
  // it is left out as a field that could not be a number.
  TableColumn(char delimiter, ColumnChoice choice, FieldSink& fields, TableProblems& problems,
              std::size_t maxFieldBytes = std::numeric_limits<std::size_t>::max());
  TableColumn(const TableColumn&) = delete;
  TableColumn& operator=(const TableColumn&) = delete;
  void Feed(const char* data, std::size_t size);
  // Ends the table: its last record needs no line end.
  void Finish();

  // Whether this delimiter quotes fields.
  static bool Quotes(char delimiter) { return DelimiterQuotes(delimiter); }

 private:
  friend class DelimitedSplitter<TableColumn>;

  // What the splitter asks and tells.
  bool Wants(std::size_t field) const { return inHeader_ ? !choice_.name.empty() : field == column_; }
  void BeginRecord(std::uint64_t /*line*/) {}
  void Field(std::size_t field, std::string_view text, bool overlong);
  bool EndRecord(std::uint64_t line, std::size_t fields);
  void UnclosedQuote(std::uint64_t line) { problems_.UnclosedQuote(line); }

  ColumnChoice choice_;
  FieldSink& fields_;
  TableProblems& problems_;
  std::size_t column_;  // from 0; unknown (max) until a header names it
  bool inHeader_;       // the first record is being read as the header
  DelimitedSplitter<TableColumn> split_;
};

}  // namespace tallowmere::input
