#pragma once
// Roundings done on the exact decimal a numeric text spells, never on its
// nearest double, so that a text rounds as the user wrote it.
#include <string>
#include <string_view>

#include "numtext/Separators.h"

namespace tallowmere::numtext {

// The format "####.0000000000" applied to a numeric text, on the exact decimal
// it spells: ten decimals rounded half away from zero, no '0' before the
// separator when the whole part is zero ("0.5" -> ".5000000000", "-0.25" ->
// "-.2500000000"). A text that is not numeric comes back unchanged.
std::string FormatTenDecimals(std::string_view text, const Separators& sep);

// The value step: the nearest double of a numeric text; with `round` set, the
// exact decimal is first rounded to `places` decimal places, ties to the even
// neighbour (negative places round to tens, hundreds, ...). Not numeric:
// "Type mismatch"; beyond the double range: "Overflow".
double DecimalValue(std::string_view text, bool round, int places, const Separators& sep);

}  // namespace tallowmere::numtext
