#pragma once
// Sums of doubles, and of their squares, without a rounding on the way: the
// total is exact and rounded once, at the end, to the nearest double (ties to
// even). It does not depend on the order of the values, nor on how they are
// split between accumulators that are merged later.
//
// Every double is an integer times a power of two between 2^-1074 and 2^971,
// so every value, and every square, can be added exactly to one wide
// fixed-point number: the plain way, one value at a time (AddPlain). The
// quick way (Add) takes a block of values at a time and splits each, with
// floating-point operations that are exact, into parts on a few common grids
// whose sums need no rounding; only what those grids leave over (nothing, for
// the numbers people type and files hold) goes the plain way. Both give the
// same total, to the bit.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace tallowmere::stats {

// The biased exponent field of a double (0 for zero and subnormals, 2047 for
// infinities and NaN).
inline std::uint32_t ExponentField(double x) {
  return static_cast<std::uint32_t>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7FF);
}

namespace detail {

// A fixed-point number whose lowest bit is 2^kLowestBit, as a row of 32-bit
// digits, the lowest first, each kept in a signed 64-bit word so that a
// thousand values can be added to a digit before the carries are passed on.
template <std::size_t kDigits, int kLowestBit>
class WideDigits {
 public:
  // Adds a double exactly (one that is not finite gives a meaningless total,
  // but nothing is read or written out of place).
  void AddDouble(double v);
  // Adds v * v exactly (only for a number whose lowest bit is 2^-2148, the
  // lowest bit of the square of any double).
  void AddSquareOf(double v) requires(kLowestBit == -2148);
  void Merge(const WideDigits& other);
  // The nearest double (ties to even), infinite beyond the double range.
  double Rounded() const;

 private:
  // A value adds pieces under 2^53 to a digit: 1023 of them fit in a word
  // beside a carried digit.
  static constexpr std::size_t kUntilCarry = 1023;
  void Counted() {
    if (++sinceCarry_ == kUntilCarry) Carry();
  }
  // Every digit but the highest brought into 0 .. 2^32 - 1, the highest
  // taking the sign.
  void Carry();

  std::int64_t digit_[kDigits] = {};
  std::size_t sinceCarry_ = 0;
};

}  // namespace detail

class ExactSquareSum;

// The sum of doubles (finite ones: for infinities and NaN it means nothing).
class ExactSum {
 public:
  void Add(const double* x, std::size_t n);
  void AddPlain(const double* x, std::size_t n);
  void Merge(const ExactSum& other);
  double Rounded() const { return digits_.Rounded(); }
  // The largest exponent field of the values added (0 when none were).
  std::uint32_t LargestExponent() const { return largest_; }

 private:
  friend void AddWithSquares(const double* x, std::size_t n, ExactSum& sum, ExactSquareSum& squares);
  // 2098 bits hold any double, 2^31 of them need 31 more, and one for the sign.
  detail::WideDigits<68, -1074> digits_;
  std::uint32_t largest_ = 0;
};

// The sum of the squares of doubles, each square exact.
class ExactSquareSum {
 public:
  void Add(const double* x, std::size_t n);
  void AddPlain(const double* x, std::size_t n);
  void Merge(const ExactSquareSum& other);
  double Rounded() const { return digits_.Rounded(); }
  // The largest exponent field of the values whose squares were added.
  std::uint32_t LargestExponent() const { return largest_; }

 private:
  friend void AddWithSquares(const double* x, std::size_t n, ExactSum& sum, ExactSquareSum& squares);
  // Squares lie between 2^-2148 and 2^2048; 2^31 of them need 31 bits more.
  detail::WideDigits<134, -2148> digits_;
  std::uint32_t largest_ = 0;
};

// sum.Add(x, n) and squares.Add(x, n) in one pass over the values, the
// quick way.
void AddWithSquares(const double* x, std::size_t n, ExactSum& sum, ExactSquareSum& squares);

// Whether adding n values, none of exponent field above `largest`, one by one
// in order with each step rounded, could meet a partial sum beyond the double
// range; false means it cannot. For squares: whether a square or a partial
// sum of them could.
bool InOrderSumMayOverflow(std::size_t n, std::uint32_t largest);
bool InOrderSquareSumMayOverflow(std::size_t n, std::uint32_t largest);

}  // namespace tallowmere::stats
