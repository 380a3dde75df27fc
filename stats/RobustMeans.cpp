#include "stats/RobustMeans.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

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
// settles the last rounding of one of numbers that are all equal.
struct Bounds {
  double lowest = 0.0;
  double highest = 0.0;
};

Bounds BoundsOf(std::span<const double> numbers) {
  Bounds b{numbers.front(), numbers.front()};
  for (double v : numbers) {
    b.lowest = std::fmin(b.lowest, v);
    b.highest = std::fmax(b.highest, v);
  }
  return b;
}

// frexp: v = m 2^e with m in [1/2, 1), by the bits for a normal v.
double Split(double v, int& e) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const auto field = static_cast<int>(bits >> 52);  // v > 0: no sign bit
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
  const Bounds bounds = BoundsOf(numbers);
  if (!(bounds.lowest > 0.0)) return kNeedsPositiveText;
  // x = m 2^e with m in [sqrt(1/2), sqrt(2)): log2(m) stays within 1/2, so
  // its rounding is tiny beside the whole log2(x), and e is summed exactly.
  std::int64_t exponents = 0;
  BlockSum logs;
  for (double v : numbers) {
    int e = 0;
    double m = Split(v, e);
    if (m < M_SQRT1_2) {
      m *= 2.0;
      --e;
    }
    exponents += e;
    logs.Push(std::log2(m));
  }
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
  const Bounds bounds = BoundsOf(numbers);
  if (!(bounds.lowest > 0.0)) return kNeedsPositiveText;
  const double low = std::ldexp(1.0, -kEdge);
  const double high = std::ldexp(1.0, kEdge);
  BlockSum small, middle, large;  // by the size of the number
  for (double v : numbers) {
    if (v < low) {
      small.Push(1.0 / std::ldexp(v, kShift));
    } else if (v > high) {
      large.Push(1.0 / std::ldexp(v, -kShift));
    } else {
      middle.Push(1.0 / v);
    }
  }
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
