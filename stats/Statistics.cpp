#include "stats/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"
#include "stats/ExactSum.h"
#include "stats/RadixSort.h"

namespace tallowmere::stats::modStatistics {

namespace {

// How many leading elements of `a` a loop 1..n visits. A count larger than the
// array is a failure rather than a read past its end.
std::size_t Elements(const core::BigVector<double>& a, std::int32_t n) {
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
// adds up the blocks in order, with `threads` (given for large n).
template <class Terms>
double SumOfTerms(std::size_t n, const Terms& terms, core::TwoThreads* threads) {
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
      for (std::size_t j = 0; j < done; ++j) acc = stats::Add(acc, scratch[j]);
      if (failure) std::rethrow_exception(failure);
    }
  };
  if (n < kParallelElements || !threads) {
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
  const std::size_t blocks = (n + kBlock - 1) / kBlock;
  for (std::size_t first = 0; first < blocks; first += kRoundBlocks) {
    auto beginOf = [&](std::size_t k) { return (first + k) * kBlock; };
    auto endOf = [&](std::size_t k) { return std::min(n, beginOf(k) + kBlock); };
    core::RunInOrder(
        *threads, std::min(kRoundBlocks, blocks - first),
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
          for (std::size_t j = 0; j < block.valid; ++j) acc = stats::Add(acc, block.terms[j]);
          if (block.failure) std::rethrow_exception(block.failure);
        },
        [&](std::size_t k) { addTerms(beginOf(k), endOf(k), kept[k].terms); });
  }
  return acc;
}

// The sum and the sum of squares are the exact sums rounded once, so they do
// not depend on the order of the numbers, and the mean and every deviation
// from it hold however long the list is. The definitions add one by one in
// list order, each step rounded, and report an overflow where such a partial
// sum (or a square) leaves the double range: where that could happen, those
// checked steps are taken as well, only so that their overflow is raised
// where it always was. A correctly rounded total beyond the range is an
// overflow too.
// The exact sum (Sum: ExactSum or ExactSquareSum) of x[0 .. n), for large n
// in parts shared by two threads: exact, so the same however it is shared.
template <class Sum>
Sum ExactOf(const double* x, std::size_t n, core::TwoThreads* threads) {
  Sum total;
  if (n < kParallelElements || !threads) {
    total.Add(x, n);
    return total;
  }
  constexpr std::size_t kParts = 8;
  Sum parts[kParts];
  const std::size_t size = (n + kParts - 1) / kParts;
  threads->Run(kParts, [&](std::size_t k) {
    const std::size_t begin = std::min(n, k * size);
    parts[k].Add(x + begin, std::min(n, begin + size) - begin);
  });
  for (const Sum& part : parts) total.Merge(part);
  return total;
}

double SumOf(const double* x, std::size_t n, core::TwoThreads* threads) {
  const stats::ExactSum exact = ExactOf<stats::ExactSum>(x, n, threads);
  if (stats::InOrderSumMayOverflow(n, exact.LargestExponent())) {
    double acc = 0.0;
    for (std::size_t i = 0; i < n; ++i) acc = stats::Add(acc, x[i]);
  }
  return stats::detail::Checked(exact.Rounded());
}

double SumOfSquaresOf(const double* x, std::size_t n, core::TwoThreads* threads) {
  const stats::ExactSquareSum exact = ExactOf<stats::ExactSquareSum>(x, n, threads);
  if (stats::InOrderSquareSumMayOverflow(n, exact.LargestExponent())) {
    double acc = 0.0;
    for (std::size_t i = 0; i < n; ++i) acc = stats::Add(stats::Mul(x[i], x[i]), acc);
  }
  return stats::detail::Checked(exact.Rounded());
}

}  // namespace

core::TwoThreads& DataSet::Helper() const {
  if (!helper_) helper_ = std::make_unique<core::TwoThreads>();
  return *helper_;
}

// The threads a sum of n numbers is shared by: none for a small one, and
// none on the helper itself (the sums worked out ahead run there).
core::TwoThreads* DataSet::SumThreads(std::size_t n) const {
  if (n < kParallelElements || (helper_ && helper_->OnHelper())) return nullptr;
  return &Helper();
}

// NumberCount as a loop bound, converted like every double that becomes a
// 32-bit integer: rounded half to even, a value outside the range is an
// overflow.
std::int32_t DataSet::LoopBound() const {
  const double c = numberCount_;
  if (!(c >= -2147483648.5 && c < 2147483647.5)) throw core::ArithmeticError(core::kOverflow);
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
    // The exact sums are the same however they are shared, so both threads
    // take part in them first. Then the mode and the deviations share
    // nothing: the mode reads the numbers and the sorted copy (or the ties
    // kept in its place), the deviations read the numbers and keep what they
    // find in results of their own. The round's end is where this thread
    // sees those.
    ExactSumsAhead(n);
    Helper().Run(
        1,
        [this](std::size_t) {
          try {
            DeviationsAhead();
          } catch (...) {
            // Not kept: the row meets the failure again.
          }
        },
        [this] { GetMode(); });
  } catch (...) {
    // Nothing worked out ahead: each row works out its own.
  }
}

// The sum and the sum of squares in one pass over the numbers, in parts
// shared by the two threads. They are kept only where no step of their
// definitions could overflow and the total is in range; otherwise their own
// loops meet the failure when their rows ask.
void DataSet::ExactSumsAhead(std::size_t n) const {
  const double* x = numbers_.data();
  constexpr std::size_t kParts = 8;
  stats::ExactSum sums[kParts];
  stats::ExactSquareSum squares[kParts];
  const std::size_t size = (n + kParts - 1) / kParts;
  Helper().Run(kParts, [&](std::size_t k) {
    const std::size_t begin = std::min(n, k * size);
    stats::AddWithSquares(x + begin, std::min(n, begin + size) - begin, sums[k], squares[k]);
  });
  stats::ExactSum exactSum;
  stats::ExactSquareSum exactSquares;
  for (std::size_t k = 0; k < kParts; ++k) {
    exactSum.Merge(sums[k]);
    exactSquares.Merge(squares[k]);
  }
  const double sum = exactSum.Rounded(), sumOfSquares = exactSquares.Rounded();
  if (!stats::InOrderSumMayOverflow(n, exactSum.LargestExponent()) && std::isfinite(sum) && !sum_) sum_ = sum;
  if (!stats::InOrderSquareSumMayOverflow(n, exactSquares.LargestExponent()) && std::isfinite(sumOfSquares) &&
      !sumOfSquares_)
    sumOfSquares_ = sumOfSquares;
}

// The squared with the absolute deviations, in one pass around the mean: the
// same additions, in the same order, as their own loops, only unchecked. A
// sum that meets a failure (an infinite or invalid step) can only end
// infinite or NaN, since nothing brings it back: such a sum is not kept, and
// its own loop meets the failure again when its row asks.
void DataSet::DeviationsAhead() const {
  const std::size_t n = Elements(numbers_, LoopBound());
  const double* x = numbers_.data();
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
      const double d = stats::Sub(x[i], mean);
      acc = stats::Add(stats::Mul(d, d), acc);
    }
  }
  // Sample with one number divides 0 by 0, which fails like any other invalid
  // operation.
  return methodIsSample_ ? stats::Div(acc, stats::Sub(numberCount_, 1.0)) : stats::Div(acc, numberCount_);
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
  const double acc = SumOfTerms(
      n,
      [x, mean, sd](std::size_t begin, std::size_t end, double* out, std::size_t& done) {
        stats::ScaledCubes(x + begin, mean, sd, out, end - begin, done);
      },
      n >= kParallelElements ? &Helper() : nullptr);
  const double count = numberCount_;
  const double factor = stats::Div(count, stats::Mul(stats::Sub(count, 1.0), stats::Sub(count, 2.0)));
  return stats::Mul(factor, acc);
}

double DataSet::CoefficientOfVariationValue() const {
  // Defined as the standard deviation, then the mean: both come from the one
  // mean worked out here. Any failure gives "#Div/0!" whichever step it comes
  // from, so the order of the two does not show.
  const double m = GetMean();
  const StatResult s = GetStandardDeviation();
  return stats::Mul(stats::Div(s.Number(), m), 100.0);
}

StatResult DataSet::ModeOf(const double* x, std::size_t n) const {
  if (sortedIsCurrent_ && sortedOrder_ && sortedOrder_->count == n)
    return ModeFromTies(x, n, sortedOrder_->ties, separators_);
  const Ties ties =
      sortedIsCurrent_ && sortedCount_ == n ? TiesOfSorted(sortedNumbers_.get(), n) : TiesOfUnsorted(x, n);
  return ModeFromTies(x, n, ties, separators_);
}

void DataSet::SetNumbers(core::BigVector<double> numbers) {
  numbers_ = std::move(numbers);
  // Room made for more numbers than came (a file of n bytes may hold n / 2)
  // leaves no pages behind.
  core::GiveBackRoom(numbers_);
  sortedIsCurrent_ = false;
  ForgetResults();
}

void DataSet::SetSortedCopyKept(bool kept, std::size_t wholeSortLimit) {
  sortedCopyKept_ = kept;
  wholeSortLimit_ = wholeSortLimit;
}

core::BigVector<double> DataSet::TakeNumbers() {
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
  core::TwoThreads* const threads = n >= kParallelElements ? &Helper() : nullptr;
  if (!sortedCopyKept_ && n > wholeSortLimit_) {
    sortedOrder_ = SortInParts(n, threads);
    sortedIsCurrent_ = true;
    return;
  }
  auto sorted = core::MakeBigArray<double>(n);
  // The result has the same values in the same order as the exchange sort of
  // the definition (compared with ==). The only equal values that can be told
  // apart are -0 and +0, which may end up in another order among themselves
  // (here -0 always comes first). Only the median reads this copy, and the
  // number text of -0 is "0", so the difference never shows.
  stats::SortDoubles(numbers_.data(), n, sorted.get(), threads);
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
  stats::SortInRounds(
      numbers_.data(), n, (n + kParts - 1) / kParts,
      [&](std::span<const double> part) {
        ties.Add(part.size(), [part](std::size_t i) { return stats::EqualityKey(part[i]); });
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
  sum_ = SumOf(numbers_.data(), n, SumThreads(n));
  return *sum_;
}

double DataSet::GetSumOfSquares() const {
  if (sumOfSquares_) return *sumOfSquares_;
  const std::size_t n = Elements(numbers_, LoopBound());
  sumOfSquares_ = SumOfSquaresOf(numbers_.data(), n, SumThreads(n));
  return *sumOfSquares_;
}

double DataSet::GetMean() const {
  if (!mean_) mean_ = stats::Div(GetSum(), numberCount_);
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
    upper = sortedNumbers_.get()[half];
    if (n % 2 == 0) lower = sortedNumbers_.get()[half - 1];
  }
  if (n % 2 == 1) return upper;
  // Upper middle element plus lower middle element, then halved.
  return stats::Div(stats::Add(upper, lower), 2.0);
}

StatResult DataSet::GetAverageDeviation() const {
  if (averageDeviation_) return *averageDeviation_;
  double acc = 0.0;
  if (absoluteDeviations_) {
    acc = *absoluteDeviations_;
  } else {
    const std::size_t n = Elements(numbers_, LoopBound());
    const double mean = GetMean();
    for (std::size_t i = 0; i < n; ++i) acc = stats::Add(std::fabs(stats::Sub(numbers_[i], mean)), acc);
  }
  averageDeviation_ = stats::Div(acc, numberCount_);
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

}  // namespace tallowmere::stats::modStatistics
