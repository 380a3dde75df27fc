#pragma once
// Number texts and readings shared by the whole program. Everything here is
// independent of the C locale: the user's separators are passed in (the
// program takes them from the system locale at start-up).
#include <string>

#include "numtext/DecimalRounding.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberTest.h"
#include "numtext/Separators.h"

namespace tallowmere::numtext {

// Number text of a double, as C's "%.15g": 15 significant digits, correctly
// rounded; exponent form exactly when %.15g would use it; trailing zeros and
// a trailing decimal point removed; exponent written "E", a sign and at least
// two digits ("1E+20", "1.5E-05"); negative zero written "0"; the decimal
// separator of `sep` in place of '.'; no grouping. The result rows, and so
// the exports, spell their numbers so (see docs/compatibility.md, The number
// texts).
std::string NumberText(double v, const Separators& sep);

// The shortest number text that reads back to exactly `v`: as NumberText
// (the same exponent form, separator and zero), with as many significant
// digits as the double needs (up to 17) instead of always 15, so a value of
// at most 15 digits is written exactly as NumberText writes it. For scripts,
// which work on with the engine's own double. Infinities and NaN are written
// as NumberText writes them.
std::string RoundTripText(double v, const Separators& sep);

}  // namespace tallowmere::numtext
