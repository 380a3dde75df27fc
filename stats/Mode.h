#pragma once
// The mode: the value that occurs most often, or the list of values tied for
// it, of a data set whose count can run to hundreds of millions.
//
// By definition every position is counted against every other one and the tie
// list is built in list order. Here the counts come from a sorted order (runs
// of equal values; both zeros share a key, as they are equal), and only the
// values that reach the highest count are looked up again while walking the
// list in order.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "numtext/Separators.h"
#include "stats/StatResult.h"

namespace tallowmere::stats::modStatistics {

// What the mode reads from the sorted order: the highest number of equal
// values (0 when no value occurs twice) and the values that reach it, as
// their equality keys (stats::EqualityKey), ascending.
struct Ties {
  std::size_t maxCount = 0;
  std::vector<std::uint64_t> keys;
};

// The highest count in a sorted sequence of keys, and the keys reaching it
// (ascending), counted as the keys come, in parts of the sequence or whole.
// None are collected when no key repeats.
//
// One read, counting the run each key is in as it goes: a key is kept when
// its run reaches the highest count so far, and the kept keys are dropped
// when a run goes beyond it. Single values are never kept. Most keys end or
// continue a short run, so the loop's one branch is rarely taken.
class TieCounter {
 public:
  template <class KeyAt>
  void Add(std::size_t n, KeyAt keyAt) {
    if (n == 0) return;
    std::size_t i = 0;
    if (!started_) {
      previous_ = keyAt(0);
      run_ = 1;
      started_ = true;
      i = 1;
    }
    // The loop's state in locals, so that it stays in registers.
    std::uint64_t previous = previous_;
    std::size_t run = run_;
    std::size_t needed = needed_;
    for (; i < n; ++i) {
      const std::uint64_t key = keyAt(i);
      run = key == previous ? run + 1 : 1;
      previous = key;
      if (run < needed) continue;
      // The run reaches the highest count (once per run), or goes beyond it.
      if (run > ties_.maxCount) {
        ties_.maxCount = run;
        ties_.keys.clear();
      }
      ties_.keys.push_back(key);
      needed = ties_.maxCount;
    }
    previous_ = previous;
    run_ = run;
    needed_ = needed;
  }

  Ties Finish() && { return std::move(ties_); }

 private:
  Ties ties_;
  bool started_ = false;
  std::uint64_t previous_ = 0;
  std::size_t run_ = 0;
  std::size_t needed_ = 2;  // the run length that is kept: the highest count, at least 2
};

// The ties of n values in ascending order.
Ties TiesOfSorted(const double* sorted, std::size_t n);
// The ties of n values in any order: their keys are sorted first.
Ties TiesOfUnsorted(const double* x, std::size_t n);

// The mode of x[0..n) given its ties: "None" when no value occurs twice, the
// value at the first position whose value has the highest count, or, when
// values of different number texts tie, their texts (spelt with `sep`)
// joined by " or " in the order of their first positions.
StatResult ModeFromTies(const double* x, std::size_t n, const Ties& ties, const numtext::Separators& sep);

}  // namespace tallowmere::stats::modStatistics
