#pragma once
// Finding the line ends of text a word or a vector register at a time, for the
// readers that split millions of list-file lines and entry lines. Each
// search gives what a loop over the bytes one by one gives.
#include <bit>
#include <cstdint>

#include "core/ByteWords.h"

namespace tallowmere::core {

inline bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The top bit of each byte of the result is set exactly where the byte at
// `at` (eight of them, the lowest bits for the first) is a CR or an LF.
inline std::uint64_t LineEndBytes(const char* at) {
  const std::uint64_t word = core::Load8(at);
  return core::EqualBytes(word, '\n') | core::EqualBytes(word, '\r');
}

// Calls found(p) for every CR or LF in [begin, end), in order.
template <class Found>
void ForEachLineEnd(const char* begin, const char* end, Found&& found) {
  const char* p = begin;
  // Sixty-four bytes at a time into one mask: lines are short, and a loop per
  // word would mistake its count of line ends at nearly every word.
  for (; end - p >= 64; p += 64) {
    for (std::uint64_t ends = core::EitherBits64(p, '\n', '\r'); ends; ends &= ends - 1)
      found(p + std::countr_zero(ends));
  }
  for (; end - p >= 8; p += 8) {
    for (std::uint64_t hits = LineEndBytes(p); hits; hits &= hits - 1) found(p + std::countr_zero(hits) / 8);
  }
  for (; p < end; ++p)
    if (IsLineEnd(*p)) found(p);
}

// The first CR or LF in [begin, end), or end.
inline const char* FindLineEnd(const char* begin, const char* end) {
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    if (const std::uint64_t hits = LineEndBytes(p)) return p + std::countr_zero(hits) / 8;
  }
  for (; p < end; ++p)
    if (IsLineEnd(*p)) return p;
  return end;
}

// The last CR or LF in [begin, end), or nullptr.
inline const char* FindLastLineEnd(const char* begin, const char* end) {
  for (const char* p = end; p > begin;)
    if (IsLineEnd(*--p)) return p;
  return nullptr;
}

// Calls found(p) for every LF in [begin, end), in order: the lines of a text
// whose only line end is the LF.
template <class Found>
void ForEachLineFeed(const char* begin, const char* end, Found&& found) {
  const char* p = begin;
  for (; end - p >= 64; p += 64) {
    for (std::uint64_t feeds = core::EitherBits64(p, '\n', '\n'); feeds; feeds &= feeds - 1)
      found(p + std::countr_zero(feeds));
  }
  for (; p < end; ++p)
    if (*p == '\n') found(p);
}

// The last LF in [begin, end), or nullptr.
inline const char* FindLastLineFeed(const char* begin, const char* end) {
  for (const char* p = end; p > begin;)
    if (*--p == '\n') return p;
  return nullptr;
}

}  // namespace tallowmere::core
