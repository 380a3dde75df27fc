#pragma once
#include <cstdint>
#include <string_view>

#include "numtext/Separators.h"

namespace tallowmere::numtext {

// The number test (the regional "is it a number"): optional spaces or tabs
// around it; an optional leading sign; digits, with the grouping separator
// allowed between digits of the whole part; at most one decimal separator; an
// optional exponent (E or D, either case, optional sign, at least one digit);
// at least one digit overall; a value inside the double range.
bool IsNumeric(std::string_view text, const Separators& sep);

// The number test as a locale reads a number strictly: grouping separators
// only between the groups of the whole part the locale writes (the last of
// the primary size, the others of the secondary, the first one to the
// secondary: "1,234.5" in English, "1.234.567" in German, "12,34,567.5" in
// Hindi; not "1,5" in English, which the lenient test lets through).
bool IsStrictlyNumeric(std::string_view text, const Separators& sep);

// The value of a text that passes IsNumeric, correctly rounded. Not numeric:
// ArithmeticError("Type mismatch"); beyond the double range: "Overflow".
double NumericValue(std::string_view text, const Separators& sep);

// A text converted to a 16-bit integer: the number test, then rounded to the
// nearest integer with ties to even; must fit -32768..32767. Not numeric:
// "Type mismatch"; outside the range: "Overflow". The decimal places are such
// a number: a text beyond the range is reported at its step and the run
// rounds as the one before (see docs/compatibility.md, Arithmetic that fails).
std::int16_t ToInteger16(std::string_view text, const Separators& sep);

}  // namespace tallowmere::numtext
