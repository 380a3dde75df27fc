#pragma once
// One column of table files (CSV, TSV) read into the number list: the file is
// decoded as a list file is (byte-order marks, UTF-16 and UTF-32), split into
// records and fields (input::TableColumn), and each field of the column is
// tested and kept exactly as a line of a list file would be: a field that is
// not a number, such as a header cell or "n/a", is skipped, and the others
// are kept as written, in the user's locale.
#include <cstddef>
#include <functional>
#include <string>

#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "input/TableColumn.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// How the tables are read.
struct TableFormat {
  char delimiter = '\t';
  input::ColumnChoice column;
};

// Splits text into the column's fields and hands each to the number test.
class ColumnTextReader final : public TextPieceReader {
 public:
  // Everything is held by reference and must outlive the reader.
  ColumnTextReader(EntrySink& list, const numtext::Separators& sep, const TableFormat& format,
                   input::TableProblems& problems);
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) override;
  void Finish() override;

 private:
  class Candidates final : public input::FieldSink {
   public:
    Candidates(EntrySink& list, const numtext::Separators& sep) : candidates_(list, sep) {}
    void Field(std::string_view text) override { candidates_.Offer(text); }

   private:
    ListCandidates candidates_;
  };

  Candidates candidates_;
  input::TableColumn column_;
};

}  // namespace tallowmere::input
