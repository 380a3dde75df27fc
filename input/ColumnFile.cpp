#include "input/ColumnFile.h"

namespace tallowmere::input {

ColumnTextReader::ColumnTextReader(EntrySink& list, const numtext::Separators& sep, const TableFormat& format,
                                   input::TableProblems& problems)
    // A field longer than any plausible number is never held whole, as a
    // list file's line is not.
    : candidates_(list, sep), column_(format.delimiter, format.column, candidates_, problems, kMaxCandidateBytes) {}

void ColumnTextReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  column_.Feed(data, size);
  if (meanwhile) meanwhile();
}

void ColumnTextReader::Finish() { column_.Finish(); }

}  // namespace tallowmere::input
