#pragma once
// Internal to the number readings: the quick part of the number test, shared
// by the test itself and the test of a list file's lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numtext/Separators.h"
#include "numtext/ShortPlain.h"

namespace tallowmere::numtext::detail {

// List files put every line through the number test, and nearly all lines
// are plain: a sign, digits and at most one one-byte decimal separator. Such
// a text with a digit is a number, and at this length its value is far inside
// the double range: true. False means unsure: the full scan decides.
inline bool PlainNumberForm(std::string_view text, const Separators& sep) {
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.empty() || text.size() > 300 || sep.decimal.size() != 1) return false;
  const char point = sep.decimal[0];
  if (isDigit(point) || point == '+' || point == '-' || point == '\0') return false;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') i = 1;
  const std::size_t n = text.size() - i;
  if (n == 0) return false;
  if (n <= kShortPlain) {
    std::uint64_t low, high;
    LoadShort(text.data() + i, n, low, high);
    ShortForm form;
    return PlainShortForm(low, high, n, static_cast<unsigned char>(point), form);
  }
  bool anyDigit = false, seenPoint = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      anyDigit = true;
    } else if (c == point && !seenPoint) {
      seenPoint = true;
    } else {
      return false;
    }
  }
  return anyDigit;
}

}  // namespace tallowmere::numtext::detail
