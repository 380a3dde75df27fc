#pragma once
// What a number-list entry is worth in the analysis. A typed piece or a
// sample number is read by the leading-number rules alone. A line of a list
// file (loaded, dropped, walked or pasted) has passed the number test with
// the user's separators, so it is read as its writer meant it: "61,5" from a
// German spreadsheet is 61.5, "1,234.5" from an English one 1234.5.
#include <string_view>

#include "numtext/Separators.h"

namespace tallowmere::numtext {

// A plain number: blanks (spaces, tabs) around it, an optional sign, digits
// with at most one '.', an optional exponent ('E' or 'D', either case, an
// optional sign, digits), at least one digit in the mantissa.
bool IsPlainNumber(std::string_view text);

// The value of an entry that passed the number test: a plain number reads
// with '.' as the decimal point in every locale, since most programs write it
// so whatever the user's locale; else a text the locale reads strictly
// (IsStrictlyNumeric) takes the locale's value; anything else keeps its
// leading number ("1,5" in an English locale stays 1). Fails only as
// LeadingNumber fails.
double ListEntryValue(std::string_view text, const Separators& sep);

}  // namespace tallowmere::numtext
