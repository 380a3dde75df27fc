#pragma once
// One column of a table held as delimited text (CSV, TSV), fed in pieces of
// any size. Plain C++, no Qt.
//
// Records end at CR, LF or CR LF; a line with nothing on it is no record,
// wherever it is. Fields are split at a delimiter of one byte. With any
// delimiter but the tab, fields may be quoted as RFC 4180 says: a field that
// begins with '"' goes on to the next lone '"', and the delimiter, the line
// ends and each doubled quote ("") inside it are its own text ('"'
// once for a pair). Text after the closing quote, and a quote inside a field
// that did not begin with one, are kept as they are, as spreadsheets read
// them. With the tab (TSV) every byte but the tab and the line ends is text.
//
// Lines are counted as a text editor counts them, line ends inside quotes
// included, so that a record is named by the line it begins on.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

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
  void Feed(const char* data, std::size_t size);
  // Ends the table: its last record needs no line end.
  void Finish();

  // Whether this delimiter quotes fields.
  static bool Quotes(char delimiter) { return delimiter != '\t'; }

 private:
  enum class State : unsigned char {
    kFieldStart,  // nothing of the field read yet
    kPlain,       // in a field without quotes, or after its closing quote
    kQuoted,      // inside quotes
    kQuote,       // a quote inside quotes: the closing one, or the first of a pair
  };

  const char* Plain(const char* p, const char* end);
  const char* Quoted(const char* p, const char* end);
  // A CR or LF outside quotes, ending the record in hand (its last field
  // being `lastField`) unless the line is empty.
  void LineEnd(char c, std::string_view lastField);
  void Begin();
  void EndField(std::string_view whole);
  void EndRecord(std::string_view lastField);
  void Take(const char* data, std::size_t size);
  bool Collects() const;

  char delimiter_;
  bool quotes_;
  ColumnChoice choice_;
  FieldSink& fields_;
  TableProblems& problems_;
  std::size_t maxFieldBytes_;
  // Bytes that end a span of plain text, and of quoted text.
  bool plainStop_[256] = {};
  bool quotedStop_[256] = {};

  std::size_t column_;     // from 0; unknown (max) until a header names it
  bool inHeader_;          // the first record is being read as the header
  bool ignoring_ = false;  // the column is not in the header: nothing more is read
  State state_ = State::kFieldStart;
  bool afterCr_ = false;      // the last byte was a CR: an LF now ends no further line
  bool recordBegun_ = false;  // the record has a byte, a quote or a delimiter
  std::size_t field_ = 0;     // the field being read, from 0
  std::uint64_t line_ = 1;    // the line being read
  std::uint64_t recordLine_ = 1;
  std::uint64_t quoteLine_ = 1;  // where the open quoted field began
  std::string text_;             // the column's field so far, when it is not whole in one piece
  bool overlong_ = false;        // the column's field is longer than the limit
};

}  // namespace tallowmere::input
