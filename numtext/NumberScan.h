#pragma once
// Internal to the number readings: the exact decimal of a text and its
// conversion to double, shared by the leading number, the number test and the
// decimal roundings.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numtext/Separators.h"

namespace tallowmere::numtext {

namespace detail {

// A double's exact decimal needs at most 767 significant digits, so 800 digits
// plus one "something non-zero follows" digit decide the rounding of any
// longer text exactly as all of its digits would.
inline constexpr std::size_t kMaxDigits = 800;

// Exponents are read saturating at this bound: far beyond any double, yet a
// sum of it and a text length cannot overflow 64 bits.
inline constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

enum class Conversion { kOk, kOverflow };

// The nearest double of (sign) 0.d1d2...dn x 10^(scale + n), i.e. of the
// integer d1..dn times 10^scale. `digits` holds significant digits only (no
// leading zero); `sticky` says that non-zero digits were dropped after them.
// A magnitude too small for a double gives a zero of the right sign.
Conversion DigitsToDouble(bool negative, const char* digits, std::size_t count, std::int64_t scale, bool sticky,
                          double& out);

// An exact decimal: (sign) digits x 10^exponent, with no leading or trailing
// zero in `digits`; zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;

  bool IsZero() const { return digits.empty(); }

  void Normalize() {
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    digits.erase(0, lead);
    std::size_t end = digits.size();
    while (end > 0 && digits[end - 1] == '0') --end;
    exponent += static_cast<std::int64_t>(digits.size() - end);
    digits.resize(end);
    if (digits.empty()) exponent = 0;
  }
};

// Reads a text by the regional number test. Returns nothing when its form is
// not a number; the value may still lie outside the double range.
std::optional<Decimal> ParseRegional(std::string_view text, const Separators& sep);

bool InDoubleRange(const Decimal& d);

// The number test's reading with its failures raised: "Type mismatch" when
// the form is not a number, "Overflow" beyond the double range.
Decimal ParseOrThrow(std::string_view text, const Separators& sep);

// The nearest double of `d`; "Overflow" beyond the double range.
double ToDoubleOrThrow(const Decimal& d);

enum class Tie { kAwayFromZero, kToEven };

// Rounds `d` to `places` digits after the decimal point (negative: to tens,
// hundreds, ...), exactly.
void RoundDecimal(Decimal& d, std::int64_t places, Tie tie);

}  // namespace detail

}  // namespace tallowmere::numtext
