#include "stats/RadixSort.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/BigMemory.h"

namespace tallowmere::stats {

namespace {

// LSD digits: 11 bits keep the bucket table (2048 write positions) small enough
// for the caches while needing at most six passes for 64-bit keys.
constexpr int kLsdBits = 11;
constexpr int kLsdDigits = (64 + kLsdBits - 1) / kLsdBits;
constexpr std::size_t kLsdRadix = std::size_t{1} << kLsdBits;
constexpr std::uint64_t kLsdMask = kLsdRadix - 1;

// Below this size a bucket of the in-place sort is finished by insertion sort.
constexpr std::size_t kSmallRun = 32;

void InsertionSort(std::uint64_t* a, std::size_t n) {
  for (std::size_t i = 1; i < n; ++i) {
    const std::uint64_t v = a[i];
    std::size_t j = i;
    for (; j > 0 && a[j - 1] > v; --j) a[j] = a[j - 1];
    a[j] = v;
  }
}

// American flag sort. Each call first looks for the highest bit in which the
// keys differ and sorts on the 8-bit digit holding it, so runs of equal keys
// (very common: integer data with many repeats) end after one read and
// digits that all keys share are never permuted.
void MsdSort(std::uint64_t* a, std::size_t n) {
  if (n <= kSmallRun) {
    InsertionSort(a, n);
    return;
  }
  const std::uint64_t first = a[0];
  std::uint64_t diff = 0;
  for (std::size_t i = 1; i < n; ++i) diff |= a[i] ^ first;
  if (diff == 0) return;
  const int shift = ((63 - std::countl_zero(diff)) / 8) * 8;

  std::size_t count[256] = {};
  for (std::size_t i = 0; i < n; ++i) ++count[(a[i] >> shift) & 0xFF];
  std::size_t head[256];
  std::size_t tail[256];
  std::size_t sum = 0;
  for (unsigned b = 0; b < 256; ++b) {
    head[b] = sum;
    sum += count[b];
    tail[b] = sum;
  }
  for (unsigned b = 0; b < 256; ++b) {
    while (head[b] < tail[b]) {
      std::uint64_t v = a[head[b]];
      unsigned d = (v >> shift) & 0xFF;
      while (d != b) {
        std::swap(v, a[head[d]++]);
        d = (v >> shift) & 0xFF;
      }
      a[head[b]++] = v;
    }
  }
  if (shift == 0) return;
  std::size_t start = 0;
  for (unsigned b = 0; b < 256; ++b) {
    if (count[b] > 1) MsdSort(a + start, count[b]);
    start += count[b];
  }
}

// From this size on SortDoubles works with two threads, when it has them.
// Below it handing out the passes costs more than it saves.
constexpr std::size_t kParallelSort = std::size_t{1} << 18;

// The input of every pass is cut into this many pieces, which the two
// threads take one at a time.
constexpr std::size_t kPieces = 16;

std::size_t Digit(double v, int shift) { return (OrderKey(v) >> shift) & kLsdMask; }

// One stable move of n values by a digit of their keys, shared by two
// threads: the input is cut into pieces; first each piece's values are counted
// by digit, then the counts become the places where each piece's values of
// each digit go, then every piece is moved. Within a bucket the values of
// earlier pieces go in front of those of later ones, so the move is stable.
class PiecewiseMove {
 public:
  PiecewiseMove(std::size_t n, std::size_t radix)
      : n_(n), radix_(radix), offsets_(core::MakeBigArray<std::size_t>(kPieces * radix)) {}

  template <class DigitOf>
  void Count(const double* from, DigitOf digitOf, core::TwoThreads& threads) {
    threads.Run(kPieces, [&](std::size_t piece) {
      std::size_t* own = &offsets_[piece * radix_];
      std::fill_n(own, radix_, std::size_t{0});
      for (std::size_t i = Begin(piece); i < Begin(piece + 1); ++i) ++own[digitOf(from[i])];
    });
  }

  // Turns the counts into places. With `bucketBegin` (radix + 1 entries), also
  // tells where each bucket begins, and at the end, where the values end.
  void Place(std::size_t* bucketBegin = nullptr) {
    std::size_t sum = 0;
    for (std::size_t b = 0; b < radix_; ++b) {
      if (bucketBegin) bucketBegin[b] = sum;
      for (std::size_t piece = 0; piece < kPieces; ++piece) {
        const std::size_t count = offsets_[piece * radix_ + b];
        offsets_[piece * radix_ + b] = sum;
        sum += count;
      }
    }
    if (bucketBegin) bucketBegin[radix_] = sum;
  }

  template <class DigitOf>
  void Move(const double* from, double* to, DigitOf digitOf, core::TwoThreads& threads) {
    threads.Run(kPieces, [&](std::size_t piece) {
      std::size_t* offset = &offsets_[piece * radix_];
      for (std::size_t i = Begin(piece); i < Begin(piece + 1); ++i) {
        const double v = from[i];
        to[offset[digitOf(v)]++] = v;
      }
    });
  }

  std::size_t Begin(std::size_t piece) const { return n_ / kPieces * piece + std::min(piece, n_ % kPieces); }

 private:
  std::size_t n_;
  std::size_t radix_;
  // offsets_[piece * radix + b]: first the count of digit b in the piece, then
  // where the piece's next value of digit b goes.
  core::BigArray<std::size_t> offsets_;
};

// The LSD sort with two threads: one stable piecewise move per digit, back
// and forth between `a` and `b`. The values start in `a`; the sorted values
// end in `b`.
void SortLsdInTwo(double* a, std::size_t n, double* b, core::TwoThreads& threads) {
  PiecewiseMove move(n, kLsdRadix);
  auto pieceBegin = [&move](std::size_t piece) { return move.Begin(piece); };
  auto copy = [&](const double* from, double* to) {
    threads.Run(kPieces, [&](std::size_t piece) {
      std::copy(from + pieceBegin(piece), from + pieceBegin(piece + 1), to + pieceBegin(piece));
    });
  };

  // The bits in which some key differs from the first one.
  const std::uint64_t k0 = OrderKey(a[0]);
  std::uint64_t differs[kPieces] = {};
  threads.Run(kPieces, [&](std::size_t piece) {
    std::uint64_t diff = 0;
    for (std::size_t i = pieceBegin(piece); i < pieceBegin(piece + 1); ++i) diff |= OrderKey(a[i]) ^ k0;
    differs[piece] = diff;
  });
  std::uint64_t diff = 0;
  for (std::uint64_t d : differs) diff |= d;
  int passes[kLsdDigits];
  int passCount = 0;
  for (int d = 0; d < kLsdDigits; ++d) {
    if ((diff >> (d * kLsdBits)) & kLsdMask) passes[passCount++] = d;
  }

  // An odd number of passes ends in `b`; for an even number the values
  // first go to `b` whole, so that the passes start there and end in `b`.
  double* from = a;
  double* to = b;
  if (passCount % 2 == 0) {
    copy(a, b);
    std::swap(from, to);
  }
  for (int p = 0; p < passCount; ++p) {
    const int shift = passes[p] * kLsdBits;
    const auto digitOf = [shift](double v) { return Digit(v, shift); };
    move.Count(from, digitOf, threads);
    move.Place();
    move.Move(from, to, digitOf, threads);
    std::swap(from, to);
  }
}

constexpr std::size_t kSmallBucket = 1024;

// The digits of the one-thread sort: 12 bits, so that a group of the
// two-thread sort (whose top 16 bits are all the same) takes four passes and
// ends where it began.
constexpr int kWithinBits = 12;
constexpr int kWithinDigits = (64 + kWithinBits - 1) / kWithinBits;
constexpr std::size_t kWithinRadix = std::size_t{1} << kWithinBits;
constexpr std::uint64_t kWithinMask = kWithinRadix - 1;

// Counts key k in the table of each digit from D up to Digits (unrolled, so
// that every shift is a constant); the table of digit D comes first.
template <int Digits, int D, int First = D>
[[gnu::always_inline]] inline void CountDigits(std::uint32_t* hist, std::uint64_t k) {
  if constexpr (D < Digits) {
    ++hist[(D - First) * kWithinRadix + ((k >> (D * kWithinBits)) & kWithinMask)];
    CountDigits<Digits, D + 1, First>(hist, k);
  }
}

// Sorts the n values of `a` in place by LSD passes back and forth between
// `a` and `scratch` (room for n values). Digits on which all the values agree
// are skipped; only digits First .. Digits - 1 are looked at (those above are
// the same for all, as in a group of the two-thread sort; with First above 0,
// the values end up in the order of their upper digits only).
template <int Digits = kWithinDigits, int First = 0>
void SortWithin(double* a, double* scratch, std::size_t n) {
  // A few values: the digit tables would cost more than the values.
  if (n < kSmallBucket) {
    std::sort(a, a + n, [](double x, double y) { return OrderKey(x) < OrderKey(y); });
    return;
  }
  // On the stack (up to 96 KB): the helper thread sorts groups too, and a
  // task there must not fail. Counts fit 32 bits: the engine's counts are
  // 32-bit.
  std::uint32_t hist[(Digits - First) * kWithinRadix] = {};
  for (std::size_t i = 0; i < n; ++i) CountDigits<Digits, First>(hist, OrderKey(a[i]));
  const std::uint64_t k0 = OrderKey(a[0]);
  double* from = a;
  double* to = scratch;
  for (int d = First; d < Digits; ++d) {
    std::uint32_t* offset = &hist[static_cast<std::size_t>(d - First) * kWithinRadix];
    if (offset[(k0 >> (d * kWithinBits)) & kWithinMask] == n) continue;
    std::uint32_t sum = 0;
    for (std::size_t bucket = 0; bucket < kWithinRadix; ++bucket) {
      const std::uint32_t c = offset[bucket];
      offset[bucket] = sum;
      sum += c;
    }
    const int shift = d * kWithinBits;
    for (std::size_t i = 0; i < n; ++i) {
      const double v = from[i];
      to[offset[(OrderKey(v) >> shift) & kWithinMask]++] = v;
    }
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + n, a);
}

// The top digit: the sign, the exponent and the mantissa's first bits; wide
// enough that the buckets of typical data fit the caches.
constexpr int kTopBits = 16;
constexpr int kTopShift = 64 - kTopBits;
constexpr std::size_t kTopRadix = std::size_t{1} << kTopBits;
// The digits below the top, in which the values of a group differ.
constexpr int kGroupDigits = (64 - kTopBits) / kWithinBits;
static_assert(kGroupDigits * kWithinBits == 64 - kTopBits);

// A group is first ordered by the upper two of its four digits alone: in list
// data two different values rarely agree in their first 40 bits (values of up
// to eight significant decimal digits never do), so the lower passes would
// move values already in their places. Runs of values that do agree
// there, and are out of order, are then sorted on their own by the lower
// digits, so the result is the same sorted sequence either way.
constexpr int kUpperDigits = 2;
constexpr int kLowerBits = (kGroupDigits - kUpperDigits) * kWithinBits;

void SortGroup(double* a, double* scratch, std::size_t n) {
  SortWithin<kGroupDigits, kGroupDigits - kUpperDigits>(a, scratch, n);
  if (n < kSmallBucket) return;  // already sorted whole
  std::uint64_t previous = OrderKey(a[0]);
  for (std::size_t i = 1; i < n; ++i) {
    const std::uint64_t key = OrderKey(a[i]);
    if (key >= previous) {
      previous = key;
      continue;
    }
    // Ordered by the upper digits, a[i - 1] and a[i] agree in them: the run
    // of values that do is sorted whole.
    const std::uint64_t upper = key >> kLowerBits;
    std::size_t begin = i - 1;
    while (begin > 0 && OrderKey(a[begin - 1]) >> kLowerBits == upper) --begin;
    std::size_t end = i + 1;
    while (end < n && OrderKey(a[end]) >> kLowerBits == upper) ++end;
    SortWithin<kGroupDigits - kUpperDigits>(a + begin, scratch, end - begin);
    previous = OrderKey(a[end - 1]);
    i = end - 1;
  }
}

// The sort with two threads. Moving every value through memory six times
// (one LSD pass per digit) costs more than the work on each value, so the
// values are first moved once, by pieces, into `dst`, grouped by their top
// digit; each group, small enough for the caches, is then sorted on its own
// (through a scratch buffer of each thread's) while the other thread sorts
// another. A group holding much of the data is sorted by both threads
// together. Equal keys are equal bits, so the result is the only ascending
// order of the keys, however it is reached. Apart from `dst`, only a large
// group ever needs a buffer of its size.
void SortDoublesInTwo(const double* src, std::size_t n, double* dst, core::TwoThreads& threads) {
  const auto topOf = [](double v) { return static_cast<std::size_t>(OrderKey(v) >> kTopShift); };
  PiecewiseMove move(n, kTopRadix);
  move.Count(src, topOf, threads);
  std::vector<std::size_t> bucketBegin(kTopRadix + 1, 0);
  move.Place(bucketBegin.data());
  move.Move(src, dst, topOf, threads);

  std::vector<std::size_t> small;  // the groups sorted by one thread
  std::size_t largestSmall = 0;
  for (std::size_t b = 0; b < kTopRadix; ++b) {
    const std::size_t begin = bucketBegin[b], size = bucketBegin[b + 1] - begin;
    if (size < 2) continue;
    if (size >= kParallelSort && size > n / 4) {
      auto scratch = core::MakeBigArray<double>(size);
      std::copy(dst + begin, dst + begin + size, scratch.get());
      SortLsdInTwo(scratch.get(), size, dst + begin, threads);
    } else {
      small.push_back(b);
      largestSmall = std::max(largestSmall, size);
    }
  }
  if (small.empty()) return;
  // Made here: a task on the helper must not fail.
  core::BigArray<double> scratch[2] = {core::MakeBigArray<double>(largestSmall),
                                       core::MakeBigArray<double>(largestSmall)};
  threads.Run(small.size(), [&](std::size_t k) {
    double* own = scratch[threads.OnHelper() ? 1 : 0].get();
    const std::size_t begin = bucketBegin[small[k]], size = bucketBegin[small[k] + 1] - begin;
    SortGroup(dst + begin, own, size);
  });
}

// ---- A part at a time ------------------------------------------------------

// The widest digits by which the keys of the whole range are counted (the
// groups of SortGroup), and those of an interval counted again. Fewer values
// are counted by narrower digits, down to the narrowest, so that the digits
// never far outnumber the values.
constexpr int kTopNodeBits = kTopBits;
constexpr int kInnerNodeBits = 12;
constexpr int kNarrowestNodeBits = 4;

// The sort of SortInRounds. The keys are counted by their top digit; the
// digits are then taken in order, runs of them that fit a part gathered and
// sorted. A digit of more values than a group may hold (a quarter of a part)
// becomes a node of its own: the values of all such digits are counted
// again, in one pass, each node by a finer digit of its own (the one holding
// the highest bit in which the keys of its interval differ), and so on down
// to single keys, which need no sort. A group whose keys share their top 16
// bits, as those of a large input's top digit and every node below it do, is
// sorted by SortGroup, neighbouring digits together; any other by all the
// digits of its keys.
class RoundSorter {
 public:
  RoundSorter(const double* src, std::size_t n, std::size_t roundLimit,
              const std::function<void(std::span<const double>)>& take, core::TwoThreads* threads)
      : src_(src),
        n_(n),
        pieces_(threads ? kPieces : 1),
        roundLimit_(roundLimit),
        groupLimit_(std::max<std::size_t>(1, roundLimit / 4)),
        take_(take),
        threads_(threads),
        part_(core::MakeBigArray<double>(roundLimit)) {}

  void Run() {
    std::vector<Node> top(1);
    top[0].Begin(0, ~std::uint64_t{0}, n_, kTopNodeBits, pieces_);
    Count(top, [](std::uint64_t) { return std::ptrdiff_t{0}; });
    SortNode(top[0]);
  }

 private:
  // An interval of keys and its values counted by a digit, per piece of src.
  struct Node {
    std::uint64_t lo = 0, hi = 0;  // the interval; once counted, its lowest and highest key that occur
    std::size_t count = 0;
    std::size_t pieces = 1;
    int shift = 0, bits = 0;                  // the digit: (key >> shift) & Mask()
    std::unique_ptr<std::uint32_t[]> counts;  // [piece * Radix() + digit]

    void Begin(std::uint64_t low, std::uint64_t high, std::size_t values, int widest, std::size_t piecesOfSrc) {
      lo = low;
      hi = high;
      count = values;
      pieces = piecesOfSrc;
      bits = std::clamp(static_cast<int>(std::bit_width(values)), kNarrowestNodeBits, widest);
      shift = std::max(0, static_cast<int>(std::bit_width(lo ^ hi)) - bits);
      if (lo != hi) counts = std::make_unique<std::uint32_t[]>(pieces * Radix());
    }
    std::size_t Radix() const { return std::size_t{1} << bits; }
    std::uint64_t Mask() const { return Radix() - 1; }
    std::size_t Digit(std::uint64_t key) const { return static_cast<std::size_t>((key >> shift) & Mask()); }
    std::size_t Total(std::size_t digit) const {
      std::size_t total = 0;
      for (std::size_t piece = 0; piece < pieces; ++piece) total += counts[piece * Radix() + digit];
      return total;
    }
    // The keys of a digit: those of its block that lie in [lo, hi]. All keys
    // of the node agree above the digit.
    std::uint64_t Base() const { return shift + bits >= 64 ? 0 : lo & ~((std::uint64_t{1} << (shift + bits)) - 1); }
    std::uint64_t DigitLo(std::size_t d) const { return std::max(lo, Base() | (std::uint64_t{d} << shift)); }
    std::uint64_t DigitHi(std::size_t d) const {
      return std::min(hi, Base() | (std::uint64_t{d} << shift) | ((std::uint64_t{1} << shift) - 1));
    }
  };

  std::size_t Begin(std::size_t piece) const { return n_ / pieces_ * piece + std::min(piece, n_ % pieces_); }
  // A round of tasks, on both threads where there are two.
  void Run(std::size_t count, const std::function<void(std::size_t)>& task) {
    if (threads_) return threads_->Run(count, task);
    for (std::size_t k = 0; k < count; ++k) task(k);
  }

  // One pass over src: the values of each node counted by its digit, and
  // its interval narrowed to the keys that occur. slotOf(key) names the node
  // of a key (a node that is a single key is never named), or is negative.
  template <class SlotOf>
  void Count(std::vector<Node>& nodes, const SlotOf& slotOf) {
    const std::size_t m = nodes.size();
    std::vector<std::uint64_t> lows(m * pieces_, ~std::uint64_t{0}), highs(m * pieces_, 0);
    Run(pieces_, [&](std::size_t piece) {
      std::uint64_t* low = &lows[piece * m];
      std::uint64_t* high = &highs[piece * m];
      for (std::size_t i = Begin(piece); i < Begin(piece + 1); ++i) {
        const std::uint64_t k = OrderKey(src_[i]);
        const std::ptrdiff_t slot = slotOf(k);
        if (slot < 0) continue;
        const auto s = static_cast<std::size_t>(slot);
        Node& node = nodes[s];
        ++node.counts[piece * node.Radix() + node.Digit(k)];
        low[s] = std::min(low[s], k);
        high[s] = std::max(high[s], k);
      }
    });
    for (std::size_t s = 0; s < m; ++s) {
      if (nodes[s].lo == nodes[s].hi) continue;
      std::uint64_t low = ~std::uint64_t{0}, high = 0;
      for (std::size_t piece = 0; piece < pieces_; ++piece) {
        low = std::min(low, lows[piece * m + s]);
        high = std::max(high, highs[piece * m + s]);
      }
      nodes[s].lo = low;
      nodes[s].hi = high;
    }
  }

  // Hands on, in order, the values of a counted node.
  void SortNode(Node& node) {
    if (node.lo == node.hi) return TakeCopies(node.lo, node.count);
    const std::size_t first = node.Digit(node.lo), last = node.Digit(node.hi);
    // The digits too large for a group, counted again together.
    std::vector<Node> inner;
    std::vector<std::ptrdiff_t> innerOf;
    for (std::size_t d = first; d <= last; ++d) {
      const std::size_t c = node.Total(d);
      if (c <= groupLimit_) continue;
      if (innerOf.empty()) innerOf.assign(node.Radix(), -1);
      innerOf[d] = static_cast<std::ptrdiff_t>(inner.size());
      inner.emplace_back().Begin(node.DigitLo(d), node.DigitHi(d), c, kInnerNodeBits, pieces_);
    }
    if (!inner.empty()) {
      const std::uint64_t lo = node.lo, span = node.hi - node.lo;
      Count(inner, [&](std::uint64_t k) {
        if (k - lo > span) return std::ptrdiff_t{-1};
        const std::ptrdiff_t slot = innerOf[node.Digit(k)];
        return slot >= 0 && inner[static_cast<std::size_t>(slot)].counts ? slot : std::ptrdiff_t{-1};
      });
    }

    std::size_t from = first, pending = 0;  // the digits gathered next, and their values
    for (std::size_t d = first; d <= last; ++d) {
      const std::size_t c = node.Total(d);
      if (c == 0) continue;
      if (c > groupLimit_) {
        if (pending > 0) Gather(node, from, d - 1, pending);
        pending = 0;
        SortNode(inner[static_cast<std::size_t>(innerOf[d])]);
        continue;
      }
      if (pending + c > roundLimit_) {
        Gather(node, from, d - 1, pending);
        pending = 0;
      }
      if (pending == 0) from = d;
      pending += c;
    }
    if (pending > 0) Gather(node, from, last, pending);
  }

  // Gathers the `count` values of digits first .. last of the node into the
  // part, by pieces as PiecewiseMove does, sorts each digit's group and hands
  // the part on.
  void Gather(Node& node, std::size_t first, std::size_t last, std::size_t count) {
    std::vector<std::size_t> groupBegin(last - first + 2);
    std::uint32_t at = 0;
    for (std::size_t d = first; d <= last; ++d) {
      groupBegin[d - first] = at;
      for (std::size_t piece = 0; piece < pieces_; ++piece) {
        std::uint32_t& slot = node.counts[piece * node.Radix() + d];
        const std::uint32_t c = slot;
        slot = at;
        at += c;
      }
    }
    groupBegin[last - first + 1] = at;
    const std::uint64_t lo = node.DigitLo(first), span = node.DigitHi(last) - lo;
    double* part = part_.get();
    Run(pieces_, [&](std::size_t piece) {
      std::uint32_t* offset = &node.counts[piece * node.Radix()];
      const int shift = node.shift;
      const std::uint64_t mask = node.Mask();
      for (std::size_t i = Begin(piece); i < Begin(piece + 1); ++i) {
        const double v = src_[i];
        const std::uint64_t k = OrderKey(v);
        if (k - lo > span) continue;
        part[offset[(k >> shift) & mask]++] = v;
      }
    });
    // A digit of the lowest place is a single key: nothing to sort.
    if (node.shift > 0) SortGroups(node, first, groupBegin);
    take_(std::span<const double>(part, count));
  }

  // Sorts the groups of the part, those of digits first, first + 1, ...
  // beginning at groupBegin[...]. Neighbouring digits whose keys share their
  // top 16 bits are sorted together, up to a group's size: groups of a few
  // values would cost more than their values.
  void SortGroups(const Node& node, std::size_t first, const std::vector<std::size_t>& groupBegin) {
    struct Group {
      std::size_t begin, end;
      std::uint64_t lo, hi;  // its keys lie in [lo, hi]
      bool OneTopDigit() const { return lo >> kTopShift == hi >> kTopShift; }
    };
    std::vector<Group> groups;
    std::size_t largest = 0;
    for (std::size_t g = 0; g + 1 < groupBegin.size(); ++g) {
      const std::size_t begin = groupBegin[g], end = groupBegin[g + 1];
      if (begin == end) continue;
      const std::uint64_t lo = node.DigitLo(first + g), hi = node.DigitHi(first + g);
      if (!groups.empty() && end - groups.back().begin <= groupLimit_ &&
          Group{0, 0, groups.back().lo, hi}.OneTopDigit()) {
        groups.back().end = end;
        groups.back().hi = hi;
      } else {
        groups.push_back({begin, end, lo, hi});
      }
      largest = std::max(largest, groups.back().end - groups.back().begin);
    }
    // Made here: a task on the helper must not fail.
    if (largest > scratchSize_) {
      for (auto& s : scratch_) s.reset();
      for (auto& s : scratch_) s = core::MakeBigArray<double>(largest);
      scratchSize_ = largest;
    }
    double* part = part_.get();
    Run(groups.size(), [&](std::size_t k) {
      const Group& group = groups[k];
      const std::size_t size = group.end - group.begin;
      if (size < 2) return;
      double* scratch = scratch_[threads_ && threads_->OnHelper() ? 1 : 0].get();
      if (group.OneTopDigit()) {
        SortGroup(part + group.begin, scratch, size);
      } else {
        SortWithin(part + group.begin, scratch, size);
      }
    });
  }

  // `count` copies of the value of `key`, a part at a time.
  void TakeCopies(std::uint64_t key, std::size_t count) {
    const std::size_t size = std::min(count, roundLimit_);
    std::fill_n(part_.get(), size, FromOrderKey(key));
    for (std::size_t left = count; left > 0;) {
      const std::size_t now = std::min(left, size);
      take_(std::span<const double>(part_.get(), now));
      left -= now;
    }
  }

  const double* src_;
  std::size_t n_;
  std::size_t pieces_;  // src is read by pieces, one at a time by each thread
  std::size_t roundLimit_;
  std::size_t groupLimit_;
  const std::function<void(std::span<const double>)>& take_;
  core::TwoThreads* threads_;  // none: this thread does all
  core::BigArray<double> part_;
  core::BigArray<double> scratch_[2];  // one for each thread's groups
  std::size_t scratchSize_ = 0;
};

}  // namespace

void SortDoubles(const double* src, std::size_t n, double* dst, core::TwoThreads* threads) {
  if (n == 0) return;
  if (threads && n >= kParallelSort) return SortDoublesInTwo(src, n, dst, *threads);

  // One thread: the values are copied once, then sorted in `dst` with a
  // scratch buffer.
  std::copy(src, src + n, dst);
  auto scratch = core::MakeBigArray<double>(n);
  SortWithin(dst, scratch.get(), n);
}

void SortInRounds(const double* src, std::size_t n, std::size_t roundLimit,
                  const std::function<void(std::span<const double>)>& take, core::TwoThreads* threads) {
  if (n == 0) return;
  // The places within a part are counted in 32 bits.
  roundLimit = std::clamp<std::size_t>(roundLimit, 1, std::numeric_limits<std::uint32_t>::max());
  if (n <= roundLimit) {
    auto sorted = core::MakeBigArray<double>(n);
    SortDoubles(src, n, sorted.get(), threads);
    take(std::span<const double>(sorted.get(), n));
    return;
  }
  // One thread below the size where SortDoubles takes two.
  RoundSorter(src, n, roundLimit, take, n >= kParallelSort ? threads : nullptr).Run();
}

void SortKeysInPlace(std::uint64_t* keys, std::size_t n) { MsdSort(keys, n); }

}  // namespace tallowmere::stats
