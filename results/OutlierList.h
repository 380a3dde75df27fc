#pragma once
// The numbers beyond Tukey's fences and the extremes of a data set, found
// where they stand in the list: the fences and the counts are read from the
// sorted numbers, the positions from one pass over the numbers in list
// order. Plain C++: no Qt.
#include <cstddef>
#include <span>
#include <vector>

#include "stats/Quantiles.h"

namespace tallowmere::results {

// The quartiles under a quantile method and the fences 1.5 and 3
// interquartile ranges beyond them. An interquartile range that overflows
// makes the fences infinite: then nothing lies beyond them.
struct TukeyFences {
  double q1 = 0.0;
  double q3 = 0.0;
  double farLow = 0.0;
  double low = 0.0;
  double high = 0.0;
  double farHigh = 0.0;
};
// `sorted` ascending and not empty.
TukeyFences FencesOf(std::span<const double> sorted, stats::QuantileMethod method);

// A number on a fence is still inside it.
enum class OutlierKind { kInside, kOutlier, kFarOut };
OutlierKind KindOf(double value, const TukeyFences& fences);

// How many of the sorted numbers are outliers (beyond a fence of 1.5
// interquartile ranges but not of 3) and how many are far out (beyond 3).
struct OutlierCounts {
  std::size_t outliers = 0;
  std::size_t farOut = 0;
  std::size_t Total() const { return outliers + farOut; }
};
OutlierCounts CountOutliers(std::span<const double> sorted, const TukeyFences& fences);

// Which entries are the k smallest and the k largest: the k-th smallest
// value and how many entries of that value are among them (the first ones
// in list order), and likewise for the largest. With ties at the k-th value
// the earlier entries of the list are taken.
struct ExtremeCut {
  std::size_t k = 0;
  double smallest = 0.0;
  std::size_t smallestTies = 0;
  double largest = 0.0;
  std::size_t largestTies = 0;
};
// `k` is held to the count of `sorted` (ascending).
ExtremeCut CutOf(std::span<const double> sorted, std::size_t k);

// What one pass over the list asks for: the entries strictly outside [low,
// high] (at most `cap` of them, the first in list order, and how many there
// are in all), and the extremes of `cut`.
struct ListQuery {
  double low = 0.0;
  double high = 0.0;
  std::size_t cap = 0;
  ExtremeCut cut;
};

// An entry: its index in the list (0 for the first) and its value.
struct PlacedNumber {
  std::size_t index = 0;
  double value = 0.0;
  friend bool operator==(const PlacedNumber&, const PlacedNumber&) = default;
};

struct ListFound {
  std::vector<PlacedNumber> outside;  // in list order
  std::size_t outsideTotal = 0;
  std::vector<PlacedNumber> smallest;  // ascending by value, ties in list order
  std::vector<PlacedNumber> largest;   // descending by value, ties in list order
};

// `numbers` in list order: the same numbers as those `query.cut` was made
// from.
ListFound ScanList(std::span<const double> numbers, const ListQuery& query);

}  // namespace tallowmere::results
