#pragma once
// A row per value of the sorted numbers, however many values there are,
// without holding the rows: ten million different numbers would make rows of
// nearly half a gigabyte, where this keeps a mark every kValueRowStride rows
// and reads any row from the numbers when it is asked for.
#include <cstddef>
#include <span>
#include <vector>

#include "stats/Frequencies.h"

namespace tallowmere::stats {

inline constexpr std::size_t kValueRowStride = 64;

class ValueRowIndex {
 public:
  ValueRowIndex() = default;
  // One pass over the values of `sorted` (ascending, none NaN); the numbers
  // must outlive the index, which reads them for every row.
  explicit ValueRowIndex(std::span<const double> sorted);

  std::size_t RowCount() const { return rows_; }
  // Row i (below RowCount()) as MakeFrequencyTable(sorted, {.valueRows =
  // true}) makes it, to the bit.
  FrequencyRow Row(std::size_t i) const;
  // Rows first ... first + count - 1 (as many of them as there are), read
  // one after the other.
  std::vector<FrequencyRow> Rows(std::size_t first, std::size_t count) const;

 private:
  FrequencyRow RowAt(std::size_t start, std::size_t end) const;
  // Where row i begins: from the mark before it, run by run.
  std::size_t StartOf(std::size_t i) const;

  std::span<const double> sorted_;
  // marks_[k]: where row k * kValueRowStride begins.
  std::vector<std::size_t> marks_;
  std::size_t rows_ = 0;
};

}  // namespace tallowmere::stats
