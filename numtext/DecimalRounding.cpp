#include "numtext/DecimalRounding.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "numtext/NumberScan.h"

namespace tallowmere::numtext {

namespace detail {

void RoundDecimal(Decimal& d, std::int64_t places, Tie tie) {
  if (d.IsZero()) return;
  const std::int64_t n = static_cast<std::int64_t>(d.digits.size());
  // Number of leading digits whose place value is at least 10^-places.
  const std::int64_t keep = d.exponent + n + places;
  if (keep >= n) return;
  if (keep < 0) {
    // Below a tenth of the last kept unit: well under half of it.
    d.digits.clear();
    d.exponent = 0;
    return;
  }
  const std::size_t k = static_cast<std::size_t>(keep);
  const char first_dropped = d.digits[k];
  bool up;
  if (first_dropped != '5') {
    up = first_dropped > '5';
  } else if (k + 1 < d.digits.size()) {
    up = true;  // normalized: the rest holds a non-zero digit
  } else if (tie == Tie::kAwayFromZero) {
    up = true;
  } else {
    up = k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
  }
  d.digits.resize(k);
  d.exponent = -places;
  if (up) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
    } else {
      ++d.digits[i - 1];
    }
  }
  d.Normalize();
}

}  // namespace detail

namespace {

using detail::Decimal;
using detail::InDoubleRange;
using detail::ParseOrThrow;
using detail::ParseRegional;
using detail::RoundDecimal;
using detail::Tie;
using detail::ToDoubleOrThrow;

}  // namespace

std::string FormatTenDecimals(std::string_view text, const Separators& sep) {
  std::optional<Decimal> parsed = ParseRegional(text, sep);
  if (!parsed || !InDoubleRange(*parsed)) return std::string(text);
  Decimal d = std::move(*parsed);
  RoundDecimal(d, 10, Tie::kAwayFromZero);

  // Every digit of the value times 10^10, at least the ten decimals.
  std::string scaled = d.digits;
  if (!d.IsZero()) scaled.append(static_cast<std::size_t>(d.exponent + 10), '0');
  if (scaled.size() < 10) scaled.insert(0, 10 - scaled.size(), '0');

  std::string out;
  // A value that rounds to zero shows no sign: "-.0000000000" would read as
  // a negative number that is not there.
  if (d.negative && !d.IsZero()) out += '-';
  out.append(scaled, 0, scaled.size() - 10);
  out += sep.decimal;
  out.append(scaled, scaled.size() - 10, 10);
  return out;
}

double DecimalValue(std::string_view text, bool round, int places, const Separators& sep) {
  Decimal d = ParseOrThrow(text, sep);
  if (round) RoundDecimal(d, places, Tie::kToEven);
  return ToDoubleOrThrow(d);
}

}  // namespace tallowmere::numtext
