#pragma once
// The frequency table of sorted numbers: how many there are of each value,
// or, when there are too many values to list, in each histogram bin.
#include <cstddef>
#include <span>
#include <vector>

namespace tallowmere::stats {

// One row: a value (low == high) or a bin from low to high, which holds its
// lower edge and not its upper one but for the last bin, which holds both.
// The percents are of all the numbers; the cumulative ones count this row
// and every row before it, and the last is exactly 100.
struct FrequencyRow {
  double low = 0.0;
  double high = 0.0;
  std::size_t count = 0;
  double percent = 0.0;
  std::size_t cumulativeCount = 0;
  double cumulativePercent = 0.0;

  bool operator==(const FrequencyRow&) const = default;
};

enum class FrequencyRowKind { kValues, kBins };

struct FrequencyTable {
  FrequencyRowKind kind = FrequencyRowKind::kValues;
  std::vector<FrequencyRow> rows;  // none for no numbers
};

// Up to this many different values the table lists each.
inline constexpr std::size_t kMostValueRows = 50;

struct FrequencyOptions {
  // A row per value, however many values there are.
  bool valueRows = false;
  // The bins when there are more values than kMostValueRows: the histogram's
  // over [smallest, largest], as many as AutoBinCount picks or, when this is
  // above 0, as many as this (kMaxBins at most).
  int bins = 0;
};

// The table of ascending numbers, none of them NaN. -0 and 0 are one value,
// listed as 0. Bins need finite ends: with an infinity among many values the
// table lists each value instead. Reads about rows x 2 log2(n) of the
// numbers, so a few values or bins cost little however many numbers there
// are.
FrequencyTable MakeFrequencyTable(std::span<const double> sorted, FrequencyOptions options = {});

// The end of the run of numbers equal to sorted[from] (from < size): about
// 2 log2(run) comparisons, so a pass over every value costs little more than
// the values themselves.
std::size_t ValueRunEnd(std::span<const double> sorted, std::size_t from);

// What the table reads of the sorted order besides the values themselves:
// the smallest and the largest number, and the inclusive quantiles at 0.25
// and 0.75 (which choose the number of bins).
struct FrequencyEnds {
  double lowest = 0.0;
  double highest = 0.0;
  double q1 = 0.0;
  double q3 = 0.0;
};

// The same table, to the bit, from the numbers in any order (none NaN) and
// those four figures of their sorted order, for a data set that keeps no
// sorted copy: one pass gathering up to kMostValueRows + 1 values, and with
// more values one pass counting each bin; nothing copied. `bins` as
// FrequencyOptions::bins; every value has its row only when bins cannot be
// drawn (an infinity among many values), gathered then in a map.
FrequencyTable FrequencyTableOfUnsorted(std::span<const double> numbers, const FrequencyEnds& ends, int bins = 0);

}  // namespace tallowmere::stats
