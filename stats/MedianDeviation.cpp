#include "stats/MedianDeviation.h"

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

// The k-th smallest deviation's bits (from 0), 16 bits a pass, highest
// first; `equalAbove` is left with how many deviations equal it rank above
// it.
std::uint64_t SelectBits(std::span<const double> numbers, double median, std::size_t k, std::size_t& equalAbove) {
  constexpr int kDigit = 16;
  std::vector<std::size_t> counts(std::size_t{1} << kDigit);
  std::uint64_t prefix = 0;
  for (int shift = 64 - kDigit; shift >= 0; shift -= kDigit) {
    std::fill(counts.begin(), counts.end(), 0);
    const int known = shift + kDigit;  // the bits above this digit, fixed so far
    for (double v : numbers) {
      const std::uint64_t key = DeviationBits(v, median);
      if (known == 64 || key >> known == prefix) ++counts[(key >> shift) & 0xFFFF];
    }
    std::size_t digit = 0;
    while (k >= counts[digit]) k -= counts[digit++];
    prefix = (prefix << kDigit) | digit;
    equalAbove = counts[digit] - k - 1;
  }
  return prefix;
}

// The smallest deviation above `bits`.
double NextDeviation(std::span<const double> numbers, double median, std::uint64_t bits) {
  std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
  for (double v : numbers) {
    const std::uint64_t key = DeviationBits(v, median);
    if (key > bits && key < next) next = key;
  }
  return std::bit_cast<double>(next);
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
  const std::size_t k = (n - 1) / 2;
  std::size_t equalAbove = 0;
  const std::uint64_t bits = SelectBits(numbers, median, k, equalAbove);
  const double lower = std::bit_cast<double>(bits);
  if (n % 2 == 1) return Finite(lower);
  const double upper = equalAbove > 0 ? lower : NextDeviation(numbers, median, bits);
  return Finite(Halfway(lower, upper));
}

}  // namespace tallowmere::stats
