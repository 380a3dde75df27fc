#include "stats/ValueRows.h"

#include <algorithm>

namespace tallowmere::stats {

ValueRowIndex::ValueRowIndex(std::span<const double> sorted) : sorted_(sorted) {
  const std::size_t n = sorted.size();
  for (std::size_t from = 0; from < n;) {
    if (rows_ % kValueRowStride == 0) marks_.push_back(from);
    ++rows_;
    // A number unlike the next is a row of its own, without a search.
    from = from + 1 < n && sorted[from] < sorted[from + 1] ? from + 1 : ValueRunEnd(sorted, from);
  }
}

std::size_t ValueRowIndex::StartOf(std::size_t i) const {
  std::size_t start = marks_[i / kValueRowStride];
  for (std::size_t k = 0; k < i % kValueRowStride; ++k) start = ValueRunEnd(sorted_, start);
  return start;
}

FrequencyRow ValueRowIndex::RowAt(std::size_t start, std::size_t end) const {
  // The percents as MakeFrequencyTable works them out, so that both tables
  // agree in every bit.
  const double total = static_cast<double>(sorted_.size());
  const double value = sorted_[start] + 0.0;  // -0 and 0 are one value
  const std::size_t count = end - start;
  return {.low = value,
          .high = value,
          .count = count,
          .percent = static_cast<double>(count) * 100.0 / total,
          .cumulativeCount = end,
          .cumulativePercent = static_cast<double>(end) * 100.0 / total};
}

FrequencyRow ValueRowIndex::Row(std::size_t i) const {
  const std::size_t start = StartOf(i);
  return RowAt(start, ValueRunEnd(sorted_, start));
}

std::vector<FrequencyRow> ValueRowIndex::Rows(std::size_t first, std::size_t count) const {
  std::vector<FrequencyRow> rows;
  if (first >= rows_) return rows;
  count = std::min(count, rows_ - first);
  rows.reserve(count);
  std::size_t start = StartOf(first);
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t end = ValueRunEnd(sorted_, start);
    rows.push_back(RowAt(start, end));
    start = end;
  }
  return rows;
}

}  // namespace tallowmere::stats
