#include "stats/MedianDeviation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "stats/RobustTexts.h"

namespace tallowmere::stats {

namespace {

// (a + b) / 2, as the median halves its two middle numbers, without
// overflowing where the sum would.
double Halfway(double a, double b) {
  const double sum = a + b;
  return std::isfinite(sum) ? sum / 2.0 : a / 2.0 + b / 2.0;
}

StatResult Finite(double v) {
  if (!std::isfinite(v)) return kDivZeroText;
  return v;
}

// The deviations of sorted numbers from their median m, as two ascending
// runs: below(j) = m - x[h - 1 - j] for j < h, above(j) = x[h + j] - m for
// j < n - h, with h = (n + 1) / 2 (the middle number, for odd n, below).
class DeviationRuns {
 public:
  DeviationRuns(std::span<const double> sorted, double median) : x_(sorted), m_(median), h_((sorted.size() + 1) / 2) {}

  // The k-th smallest deviation (from 0): of the k + 1 smallest, i come
  // from below and the rest from above, i the first whose below(i) is not
  // smaller than the last one taken from above.
  double Smallest(std::size_t k) const {
    const std::size_t take = k + 1, belowCount = h_, aboveCount = x_.size() - h_;
    std::size_t lo = take > aboveCount ? take - aboveCount : 0;
    std::size_t hi = take < belowCount ? take : belowCount;
    while (lo < hi) {
      const std::size_t i = lo + (hi - lo) / 2;
      if (Above(take - i - 1) > Below(i)) {
        lo = i + 1;
      } else {
        hi = i;
      }
    }
    const double fromBelow = lo > 0 ? Below(lo - 1) : -1.0;
    const double fromAbove = take > lo ? Above(take - lo - 1) : -1.0;
    return std::fmax(fromBelow, fromAbove);
  }

 private:
  double Below(std::size_t j) const { return m_ - x_[h_ - 1 - j]; }
  double Above(std::size_t j) const { return x_[h_ + j] - m_; }

  std::span<const double> x_;
  double m_;
  std::size_t h_;
};

std::uint64_t DeviationBits(double v, double median) { return std::bit_cast<std::uint64_t>(std::fabs(v - median)); }

// The order statistics of the deviations' bits (non-negative doubles order
// as their bits do): the k-th smallest (from 0) and the one after it.
struct DeviationPair {
  std::uint64_t kth = 0;
  std::uint64_t next = 0;
};

constexpr int kDigit = 16;
constexpr std::size_t kDigits = std::size_t{1} << kDigit;

// How many deviations have each value of the digit at `shift`, among those
// whose bits above it are `above` (all of them at the highest digit).
void CountDigits(std::span<const double> numbers, double median, int shift, std::uint64_t above,
                 std::vector<std::size_t>& counts) {
  counts.assign(kDigits, 0);
  const int known = shift + kDigit;
  for (double v : numbers) {
    const std::uint64_t key = DeviationBits(v, median);
    if (known == 64 || key >> known == above) ++counts[(key >> shift) & (kDigits - 1)];
  }
}

// The deviations whose bits from `shift` up are `prefix`, copied out and
// selected among (k counted within them); the next one may lie above them
// all, so the smallest of those is kept on the way.
DeviationPair Gathered(std::span<const double> numbers, double median, int shift, std::uint64_t prefix, std::size_t k,
                       std::size_t count) {
  std::vector<std::uint64_t> keys;
  keys.reserve(count);
  std::uint64_t above = std::numeric_limits<std::uint64_t>::max();
  for (double v : numbers) {
    const std::uint64_t key = DeviationBits(v, median);
    const std::uint64_t high = key >> shift;
    if (high == prefix) {
      keys.push_back(key);
    } else if (high > prefix && key < above) {
      above = key;
    }
  }
  const auto kth = keys.begin() + static_cast<std::ptrdiff_t>(k);
  std::nth_element(keys.begin(), kth, keys.end());
  const std::uint64_t next = k + 1 < keys.size() ? *std::min_element(kth + 1, keys.end()) : above;
  return {*kth, next};
}

// The smallest deviation above `bits`.
std::uint64_t NextDeviation(std::span<const double> numbers, double median, std::uint64_t bits) {
  std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
  for (double v : numbers) {
    const std::uint64_t key = DeviationBits(v, median);
    if (key > bits && key < next) next = key;
  }
  return next;
}

// A digit at a time from the highest, each pass counting the deviations
// that still share the k-th's bits so far, until those are few enough to
// copy out (at most one in 16 of the numbers: half a byte each) or all 64
// bits are known.
DeviationPair SelectPair(std::span<const double> numbers, double median, std::size_t k) {
  const std::size_t budget = std::max<std::size_t>(numbers.size() / 16, 4096);
  std::vector<std::size_t> counts;
  std::uint64_t prefix = 0;
  for (int shift = 64 - kDigit;; shift -= kDigit) {
    CountDigits(numbers, median, shift, prefix, counts);
    std::size_t digit = 0;
    while (k >= counts[digit]) k -= counts[digit++];
    prefix = (prefix << kDigit) | digit;
    if (shift == 0) {
      const bool nextEqual = k + 1 < counts[digit];
      return {prefix, nextEqual ? prefix : NextDeviation(numbers, median, prefix)};
    }
    if (counts[digit] <= budget) return Gathered(numbers, median, shift, prefix, k, counts[digit]);
  }
}

}  // namespace

double MedianOfSorted(std::span<const double> sorted) {
  const std::size_t n = sorted.size();
  if (n == 0) return std::numeric_limits<double>::quiet_NaN();
  if (n % 2 == 1) return sorted[n / 2];
  return Halfway(sorted[n / 2 - 1], sorted[n / 2]);
}

StatResult MedianAbsoluteDeviation(std::span<const double> sorted) {
  const std::size_t n = sorted.size();
  if (n == 0) return kNeedsNumbersText;
  const DeviationRuns runs(sorted, MedianOfSorted(sorted));
  if (n % 2 == 1) return Finite(runs.Smallest(n / 2));
  return Finite(Halfway(runs.Smallest(n / 2 - 1), runs.Smallest(n / 2)));
}

StatResult ScaledMedianAbsoluteDeviation(std::span<const double> sorted) {
  const StatResult raw = MedianAbsoluteDeviation(sorted);
  return raw.IsNumber() ? Finite(kMadScale * raw.Number()) : raw;
}

StatResult MedianAbsoluteDeviationOfUnsorted(std::span<const double> numbers, double median) {
  const std::size_t n = numbers.size();
  if (n == 0) return kNeedsNumbersText;
  const DeviationPair pair = SelectPair(numbers, median, (n - 1) / 2);
  const double lower = std::bit_cast<double>(pair.kth);
  if (n % 2 == 1) return Finite(lower);
  return Finite(Halfway(lower, std::bit_cast<double>(pair.next)));
}

}  // namespace tallowmere::stats
