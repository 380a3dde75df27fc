// The statistics beyond the twelve rows: order statistics read from the
// sorted order, the kurtosis, the standard error and the mean's confidence
// interval.
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "stats/Arithmetic.h"
#include "stats/Distribution.h"
#include "stats/OrderStatistics.h"
#include "stats/Statistics.h"

namespace tallowmere::stats::modStatistics {

namespace {

constexpr double kLowerQuartile = 0.25;
constexpr double kUpperQuartile = 0.75;
// The two-sided 95 % interval leaves 2.5 % above its upper end.
constexpr double kConfidenceQuantile = 0.975;

}  // namespace

DataSet::OrderPlaces DataSet::OrderPlacesOf(std::size_t n) {
  if (n == 0) return {};
  const stats::QuantilePlace q1 = stats::InclusivePlace(n, kLowerQuartile);
  const stats::QuantilePlace q3 = stats::InclusivePlace(n, kUpperQuartile);
  return {0, n - 1, q1.below, q1.above, q3.below, q3.above};
}

// The count the sorted order was made for, checked as the median checks it.
std::size_t DataSet::SortedCount() const {
  const std::int32_t bound = LoopBound();
  if (bound < 1) throw std::out_of_range(kSubscriptOutOfRange);
  const auto n = static_cast<std::size_t>(bound);
  if (sortedOrder_ ? n != sortedOrder_->count : n > sortedCount_) throw std::out_of_range(kSubscriptOutOfRange);
  return n;
}

double DataSet::SortedElement(std::size_t place) const {
  if (!sortedOrder_) return sortedNumbers_.get()[place];
  for (std::size_t k = 0; k < kOrderPlaces; ++k) {
    if (sortedOrder_->places[k] == place) return sortedOrder_->atPlaces[k];
  }
  throw std::logic_error("a place of the sorted order that was not kept");
}

// The element at `place` when the order kept in place of the copy holds it.
std::optional<double> DataSet::KeptElement(std::size_t place) const {
  const SortedOrder& order = *sortedOrder_;
  for (std::size_t k = 0; k < kOrderPlaces; ++k)
    if (order.places[k] == place) return order.atPlaces[k];
  const std::size_t upper = order.count / 2;
  if (place == upper) return order.upperMiddle;
  if (upper > 0 && place == upper - 1) return order.lowerMiddle;
  return std::nullopt;
}

std::vector<double> DataSet::OrderStatistics(std::span<const std::size_t> places) const {
  const std::size_t n = SortedCount();
  std::vector<double> elements(places.size(), 0.0);
  // The places the kept order lacks, and where their elements go.
  std::vector<std::size_t> selected, into;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i] >= n) throw std::out_of_range(kSubscriptOutOfRange);
    if (!sortedOrder_) {
      elements[i] = sortedNumbers_.get()[places[i]];
    } else if (const std::optional<double> kept = KeptElement(places[i])) {
      elements[i] = *kept;
    } else {
      selected.push_back(places[i]);
      into.push_back(i);
    }
  }
  if (selected.empty()) return elements;
  // The numbers themselves must still be the ones that were sorted.
  if (!sortedIsCurrent_ || numbers_.size() < n) throw std::out_of_range(kSubscriptOutOfRange);
  const std::vector<double> found = stats::SelectOrderStatistics({numbers_.data(), n}, selected);
  for (std::size_t k = 0; k < found.size(); ++k) elements[into[k]] = found[k];
  return elements;
}

double DataSet::GetMinimum() const {
  SortedCount();
  return SortedElement(0);
}

double DataSet::GetMaximum() const { return SortedElement(SortedCount() - 1); }

double DataSet::GetQuartile(int which) const {
  if (which != 1 && which != 3) throw std::invalid_argument("a quartile is the first or the third");
  const stats::QuantilePlace place = stats::InclusivePlace(SortedCount(), which == 1 ? kLowerQuartile : kUpperQuartile);
  return stats::Interpolate(SortedElement(place.below), SortedElement(place.above), place.fraction);
}

StatResult DataSet::GetRange() const {
  try {
    return stats::Sub(GetMaximum(), GetMinimum());
  } catch (...) {
    return kDivZeroText;
  }
}

StatResult DataSet::GetInterquartileRange() const {
  try {
    return stats::Sub(GetQuartile(3), GetQuartile(1));
  } catch (...) {
    return kDivZeroText;
  }
}

double DataSet::KurtosisValue() const {
  const std::int32_t bound = LoopBound();
  if (bound < 4) throw core::ArithmeticError(core::kDivisionByZero);
  const auto n = static_cast<std::size_t>(bound);
  if (n > numbers_.size()) throw std::out_of_range(kSubscriptOutOfRange);
  // Equal numbers can leave a mean a rounding away from them, and so a
  // standard deviation that is tiny rather than 0: the spread is judged from
  // the numbers themselves.
  if (GetMinimum() == GetMaximum()) throw core::ArithmeticError(core::kDivisionByZero);
  const double mean = GetMean();
  const double sd = GetStandardDeviation().Number();
  if (!(sd > 0.0)) throw core::ArithmeticError(core::kDivisionByZero);
  // Standardised first, so that numbers far from zero, or far apart, never
  // meet a fourth power of their own size.
  const double* x = numbers_.data();
  double fourth = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double z = (x[i] - mean) / sd;
    const double square = z * z;
    fourth += square * square;
  }
  if (!std::isfinite(fourth)) throw core::ArithmeticError(core::kOverflow);
  const double count = bound;
  if (!methodIsSample_) return stats::Sub(fourth / count, 3.0);
  const double scale = count * (count + 1.0) / ((count - 1.0) * (count - 2.0) * (count - 3.0));
  const double shift = 3.0 * (count - 1.0) * (count - 1.0) / ((count - 2.0) * (count - 3.0));
  return stats::Sub(stats::Mul(scale, fourth), shift);
}

StatResult DataSet::GetKurtosis() const {
  try {
    return KurtosisValue();
  } catch (...) {
    return kDivZeroText;
  }
}

double DataSet::StandardErrorValue() const {
  const std::int32_t bound = LoopBound();
  if (bound < 2) throw core::ArithmeticError(core::kDivisionByZero);
  return stats::Div(GetStandardDeviation().Number(), std::sqrt(static_cast<double>(bound)));
}

StatResult DataSet::GetStandardError() const {
  try {
    return StandardErrorValue();
  } catch (...) {
    return kDivZeroText;
  }
}

double DataSet::ConfidenceHalfWidth() const {
  if (!methodIsSample_) throw core::ArithmeticError(core::kDivisionByZero);
  const double standardError = StandardErrorValue();
  const boost::math::students_t_distribution<double> t(static_cast<double>(LoopBound() - 1));
  return stats::Mul(boost::math::quantile(t, kConfidenceQuantile), standardError);
}

StatResult DataSet::GetConfidenceLow() const {
  try {
    return stats::Sub(GetMean(), ConfidenceHalfWidth());
  } catch (...) {
    return kDivZeroText;
  }
}

StatResult DataSet::GetConfidenceHigh() const {
  try {
    return stats::Add(GetMean(), ConfidenceHalfWidth());
  } catch (...) {
    return kDivZeroText;
  }
}

}  // namespace tallowmere::stats::modStatistics
