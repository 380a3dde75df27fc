#pragma once
#include <cstddef>
#include <string_view>

#include "numtext/ShortPlain.h"

namespace tallowmere::numtext {

// The leading number of an entry text, the same in every locale: spaces, tabs
// and line feeds are ignored anywhere; an optional sign, digits with at most
// one '.', an optional exponent ('E' or 'D', either case, optional sign and
// digits) are read from the start until a character cannot continue the
// number; '&H' and '&O' read hexadecimal and octal as 32-bit two's
// complement, and more than 32 bits overflow (see docs/compatibility.md,
// Arithmetic that fails). No leading number gives 0. A mantissa followed by an exponent
// marker without digits reads as the mantissa. A value beyond the double range
// throws ArithmeticError("Overflow"); a value too small for a double is 0.
double LeadingNumber(std::string_view text);

// The quick part of LeadingNumber alone: for a plain text (an optional sign,
// at most 15 digits with at most one '.', nothing else) sets `value` to
// exactly what LeadingNumber gives and answers true; any other text answers
// false. Never fails. A reader that has the text at hand anyway keeps the
// value, so the analysis need not read the text again.
bool PlainLeadingNumber(std::string_view text, double& value);

// PlainLeadingNumber of the n characters at `text`, inside a buffer that can
// be read up to `readable` (not before the text's end). A list file's lines
// are short and the bytes after each are at hand, so the common line is read
// here, inline, in one word; the others go to PlainLeadingNumber.
[[gnu::always_inline]] inline bool PlainLeadingNumberIn(const char* text, std::size_t n, const char* readable,
                                                        double& value) {
  return detail::EightPlainIn(text, n, readable, value) || PlainLeadingNumber(std::string_view(text, n), value);
}

}  // namespace tallowmere::numtext
