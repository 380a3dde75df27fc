#include "stats/Mode.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/BigMemory.h"
#include "numtext/NumberText.h"
#include "stats/RadixSort.h"

namespace tallowmere::stats::modStatistics {

namespace {

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
  while (ordinal > 0 && SameNumberText(stats::FromOrderKey(tied[ordinal - 1]), stats::FromOrderKey(tied[ordinal]), sep))
    --ordinal;
  return ordinal;
}

// The first value of x[0..n) equal to `mode` (of the two zeros, the one
// that comes first).
double FirstOfValue(const double* x, std::size_t n, double mode) {
  for (std::size_t i = 0; i < n; ++i) {
    if (x[i] == mode) return x[i];
  }
  throw std::logic_error("mode not found");
}

// The first position of x[0..n) whose value is tied; `slot` is set to the
// table's slot of that value.
std::size_t FirstTied(const double* x, std::size_t n, const TieTable& table, const TieFilter& filter,
                      std::size_t& slot) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t key = stats::EqualityKey(x[i]);
    if (!filter.MayHold(key)) continue;
    slot = table.Find(key);
    if (slot != TieTable::kMissing) return i;
  }
  throw std::logic_error("mode not found");
}

// The walk after the first tied position `best`, whose value (the tied one
// of ordinal `bestOrdinal`) the table has already retired.
struct TieWalk {
  TieTable& table;
  const TieFilter& filter;
  const std::vector<std::uint64_t>& tied;
  std::size_t best;
  std::size_t bestOrdinal;
};

// The texts of the tied values joined by " or " in the order of their first
// positions, or "" when every tied value has the text of x[best].
//
// A value is listed at its first position unless a value with the same
// number text is already in the list. The list starts with the text of
// Numbers(best) only once a second value joins it.
std::string TiedTexts(const double* x, std::size_t n, const TieWalk& walk, const numtext::Separators& sep) {
  TieTable& table = walk.table;
  const std::vector<std::uint64_t>& tied = walk.tied;
  // Once every tied value has met its first position, nothing later can be
  // listed and the walk ends.
  std::size_t retired = 1;
  std::vector<bool> listed(tied.size(), false);  // by text group
  std::string text;
  constexpr std::size_t kAhead = 16;
  const bool prefetch = tied.size() > 4096;
  for (std::size_t i = walk.best + 1; i < n && retired < tied.size(); ++i) {
    if (prefetch) {
      if (i + kAhead < n) table.PrefetchSlot(stats::EqualityKey(x[i + kAhead]));
      if (i + kAhead / 2 < n) table.PrefetchKey(stats::EqualityKey(x[i + kAhead / 2]));
    }
    const std::uint64_t key = stats::EqualityKey(x[i]);
    if (!walk.filter.MayHold(key)) continue;
    const std::size_t slot = table.Find(key);
    if (slot == TieTable::kMissing) continue;
    const std::size_t group = TextGroup(tied, table.Ordinal(slot), sep);
    table.Retire(slot);  // later positions of this value are always skipped
    ++retired;
    if (listed[group]) continue;
    if (text.empty()) {
      text = numtext::NumberText(x[walk.best], sep);
      listed[TextGroup(tied, walk.bestOrdinal, sep)] = true;
    }
    listed[group] = true;
    text += " or ";
    text += numtext::NumberText(x[i], sep);
  }
  return text;
}

}  // namespace

Ties TiesOfSorted(const double* sorted, std::size_t n) {
  TieCounter counter;
  counter.Add(n, [sorted](std::size_t i) { return stats::EqualityKey(sorted[i]); });
  return std::move(counter).Finish();
}

Ties TiesOfUnsorted(const double* x, std::size_t n) {
  auto keys = core::MakeBigArray<std::uint64_t>(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = stats::EqualityKey(x[i]);
  stats::SortKeysInPlace(keys.get(), n);
  TieCounter counter;
  counter.Add(n, [&keys](std::size_t i) { return keys[i]; });
  return std::move(counter).Finish();
}

StatResult ModeFromTies(const double* x, std::size_t n, const Ties& ties, const numtext::Separators& sep) {
  // No value occurs twice (a single number included).
  if (ties.maxCount < 2) return kNoneText;
  const std::vector<std::uint64_t>& tied = ties.keys;
  if (tied.size() == 1) return FirstOfValue(x, n, stats::FromOrderKey(tied[0]));

  TieTable table(tied);
  const TieFilter filter(tied);
  // best: the first position whose value has the highest count.
  std::size_t slot = TieTable::kMissing;
  const std::size_t best = FirstTied(x, n, table, filter, slot);
  const std::size_t bestOrdinal = table.Ordinal(slot);
  table.Retire(slot);  // positions equal to Numbers(best) are never listed
  const std::string text = TiedTexts(x, n, TieWalk{table, filter, tied, best, bestOrdinal}, sep);
  if (text.empty()) return x[best];
  return text;
}

}  // namespace tallowmere::stats::modStatistics
