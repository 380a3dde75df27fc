#pragma once
// Finding the line ends of text a word or a vector register at a time, for the
// readers that split millions of list-file lines and entry lines. Each
// search gives what a loop over the bytes one by one gives.
#include <bit>
#include <cstdint>
#include <utility>

#include "core/ByteWords.h"

namespace tallowmere::core {

// The searches below are written once over the bytes they look for: `A` or
// `B` (the same byte twice to look for one).

// The top bit of each byte of the result is set exactly where the byte at
// `at` (eight of them, the lowest bits for the first) is `A` or `B`.
template <char A, char B>
std::uint64_t EitherBytes(const char* at) {
  const std::uint64_t word = core::Load8(at);
  return core::EqualBytes(word, A) | core::EqualBytes(word, B);
}

// Calls found(p) for every `A` or `B` in [begin, end), in order.
template <char A, char B, class Found>
void ForEachEither(const char* begin, const char* end, Found&& found) {
  const char* p = begin;
  // Sixty-four bytes at a time into one mask: lines are short, and a loop per
  // word would mistake its count of line ends at nearly every word.
  for (; end - p >= 64; p += 64) {
    for (std::uint64_t hits = core::EitherBits64(p, A, B); hits; hits &= hits - 1) found(p + std::countr_zero(hits));
  }
  for (; end - p >= 8; p += 8) {
    for (std::uint64_t hits = EitherBytes<A, B>(p); hits; hits &= hits - 1) found(p + std::countr_zero(hits) / 8);
  }
  for (; p < end; ++p)
    if (*p == A || *p == B) found(p);
}

// The last `A` or `B` in [begin, end), or nullptr.
template <char A, char B>
const char* FindLastEither(const char* begin, const char* end) {
  for (const char* p = end; p > begin;)
    if (const char c = *--p; c == A || c == B) return p;
  return nullptr;
}

// Calls found(p) for every CR or LF in [begin, end), in order.
template <class Found>
void ForEachLineEnd(const char* begin, const char* end, Found&& found) {
  ForEachEither<'\n', '\r'>(begin, end, std::forward<Found>(found));
}

// The first CR or LF in [begin, end), or end.
inline const char* FindLineEnd(const char* begin, const char* end) {
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    if (const std::uint64_t hits = EitherBytes<'\n', '\r'>(p)) return p + std::countr_zero(hits) / 8;
  }
  for (; p < end; ++p)
    if (*p == '\n' || *p == '\r') return p;
  return end;
}

// The last CR or LF in [begin, end), or nullptr.
inline const char* FindLastLineEnd(const char* begin, const char* end) {
  return FindLastEither<'\n', '\r'>(begin, end);
}

// Calls found(p) for every LF in [begin, end), in order: the lines of a text
// whose only line end is the LF.
template <class Found>
void ForEachLineFeed(const char* begin, const char* end, Found&& found) {
  ForEachEither<'\n', '\n'>(begin, end, std::forward<Found>(found));
}

// The last LF in [begin, end), or nullptr.
inline const char* FindLastLineFeed(const char* begin, const char* end) {
  return FindLastEither<'\n', '\n'>(begin, end);
}

}  // namespace tallowmere::core
