#pragma once
// Eight bytes of text at a time in one 64-bit word, for the scans that run
// over every byte of millions of entries and list-file lines. A word holds
// its bytes in memory order from the lowest, on any byte order.
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tallowmere::core {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
inline constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;

// The eight bytes at p.
inline std::uint64_t Load8(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

// The top bit of each byte set where that byte of x is zero (exactly there:
// no carry between bytes).
constexpr std::uint64_t ZeroBytes(std::uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); }

// The top bit of each byte set where that byte of `word` equals `byte`.
constexpr std::uint64_t EqualBytes(std::uint64_t word, unsigned char byte) { return ZeroBytes(word ^ (kOnes * byte)); }

// One bit per byte of a word of top bits (as EqualBytes gives them): bit k
// for byte k. Each byte's bit lands in the top byte of the product, and no
// two partial products meet, so nothing carries.
constexpr std::uint64_t ByteBits(std::uint64_t topBits) { return ((topBits >> 7) * 0x0102040810204080ULL) >> 56; }

// The 64 bytes at p as one bit each, bit k set where byte k is `a` or `b`,
// a word at a time.
inline std::uint64_t EitherBits64Words(const char* p, unsigned char a, unsigned char b) {
  std::uint64_t bits = 0;
  for (int w = 0; w < 8; ++w) {
    const std::uint64_t word = Load8(p + 8 * w);
    bits |= ByteBits(EqualBytes(word, a) | EqualBytes(word, b)) << (8 * w);
  }
  return bits;
}

// EitherBits64Words, sixteen bytes at a time where every x86-64 processor can.
inline std::uint64_t EitherBits64(const char* p, unsigned char a, unsigned char b) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(static_cast<char>(a));
  const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
  std::uint64_t bits = 0;
  for (int q = 0; q < 4; ++q) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * q));
    const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(bytes, va), _mm_cmpeq_epi8(bytes, vb));
    bits |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hits))) << (16 * q);
  }
  return bits;
#else
  return EitherBits64Words(p, a, b);
#endif
}

}  // namespace tallowmere::core
