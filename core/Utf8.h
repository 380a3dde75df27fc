#pragma once
// Well-formed UTF-8, byte by byte: file names the folder walk takes and texts
// the JSON export writes must be judged alike.
#include <cstddef>
#include <string_view>

namespace tallowmere::core {

// The length (1 to 4) of the well-formed UTF-8 sequence that begins at
// text[at] (at < text.size()), or 0 when none does there: a stray continuation byte, a sequence
// cut short, an overlong form, a surrogate or a value beyond U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) noexcept;

// Writes the UTF-8 form of `c` (at most U+10FFFF, no surrogate) at `out` and
// returns the end of what it wrote: one to four bytes. Inline: the decoding
// of wide text calls it for every character.
inline char* PutUtf8(char* out, char32_t c) noexcept {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | c >> 6);
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | c >> 12);
    *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | c >> 18);
    *out++ = static_cast<char>(0x80 | (c >> 12 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace tallowmere::core
