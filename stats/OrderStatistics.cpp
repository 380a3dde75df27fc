#include "stats/OrderStatistics.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "stats/RadixSort.h"

namespace tallowmere::stats {

namespace {

// However few the numbers, this many may be held: a copy that small costs
// less than another pass.
constexpr std::size_t kLeastHeld = 4096;

// A place still to be found: where its answer goes, and its rank among the
// numbers of its group.
struct Wanted {
  std::size_t answer = 0;
  std::size_t rank = 0;
};

// The numbers whose keys share the digits of `prefix` so far.
struct Group {
  std::uint64_t prefix = 0;  // those digits, the bits below them 0
  std::size_t count = 0;
  std::vector<Wanted> wanted;
  bool held = false;
  std::vector<double> numbers;        // when held: its numbers, in list order
  std::vector<std::uint32_t> counts;  // else: how many have each next digit
};

constexpr std::uint64_t MaskOf(int depth) { return depth == 0 ? 0 : ~std::uint64_t{0} << (64 - depth); }

// The groups the budget can hold, the smallest first: they are copied out
// in the coming pass; the others are counted by their next digit.
void ChooseHeld(std::vector<Group>& groups, std::size_t budget) {
  std::vector<Group*> bySize;
  for (Group& group : groups) bySize.push_back(&group);
  std::sort(bySize.begin(), bySize.end(), [](const Group* a, const Group* b) { return a->count < b->count; });
  std::size_t held = 0;
  for (Group* group : bySize) {
    if (group->count > budget - held) break;
    held += group->count;
    group->held = true;
    group->numbers.reserve(group->count);
  }
}

// One pass over the numbers: each that belongs to a group is copied out or
// counted by its digit of `bits` bits below the first `depth`.
void Pass(std::span<const double> numbers, std::vector<Group>& groups, int depth, int bits) {
  const std::uint64_t mask = MaskOf(depth);
  const int shift = 64 - depth - bits;
  const std::uint64_t digitMask = (std::uint64_t{1} << bits) - 1;
  std::vector<std::uint64_t> prefixes;
  for (Group& group : groups) {
    prefixes.push_back(group.prefix);
    if (!group.held) group.counts.assign(std::size_t{1} << bits, 0);
  }
  for (const double x : numbers) {
    const std::uint64_t key = OrderKey(x);
    const auto at = std::lower_bound(prefixes.begin(), prefixes.end(), key & mask);
    if (at == prefixes.end() || *at != (key & mask)) continue;
    Group& group = groups[static_cast<std::size_t>(at - prefixes.begin())];
    if (group.held)
      group.numbers.push_back(x);
    else
      ++group.counts[(key >> shift) & digitMask];
  }
}

// The answers of a group copied out, selected among its numbers.
void SelectHeld(Group& group, std::vector<double>& answers) {
  std::vector<double>& x = group.numbers;
  const auto less = [](double a, double b) { return OrderKey(a) < OrderKey(b); };
  if (group.wanted.size() > 4) {
    std::sort(x.begin(), x.end(), less);
    for (const Wanted& w : group.wanted) answers[w.answer] = x[w.rank];
    return;
  }
  for (const Wanted& w : group.wanted) {
    std::nth_element(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(w.rank), x.end(), less);
    answers[w.answer] = x[w.rank];
  }
}

// A counted group's places, each in the group of its next digit.
void Refine(const Group& group, int shift, std::map<std::uint64_t, Group>& next) {
  std::vector<std::size_t> before(group.counts.size() + 1, 0);
  std::partial_sum(group.counts.begin(), group.counts.end(), before.begin() + 1);
  for (const Wanted& w : group.wanted) {
    const auto digit =
        static_cast<std::size_t>(std::upper_bound(before.begin(), before.end(), w.rank) - before.begin()) - 1;
    const std::uint64_t prefix = group.prefix | (static_cast<std::uint64_t>(digit) << shift);
    Group& into = next[prefix];
    into.prefix = prefix;
    into.count = group.counts[digit];
    into.wanted.push_back({w.answer, w.rank - before[digit]});
  }
}

// The ends' keys, and the first group: every number, every place.
std::vector<Group> FirstGroup(std::span<const double> numbers, std::span<const std::size_t> places, int& depth) {
  std::uint64_t low = ~std::uint64_t{0}, high = 0;
  for (const double x : numbers) {
    low = std::min(low, OrderKey(x));
    high = std::max(high, OrderKey(x));
  }
  depth = low == high ? 64 : std::countl_zero(low ^ high);
  Group all;
  all.prefix = low & MaskOf(depth);
  all.count = numbers.size();
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i] >= numbers.size()) throw std::out_of_range("a place beyond the numbers");
    all.wanted.push_back({i, places[i]});
  }
  std::vector<Group> groups;
  groups.push_back(std::move(all));
  return groups;
}

}  // namespace

std::vector<double> SelectOrderStatistics(std::span<const double> numbers, std::span<const std::size_t> places,
                                          std::size_t mostHeld) {
  std::vector<double> answers(places.size(), 0.0);
  if (places.empty()) return answers;
  const std::size_t budget = mostHeld > 0 ? mostHeld : std::max(numbers.size() / 8, kLeastHeld);
  int depth = 0;
  std::vector<Group> groups = FirstGroup(numbers, places, depth);
  while (!groups.empty() && depth < 64) {
    ChooseHeld(groups, budget);
    // Groups are counted by a shorter digit when 16-bit counts of them all
    // would take more than a byte per number.
    const std::size_t counted =
        static_cast<std::size_t>(std::count_if(groups.begin(), groups.end(), [](const Group& g) { return !g.held; }));
    const bool wide = counted * (std::size_t{4} << 16) <= std::max(numbers.size(), std::size_t{1} << 20);
    const int bits = std::min(64 - depth, wide ? 16 : 8);
    Pass(numbers, groups, depth, bits);
    std::map<std::uint64_t, Group> next;
    for (Group& group : groups) {
      if (group.held)
        SelectHeld(group, answers);
      else
        Refine(group, 64 - depth - bits, next);
    }
    groups.clear();
    for (auto& [prefix, group] : next) groups.push_back(std::move(group));
    depth += bits;
  }
  // Every bit shared: the key is the number.
  for (const Group& group : groups)
    for (const Wanted& w : group.wanted) answers[w.answer] = FromOrderKey(group.prefix);
  return answers;
}

}  // namespace tallowmere::stats
