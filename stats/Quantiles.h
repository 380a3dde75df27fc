#pragma once
// The nine sample quantiles of Hyndman and Fan (1996), numbered as R's
// quantile(type = 1..9) numbers them. Each is read from at most two order
// statistics: QuantilePlaceOf says which, QuantileAt combines them, so a
// caller that keeps only some of the sorted order can fetch just those.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "stats/Distribution.h"

namespace tallowmere::stats {

// The numbers are R's types; they stay as they are, settings keep them.
// Places are counted from 1 here, as the definitions count them.
enum class QuantileMethod : int {
  kNearestRank = 1,      // the inverse of the distribution function
  kAveragedInverse = 2,  // the same, averaged where it jumps
  kNearestEven = 3,      // the nearest order statistic, ties to the even one
  kLinearCdf = 4,        // place np
  kHazen = 5,            // place np + 1/2
  kExclusive = 6,        // place p(n + 1)
  kInclusive = 7,        // place 1 + p(n - 1)
  kMedianUnbiased = 8,   // place 1/3 + p(n + 1/3)
  kNormalUnbiased = 9,   // place 3/8 + p(n + 1/4)
};

inline constexpr QuantileMethod kDefaultQuantileMethod = QuantileMethod::kInclusive;

struct QuantileMethodInfo {
  QuantileMethod method;
  // The name in settings and on the command line: lower case, never changed.
  const char* key;
  // The English name for people; a later layer translates it.
  const char* displayName;
};

// All nine, in the order of their numbers.
std::span<const QuantileMethodInfo> QuantileMethods();
// A number outside 1..9, cast in, is taken as the default.
const QuantileMethodInfo& InfoOf(QuantileMethod method);
inline int TypeOf(QuantileMethod method) { return static_cast<int>(method); }

// A method from its key ("inclusive", ASCII case ignored) or its number
// ("7"); nothing for anything else, a number outside 1..9 included.
std::optional<QuantileMethod> ParseQuantileMethod(std::string_view text);

// Where the quantile at p of n sorted numbers lies: between the elements at
// `below` and `above` (counted from 0), `fraction` of the way. p is clamped
// to [0, 1], as InclusivePlace clamps it; nothing for n = 0 or a p that is
// NaN. Type 7 is InclusivePlace itself, from the one product p(n - 1).
//
// p is read as it was meant rather than as the exact value of its double.
// The types that jump (1 to 3) choose an element, or for type 2 the pair to
// average (fraction 1/2), by whether np lies exactly on a jump: np counts as
// the whole number k (np - 1/2 for type 3) when some p' that rounds to the
// same double as p gives np' = k exactly, so 0.07 of 100 numbers is the 7th,
// not the 8th that the double just above 7/100 would choose, and 1.0 / 3 of
// 3 numbers is on the jump after the first. Types 4 to 6, 8 and 9 work from
// the shortest decimal that reads back as p (what was typed, for up to 17
// digits) in whole numbers, so that only the fraction's last division
// rounds. Type 7 keeps InclusivePlace's one rounded product.
std::optional<QuantilePlace> QuantilePlaceOf(QuantileMethod method, std::size_t n, double p);

// The quantile from the elements at place.below and place.above (equal when
// below == above): Interpolate, exact at both ends.
inline double QuantileAt(const QuantilePlace& place, double atBelow, double atAbove) {
  return Interpolate(atBelow, atAbove, place.fraction);
}

// The quantile at p of sorted numbers; NaN for no numbers or a p that is NaN.
double Quantile(QuantileMethod method, std::span<const double> sorted, double p);

}  // namespace tallowmere::stats
