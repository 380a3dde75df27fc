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

namespace numtext::detail {

using bytewords::kHighBits;
using bytewords::kOnes;
using bytewords::Load8;
using bytewords::ZeroBytes;
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
  form.pointLow = bytewords::EqualBytes(low, point) & validLow;
  form.pointHigh = bytewords::EqualBytes(high, point) & validHigh;
  const bool onlyDigitsAndPoints =
      (form.digitsLow | form.pointLow) == validLow && (form.digitsHigh | form.pointHigh) == validHigh;
  const bool atMostOnePoint = (form.pointLow & (form.pointLow - 1)) == 0 &&
                              (form.pointHigh & (form.pointHigh - 1)) == 0 &&
                              !(form.pointLow != 0 && form.pointHigh != 0);
  return onlyDigitsAndPoints && atMostOnePoint && (form.digitsLow | form.digitsHigh) != 0;
}

}  // namespace numtext::detail
