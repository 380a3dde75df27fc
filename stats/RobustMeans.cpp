#include "stats/RobustMeans.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "stats/ExactSum.h"
#include "stats/RobustTexts.h"

namespace tallowmere::stats {

namespace {

// Values gathered a block at a time, for ExactSum's quick way.
class BlockSum {
 public:
  void Push(double v) {
    block_[held_++] = v;
    if (held_ == kBlock) Flush();
  }
  double Total() {
    Flush();
    return sum_.Rounded();
  }
  bool Empty() const { return !any_ && held_ == 0; }

 private:
  static constexpr std::size_t kBlock = 512;
  void Flush() {
    if (held_ == 0) return;
    sum_.Add(block_, held_);
    held_ = 0;
    any_ = true;
  }
  double block_[kBlock];
  std::size_t held_ = 0;
  bool any_ = false;
  ExactSum sum_;
};

// The smallest and the largest number: a mean lies between them, which
// settles the last rounding of the mean of numbers that are all equal. They
// are taken in the same pass as the sums; what the sums make of a number of
// 0 or below means nothing but is harmless, as such a list is refused after
// the pass.
struct Bounds {
  explicit Bounds(double first) : lowest(first), highest(first) {}
  void Take(double v) {
    lowest = v < lowest ? v : lowest;
    highest = v > highest ? v : highest;
  }
  double lowest;
  double highest;
};

// frexp: v = m 2^e with m in [1/2, 1), by the bits for a normal v.
double Split(double v, int& e) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const auto field = static_cast<int>(bits >> 52);  // with the sign bit, which only numbers refused have
  if (field == 0) return std::frexp(v, &e);
  e = field - 1022;
  return std::bit_cast<double>((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1022} << 52));
}

double Within(double v, Bounds b) { return std::fmin(std::fmax(v, b.lowest), b.highest); }

// The harmonic mean's three ranges: reciprocals of numbers below 2^-kEdge
// (which would pass 2^kEdge) are summed as 1 / (x 2^kShift), those of
// numbers above 2^kEdge (which would near the subnormals) as
// 1 / (x 2^-kShift); every scaling by a power of two is exact.
constexpr int kEdge = 900;
constexpr int kShift = 200;

}  // namespace

StatResult GeometricMean(std::span<const double> numbers) {
  if (numbers.empty()) return kNeedsNumbersText;
  Bounds bounds(numbers.front());
  // x = m 2^e with m in [sqrt(1/2), sqrt(2)): e is summed exactly, the
  // logarithms of the small parts m (within 1/2, so each rounds by at most
  // 2^-54 or so) exactly beside it. A logarithm for each number, not one of
  // a product of several: fewer logarithms, but a result that would depend
  // on the order of the numbers.
  std::int64_t exponents = 0;
  BlockSum logs;
  for (double v : numbers) {
    bounds.Take(v);
    int e = 0;
    const double m = Split(v, e);
    // Without a branch: which half m falls into is a coin toss for data
    // spread over a binade.
    const bool low = m < std::numbers::sqrt2 / 2.0;
    exponents += e - low;
    logs.Push(std::log2(low ? m * 2.0 : m));
  }
  if (!(bounds.lowest > 0.0)) return kNeedsPositiveText;
  // mean log2 = (exponents + logs) / n = q + (r + logs) / n, with q whole
  // and 0 <= r < n: 2^q is then an exact scaling of 2^t, t within -1/2 .. 3/2.
  const auto n = static_cast<std::int64_t>(numbers.size());
  std::int64_t q = exponents / n;
  std::int64_t r = exponents % n;
  if (r < 0) {
    r += n;
    --q;
  }
  const double count = static_cast<double>(n);
  const double t = (static_cast<double>(r) + logs.Total()) / count;
  return Within(std::ldexp(std::exp2(t), static_cast<int>(q)), bounds);
}

StatResult HarmonicMean(std::span<const double> numbers) {
  if (numbers.empty()) return kNeedsNumbersText;
  Bounds bounds(numbers.front());
  const double low = std::ldexp(1.0, -kEdge);
  const double high = std::ldexp(1.0, kEdge);
  BlockSum small, middle, large;  // by the size of the number
  for (double v : numbers) {
    bounds.Take(v);
    if (v < low) {
      small.Push(1.0 / std::ldexp(v, kShift));
    } else if (v > high) {
      large.Push(1.0 / std::ldexp(v, -kShift));
    } else {
      middle.Push(1.0 / v);
    }
  }
  if (!(bounds.lowest > 0.0)) return kNeedsPositiveText;
  // The sum of the reciprocals is S 2^(scale) for the widest range present;
  // the narrower ranges beside it are summed in its units.
  const double count = static_cast<double>(numbers.size());
  const double inLarge = large.Total(), inMiddle = middle.Total();
  if (!small.Empty()) {
    const double units = small.Total() + std::ldexp(inMiddle, -kShift) + std::ldexp(inLarge, -2 * kShift);
    return Within(std::ldexp(count / units, -kShift), bounds);
  }
  if (!middle.Empty()) return Within(count / (inMiddle + std::ldexp(inLarge, -kShift)), bounds);
  // Within, too, because n / (n / x) may round a step above x: for x the
  // largest double, a step past the range.
  return Within(std::ldexp(count / inLarge, kShift), bounds);
}

}  // namespace tallowmere::stats
