#pragma once
// The splitting of delimited text (CSV, TSV) into records and fields, fed in
// pieces of any size, written once for every reader of such text: one
// column of it (TableColumn), all its cells (DelimitedCells), the count of
// its fields when its layout is guessed (TableLayout). Plain C++, no Qt.
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
//
// The reader is a template over what takes the fields, so that the loop over
// the bytes calls nothing it cannot inline. `Handler` has:
//   bool Wants(std::size_t field);   // whether the text of this field is needed
//   void BeginRecord(std::uint64_t line);
//   // A wanted field, unquoted; `overlong` (the text then empty) when it is
//   // longer than the limit. The text is valid only during the call.
//   void Field(std::size_t field, std::string_view text, bool overlong);
//   // The record begun on `line` ended with `fields` fields; false reads no more.
//   bool EndRecord(std::uint64_t line, std::size_t fields);
//   // The text ended inside the quoted field begun on `line`: that field is
//   // left out, and its record gets no EndRecord.
//   void UnclosedQuote(std::uint64_t line);
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tallowmere::input {

// Whether this delimiter quotes fields.
inline bool DelimiterQuotes(char delimiter) { return delimiter != '\t'; }

template <class Handler>
class DelimitedSplitter {
 public:
  // A wanted field longer than `maxFieldBytes` is never held whole.
  DelimitedSplitter(char delimiter, Handler& handler, std::size_t maxFieldBytes)
      : delimiter_(delimiter), quotes_(DelimiterQuotes(delimiter)), handler_(handler), maxFieldBytes_(maxFieldBytes) {
    for (const char c : {delimiter_, '\r', '\n'}) plainStop_[Byte(c)] = true;
    for (const char c : {'"', '\r', '\n'}) quotedStop_[Byte(c)] = true;
    for (bool& ordinary : ordinary_) ordinary = true;
    for (const char c : {delimiter_, '\r', '\n'}) ordinary_[Byte(c)] = false;
    if (quotes_) ordinary_[Byte('"')] = false;
  }

  void Feed(const char* data, std::size_t size) {
    const char* p = data;
    const char* const end = data + size;
    while (p < end && !stopped_) {
      switch (state_) {
        case State::kFieldStart:
          p = FieldStart(p, end);
          break;
        case State::kPlain:
          p = Plain(p, end);
          break;
        case State::kQuoted:
          p = Quoted(p, end);
          break;
        case State::kQuote:
          if (*p == '"') {
            Take(p, 1);  // a doubled quote is one quote of the text
            state_ = State::kQuoted;
            ++p;
          } else {
            state_ = State::kPlain;  // closed: a delimiter, a line end or more text follows
          }
          break;
      }
    }
  }

  // Ends the text: its last record needs no line end.
  void Finish() {
    if (stopped_) return;
    if (state_ == State::kQuoted) {
      // The quoted field is left out, and so nothing else of its record.
      handler_.UnclosedQuote(quoteLine_);
    } else if (recordBegun_) {
      EndRecord(text_);
    }
    state_ = State::kFieldStart;
    recordBegun_ = false;
    field_ = 0;
    text_.clear();
    overlong_ = false;
  }

  // The handler said to read no more.
  bool Stopped() const { return stopped_; }

  // Between records, outside quotes, with nothing of a line end pending: the
  // text from here on may be split by another splitter, which then tells how
  // many lines it read (SkipLines), so that the records after it are still
  // named by their own lines.
  bool AtRecordStart() const { return state_ == State::kFieldStart && !recordBegun_ && !afterCr_ && !stopped_; }
  // The line being read, from 1.
  std::uint64_t Line() const { return line_; }
  void SkipLines(std::uint64_t lines) { line_ += lines; }

 private:
  enum class State : unsigned char {
    kFieldStart,  // nothing of the field read yet
    kPlain,       // in a field without quotes, or after its closing quote
    kQuoted,      // inside quotes
    kQuote,       // a quote inside quotes: the closing one, or the first of a pair
  };

  static unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

  void Begin() {
    if (recordBegun_) return;
    recordBegun_ = true;
    recordLine_ = line_;
    handler_.BeginRecord(recordLine_);
  }

  void Take(const char* data, std::size_t size) {
    if (size == 0 || overlong_ || !handler_.Wants(field_)) return;
    if (text_.size() + size > maxFieldBytes_) {
      overlong_ = true;
      text_.clear();
      return;
    }
    text_.append(data, size);
  }

  void EndField(std::string_view whole) {
    if (handler_.Wants(field_)) {
      const bool overlong = overlong_ || whole.size() > maxFieldBytes_;
      handler_.Field(field_, overlong ? std::string_view() : whole, overlong);
    }
    text_.clear();
    overlong_ = false;
    ++field_;
    state_ = State::kFieldStart;
  }

  void EndRecord(std::string_view lastField) {
    EndField(lastField);
    const std::size_t fields = std::exchange(field_, 0);
    recordBegun_ = false;
    if (!handler_.EndRecord(recordLine_, fields)) stopped_ = true;
  }

  // A CR or LF outside quotes, ending the record in hand (its last field
  // being `lastField`) unless the line is empty.
  void LineEnd(char c, std::string_view lastField) {
    if (recordBegun_) EndRecord(lastField);
    state_ = State::kFieldStart;
    ++line_;
    afterCr_ = c == '\r';
  }

  const char* FieldStart(const char* p, const char* end) {
    const char c = *p;
    if (c == '\n' && afterCr_) {
      afterCr_ = false;  // the LF of a CR LF: the line has ended already
      return p + 1;
    }
    if (c == '\r' || c == '\n') {
      LineEnd(c, {});
      return p + 1;
    }
    afterCr_ = false;
    Begin();
    if (c == delimiter_) {
      EndField({});
      return p + 1;
    }
    if (quotes_ && c == '"') {
      state_ = State::kQuoted;
      quoteLine_ = line_;
      return p + 1;
    }
    state_ = State::kPlain;
    return Plain(p, end);
  }

  // Spans of plain text up to the next line end, field by field while the
  // next one begins plainly. A field that ends in the piece it began in is
  // handed on where it lies, uncopied.
  const char* Plain(const char* p, const char* end) {
    for (;;) {
      const char* stop = p;
      while (stop < end && !plainStop_[Byte(*stop)]) ++stop;
      const auto size = static_cast<std::size_t>(stop - p);
      if (stop == end) {
        Take(p, size);
        return end;
      }
      std::string_view whole(p, size);
      if (!text_.empty() || overlong_) {
        Take(p, size);
        whole = text_;
      }
      if (*stop != delimiter_) {
        LineEnd(*stop, whole);
        return stop + 1;
      }
      EndField(whole);
      p = stop + 1;
      if (p == end || !ordinary_[Byte(*p)]) return p;
      state_ = State::kPlain;
    }
  }

  // A span of quoted text, up to and including the next quote or line end.
  const char* Quoted(const char* p, const char* end) {
    const char* stop = p;
    while (stop < end && !quotedStop_[Byte(*stop)]) ++stop;
    if (stop > p) {
      Take(p, static_cast<std::size_t>(stop - p));
      afterCr_ = false;
    }
    if (stop == end) return end;
    const char c = *stop;
    if (c == '"') {
      state_ = State::kQuote;
      afterCr_ = false;
      return stop + 1;
    }
    // A line end inside quotes is the field's own.
    Take(stop, 1);
    if (c == '\r' || !afterCr_) ++line_;
    afterCr_ = c == '\r';
    return stop + 1;
  }

  char delimiter_;
  bool quotes_;
  Handler& handler_;
  std::size_t maxFieldBytes_;
  // Bytes that end a span of plain text, and of quoted text; and the bytes
  // a field may begin with and still be plain.
  bool plainStop_[256] = {};
  bool quotedStop_[256] = {};
  bool ordinary_[256] = {};

  State state_ = State::kFieldStart;
  bool stopped_ = false;
  bool afterCr_ = false;      // the last byte was a CR: an LF now ends no further line
  bool recordBegun_ = false;  // the record has a byte, a quote or a delimiter
  std::size_t field_ = 0;     // the field being read, from 0
  std::uint64_t line_ = 1;    // the line being read
  std::uint64_t recordLine_ = 1;
  std::uint64_t quoteLine_ = 1;  // where the open quoted field began
  std::string text_;             // the field so far, when it is not whole in one piece
  bool overlong_ = false;        // the field is longer than the limit
};

}  // namespace tallowmere::input
