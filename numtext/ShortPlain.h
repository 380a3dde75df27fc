#pragma once
// ---- Short plain numbers, eight bytes at a time ------------------------------
//
// Most entries and list-file lines are short plain decimals such as
// "-12.345": a sign, digits and at most one decimal separator, nothing else.
// The analysis and the list-file reader read millions of them, so the leading
// number and the number test check (and the leading number converts) them
// without a step per character; everything else takes the general reading.
// Words hold the text's bytes with its first byte lowest and zeros after its
// end.
//
// Internal to the number readings. Everything here is inline: it runs inside
// the quick paths, which must not pay for a call.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/ByteWords.h"

namespace tallowmere::numtext {

namespace detail {

using core::kHighBits;
using core::kOnes;
using core::Load8;
using core::ZeroBytes;
inline constexpr std::uint64_t kLowNibbles = 0x0F0F0F0F0F0F0F0FULL;

// The longest plain text (after the sign) read this way.
inline constexpr std::size_t kShortPlain = 16;

inline std::uint64_t Load4(const char* p) {
  std::uint32_t w;
  std::memcpy(&w, p, 4);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap32(w);
  return w;
}

// The n bytes at p (1 <= n <= 16) as two words, reading nothing outside them.
[[gnu::always_inline]] inline void LoadShort(const char* p, std::size_t n, std::uint64_t& low, std::uint64_t& high) {
  if (n >= 8) {
    low = Load8(p);
    // The last eight bytes, of which those past the first eight are kept.
    high = n > 8 ? Load8(p + n - 8) >> (8 * (16 - n)) : 0;
  } else if (n >= 4) {
    // Two overlapping halves; the bytes they share are the same.
    low = Load4(p) | (Load4(p + n - 4) << (8 * (n - 4)));
    high = 0;
  } else {
    low = static_cast<unsigned char>(p[0]);
    if (n > 1) low |= std::uint64_t{static_cast<unsigned char>(p[1])} << 8;
    if (n > 2) low |= std::uint64_t{static_cast<unsigned char>(p[2])} << 16;
    high = 0;
  }
}

// The top bit of each byte set where that byte of w is a digit '0'..'9'.
constexpr std::uint64_t DigitBytes(std::uint64_t w) {
  const std::uint64_t highIsThree = ZeroBytes((w & ~kLowNibbles) ^ (kOnes * 0x30));
  const std::uint64_t lowAboveNine = (((w & kLowNibbles) + kOnes * 6) & (kOnes * 0x10)) << 3;
  return highIsThree & ~lowAboveNine;
}

// The top bit of each of the first n bytes of a word (n <= 8).
constexpr std::uint64_t FirstBytes(std::size_t n) {
  return n >= 8 ? kHighBits : kHighBits & ((std::uint64_t{1} << (8 * n)) - 1);
}

// A short text's plain form: digits and at most one `point`, and a digit.
struct ShortForm {
  std::uint64_t digitsLow, digitsHigh;  // the top bit of each digit byte
  std::uint64_t pointLow, pointHigh;    // the top bit of the point's byte
};

[[gnu::always_inline]] inline bool PlainShortForm(std::uint64_t low, std::uint64_t high, std::size_t n,
                                                  unsigned char point, ShortForm& form) {
  const std::uint64_t validLow = FirstBytes(n);
  const std::uint64_t validHigh = n > 8 ? FirstBytes(n - 8) : 0;
  form.digitsLow = DigitBytes(low) & validLow;
  form.digitsHigh = DigitBytes(high) & validHigh;
  form.pointLow = core::EqualBytes(low, point) & validLow;
  form.pointHigh = core::EqualBytes(high, point) & validHigh;
  const bool onlyDigitsAndPoints =
      (form.digitsLow | form.pointLow) == validLow && (form.digitsHigh | form.pointHigh) == validHigh;
  const bool atMostOnePoint = (form.pointLow & (form.pointLow - 1)) == 0 &&
                              (form.pointHigh & (form.pointHigh - 1)) == 0 &&
                              !(form.pointLow != 0 && form.pointHigh != 0);
  return onlyDigitsAndPoints && atMostOnePoint && (form.digitsLow | form.digitsHigh) != 0;
}

// Eight digit values, the first (most significant) in the lowest byte, as
// one number.
constexpr std::uint64_t EightDigits(std::uint64_t v) {
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
  return (v * 10000 + (v >> 32)) & 0xFFFFFFFFULL;
}

// Drops byte k (0..7) of a word, moving the bytes above it down.
constexpr std::uint64_t WithoutByte(std::uint64_t w, unsigned k) {
  const std::uint64_t below = (std::uint64_t{1} << (8 * k)) - 1;
  return (w & below) | ((w >> 8) & ~below);
}

// -v when `negative`, else v (v is never negative), without a branch.
inline double WithSign(double v, bool negative) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(v) | (std::uint64_t{negative} << 63));
}

// Every power of ten a double holds exactly.
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of a plain text of one to eight characters after its sign, held
// in the first n bytes of w (the bytes after them are never looked at): the
// same digits and the same division as the longer texts, in one word. False
// when the text is not plain.
[[gnu::always_inline]] inline bool EightPlainWord(std::uint64_t w, std::size_t n, bool negative, double& out) {
  const std::uint64_t valid = FirstBytes(n);
  const std::uint64_t digitBytes = DigitBytes(w) & valid;
  const std::uint64_t pointBytes = core::EqualBytes(w, '.') & valid;
  if ((digitBytes | pointBytes) != valid || (pointBytes & (pointBytes - 1)) != 0 || digitBytes == 0) return false;
  // The digit values, the first in the lowest byte; without the point.
  w &= kLowNibbles & ((digitBytes >> 7) * 0xFF);
  unsigned fraction = 0;
  std::size_t digits = n;
  if (pointBytes) {
    const unsigned k = static_cast<unsigned>(std::countr_zero(pointBytes)) / 8;
    fraction = static_cast<unsigned>(n) - 1 - k;
    w = WithoutByte(w, k);
    --digits;
  }
  // Leading zeros make eight digits.
  w <<= 8 * (8 - digits);
  double v = static_cast<double>(EightDigits(w));
  if (fraction > 0) v /= kPowersOfTen[fraction];
  out = WithSign(v, negative);
  return true;
}

// A plain text of at most eight characters after its sign, read in one word
// that may take bytes past the text's end, up to `readable`: the reading of
// a list line inside its block, where a line is short and the bytes after
// it are there. False for any other text, or when the word would pass
// `readable`; the caller then reads it the general way.
[[gnu::always_inline]] inline bool EightPlainIn(const char* text, std::size_t n, const char* readable, double& out) {
  if (n == 0) return false;
  const bool negative = *text == '-';
  const std::size_t sign = negative || *text == '+';
  const char* p = text + sign;
  const std::size_t m = n - sign;
  if (m - 1 >= 8 || readable - p < 8) return false;
  return EightPlainWord(Load8(p), m, negative, out);
}

}  // namespace detail

}  // namespace tallowmere::numtext
