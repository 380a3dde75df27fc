#pragma once
// Number texts and readings shared by the whole program. Everything here is
// independent of the C locale: the user's separators are passed in (the
// program takes them from the system locale at start-up).
#include <cstdint>
#include <string>
#include <string_view>

namespace numtext {

// The user's decimal and digit-grouping separators, as UTF-8 texts.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";
};

// The separators the program runs with. Set once at start-up from the system
// locale; '.' and ',' until then.
const Separators& UserSeparators();
void SetUserSeparators(Separators s);

// Number text of a double, as C's "%.15g": 15 significant digits, correctly
// rounded; exponent form exactly when %.15g would use it; trailing zeros and
// a trailing decimal point removed; exponent written "E", a sign and at least
// two digits ("1E+20", "1.5E-05"); negative zero written "0"; the decimal
// separator of `sep` in place of '.'; no grouping.
std::string NumberText(double v, const Separators& sep = UserSeparators());

// The leading number of an entry text, the same in every locale: spaces, tabs
// and line feeds are ignored anywhere; an optional sign, digits with at most
// one '.', an optional exponent ('E' or 'D', either case, optional sign and
// digits) are read from the start until a character cannot continue the
// number; '&H' and '&O' read hexadecimal and octal as 32-bit two's
// complement. No leading number gives 0. A mantissa followed by an exponent
// marker without digits reads as the mantissa. A value beyond the double range
// throws ArithmeticError("Overflow"); a value too small for a double is 0.
double LeadingNumber(std::string_view text);

// The number test (the regional "is it a number"): optional spaces or tabs
// around it; an optional leading sign; digits, with the grouping separator
// allowed between digits of the whole part; at most one decimal separator; an
// optional exponent (E or D, either case, optional sign, at least one digit);
// at least one digit overall; a value inside the double range.
bool IsNumeric(std::string_view text, const Separators& sep = UserSeparators());

// The value of a text that passes IsNumeric, correctly rounded. Not numeric:
// ArithmeticError("Type mismatch"); beyond the double range: "Overflow".
double NumericValue(std::string_view text, const Separators& sep = UserSeparators());

// The format "####.0000000000" applied to a numeric text, on the exact decimal
// it spells: ten decimals rounded half away from zero, no '0' before the
// separator when the whole part is zero ("0.5" -> ".5000000000", "-0.25" ->
// "-.2500000000"). A text that is not numeric comes back unchanged.
std::string FormatTenDecimals(std::string_view text, const Separators& sep = UserSeparators());

// The value step: the nearest double of a numeric text; with `round` set, the
// exact decimal is first rounded to `places` decimal places, ties to the even
// neighbour (negative places round to tens, hundreds, ...). Not numeric:
// "Type mismatch"; beyond the double range: "Overflow".
double DecimalValue(std::string_view text, bool round, int places,
                    const Separators& sep = UserSeparators());

// A text converted to a 16-bit integer: the number test, then rounded to the
// nearest integer with ties to even; must fit -32768..32767. Not numeric:
// "Type mismatch"; outside the range: "Overflow".
std::int16_t ToInteger16(std::string_view text, const Separators& sep = UserSeparators());

}  // namespace numtext
