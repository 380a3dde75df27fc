#include "stats/ExactSum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "stats/Arithmetic.h"

namespace tallowmere::stats {

namespace {

constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
__extension__ using Wide = unsigned __int128;  // GCC and clang on 64-bit processors

// A double as significand * 2^(place - 1074): place 0 for zero, subnormals
// and the smallest binade, whose lowest bit is 2^-1074.
struct Parts {
  std::uint64_t significand;
  std::uint32_t place;
};

inline Parts PartsOf(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const auto field = static_cast<std::uint32_t>((bits >> 52) & 0x7FF);
  const std::uint32_t normal = field != 0;
  return {(bits & kFraction) | (std::uint64_t{normal} << 52), field - normal};
}

}  // namespace

namespace detail {

// The significand shifted to its place within its digit goes in two pieces:
// the low 32 bits to that digit, the rest (under 2^53) to the next one,
// subtracted for a negative value.
template <std::size_t kDigits, int kLowestBit>
void WideDigits<kDigits, kLowestBit>::AddDouble(double v) {
  static_assert(kLowestBit <= -1074);
  const Parts p = PartsOf(v);
  const std::uint32_t place = p.place + static_cast<std::uint32_t>(-1074 - kLowestBit);
  const std::uint32_t at = place >> 5, shift = place & 31;
  const std::int64_t sign = std::signbit(v) ? -1 : 0;
  const auto low = static_cast<std::int64_t>((p.significand << shift) & kLow32);
  const auto high = static_cast<std::int64_t>(p.significand >> (32 - shift));
  digit_[at] += (low ^ sign) - sign;
  digit_[at + 1] += (high ^ sign) - sign;
  Counted();
}

// A square's place is twice its value's; the 106-bit product shifted within
// its digit goes in four pieces, three of 32 bits and the rest (under 2^41).
template <std::size_t kDigits, int kLowestBit>
void WideDigits<kDigits, kLowestBit>::AddSquareOf(double v) requires(kLowestBit == -2148) {
  const Parts p = PartsOf(v);
  const std::uint32_t place = 2 * p.place;
  const std::uint32_t at = place >> 5, shift = place & 31;
  const Wide product = Wide{p.significand} * p.significand;
  const Wide shifted = product << shift;
  digit_[at] += static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted) & kLow32);
  digit_[at + 1] += static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted >> 32) & kLow32);
  digit_[at + 2] += static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted >> 64) & kLow32);
  digit_[at + 3] += static_cast<std::int64_t>(static_cast<std::uint64_t>(product >> (96 - shift)));
  Counted();
}

template <std::size_t kDigits, int kLowestBit>
void WideDigits<kDigits, kLowestBit>::Carry() {
  for (std::size_t k = 0; k + 1 < kDigits; ++k) {
    const std::int64_t carry = digit_[k] >> 32;  // floor division by 2^32
    digit_[k] &= static_cast<std::int64_t>(kLow32);
    digit_[k + 1] += carry;
  }
  sinceCarry_ = 0;
}

template <std::size_t kDigits, int kLowestBit>
void WideDigits<kDigits, kLowestBit>::Merge(const WideDigits& other) {
  WideDigits theirs = other;
  theirs.Carry();
  Carry();
  for (std::size_t k = 0; k < kDigits; ++k) digit_[k] += theirs.digit_[k];
  Carry();
}

// Rounds the magnitude, as carried digits, at the lowest bit a double of its
// size can hold (never below 2^-1074): the three digits from the highest
// nonzero one down hold at least 65 bits, and any nonzero digit below them
// only tells whether the rest is exactly half.
template <std::size_t kDigits, int kLowestBit>
double WideDigits<kDigits, kLowestBit>::Rounded() const {
  WideDigits m = *this;
  m.Carry();
  const bool negative = m.digit_[kDigits - 1] < 0;
  if (negative) {
    for (std::int64_t& d : m.digit_) d = -d;
    m.Carry();
  }
  std::ptrdiff_t top = kDigits - 1;
  while (top >= 0 && m.digit_[top] == 0) --top;
  if (top < 0) return 0.0;
  const std::ptrdiff_t low = top - 2;
  Wide w = 0;
  for (std::ptrdiff_t k = top; k >= low; --k) w = (w << 32) | (k >= 0 ? static_cast<std::uint64_t>(m.digit_[k]) : 0u);
  bool sticky = false;
  for (std::ptrdiff_t k = 0; k < low; ++k) sticky = sticky || m.digit_[k] != 0;
  const long windowBits = 64 + static_cast<long>(std::bit_width(static_cast<std::uint64_t>(w >> 64)));
  const long base = static_cast<long>(low) * 32 + kLowestBit;   // the place of the window's lowest bit
  const long place = std::max(base + windowBits - 53, -1074L);  // the result's lowest bit
  const long shift = place - base;
  std::uint64_t significand = 0;
  if (shift <= 0) {
    significand = static_cast<std::uint64_t>(w << -shift);  // exact: below 2^53
  } else if (shift <= 96) {
    significand = static_cast<std::uint64_t>(w >> shift);
    const Wide rest = w & ((Wide{1} << shift) - 1);
    const Wide half = Wide{1} << (shift - 1);
    if (rest > half || (rest == half && (sticky || (significand & 1)))) ++significand;
  }
  // Beyond 96 the whole window lies below half of the result's lowest bit: 0.
  const double magnitude = std::ldexp(static_cast<double>(significand), static_cast<int>(place));
  return negative ? -magnitude : magnitude;
}

template class WideDigits<68, -1074>;
template class WideDigits<134, -2148>;

}  // namespace detail

namespace {

// The quick way, several doubles at a time: every operation is rounded lane
// by lane, and every sum it takes is exact, so the totals are the same
// whatever the number of lanes. Built once for any processor (two lanes) and
// once for those with wide vector registers (four).
template <std::size_t N>
using Lanes [[gnu::vector_size(8 * N)]] = double;
template <std::size_t N>
using LaneBits [[gnu::vector_size(8 * N)]] = std::int64_t;
constexpr std::size_t kMostLanes = 4;

// A block of values, and the number of its values in bits: 2^kCountBits is
// at least the block's length plus 2.
constexpr std::size_t kBlock = 1024;
constexpr int kCountBits = 11;
// How many grids a block is split on before what is left goes the plain way.
constexpr int kGrids = 4;
// The largest values' exponent fields for which every grid, and what it
// leaves over, stays within the normal doubles.
constexpr std::uint32_t kLowestField = 200;
constexpr std::uint32_t kHighestField = 2000;

// (Vectors go to the helpers by reference: by value, the widest would take a
// calling convention of each build's own.)
template <std::size_t N>
[[gnu::always_inline]] inline void Load(const double* p, Lanes<N>& v) {
  std::memcpy(&v, p, sizeof v);
}

template <std::size_t N>
[[gnu::always_inline]] inline void Store(double* p, const Lanes<N>& v) {
  std::memcpy(p, &v, sizeof v);
}

template <std::size_t N>
[[gnu::always_inline]] inline void Magnitude(const Lanes<N>& v, Lanes<N>& a) {
  a = reinterpret_cast<Lanes<N>>(reinterpret_cast<LaneBits<N>>(v) & (LaneBits<N>{} + 0x7FFFFFFFFFFFFFFFLL));
}

// largest = the larger of a and largest, lane by lane.
template <std::size_t N>
[[gnu::always_inline]] inline void KeepLarger(const Lanes<N>& a, Lanes<N>& largest) {
  const LaneBits<N> aIsLarger = a > largest;
  largest = reinterpret_cast<Lanes<N>>((reinterpret_cast<LaneBits<N>>(a) & aIsLarger) |
                                       (reinterpret_cast<LaneBits<N>>(largest) & ~aIsLarger));
}

template <std::size_t N>
[[gnu::always_inline]] inline double LargestLane(const Lanes<N>& v) {
  double largest = v[0];
  for (std::size_t k = 1; k < N; ++k) largest = std::max(largest, v[k]);
  return largest;
}

template <std::size_t N>
[[gnu::always_inline]] inline bool AnyLane(const LaneBits<N>& b) {
  std::int64_t any = 0;
  for (std::size_t k = 0; k < N; ++k) any |= b[k];
  return any != 0;
}

// Adds r[0 .. m) exactly (m a multiple of kMostLanes, at most kBlock), using
// r as scratch, when every |r| is below 2^(field - 1022).
//
// With sigma = 2^k at least 2^kCountBits times every |r|, q = (sigma + r) -
// sigma is r rounded to the grid of multiples of 2^-53 sigma, and r - q is
// exact (at most 2^-53 sigma): any sum of the q of a block lies below sigma
// on that grid, so it is exact in any order. What is left is split the same
// way on a grid 2^(53 - kCountBits) times finer, until nothing is left.
template <std::size_t N, class Digits>
[[gnu::always_inline]] inline void AddSplitBelow(double* r, std::size_t m, std::uint32_t field, Digits& digits) {
  if (field < kLowestField || field > kHighestField) {
    for (std::size_t i = 0; i < m; ++i)
      if (r[i] != 0.0) digits.AddDouble(r[i]);
    return;
  }
  double sigma = std::ldexp(1.0, static_cast<int>(field) - 1022 + kCountBits);
  for (int grid = 0; grid < kGrids; ++grid) {
    Lanes<N> sum{};
    LaneBits<N> left{};
    for (std::size_t i = 0; i < m; i += N) {
      Lanes<N> v;
      Load<N>(r + i, v);
      const Lanes<N> q = (sigma + v) - sigma;
      const Lanes<N> rest = v - q;
      Store<N>(r + i, rest);
      sum += q;
      left |= rest != 0.0;
    }
    double total = 0.0;
    for (std::size_t k = 0; k < N; ++k) total += sum[k];
    digits.AddDouble(total);
    if (!AnyLane<N>(left)) return;
    sigma *= 0x1p-42;  // 2^(kCountBits - 53)
  }
  for (std::size_t i = 0; i < m; ++i)
    if (r[i] != 0.0) digits.AddDouble(r[i]);
}

// The same for any r: gives the largest magnitude's exponent field.
template <std::size_t N, class Digits>
[[gnu::always_inline]] inline std::uint32_t AddSplit(double* r, std::size_t m, Digits& digits) {
  Lanes<N> largest{};
  for (std::size_t i = 0; i < m; i += N) {
    Lanes<N> v, a;
    Load<N>(r + i, v);
    Magnitude<N>(v, a);
    KeepLarger<N>(a, largest);
  }
  const double most = LargestLane<N>(largest);
  if (most == 0.0) return 0;
  // 2^(field - 1022) is above every |r|.
  const std::uint32_t field = ExponentField(most);
  AddSplitBelow<N>(r, m, field, digits);
  return field;
}

// Squares as two doubles, v * v = hi + lo, by Dekker's exact product (without
// fused multiply-adds: the build neither contracts nor targets hardware that
// is sure to have them). Exact for every nonzero |v| between 2^-450 and
// 2^450, where no product leaves the normal range; false when some v of the
// block is elsewhere (hi and lo then mean nothing).
template <std::size_t N>
[[gnu::always_inline]] inline bool SplitSquares(const double* x, std::size_t m, double* hi, double* lo, double& most) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  LaneBits<N> outside{};
  Lanes<N> largest{};
  for (std::size_t i = 0; i < m; i += N) {
    Lanes<N> v, a;
    Load<N>(x + i, v);
    Magnitude<N>(v, a);
    KeepLarger<N>(a, largest);
    outside |= (a != 0.0) & ((a < 0x1p-450) | (a > 0x1p450));
    const Lanes<N> c = kSplitter * v;
    const Lanes<N> vh = c - (c - v);
    const Lanes<N> vl = v - vh;
    const Lanes<N> h = v * v;
    Store<N>(hi + i, h);
    Store<N>(lo + i, ((vh * vh - h) + vh * vl + vl * vh) + vl * vl);
  }
  most = LargestLane<N>(largest);
  return !AnyLane<N>(outside);
}

using SumDigits = detail::WideDigits<68, -1074>;
using SquareDigits = detail::WideDigits<134, -2148>;

// One block of the sum (padded, as scratch) and of the sum of squares, in
// each build; they give the largest exponent field of the block's values.
template <std::size_t N>
[[gnu::always_inline]] inline std::uint32_t SquareBlockIn(const double* values, std::size_t count, std::size_t m,
                                                          SquareDigits& digits) {
  double hi[kBlock], lo[kBlock];
  double most = 0.0;
  if (SplitSquares<N>(values, m, hi, lo, most)) {
    // Every |v| is below 2^(f - 1022), so every hi is at most 2^(2f - 2044)
    // and every lo at most 2^-53 of that.
    const std::uint32_t f = ExponentField(most);
    if (f == 0) return 0;  // only zeros
    AddSplitBelow<N>(hi, m, 2 * f - 1021, digits);
    AddSplitBelow<N>(lo, m, 2 * f - 1074, digits);
  } else {
    for (std::size_t i = 0; i < count; ++i) digits.AddSquareOf(values[i]);
  }
  return ExponentField(most);
}

// Both sums of a block: the squares from the values first, then the values
// themselves split in place.
template <std::size_t N>
[[gnu::always_inline]] inline std::uint32_t BothBlockIn(double* values, std::size_t count, std::size_t m,
                                                        SumDigits& sum, SquareDigits& squares) {
  const std::uint32_t field = SquareBlockIn<N>(values, count, m, squares);
  AddSplitBelow<N>(values, m, field, sum);
  return field;
}

std::uint32_t BothBlockPlain(double* values, std::size_t count, std::size_t m, SumDigits& sum, SquareDigits& squares) {
  return BothBlockIn<2>(values, count, m, sum, squares);
}

std::uint32_t SumBlockPlain(double* r, std::size_t m, SumDigits& digits) { return AddSplit<2>(r, m, digits); }
std::uint32_t SquareBlockPlain(const double* values, std::size_t count, std::size_t m, SquareDigits& digits) {
  return SquareBlockIn<2>(values, count, m, digits);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] std::uint32_t SumBlockWide(double* r, std::size_t m, SumDigits& digits) {
  return AddSplit<4>(r, m, digits);
}
[[gnu::target("avx2")]] std::uint32_t SquareBlockWide(const double* values, std::size_t count, std::size_t m,
                                                      SquareDigits& digits) {
  return SquareBlockIn<4>(values, count, m, digits);
}
[[gnu::target("avx2")]] std::uint32_t BothBlockWide(double* values, std::size_t count, std::size_t m, SumDigits& sum,
                                                    SquareDigits& squares) {
  return BothBlockIn<4>(values, count, m, sum, squares);
}
#else
std::uint32_t BothBlockWide(double* values, std::size_t count, std::size_t m, SumDigits& sum, SquareDigits& squares) {
  return BothBlockPlain(values, count, m, sum, squares);
}
std::uint32_t SumBlockWide(double* r, std::size_t m, SumDigits& digits) { return SumBlockPlain(r, m, digits); }
std::uint32_t SquareBlockWide(const double* values, std::size_t count, std::size_t m, SquareDigits& digits) {
  return SquareBlockPlain(values, count, m, digits);
}
#endif

// Copies up to kBlock values and pads them with zeros to a multiple of
// kMostLanes.
std::size_t Padded(const double* x, std::size_t n, double* into) {
  std::memcpy(into, x, n * sizeof(double));
  const std::size_t m = (n + kMostLanes - 1) / kMostLanes * kMostLanes;
  std::fill(into + n, into + m, 0.0);
  return m;
}

}  // namespace

void ExactSum::Add(const double* x, std::size_t n) {
  const bool wide = HasWideVectors();
  double scratch[kBlock];
  for (std::size_t from = 0; from < n; from += kBlock) {
    const std::size_t m = Padded(x + from, std::min(kBlock, n - from), scratch);
    largest_ = std::max(largest_, wide ? SumBlockWide(scratch, m, digits_) : SumBlockPlain(scratch, m, digits_));
  }
}

void AddWithSquares(const double* x, std::size_t n, ExactSum& sum, ExactSquareSum& squares) {
  const bool wide = HasWideVectors();
  double values[kBlock];
  for (std::size_t from = 0; from < n; from += kBlock) {
    const std::size_t count = std::min(kBlock, n - from);
    const std::size_t m = Padded(x + from, count, values);
    const std::uint32_t field = wide ? BothBlockWide(values, count, m, sum.digits_, squares.digits_)
                                     : BothBlockPlain(values, count, m, sum.digits_, squares.digits_);
    sum.largest_ = std::max(sum.largest_, field);
    squares.largest_ = std::max(squares.largest_, field);
  }
}

void ExactSum::AddPlain(const double* x, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    digits_.AddDouble(x[i]);
    largest_ = std::max(largest_, ExponentField(x[i]));
  }
}

void ExactSum::Merge(const ExactSum& other) {
  digits_.Merge(other.digits_);
  largest_ = std::max(largest_, other.largest_);
}

void ExactSquareSum::Add(const double* x, std::size_t n) {
  const bool wide = HasWideVectors();
  double values[kBlock];
  for (std::size_t from = 0; from < n; from += kBlock) {
    const std::size_t count = std::min(kBlock, n - from);
    const std::size_t m = Padded(x + from, count, values);
    largest_ = std::max(
        largest_, wide ? SquareBlockWide(values, count, m, digits_) : SquareBlockPlain(values, count, m, digits_));
  }
}

void ExactSquareSum::AddPlain(const double* x, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    digits_.AddSquareOf(x[i]);
    largest_ = std::max(largest_, ExponentField(x[i]));
  }
}

void ExactSquareSum::Merge(const ExactSquareSum& other) {
  digits_.Merge(other.digits_);
  largest_ = std::max(largest_, other.largest_);
}

// Every value is below 2^(largest - 1022), so every partial sum of n of them
// is below n * 2^(largest - 1022) times a factor of rounding under 1.001
// (n < 2^32): with 2^bit_width(n) >= n, the sum stays a factor of two below
// 2^1024 when largest + bit_width(n) <= 2044. The squares are below
// 2^(2 largest - 2044).
bool InOrderSumMayOverflow(std::size_t n, std::uint32_t largest) {
  return largest + static_cast<std::uint64_t>(std::bit_width(n)) > 2044;
}

bool InOrderSquareSumMayOverflow(std::size_t n, std::uint32_t largest) {
  return 2 * static_cast<std::uint64_t>(largest) + static_cast<std::uint64_t>(std::bit_width(n)) > 3066;
}

}  // namespace tallowmere::stats
