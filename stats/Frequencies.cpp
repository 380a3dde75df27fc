#include "stats/Frequencies.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "stats/Distribution.h"

namespace tallowmere::stats {

namespace {

// The end of the run of numbers equal to sorted[from]: leaps of doubling
// length, then a binary search in the last, so that a run of r numbers costs
// about 2 log2(r) comparisons.
std::size_t RunEnd(std::span<const double> sorted, std::size_t from) {
  const double value = sorted[from];
  std::size_t known = from;  // equal to value
  std::size_t leap = 1;
  while (leap < sorted.size() - known && !(value < sorted[known + leap])) {
    known += leap;
    leap *= 2;
  }
  const auto last = sorted.begin() + static_cast<std::ptrdiff_t>(std::min(known + leap, sorted.size()));
  return static_cast<std::size_t>(std::upper_bound(sorted.begin() + static_cast<std::ptrdiff_t>(known), last, value) -
                                  sorted.begin());
}

// A row per value; false, with the first `most` rows, when there are more
// values than that.
bool ValueRows(std::span<const double> sorted, std::size_t most, std::vector<FrequencyRow>& rows) {
  for (std::size_t from = 0; from < sorted.size();) {
    if (rows.size() == most) return false;
    const std::size_t to = RunEnd(sorted, from);
    // + 0.0 turns -0 into 0: the two are one value.
    const double value = sorted[from] + 0.0;
    rows.push_back({.low = value, .high = value, .count = to - from});
    from = to;
  }
  return true;
}

bool BinRows(std::span<const double> sorted, int chosen, std::vector<FrequencyRow>& rows) {
  const double low = sorted.front();
  const double high = sorted.back();
  const int bins = chosen > 0 ? std::min(chosen, kMaxBins) : AutoBinCount(sorted);
  const std::vector<std::size_t> counts = HistogramCounts(sorted, low, high, bins);
  if (counts.empty()) return false;
  rows.reserve(counts.size());
  for (int i = 0; i < bins; ++i) {
    rows.push_back({.low = HistogramEdge(low, high, bins, i),
                    .high = HistogramEdge(low, high, bins, i + 1),
                    .count = counts[static_cast<std::size_t>(i)]});
  }
  return true;
}

void AddPercents(std::size_t n, std::vector<FrequencyRow>& rows) {
  const double total = static_cast<double>(n);
  std::size_t cumulative = 0;
  for (FrequencyRow& row : rows) {
    cumulative += row.count;
    row.percent = static_cast<double>(row.count) * 100.0 / total;
    row.cumulativeCount = cumulative;
    // From the count, not the percents summed: n of n is 100 exactly.
    row.cumulativePercent = static_cast<double>(cumulative) * 100.0 / total;
  }
}

}  // namespace

FrequencyTable MakeFrequencyTable(std::span<const double> sorted, FrequencyOptions options) {
  FrequencyTable table;
  if (sorted.empty()) return table;
  const std::size_t most = options.valueRows ? sorted.size() : kMostValueRows;
  if (!ValueRows(sorted, most, table.rows)) {
    table.rows.clear();
    if (BinRows(sorted, options.bins, table.rows)) {
      table.kind = FrequencyRowKind::kBins;
    } else {
      // Bins need finite ends; without them every value has its row.
      ValueRows(sorted, sorted.size(), table.rows);
    }
  }
  AddPercents(sorted.size(), table.rows);
  return table;
}

}  // namespace tallowmere::stats
