#include "input/TableColumn.h"

#include <utility>

namespace tallowmere::input {

namespace {

constexpr std::size_t kUnknown = std::numeric_limits<std::size_t>::max();

}  // namespace

TableColumn::TableColumn(char delimiter, ColumnChoice choice, FieldSink& fields, TableProblems& problems,
                         std::size_t maxFieldBytes)
    : choice_(std::move(choice)),
      fields_(fields),
      problems_(problems),
      column_(choice_.name.empty() ? choice_.number - 1 : kUnknown),
      inHeader_(choice_.header),
      split_(delimiter, *this, maxFieldBytes) {}

void TableColumn::Field(std::size_t field, std::string_view text, bool overlong) {
  if (overlong) return;
  if (!inHeader_) {
    fields_.Field(text);
  } else if (column_ == kUnknown && text == choice_.name) {
    column_ = field;  // the first cell of that name, as spreadsheets look it up
  }
}

bool TableColumn::EndRecord(std::uint64_t line, std::size_t fields) {
  if (inHeader_) {
    inHeader_ = false;
    if (column_ == kUnknown) {
      problems_.NameNotInHeader();
      return false;  // the column is not in the header: nothing more is read
    }
  } else if (fields <= column_) {
    problems_.ShortRecord(line, fields);
  }
  return true;
}

void TableColumn::Feed(const char* data, std::size_t size) { split_.Feed(data, size); }

void TableColumn::Finish() { split_.Finish(); }

}  // namespace tallowmere::input
