#pragma once
// Whether the number list, written as a list file (one entry a line, exactly
// its text), reads back to the same list and the same results. Reading a
// list file keeps only the lines that pass the number test and reads each as
// list text, where a typed entry counts as its leading number: an entry that
// is not a number, or one read otherwise ("61,5" typed under an English
// locale counts 61, the same line of a file 61.5), or one holding a line
// break, does not come back as it was.
#include <cstddef>
#include <string>
#include <vector>

#include "input/EntrySource.h"
#include "numtext/Separators.h"
#include "results/AnalysisEntries.h"

namespace tallowmere::results {

struct ReadBackLosses {
  static constexpr std::size_t kNamed = 3;
  std::size_t left = 0;            // not numbers: left out when read back
  std::size_t changed = 0;         // read back as another value
  std::size_t split = 0;           // holding a line break: read back as several lines
  std::vector<std::string> first;  // the texts of the first few, in list order
  bool Any() const { return left + changed + split > 0; }
};

// The entries in [0, count) that would not read back as they are; an entry
// held as a value is a plain number, which does.
ReadBackLosses ListReadBackLosses(const input::EntrySource& entries, std::size_t count, const numtext::Separators& sep);

}  // namespace tallowmere::results
