#include "stats/Frequencies.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "stats/Distribution.h"
#include "stats/RadixSort.h"

namespace tallowmere::stats {

namespace {

// A row per value; false, with the first `most` rows, when there are more
// values than that.
bool ValueRows(std::span<const double> sorted, std::size_t most, std::vector<FrequencyRow>& rows) {
  for (std::size_t from = 0; from < sorted.size();) {
    if (rows.size() == most) return false;
    const std::size_t to = ValueRunEnd(sorted, from);
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

// The values of the numbers, each with its count, by their equality keys
// (-0 and 0 one value); false when there are more than `most`.
bool GatherValues(std::span<const double> numbers, std::size_t most, std::vector<FrequencyRow>& rows) {
  std::vector<std::uint64_t> keys;
  std::vector<std::size_t> counts;
  for (const double x : numbers) {
    const std::uint64_t key = EqualityKey(x);
    const auto at = std::lower_bound(keys.begin(), keys.end(), key);
    const auto i = at - keys.begin();
    if (at != keys.end() && *at == key) {
      ++counts[static_cast<std::size_t>(i)];
      continue;
    }
    if (keys.size() == most) return false;
    keys.insert(at, key);
    counts.insert(counts.begin() + i, 1);
  }
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const double value = FromOrderKey(keys[k]);
    rows.push_back({.low = value, .high = value, .count = counts[k]});
  }
  return true;
}

// Every value's row, however many: for the rare table that cannot be binned.
void AllValues(std::span<const double> numbers, std::vector<FrequencyRow>& rows) {
  std::map<std::uint64_t, std::size_t> counts;
  for (const double x : numbers) ++counts[EqualityKey(x)];
  for (const auto& [key, count] : counts) rows.push_back({FromOrderKey(key), FromOrderKey(key), count});
}

// How many of the edges (ascending) are at or below x: the bin's place
// guessed from the equal widths, then moved to the edges themselves.
std::size_t BinOf(double x, double low, double high, const std::vector<double>& edges) {
  const std::size_t bins = edges.size() + 1;
  const double width = (high - low) / static_cast<double>(bins);
  if (!(width > 0.0) || !std::isfinite(width))
    return static_cast<std::size_t>(std::upper_bound(edges.begin(), edges.end(), x) - edges.begin());
  const double guess = std::clamp((x - low) / width, 0.0, static_cast<double>(bins - 1));
  auto bin = static_cast<std::size_t>(guess);
  while (bin > 0 && x < edges[bin - 1]) --bin;
  while (bin < edges.size() && !(x < edges[bin])) ++bin;
  return bin;
}

// HistogramCounts' bins, one number at a time: a number lies in the bin of
// the edges at or below it, those edges taken as HistogramCounts searches
// from the previous one (never below it).
bool CountBins(std::span<const double> numbers, const FrequencyEnds& ends, int chosen,
               std::vector<FrequencyRow>& rows) {
  const double low = ends.lowest, high = ends.highest;
  if (!std::isfinite(low) || !std::isfinite(high)) return false;
  const int bins =
      chosen > 0 ? std::min(chosen, kMaxBins) : AutoBinCountOf(numbers.size(), low, high, ends.q1, ends.q3);
  std::vector<double> edges;  // 1 .. bins - 1
  for (int i = 1; i < bins; ++i)
    edges.push_back(std::max(HistogramEdge(low, high, bins, i), edges.empty() ? low : edges.back()));
  std::vector<std::size_t> counts(static_cast<std::size_t>(bins), 0);
  for (const double x : numbers) ++counts[BinOf(x, low, high, edges)];
  for (int i = 0; i < bins; ++i)
    rows.push_back({.low = HistogramEdge(low, high, bins, i),
                    .high = HistogramEdge(low, high, bins, i + 1),
                    .count = counts[static_cast<std::size_t>(i)]});
  return true;
}

}  // namespace

// Leaps of doubling length, then a binary search in the last.
std::size_t ValueRunEnd(std::span<const double> sorted, std::size_t from) {
  const double value = sorted[from];
  // Most values of many different numbers are alone.
  if (from + 1 == sorted.size() || value < sorted[from + 1]) return from + 1;
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

FrequencyTable FrequencyTableOfUnsorted(std::span<const double> numbers, const FrequencyEnds& ends, int bins) {
  FrequencyTable table;
  if (numbers.empty()) return table;
  if (!GatherValues(numbers, kMostValueRows, table.rows)) {
    table.rows.clear();
    if (CountBins(numbers, ends, bins, table.rows))
      table.kind = FrequencyRowKind::kBins;
    else
      AllValues(numbers, table.rows);
  }
  AddPercents(numbers.size(), table.rows);
  return table;
}

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
