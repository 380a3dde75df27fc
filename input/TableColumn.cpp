#include "input/TableColumn.h"

#include <utility>

namespace tallowmere::input {

namespace {

constexpr std::size_t kUnknown = std::numeric_limits<std::size_t>::max();

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

TableColumn::TableColumn(char delimiter, ColumnChoice choice, FieldSink& fields, TableProblems& problems,
                         std::size_t maxFieldBytes)
    : delimiter_(delimiter),
      quotes_(Quotes(delimiter)),
      choice_(std::move(choice)),
      fields_(fields),
      problems_(problems),
      maxFieldBytes_(maxFieldBytes),
      column_(choice_.name.empty() ? choice_.number - 1 : kUnknown),
      inHeader_(choice_.header) {
  for (const char c : {delimiter_, '\r', '\n'}) plainStop_[static_cast<unsigned char>(c)] = true;
  for (const char c : {'"', '\r', '\n'}) quotedStop_[static_cast<unsigned char>(c)] = true;
}

bool TableColumn::Collects() const { return inHeader_ ? !choice_.name.empty() : field_ == column_; }

void TableColumn::Begin() {
  if (recordBegun_) return;
  recordBegun_ = true;
  recordLine_ = line_;
}

void TableColumn::Take(const char* data, std::size_t size) {
  if (size == 0 || overlong_ || !Collects()) return;
  if (text_.size() + size > maxFieldBytes_) {
    overlong_ = true;
    text_.clear();
    return;
  }
  text_.append(data, size);
}

void TableColumn::EndField(std::string_view whole) {
  if (Collects() && !overlong_ && whole.size() <= maxFieldBytes_) {
    if (!inHeader_) {
      fields_.Field(whole);
    } else if (column_ == kUnknown && whole == choice_.name) {
      column_ = field_;  // the first cell of that name, as spreadsheets look it up
    }
  }
  text_.clear();
  overlong_ = false;
  ++field_;
  state_ = State::kFieldStart;
}

void TableColumn::EndRecord(std::string_view lastField) {
  EndField(lastField);
  const std::size_t fields = std::exchange(field_, 0);
  recordBegun_ = false;
  if (inHeader_) {
    inHeader_ = false;
    if (column_ == kUnknown) {
      ignoring_ = true;
      problems_.NameNotInHeader();
    }
  } else if (fields <= column_) {
    problems_.ShortRecord(recordLine_, fields);
  }
}

void TableColumn::LineEnd(char c, std::string_view lastField) {
  if (recordBegun_) EndRecord(lastField);
  state_ = State::kFieldStart;
  ++line_;
  afterCr_ = c == '\r';
}

// A span of plain text up to the next delimiter or line end. A field that
// ends in the piece it began in is handed on where it lies, uncopied.
const char* TableColumn::Plain(const char* p, const char* end) {
  const char* stop = p;
  while (stop < end && !plainStop_[static_cast<unsigned char>(*stop)]) ++stop;
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
  if (*stop == delimiter_)
    EndField(whole);
  else
    LineEnd(*stop, whole);
  return stop + 1;
}

// A span of quoted text, up to and including the next quote or line end.
const char* TableColumn::Quoted(const char* p, const char* end) {
  const char* stop = p;
  while (stop < end && !quotedStop_[static_cast<unsigned char>(*stop)]) ++stop;
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

void TableColumn::Feed(const char* data, std::size_t size) {
  const char* p = data;
  const char* const end = data + size;
  while (p < end && !ignoring_) {
    switch (state_) {
      case State::kFieldStart: {
        const char c = *p;
        if (c == '\n' && afterCr_) {
          afterCr_ = false;  // the LF of a CR LF: the line has ended already
          ++p;
        } else if (IsLineEnd(c)) {
          LineEnd(c, {});
          ++p;
        } else {
          afterCr_ = false;
          Begin();
          if (c == delimiter_) {
            EndField({});
            ++p;
          } else if (quotes_ && c == '"') {
            state_ = State::kQuoted;
            quoteLine_ = line_;
            ++p;
          } else {
            state_ = State::kPlain;
          }
        }
        break;
      }
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

void TableColumn::Finish() {
  if (ignoring_) return;
  if (state_ == State::kQuoted) {
    // The quoted field is left out, and so nothing else of its record.
    problems_.UnclosedQuote(quoteLine_);
  } else if (recordBegun_) {
    EndRecord(text_);
  }
  state_ = State::kFieldStart;
  recordBegun_ = false;
  field_ = 0;
  text_.clear();
  overlong_ = false;
}

}  // namespace tallowmere::input
