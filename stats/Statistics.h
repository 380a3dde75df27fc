#pragma once
// The statistics engine: one data set and the procedures over it. Whoever runs
// an analysis owns a DataSet, fills it, then calls SortNumbers first and the
// other procedures after it.
//
// Numbers and SortedNumbers count their elements from 1, as NumberCount does,
// and are held 0-based: element i lives at index i - 1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/BigMemory.h"
#include "core/TwoThreads.h"
#include "numtext/Separators.h"
#include "stats/Mode.h"
#include "stats/StatResult.h"

namespace tallowmere::stats::modStatistics {

// The failure raised (as std::out_of_range) when NumberCount asks for more
// elements than Numbers or SortedNumbers hold, or the median is asked of an
// empty data set.
inline constexpr const char* kSubscriptOutOfRange = "The number count is out of range";

class DataSet {
 public:
  // `separators` spell the numbers in the mode's list of tied values.
  explicit DataSet(numtext::Separators separators = {}) : separators_(std::move(separators)) {}
  const numtext::Separators& NumberSeparators() const { return separators_; }

  // The data. Changing the numbers or their count forgets the sorted copy, so
  // the mode never counts from a copy of other data.
  const core::BigVector<double>& Numbers() const { return numbers_; }
  void SetNumbers(core::BigVector<double> numbers);
  // Hands the numbers' storage out to be refilled (and given back with
  // SetNumbers), so a new run reuses it instead of holding the data twice.
  // Leaves the data set without numbers or a sorted copy.
  core::BigVector<double> TakeNumbers();

  double NumberCount() const { return numberCount_; }  // always a whole number; loop bounds take it as int32
  void SetNumberCount(double count);

  std::span<const double> SortedNumbers() const { return {sortedNumbers_.get(), sortedCount_}; }
  // The same copy, shared: whoever holds it keeps these numbers after the
  // data set has let go of them (at its next sort or change of numbers).
  std::shared_ptr<const double[]> SharedSortedNumbers() const { return sortedNumbers_; }

  // Whether SortNumbers keeps a whole sorted copy, as SortedNumbers (the
  // default: the window's data set keeps the data of its last run until the
  // next). An owner that never reads the copy (the analyser) turns it off: a
  // data set of more than `wholeSortLimit` numbers is then sorted a quarter
  // at a time (stats::SortInRounds), keeping only what the mode and the
  // median read from the sorted order, so that the numbers are never held
  // twice. SortedNumbers() is then empty and the median is read only for the
  // count that was sorted (a later, different count has no copy to read from,
  // as after a failed sort). Numbers() keeps the list order either way, and
  // every result is the same.
  static constexpr std::size_t kWholeSortLimit = std::size_t{1} << 24;
  void SetSortedCopyKept(bool kept, std::size_t wholeSortLimit = kWholeSortLimit);

  // The method: true for Sample (divide by n - 1), false for Population
  // (divide by n). Read by GetVariance at the time of the call.
  bool MethodIsSample() const { return methodIsSample_; }
  void SetMethodIsSample(bool sample) {
    methodIsSample_ = sample;
    variance_.reset();
  }

  // The helper thread that shares the work on large data sets: started when
  // first needed, kept for the next runs. The one who runs an analysis lends
  // it to its own work on the entries too, so that a run never starts more
  // than one.
  core::TwoThreads& Helper() const;

  // These pass arithmetic failures (ArithmeticError) on to the caller.
  void SortNumbers();
  // Works out ahead, with two threads, what the rows after the sort ask for:
  // the mode on this thread and meanwhile, on a helper, the sum, the sum of
  // squares, the mean, the variance and the average deviation. Each is kept
  // as the procedure below would give it; failures are not kept, so each
  // meets its caller again. Never fails; small data sets are left alone.
  void WorkOutAhead() const noexcept;
  // The sum and the sum of squares are the exact sums rounded once to the
  // nearest double, whatever the order of the numbers; the mean is the sum
  // divided by the count, and every deviation is taken from it. Overflow
  // where a partial sum of the numbers one by one, in list order, leaves the
  // double range, or where the total does.
  double GetSum() const;
  double GetSumOfSquares() const;
  double GetMean() const;
  double GetMedian() const;
  StatResult GetAverageDeviation() const;

  // These never pass a failure on.
  StatResult GetMode() const;                    // "Error" on any failure
  StatResult GetVariance() const;                // "#Div/0!" on any failure
  StatResult GetStandardDeviation() const;       // "#Div/0!" on any failure
  StatResult GetSkew() const;                    // "#Div/0!" on any failure
  StatResult GetCoefficientOfVariation() const;  // "#Div/0!" on any failure

  // Beyond the twelve rows, from the same numbers, after SortNumbers. A
  // quartile interpolates linearly between order statistics: the one at p
  // lies at place p(n - 1) of the sorted numbers, counted from 0, as the
  // spreadsheets' inclusive quartile and most data tools place it. These
  // fail as the median does on an empty data set.
  double GetMinimum() const;
  double GetMaximum() const;
  double GetQuartile(int which) const;  // 1 or 3
  // These never pass a failure on: "#Div/0!" where the value is undefined
  // or cannot be computed.
  StatResult GetRange() const;
  StatResult GetInterquartileRange() const;
  StatResult GetKurtosis() const;       // excess, by the method; fewer than 4 numbers or no spread: "#Div/0!"
  StatResult GetStandardError() const;  // the method's standard deviation / sqrt(n); fewer than 2: "#Div/0!"
  // The elements at `places` (counted from 0, any order) of the sorted first
  // NumberCount numbers, after SortNumbers, to the bit: read from the sorted
  // copy or, when none is kept, from the elements kept in its place and by a
  // selection among the numbers (stats::SelectOrderStatistics), all the
  // places in the same passes, holding a byte per number at most. Fails as
  // the median does when no sorted order of this count was made, and with
  // std::out_of_range for a place beyond it.
  std::vector<double> OrderStatistics(std::span<const std::size_t> places) const;
  // The 95 % confidence interval of the mean, mean -/+ t(0.975, n - 1) s / sqrt(n)
  // with Student's t; Sample only (Population: "#Div/0!").
  StatResult GetConfidenceLow() const;
  StatResult GetConfidenceHigh() const;

 private:
  std::int32_t LoopBound() const;
  core::TwoThreads* SumThreads(std::size_t n) const;
  double VarianceFrom(double mean) const;
  void ExactSumsAhead(std::size_t n) const;
  void DeviationsAhead() const;
  void ForgetResults();
  double SkewValue() const;
  double CoefficientOfVariationValue() const;
  StatResult ModeOf(const double* x, std::size_t n) const;
  // The places of the sorted order that the statistics beyond the twelve
  // rows read: the ends and the two elements around each quartile.
  static constexpr std::size_t kOrderPlaces = 6;
  using OrderPlaces = std::array<std::size_t, kOrderPlaces>;
  static OrderPlaces OrderPlacesOf(std::size_t n);
  // In place of the sorted copy, when none is kept: the count sorted, its
  // ties, its middle elements (the median's, and with an even count the
  // one before it), and the elements at OrderPlacesOf(count).
  struct SortedOrder {
    std::size_t count = 0;
    Ties ties;
    double lowerMiddle = 0.0;
    double upperMiddle = 0.0;
    OrderPlaces places{};
    std::array<double, kOrderPlaces> atPlaces{};
  };
  // The element at `place` (one of OrderPlacesOf) of the sorted first
  // NumberCount numbers, from the copy or the order kept in its place; fails
  // as the median does when there is none.
  double SortedElement(std::size_t place) const;
  std::size_t SortedCount() const;
  std::optional<double> KeptElement(std::size_t place) const;
  double KurtosisValue() const;
  double StandardErrorValue() const;
  double ConfidenceHalfWidth() const;
  SortedOrder SortInParts(std::size_t n, core::TwoThreads* threads) const;

  numtext::Separators separators_;
  core::BigVector<double> numbers_;
  double numberCount_ = 0.0;
  // Made without being zeroed first: the sort writes every element.
  // Made from the big memory; shared with the results that show it.
  std::shared_ptr<const double[]> sortedNumbers_;
  std::size_t sortedCount_ = 0;
  // Set by a finished SortNumbers, cleared by any change of the data: the
  // sorted copy is the sort of the first NumberCount numbers.
  bool sortedIsCurrent_ = false;
  bool sortedCopyKept_ = true;
  std::size_t wholeSortLimit_ = kWholeSortLimit;
  std::optional<SortedOrder> sortedOrder_;  // when no sorted copy is kept
  bool methodIsSample_ = true;
  // Results kept for the data as it is (see ForgetResults).
  mutable std::optional<double> sum_;
  mutable std::optional<double> mean_;
  mutable std::optional<StatResult> variance_;
  mutable std::optional<double> sumOfSquares_;
  mutable std::optional<double> averageDeviation_;
  // The sums of the squared and of the absolute deviations from the mean,
  // before the variance's and the average deviation's divisions.
  mutable std::optional<double> squaredDeviations_;
  mutable std::optional<double> absoluteDeviations_;
  mutable std::optional<StatResult> mode_;
  // Behind a pointer, so that the data set can still be moved.
  mutable std::unique_ptr<core::TwoThreads> helper_;
};

}  // namespace tallowmere::stats::modStatistics
