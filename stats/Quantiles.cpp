#include "stats/Quantiles.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "core/Translation.h"
#include "stats/Distribution.h"

namespace tallowmere::stats {

namespace {

constexpr std::array<QuantileMethodInfo, 9> kMethods{{
    {QuantileMethod::kNearestRank, "nearest-rank", QT_TRANSLATE_NOOP("QuantileMethods", "Nearest rank (R type 1)")},
    {QuantileMethod::kAveragedInverse, "averaged-inverse",
     QT_TRANSLATE_NOOP("QuantileMethods", "Averaged inverse (SAS default, R type 2)")},
    {QuantileMethod::kNearestEven, "nearest-even",
     QT_TRANSLATE_NOOP("QuantileMethods", "Nearest even rank (R type 3)")},
    {QuantileMethod::kLinearCdf, "linear-cdf",
     QT_TRANSLATE_NOOP("QuantileMethods", "Linear in the distribution function (R type 4)")},
    {QuantileMethod::kHazen, "hazen", QT_TRANSLATE_NOOP("QuantileMethods", "Hazen, midpoint steps (R type 5)")},
    {QuantileMethod::kExclusive, "exclusive",
     QT_TRANSLATE_NOOP("QuantileMethods", "Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)")},
    {QuantileMethod::kInclusive, "inclusive",
     QT_TRANSLATE_NOOP("QuantileMethods", "Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)")},
    {QuantileMethod::kMedianUnbiased, "median-unbiased",
     QT_TRANSLATE_NOOP("QuantileMethods", "Median-unbiased (R type 8)")},
    {QuantileMethod::kNormalUnbiased, "normal-unbiased",
     QT_TRANSLATE_NOOP("QuantileMethods", "Normal-unbiased, Blom (R type 9)")},
}};

bool SameKey(std::string_view text, std::string_view key) {
  if (text.size() != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != key[i]) return false;
  }
  return true;
}

// An element counted from 1, as the methods count them, made an index of
// the sorted numbers; the elements before the first and after the last are
// the ends themselves.
std::size_t IndexOf(std::int64_t element, std::size_t n) {
  if (element <= 1) return 0;
  const auto index = static_cast<std::size_t>(element - 1);
  return std::min(index, n - 1);
}

QuantilePlace ElementPlace(std::int64_t element, std::size_t n) {
  const std::size_t index = IndexOf(element, n);
  return {index, index, 0.0};
}

// Where np - offset lies, np read as p was meant (see QuantilePlaceOf): its
// whole part j, and whether it is j itself.
struct Jump {
  std::int64_t whole = 0;
  bool exactly = false;
};

Jump JumpOf(double n, double p, double offset) {
  const double product = n * p;
  const double error = std::fma(n, p, -product);  // np = product + error, exactly
  // Exact wherever a jump is within reach: a whole or half number minus 1/2.
  const double place = product - offset;
  const double nearest = std::nearbyint(place);
  // The reals that round to p lie within half a step of the doubles next to
  // it; n times those half steps is how far np may move with them. Both are
  // powers of two times n: exact.
  const double up = (std::nextafter(p, 2.0) - p) * n / 2.0;
  const double down = (p - std::nextafter(p, 0.0)) * n / 2.0;
  const double gap = (nearest - place) - error;
  if (gap >= -down && gap <= up) return {static_cast<std::int64_t>(nearest), true};
  // Not on a whole number: np's own whole part, which `error` can lower only
  // when `place` is whole.
  const double whole = std::floor(place);
  return {static_cast<std::int64_t>(whole == place && error < 0.0 ? whole - 1.0 : whole), false};
}

QuantilePlace JumpingPlace(QuantileMethod method, std::size_t n, double p) {
  const double count = static_cast<double>(n);
  if (method == QuantileMethod::kNearestEven) {
    // The element nearest np, the even one of two as near.
    const Jump jump = JumpOf(count, p, 0.5);
    const bool even = (jump.whole & 1) == 0;
    return ElementPlace(jump.exactly && even ? jump.whole : jump.whole + 1, n);
  }
  const Jump jump = JumpOf(count, p, 0.0);
  if (!jump.exactly) return ElementPlace(jump.whole + 1, n);
  if (method == QuantileMethod::kNearestRank) return ElementPlace(jump.whole, n);
  QuantilePlace place{IndexOf(jump.whole, n), IndexOf(jump.whole + 1, n), 0.5};
  if (place.below == place.above) place.fraction = 0.0;
  return place;
}

__extension__ using Wide = unsigned __int128;  // GCC and clang on 64-bit processors

// p in [0, 1] as digits / 10^scale, the shortest decimal that reads back as
// p: what was written, for any p written with 17 digits or fewer.
struct Decimal {
  std::uint64_t digits = 0;
  int scale = 0;
};

Decimal DecimalOf(double p) {
  if (!(p > 0.0)) return {};  // -0 too
  char text[40];
  // "d.ddde-XX": up to 17 digits, shortest first.
  const auto end = std::to_chars(text, text + sizeof text, p, std::chars_format::scientific).ptr;
  Decimal decimal;
  const char* c = text;
  int count = 0;
  for (; c != end && *c != 'e'; ++c) {
    if (*c == '.') continue;
    decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*c - '0');
    ++count;
  }
  int exponent = 0;
  std::from_chars(c + 1 + (c[1] == '+'), end, exponent);
  decimal.scale = count - 1 - exponent;
  return decimal;
}

// Place a + p(n + 1 - a - b), less 1 to count from 0, as (p A - B) / C in
// whole numbers: A = factor n + addend.
struct Line {
  unsigned factor;
  unsigned addend;
  unsigned subtrahend;
  unsigned divisor;
};

Line LineOf(QuantileMethod method) {
  switch (method) {
    case QuantileMethod::kLinearCdf:
      return {1, 0, 1, 1};  // pn - 1
    case QuantileMethod::kHazen:
      return {2, 0, 1, 2};  // pn - 1/2
    case QuantileMethod::kExclusive:
      return {1, 1, 1, 1};  // p(n + 1) - 1
    case QuantileMethod::kMedianUnbiased:
      return {3, 1, 2, 3};  // 1/3 + p(n + 1/3) - 1
    default:
      return {8, 2, 5, 8};  // type 9: 3/8 + p(n + 1/4) - 1
  }
}

// Beyond this scale 10^scale times a subtrahend leaves 128 bits; such a p
// (under 1e-20) puts every place before the first element anyway.
constexpr int kMostScale = 37;

// Worked out in whole numbers from p's decimal, so that a p written with a
// few decimals gets the place it means: 0.95 of 40 numbers by type 5 is
// 38.5 exactly, where from the double 0.95, a little less than 19/20, it
// would be a little less. Only the fraction's last division rounds.
QuantilePlace ContinuousPlace(QuantileMethod method, std::size_t n, double p) {
  const Line line = LineOf(method);
  const Decimal decimal = DecimalOf(p);
  if (decimal.scale > kMostScale) return {0, 0, 0.0};
  Wide power = 1;
  for (int i = 0; i < decimal.scale; ++i) power *= 10;
  const Wide along = Wide{decimal.digits} * (Wide{line.factor} * n + line.addend);
  const Wide start = power * line.subtrahend;
  if (along <= start) return {0, 0, 0.0};
  const Wide places = power * line.divisor;
  const Wide whole = (along - start) / places;
  if (whole >= n - 1) return {n - 1, n - 1, 0.0};
  const auto below = static_cast<std::size_t>(whole);
  const Wide rest = (along - start) % places;
  return {below, below + 1, static_cast<double>(rest) / static_cast<double>(places)};
}

}  // namespace

std::span<const QuantileMethodInfo> QuantileMethods() { return kMethods; }

const QuantileMethodInfo& InfoOf(QuantileMethod method) {
  const int type = TypeOf(method) >= 1 && TypeOf(method) <= 9 ? TypeOf(method) : TypeOf(kDefaultQuantileMethod);
  return kMethods[static_cast<std::size_t>(type - 1)];
}

std::optional<QuantileMethod> ParseQuantileMethod(std::string_view text) {
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') return static_cast<QuantileMethod>(text[0] - '0');
  for (const QuantileMethodInfo& info : kMethods) {
    if (SameKey(text, info.key)) return info.method;
  }
  return std::nullopt;
}

std::optional<QuantilePlace> QuantilePlaceOf(QuantileMethod method, std::size_t n, double p) {
  if (n == 0 || std::isnan(p)) return std::nullopt;
  method = InfoOf(method).method;  // a number outside 1..9 as the default
  if (method == QuantileMethod::kInclusive) return InclusivePlace(n, p);
  const double clamped = std::clamp(p, 0.0, 1.0);
  switch (method) {
    case QuantileMethod::kNearestRank:
    case QuantileMethod::kAveragedInverse:
    case QuantileMethod::kNearestEven:
      return JumpingPlace(method, n, clamped);
    default:
      return ContinuousPlace(method, n, clamped);
  }
}

double Quantile(QuantileMethod method, std::span<const double> sorted, double p) {
  const std::optional<QuantilePlace> place = QuantilePlaceOf(method, sorted.size(), p);
  if (!place) return std::numeric_limits<double>::quiet_NaN();
  return QuantileAt(*place, sorted[place->below], sorted[place->above]);
}

}  // namespace tallowmere::stats
