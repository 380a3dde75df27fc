#pragma once
// What a number-list entry is worth in the analysis. A typed piece or a
// sample number is read by the leading-number rules alone. A line of a list
// file (loaded, dropped, walked or pasted) has passed the number test of list
// lines (TestListLine), so it is read as its writer meant it: "61,5" from a
// German spreadsheet is 61.5, "1,234.5" from an English one 1234.5, in
// either locale where only one convention reads it.
#include <string_view>

#include "numtext/Separators.h"

namespace tallowmere::numtext {

// A plain number: blanks (spaces, tabs) around it, an optional sign, digits
// with at most one '.', an optional exponent ('E' or 'D', either case, an
// optional sign, digits), at least one digit in the mantissa.
bool IsPlainNumber(std::string_view text);

// The value of an entry that passed the number test of list lines, its
// digits made ASCII first (WithAsciiDigits): a plain number reads with '.' as
// the decimal point in every locale; else a text the locale reads strictly
// (IsStrictlyNumeric) takes the locale's value; else one that only the other
// common convention reads (TakesOtherConvention) takes that value; else one
// the locale's number test accepts takes the locale's value, so that no
// entry is cut at a separator ("12,34,5" in English is 12345); anything else
// keeps its leading number. Fails only as LeadingNumber or NumericValue
// fail.
double ListEntryValue(std::string_view text, const Separators& sep);

}  // namespace tallowmere::numtext
