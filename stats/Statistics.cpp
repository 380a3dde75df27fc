#include "stats/Statistics.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"
#include "stats/RadixSort.h"

namespace modStatistics {

namespace {

// How many leading elements of `a` a loop 1..n visits. A count larger than the
// array is a failure rather than a read past its end.
std::size_t Elements(const std::vector<double>& a, std::int32_t n) {
  if (n <= 0) return 0;
  if (static_cast<std::size_t>(n) > a.size()) throw std::out_of_range(kSubscriptOutOfRange);
  return static_cast<std::size_t>(n);
}

// ---- Two threads ----------------------------------------------------------
//
// Large data sets are worked on by two threads where the work per element is
// independent. Every result is the one the single-threaded loops give: the
// threads only compute values that do not depend on their order, and every
// sum is still taken by one thread, in index order.

// From this many elements on the work is shared; below it a thread costs
// more than it saves.
constexpr std::size_t kParallelElements = std::size_t{1} << 16;

// acc = Add(acc, term(i)) for i = 0 .. n - 1, exactly as that loop does it:
// the same additions in the same order, and the first failure in index order
// (of a term or of an addition) is the one raised. The terms are asked for a
// block at a time: terms(begin, end, out, done) sets out[0 ..) to the terms of
// begin .. end - 1 in order, `done` to how many it set, and raises the
// failure of the term after them if one failed; a term must depend only on
// its index. For large n the blocks are computed by two threads, a round of
// blocks at a time (so that only a round's terms are ever held); this thread
// adds up the blocks in order.
template <class Terms>
double SumOfTerms(std::size_t n, const Terms& terms) {
  constexpr std::size_t kBlock = 8192;
  double acc = 0.0;
  // The terms of begin .. end - 1 added in order, through `scratch`.
  auto addTerms = [&](std::size_t begin, std::size_t end, double* scratch) {
    for (std::size_t from = begin; from < end; from += kBlock) {
      std::size_t done = 0;
      std::exception_ptr failure;
      try {
        terms(from, std::min(end, from + kBlock), scratch, done);
      } catch (...) {
        failure = std::current_exception();
      }
      for (std::size_t j = 0; j < done; ++j) acc = arith::Add(acc, scratch[j]);
      if (failure) std::rethrow_exception(failure);
    }
  };
  if (n < kParallelElements) {
    const auto scratch = std::make_unique_for_overwrite<double[]>(std::min(n, kBlock));
    addTerms(0, n, scratch.get());
    return acc;
  }

  constexpr std::size_t kRoundBlocks = 32;
  struct Block {
    std::size_t valid = 0;  // terms computed before a failure
    std::exception_ptr failure;
    double terms[kBlock];
  };
  auto kept = std::make_unique<Block[]>(kRoundBlocks);
  core::TwoThreads threads;
  const std::size_t blocks = (n + kBlock - 1) / kBlock;
  for (std::size_t first = 0; first < blocks; first += kRoundBlocks) {
    auto beginOf = [&](std::size_t k) { return (first + k) * kBlock; };
    auto endOf = [&](std::size_t k) { return std::min(n, beginOf(k) + kBlock); };
    core::RunInOrder(
        threads, std::min(kRoundBlocks, blocks - first),
        [&](std::size_t k) {
          Block& block = kept[k];
          block.failure = nullptr;
          block.valid = 0;
          try {
            terms(beginOf(k), endOf(k), block.terms, block.valid);
          } catch (...) {
            block.failure = std::current_exception();
          }
        },
        [&](std::size_t k) {
          const Block& block = kept[k];
          for (std::size_t j = 0; j < block.valid; ++j) acc = arith::Add(acc, block.terms[j]);
          if (block.failure) std::rethrow_exception(block.failure);
        },
        [&](std::size_t k) { addTerms(beginOf(k), endOf(k), kept[k].terms); });
  }
  return acc;
}

}  // namespace

// NumberCount as a loop bound, converted like every double that becomes a
// 32-bit integer: rounded half to even, a value outside the range is an
// overflow.
std::int32_t DataSet::LoopBound() const {
  const double c = numberCount_;
  if (!(c >= -2147483648.5 && c < 2147483647.5)) throw ArithmeticError(kOverflow);
  return static_cast<std::int32_t>(std::nearbyint(c));
}

// The rows of a run ask for the sum, the mean, the variance and the standard
// deviation again and again (the definitions of the later ones call the
// earlier ones). Nothing changes the data set between those calls, and the
// same additions in the same order give the same bits, so each is worked out
// once and kept until the data, the count or the method changes. Failures are
// not kept: they are rare and cheap to meet again.

void DataSet::ForgetResults() {
  sum_.reset();
  mean_.reset();
  variance_.reset();
  sumOfSquares_.reset();
  averageDeviation_.reset();
  squaredDeviations_.reset();
  absoluteDeviations_.reset();
  mode_.reset();
}

void DataSet::WorkOutAhead() const noexcept {
  try {
    const std::size_t n = Elements(numbers_, LoopBound());
    if (n < kParallelElements) return;
    // The two share nothing: the mode reads the numbers and the sorted copy
    // (or the ties kept in its place), the sums read the numbers and keep
    // what they find in results of their own. The round's end is where this
    // thread sees those.
    core::TwoThreads threads;
    threads.Run(
        1,
        [this](std::size_t) {
          try {
            SumsAhead();
          } catch (...) {
            // Not kept: the row meets the failure again.
          }
        },
        [this] { GetMode(); });
  } catch (...) {
    // Nothing worked out ahead: each row works out its own.
  }
}

// The sums of the rows, two at a time in one pass over the numbers: the sum
// with the sum of squares, then the squared with the absolute deviations.
// Each sum is the same additions, in the same order, as its own loop, only
// unchecked. A sum that meets a failure (an infinite or invalid step) can only
// end infinite or NaN, since nothing brings it back: such a sum is not kept,
// and its own loop meets the failure again when its row asks.
void DataSet::SumsAhead() const {
  const std::size_t n = Elements(numbers_, LoopBound());
  const double* x = numbers_.data();
  double sum = 0.0, squares = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    sum = sum + x[i];
    squares = x[i] * x[i] + squares;
  }
  if (std::isfinite(sum) && !sum_) sum_ = sum;
  if (std::isfinite(squares) && !sumOfSquares_) sumOfSquares_ = squares;
  const double mean = GetMean();
  double squared = 0.0, absolute = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double d = x[i] - mean;
    squared = d * d + squared;
    absolute = std::fabs(d) + absolute;
  }
  if (std::isfinite(squared)) squaredDeviations_ = squared;
  if (std::isfinite(absolute)) absoluteDeviations_ = absolute;
  GetVariance();
  GetAverageDeviation();
}

double DataSet::VarianceFrom(double mean) const {
  double acc = 0.0;
  if (squaredDeviations_) {
    acc = *squaredDeviations_;
  } else {
    const std::size_t n = Elements(numbers_, LoopBound());
    const double* x = numbers_.data();
    for (std::size_t i = 0; i < n; ++i) {
      const double d = arith::Sub(x[i], mean);
      acc = arith::Add(arith::Mul(d, d), acc);
    }
  }
  // Sample with one number divides 0 by 0, which fails like any other invalid
  // operation.
  return methodIsSample_ ? arith::Div(acc, arith::Sub(numberCount_, 1.0)) : arith::Div(acc, numberCount_);
}

double DataSet::SkewValue() const {
  const std::size_t n = Elements(numbers_, LoopBound());
  const double mean = GetMean();
  const StatResult s = GetStandardDeviation();
  // s.Number() fails for "#Div/0!" (only asked when there is a term, as in
  // the loop of the definition); a zero s fails in the division.
  const double sd = n > 0 ? s.Number() : 0.0;
  const double* x = numbers_.data();
  // Each term is Cube(Div(Sub(x[i], mean), sd)), several at a time.
  const double acc = SumOfTerms(n, [x, mean, sd](std::size_t begin, std::size_t end, double* out, std::size_t& done) {
    arith::ScaledCubes(x + begin, mean, sd, out, end - begin, done);
  });
  const double count = numberCount_;
  const double factor = arith::Div(count, arith::Mul(arith::Sub(count, 1.0), arith::Sub(count, 2.0)));
  return arith::Mul(factor, acc);
}

double DataSet::CoefficientOfVariationValue() const {
  // Defined as the standard deviation, then the mean: both come from the one
  // mean worked out here. Any failure gives "#Div/0!" whichever step it comes
  // from, so the order of the two does not show.
  const double m = GetMean();
  const StatResult s = GetStandardDeviation();
  return arith::Mul(arith::Div(s.Number(), m), 100.0);
}

namespace {

// ---- The mode -------------------------------------------------------------
//
// By definition every position is counted against every other one and the tie
// list is built in list order. Here the counts come from a sorted copy (runs
// of equal values; both zeros share a key, as they are equal), and only the
// values that reach the highest count are looked up again while walking the
// list in order.

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

template <class KeyAt>
Ties CollectTies(std::size_t n, KeyAt keyAt) {
  TieCounter counter;
  counter.Add(n, keyAt);
  return std::move(counter).Finish();
}

// The tied values (ascending keys), looked up by key. Open addressing with
// linear probing; a slot holds ordinal + 1, 0 when empty. A found entry can be
// retired: later lookups of that key then miss, which is what the walk wants
// once a value's first position has been dealt with.
class TieTable {
 public:
  static constexpr std::size_t kMissing = std::numeric_limits<std::size_t>::max();

  explicit TieTable(const std::vector<std::uint64_t>& keys) : keys_(keys) {
    const std::size_t count = keys.size();
    const std::size_t capacity = std::bit_ceil(count + count / 2 + 1);
    shift_ = 64 - std::countr_zero(capacity);
    mask_ = capacity - 1;
    slots_.assign(capacity, kEmpty);
    for (std::size_t ordinal = 0; ordinal < count; ++ordinal) {
      std::size_t s = Home(keys[ordinal]);
      while (slots_[s] != kEmpty) s = (s + 1) & mask_;
      slots_[s] = static_cast<std::uint32_t>(ordinal + 1);
    }
  }

  // The slot holding `key`, or kMissing.
  std::size_t Find(std::uint64_t key) const {
    for (std::size_t s = Home(key);; s = (s + 1) & mask_) {
      const std::uint32_t v = slots_[s];
      if (v == kEmpty) return kMissing;
      if (v != kRetired && keys_[v - 1] == key) return s;
    }
  }
  std::size_t Ordinal(std::size_t slot) const { return slots_[slot] - 1; }
  void Retire(std::size_t slot) { slots_[slot] = kRetired; }

  // A large table is far bigger than the caches and every lookup would wait
  // for memory twice (slot, then key). The walk announces its lookups ahead:
  // first the home slot, later the key that slot names.
  void PrefetchSlot(std::uint64_t key) const { __builtin_prefetch(&slots_[Home(key)]); }
  void PrefetchKey(std::uint64_t key) const {
    const std::uint32_t v = slots_[Home(key)];
    if (v != kEmpty && v != kRetired) __builtin_prefetch(&keys_[v - 1]);
  }

 private:
  static constexpr std::uint32_t kEmpty = 0;
  static constexpr std::uint32_t kRetired = std::numeric_limits<std::uint32_t>::max();

  std::size_t Home(std::uint64_t key) const {
    // splitmix64's finaliser: keys of whole numbers differ only in their top
    // bits, which a plain multiplicative hash would spread poorly.
    key ^= key >> 30;
    key *= 0xbf58476d1ce4e5b9ULL;
    key ^= key >> 27;
    key *= 0x94d049bb133111ebULL;
    key ^= key >> 31;
    return static_cast<std::size_t>(key >> shift_);
  }

  const std::vector<std::uint64_t>& keys_;
  std::vector<std::uint32_t> slots_;
  int shift_ = 0;
  std::size_t mask_ = 0;
};

// A first, cheap look for the walk: one bit per hash of the tied keys. Most
// positions of a large list hold none of the tied values, and a clear bit
// settles that with one read from a table that stays in the caches.
class TieFilter {
 public:
  explicit TieFilter(const std::vector<std::uint64_t>& keys) {
    const int log2 = std::clamp(static_cast<int>(std::bit_width(keys.size() * 32)), 16, 24);
    shift_ = 64 - log2;
    words_.assign((std::size_t{1} << log2) / 64, 0);
    for (std::uint64_t key : keys) {
      const std::size_t h = Hash(key);
      words_[h / 64] |= std::uint64_t{1} << (h % 64);
    }
  }
  bool MayHold(std::uint64_t key) const {
    const std::size_t h = Hash(key);
    return (words_[h / 64] >> (h % 64)) & 1;
  }

 private:
  std::size_t Hash(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
  }
  std::vector<std::uint64_t> words_;
  int shift_ = 0;
};

// Whether two different values a < b have the same number text. The text
// rounds to 15 significant digits, so equal texts need b - a <= 1e-14 of the
// magnitude; only values that close are formatted and compared.
bool SameNumberText(double a, double b, const numtext::Separators& sep) {
  const double magnitude = std::max(std::fabs(a), std::fabs(b));
  if (!(b - a <= magnitude * 2e-14)) return false;
  return numtext::NumberText(a, sep) == numtext::NumberText(b, sep);
}

// Values with the same number text lie next to each other in ascending order;
// a group of them is named by its first (lowest) member.
std::size_t TextGroup(const std::vector<std::uint64_t>& tied, std::size_t ordinal, const numtext::Separators& sep) {
  while (ordinal > 0 && SameNumberText(radix::FromOrderKey(tied[ordinal - 1]), radix::FromOrderKey(tied[ordinal]), sep))
    --ordinal;
  return ordinal;
}

// The mode of x[0..n) given the values that reach the highest count.
StatResult ModeFromTies(const double* x, std::size_t n, const Ties& ties, const numtext::Separators& sep) {
  // No value occurs twice (a single number included).
  if (ties.maxCount < 2) return kNoneText;
  const std::vector<std::uint64_t>& tied = ties.keys;

  if (tied.size() == 1) {
    const double mode = radix::FromOrderKey(tied[0]);
    for (std::size_t i = 0; i < n; ++i) {
      if (x[i] == mode) return x[i];
    }
    throw std::logic_error("mode not found");
  }

  TieTable table(tied);
  const TieFilter filter(tied);
  // best: the first position whose value has the highest count.
  std::size_t best = 0;
  std::size_t slot = TieTable::kMissing;
  for (; best < n; ++best) {
    const std::uint64_t key = radix::EqualityKey(x[best]);
    if (!filter.MayHold(key)) continue;
    slot = table.Find(key);
    if (slot != TieTable::kMissing) break;
  }
  if (slot == TieTable::kMissing) throw std::logic_error("mode not found");
  const std::size_t bestOrdinal = table.Ordinal(slot);
  table.Retire(slot);  // positions equal to Numbers(best) are never listed
  // Once every tied value has met its first position, nothing later can be
  // listed and the walk ends.
  std::size_t retired = 1;

  // A value is listed at its first position unless a value with the same
  // number text is already in the list. The list starts with the text of
  // Numbers(best) only once a second value joins it.
  std::vector<bool> listed(tied.size(), false);  // by text group
  std::string text;
  constexpr std::size_t kAhead = 16;
  const bool prefetch = tied.size() > 4096;
  for (std::size_t i = best + 1; i < n && retired < tied.size(); ++i) {
    if (prefetch) {
      if (i + kAhead < n) table.PrefetchSlot(radix::EqualityKey(x[i + kAhead]));
      if (i + kAhead / 2 < n) table.PrefetchKey(radix::EqualityKey(x[i + kAhead / 2]));
    }
    const std::uint64_t key = radix::EqualityKey(x[i]);
    if (!filter.MayHold(key)) continue;
    slot = table.Find(key);
    if (slot == TieTable::kMissing) continue;
    const std::size_t group = TextGroup(tied, table.Ordinal(slot), sep);
    table.Retire(slot);  // later positions of this value are always skipped
    ++retired;
    if (listed[group]) continue;
    if (text.empty()) {
      text = numtext::NumberText(x[best], sep);
      listed[TextGroup(tied, bestOrdinal, sep)] = true;
    }
    listed[group] = true;
    text += " or ";
    text += numtext::NumberText(x[i], sep);
  }
  if (text.empty()) return x[best];
  return text;
}

}  // namespace

StatResult DataSet::ModeOf(const double* x, std::size_t n) const {
  if (sortedIsCurrent_ && sortedOrder_ && sortedOrder_->count == n)
    return ModeFromTies(x, n, sortedOrder_->ties, separators_);
  Ties ties;
  if (sortedIsCurrent_ && sortedCount_ == n) {
    const double* sorted = sortedNumbers_.get();
    ties = CollectTies(n, [sorted](std::size_t i) { return radix::EqualityKey(sorted[i]); });
  } else {
    auto keys = std::make_unique_for_overwrite<std::uint64_t[]>(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = radix::EqualityKey(x[i]);
    radix::SortKeysInPlace(keys.get(), n);
    ties = CollectTies(n, [&keys](std::size_t i) { return keys[i]; });
  }
  return ModeFromTies(x, n, ties, separators_);
}

void DataSet::SetNumbers(std::vector<double> numbers) {
  numbers_ = std::move(numbers);
  sortedIsCurrent_ = false;
  ForgetResults();
}

void DataSet::SetSortedCopyKept(bool kept, std::size_t wholeSortLimit) {
  sortedCopyKept_ = kept;
  wholeSortLimit_ = wholeSortLimit;
}

std::vector<double> DataSet::TakeNumbers() {
  sortedIsCurrent_ = false;
  ForgetResults();
  sortedNumbers_.reset();
  sortedCount_ = 0;
  sortedOrder_.reset();
  return std::exchange(numbers_, {});
}

void DataSet::SetNumberCount(double count) {
  numberCount_ = count;
  sortedIsCurrent_ = false;
  ForgetResults();
}

void DataSet::SortNumbers() {
  const std::size_t n = Elements(numbers_, LoopBound());
  sortedIsCurrent_ = false;
  // Let go of the old copy first, so that a large data set is never held
  // three times over.
  sortedNumbers_.reset();
  sortedCount_ = 0;
  sortedOrder_.reset();
  std::optional<core::TwoThreads> threads;
  if (n >= kParallelElements) threads.emplace();
  if (!sortedCopyKept_ && n > wholeSortLimit_) {
    sortedOrder_ = SortInParts(n, threads ? &*threads : nullptr);
    sortedIsCurrent_ = true;
    return;
  }
  auto sorted = std::make_unique_for_overwrite<double[]>(n);
  // The result has the same values in the same order as the exchange sort of
  // the definition (compared with ==). The only equal values that can be told
  // apart are -0 and +0, which may end up in another order among themselves
  // (here -0 always comes first). Only the median reads this copy, and the
  // number text of -0 is "0", so the difference never shows.
  radix::SortDoubles(numbers_.data(), n, sorted.get(), threads ? &*threads : nullptr);
  // Only a finished sort is kept: a failed one leaves no copy to read.
  sortedNumbers_ = std::move(sorted);
  sortedCount_ = n;
  sortedIsCurrent_ = true;
}

// The sorted order is read as it comes: the ties counted as the mode counts
// them from a sorted copy, and the middle elements, the ends and the
// quartiles' neighbours picked by their places.
DataSet::SortedOrder DataSet::SortInParts(std::size_t n, core::TwoThreads* threads) const {
  constexpr std::size_t kParts = 4;
  SortedOrder order;
  order.count = n;
  order.places = OrderPlacesOf(n);
  TieCounter ties;
  const std::size_t upper = n / 2;
  std::size_t seen = 0;
  radix::SortInRounds(
      numbers_.data(), n, (n + kParts - 1) / kParts,
      [&](std::span<const double> part) {
        ties.Add(part.size(), [part](std::size_t i) { return radix::EqualityKey(part[i]); });
        auto pick = [&](std::size_t place, double& into) {
          if (place >= seen && place - seen < part.size()) into = part[place - seen];
        };
        pick(upper, order.upperMiddle);
        if (upper > 0) pick(upper - 1, order.lowerMiddle);
        for (std::size_t k = 0; k < kOrderPlaces; ++k) pick(order.places[k], order.atPlaces[k]);
        seen += part.size();
      },
      threads);
  order.ties = std::move(ties).Finish();
  return order;
}

double DataSet::GetSum() const {
  if (sum_) return *sum_;
  const std::size_t n = Elements(numbers_, LoopBound());
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) sum = arith::Add(sum, numbers_[i]);
  sum_ = sum;
  return sum;
}

double DataSet::GetSumOfSquares() const {
  if (sumOfSquares_) return *sumOfSquares_;
  const std::size_t n = Elements(numbers_, LoopBound());
  double total = 0.0;
  for (std::size_t i = 0; i < n; ++i) total = arith::Add(arith::Mul(numbers_[i], numbers_[i]), total);
  sumOfSquares_ = total;
  return total;
}

double DataSet::GetMean() const {
  if (!mean_) mean_ = arith::Div(GetSum(), numberCount_);
  return *mean_;
}

double DataSet::GetMedian() const {
  const std::int32_t n = LoopBound();
  if (n < 1) throw std::out_of_range(kSubscriptOutOfRange);
  const std::size_t half = static_cast<std::size_t>(n / 2);
  double upper = 0.0, lower = 0.0;
  if (sortedOrder_) {
    if (static_cast<std::size_t>(n) != sortedOrder_->count) throw std::out_of_range(kSubscriptOutOfRange);
    upper = sortedOrder_->upperMiddle;
    lower = sortedOrder_->lowerMiddle;
  } else {
    if (static_cast<std::size_t>(n) > sortedCount_) throw std::out_of_range(kSubscriptOutOfRange);
    upper = sortedNumbers_[half];
    if (n % 2 == 0) lower = sortedNumbers_[half - 1];
  }
  if (n % 2 == 1) return upper;
  // Upper middle element plus lower middle element, then halved.
  return arith::Div(arith::Add(upper, lower), 2.0);
}

StatResult DataSet::GetAverageDeviation() const {
  if (averageDeviation_) return *averageDeviation_;
  double acc = 0.0;
  if (absoluteDeviations_) {
    acc = *absoluteDeviations_;
  } else {
    const std::size_t n = Elements(numbers_, LoopBound());
    const double mean = GetMean();
    for (std::size_t i = 0; i < n; ++i) acc = arith::Add(std::fabs(arith::Sub(numbers_[i], mean)), acc);
  }
  averageDeviation_ = arith::Div(acc, numberCount_);
  return *averageDeviation_;
}

StatResult DataSet::GetMode() const {
  if (mode_) return *mode_;
  try {
    const std::size_t n = Elements(numbers_, LoopBound());
    if (n == 0) throw std::out_of_range(kSubscriptOutOfRange);
    mode_ = ModeOf(numbers_.data(), n);
    return *mode_;
  } catch (...) {
    return kErrorText;
  }
}

StatResult DataSet::GetVariance() const {
  if (variance_) return *variance_;
  try {
    variance_ = VarianceFrom(GetMean());
  } catch (...) {
    // A failure of the mean stays a failure of the mean: not kept.
    if (!mean_) return kDivZeroText;
    variance_ = kDivZeroText;
  }
  return *variance_;
}

StatResult DataSet::GetStandardDeviation() const {
  try {
    return std::sqrt(std::fabs(GetVariance().Number()));
  } catch (...) {
    return kDivZeroText;
  }
}

StatResult DataSet::GetSkew() const {
  try {
    return SkewValue();
  } catch (...) {
    return kDivZeroText;
  }
}

StatResult DataSet::GetCoefficientOfVariation() const {
  try {
    return CoefficientOfVariationValue();
  } catch (...) {
    return kDivZeroText;
  }
}

}  // namespace modStatistics
