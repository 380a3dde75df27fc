#pragma once
// Sorting of doubles by their bit patterns. The engine sorts whole data sets of
// millions of values, so both sorts here are linear in the number of values
// and allocate nothing per element.
//
// Values are compared through an order-preserving unsigned key: for any two
// doubles a < b (neither NaN), OrderKey(a) < OrderKey(b). The only values that
// are equal under == but have different keys are -0 and +0 (-0 sorts first);
// EqualityKey gives both zeros the key of +0, so that for non-NaN doubles
// equal keys mean equal values and the reverse.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "core/TwoThreads.h"

namespace tallowmere::stats {

inline constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

constexpr std::uint64_t OrderKey(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  // Negative values: the larger the magnitude, the smaller the key.
  return (bits & kSignBit) ? ~bits : (bits | kSignBit);
}

constexpr double FromOrderKey(std::uint64_t key) {
  return std::bit_cast<double>((key & kSignBit) ? (key & ~kSignBit) : ~key);
}

constexpr std::uint64_t EqualityKey(double v) { return v == 0.0 ? OrderKey(0.0) : OrderKey(v); }

// Writes the n values of `src` to `dst` in ascending order of their keys
// (radix sort: LSD passes on 12-bit digits, digits that every value shares
// costing no pass; large inputs first go into `dst` in groups by their top 16
// bits, and each group is sorted on its own, a group of over a quarter of the
// values by both threads together in passes on 11-bit digits). `src` and `dst` must not
// overlap. Needs scratch room of n doubles on one thread; a large input
// sorted by two needs two of its largest group, and a group of over a
// quarter of the values one of that group's size more. Keys are equal only for equal bits, so the
// result is the one ascending order of the keys: -0 before +0. No NaN may be
// passed. Large inputs are sorted with two threads when `threads` is given
// (its owner starts it); without it this thread does all.
void SortDoubles(const double* src, std::size_t n, double* dst, core::TwoThreads* threads = nullptr);

// The order SortDoubles gives, without ever holding all of it: the values of
// `src` in ascending order of their keys are handed to `take` in consecutive
// parts of at most `roundLimit` values (at least one), so that a data set
// whose sorted order is read once need not be held twice. The values are
// counted by the top 16 bits of their keys, the key range is cut into
// intervals of at most a part's worth, and for each interval, lowest first,
// its values are gathered from `src` (a pass over all of them) and sorted.
// Digits of more than a quarter of a part are counted again by finer digits,
// all those of one interval in one more pass; a single key of more values
// than a part is handed on in parts of its copies. So `src` is read about
// n / roundLimit + 1 times, plus once for each interval that needs finer
// counts. Holds a part, scratch of up to half a part and the counts' tables
// (4 MB, and 256 KB for each digit counted again). `src` is not changed.
// With `threads`, both threads share the passes and the sorts of a large
// input; without it this thread does all. For n up to `roundLimit`, a buffer of n values sorted
// by SortDoubles is the one part.
void SortInRounds(const double* src, std::size_t n, std::size_t roundLimit,
                  const std::function<void(std::span<const double>)>& take, core::TwoThreads* threads = nullptr);

// Sorts n keys ascending in place (MSD radix sort on 8-bit digits), without
// any buffer of its own beyond a few kilobytes of stack.
void SortKeysInPlace(std::uint64_t* keys, std::size_t n);

}  // namespace tallowmere::stats
