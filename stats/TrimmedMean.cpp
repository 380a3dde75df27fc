#include "stats/TrimmedMean.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "stats/ExactSum.h"
#include "stats/RobustTexts.h"

namespace tallowmere::stats {

namespace {

// A sum beyond the double range is taken again with every number scaled by
// 2^-kScale: exact but for numbers below 2^-958, far too small beside such a
// sum to show in the mean.
constexpr int kScale = 64;

// Sums the kept numbers, each scaled by `scale` (a power of two), exactly.
class KeptSum {
 public:
  explicit KeptSum(double scale) : scale_(scale) {}
  void Push(double v) { Append(v * scale_); }
  // v * count exactly, as the product's rounding and its error: both are
  // doubles (a subnormal product has no error at all).
  void PushTimes(double v, std::size_t count) {
    const double times = static_cast<double>(count);
    const double scaled = v * scale_;
    const double product = scaled * times;
    overflowed_ = overflowed_ || !std::isfinite(product);
    Append(product);
    Append(std::fma(scaled, times, -product));
  }
  double Total() {
    Flush();
    return sum_.Rounded();
  }
  // Whether a product was beyond the double range (the total then means
  // nothing).
  bool Overflowed() const { return overflowed_; }

 private:
  static constexpr std::size_t kBlock = 512;
  void Append(double v) {
    block_[held_++] = v;
    if (held_ == kBlock) Flush();
  }
  void Flush() {
    sum_.Add(block_, held_);
    held_ = 0;
  }
  double scale_;
  double block_[kBlock];
  std::size_t held_ = 0;
  bool overflowed_ = false;
  ExactSum sum_;
};

// `sum(into)` fills a KeptSum with the `kept` numbers from `first` to
// `last`; their mean, the sum taken again scaled down when it is beyond the
// double range. Kept between the two, which the two roundings (of the sum,
// then of the division) could otherwise leave: numbers all equal have
// themselves as their mean.
template <class Sum>
double MeanOf(Sum sum, std::size_t kept, double first, double last) {
  const double count = static_cast<double>(kept);
  KeptSum whole(1.0);
  sum(whole);
  double mean = whole.Total() / count;
  if (whole.Overflowed() || !std::isfinite(mean)) {
    KeptSum scaled(std::ldexp(1.0, -kScale));
    sum(scaled);
    mean = std::ldexp(scaled.Total() / count, kScale);
  }
  return std::fmin(std::fmax(mean, first), last);
}

}  // namespace

bool IsTrimShare(double share) { return share >= 0.0 && share < 0.5; }

std::size_t TrimmedCount(std::size_t n, double share) {
  if (n == 0 || !IsTrimShare(share)) return 0;
  const auto cut = static_cast<std::size_t>(std::floor(static_cast<double>(n) * share));
  // A share just under 1/2 times a large even n can round to n / 2.
  return std::min(cut, (n - 1) / 2);
}

StatResult TrimmedMean(std::span<const double> sorted, double share) {
  if (sorted.empty()) return kNeedsNumbersText;
  if (!IsTrimShare(share)) return kNeedsTrimShareText;
  const std::size_t cut = TrimmedCount(sorted.size(), share);
  const std::span<const double> kept = sorted.subspan(cut, sorted.size() - 2 * cut);
  return MeanOf(
      [kept](KeptSum& sum) {
        for (double v : kept) sum.Push(v);
      },
      kept.size(), kept.front(), kept.back());
}

StatResult TrimmedMeanOfUnsorted(std::span<const double> numbers, double share, double firstKept, double lastKept) {
  if (numbers.empty()) return kNeedsNumbersText;
  if (!IsTrimShare(share)) return kNeedsTrimShareText;
  const std::size_t n = numbers.size();
  const std::size_t cut = TrimmedCount(n, share);
  if (firstKept == lastKept) return firstKept;
  // Every number strictly between the two is kept; of those equal to
  // firstKept, as many as stand at places cut and above; of those equal to
  // lastKept, as many as stand at n - 1 - cut and below. One pass counts
  // and sums.
  return MeanOf(
      [&](KeptSum& sum) {
        std::size_t upToFirst = 0, belowLast = 0;
        for (double v : numbers) {
          upToFirst += v <= firstKept;
          belowLast += v < lastKept;
          if (v > firstKept && v < lastKept) sum.Push(v);
        }
        sum.PushTimes(firstKept, upToFirst - cut);
        sum.PushTimes(lastKept, n - cut - belowLast);
      },
      n - 2 * cut, firstKept, lastKept);
}

}  // namespace tallowmere::stats
