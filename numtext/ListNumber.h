#pragma once
// The number test of a line of list text (a line of a file, a pasted cell, a
// field of a table's column). Besides what the user's locale reads, a line is
// a number when it is a plain number ("2.5" is 2.5 in every locale, since most
// programs write numbers so), when it is written in the locale's own digits,
// or when it can only be read in the other common convention: a German
// "71,2" under an English locale, an English "1,234.5" under a German one.
#include <string>
#include <string_view>

#include "numtext/PlainNumberForm.h"
#include "numtext/Separators.h"

namespace tallowmere::numtext {

enum class ListLine {
  kNotNumber,
  kNumber,           // read as the user's locale or a plain number reads it
  kOtherConvention,  // read in the other convention (OtherConvention)
};

namespace detail {
ListLine GeneralListLine(std::string_view text, const Separators& sep);
}  // namespace detail

// What a line of list text is. Plain lines take the number test's quick
// path, inline; the others the full reading.
inline ListLine TestListLine(std::string_view text, const Separators& sep) {
  if (detail::PlainNumberForm(text, sep)) return ListLine::kNumber;
  return detail::GeneralListLine(text, sep);
}

// The common convention other than the user's: the decimal point with comma
// groups ("1,234.5") for a user whose decimal separator is the comma, else
// the decimal comma with point groups ("1.234,5").
const Separators& OtherConvention(const Separators& sep);

// Whether a text (in ASCII digits) can only be read one way, and that way is
// the other convention's: it holds that convention's decimal separator, the
// user's locale does not read it strictly, the other convention does, and
// the convention of the user's own kind does not ("71,2", "1,2345" and
// "1.234,5" for an English user; "1,234" is 1234 there and 1.234 in German,
// so the user's locale decides it). For a user of the decimal comma, a plain
// number with a '.' is read in the other convention too ("61.5" is 61.5).
bool TakesOtherConvention(std::string_view text, const Separators& sep);

// The text with the locale's own digits and minus sign, if it writes others,
// made ASCII ('0'..'9', '-'), in `buffer`; else the text itself.
std::string_view WithAsciiDigits(std::string_view text, const Separators& sep, std::string& buffer);

}  // namespace tallowmere::numtext
