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

}  // namespace tallowmere::core
