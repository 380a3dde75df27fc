#pragma once
// Eight bytes of text at a time in one 64-bit word, for the scans that run
// over every byte of millions of entries and list-file lines. A word holds
// its bytes in memory order from the lowest, on any byte order.
#include <bit>
#include <cstdint>
#include <cstring>

namespace bytewords {

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

}  // namespace bytewords
