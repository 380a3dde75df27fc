#include "numtext/NumberTest.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "core/ArithmeticError.h"
#include "numtext/NumberScan.h"
#include "numtext/PlainNumberForm.h"
#include "numtext/ShortPlain.h"

namespace tallowmere::numtext {

namespace {

using detail::Conversion;
using detail::Decimal;
using detail::DigitsToDouble;
using detail::InDoubleRange;
using detail::kExponentCap;
using detail::kMaxDigits;
using detail::ParseOrThrow;
using detail::ParseRegional;
using detail::RoundDecimal;
using detail::Tie;
using detail::ToDoubleOrThrow;

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
  return !what.empty() && text.substr(at).starts_with(what);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The form of the regional number test: blanks, a sign, digits with group
// separators between digits and at most one decimal separator, an exponent
// (E or D), blanks. Gives false when the text is not of this form; every
// digit of the mantissa goes to `digit`, in order.
struct NumberForm {
  bool negative = false;
  std::int64_t fraction_digits = 0;
  std::int64_t exponent = 0;  // as written, capped in size
  // Group separators, if any, stand only where the locale puts them: the
  // last group of the whole part has the primary size, the ones before it
  // the secondary, the first one to the secondary ("1,234,567" in English,
  // "12,34,567" in Hindi): the strict reading of a locale.
  bool grouped_strictly = true;
};

template <class OnDigit>
bool ScanNumberForm(std::string_view text, const Separators& sep, NumberForm& form, OnDigit&& digit) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  while (i < n && blank(i)) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    form.negative = text[i] == '-';
    ++i;
  }

  bool any_digit = false;
  bool in_fraction = false;
  bool grouped = false;
  std::size_t run = 0;  // digits of the whole part since its last group separator
  while (i < n) {
    const char c = text[i];
    if (IsDigit(c)) {
      digit(c);
      if (in_fraction)
        ++form.fraction_digits;
      else
        ++run;
      any_digit = true;
      ++i;
    } else if (!in_fraction && StartsWith(text, i, sep.decimal)) {
      in_fraction = true;
      i += sep.decimal.size();
    } else if (!in_fraction && any_digit && IsDigit(text[i - 1]) && StartsWith(text, i, sep.group) &&
               i + sep.group.size() < n && IsDigit(text[i + sep.group.size()])) {
      if (grouped ? run != sep.secondaryGroup : run > sep.secondaryGroup) form.grouped_strictly = false;
      grouped = true;
      run = 0;
      i += sep.group.size();
    } else {
      break;
    }
  }
  if (!any_digit) return false;
  if (grouped && run != sep.primaryGroup) form.grouped_strictly = false;

  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    bool exp_negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exp_negative = text[i] == '-';
      ++i;
    }
    if (i >= n || !IsDigit(text[i])) return false;
    while (i < n && IsDigit(text[i])) {
      if (form.exponent < kExponentCap) form.exponent = form.exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exp_negative) form.exponent = -form.exponent;
  }

  while (i < n && blank(i)) ++i;
  return i == n;
}

Conversion DecimalToDouble(const Decimal& d, double& out) {
  std::size_t count = d.digits.size();
  std::int64_t scale = d.exponent;
  bool sticky = false;
  if (count > kMaxDigits) {
    // Normalized digits end in a non-zero one, so something non-zero is cut.
    sticky = true;
    scale += static_cast<std::int64_t>(count - kMaxDigits);
    count = kMaxDigits;
  }
  return DigitsToDouble(d.negative, d.digits.data(), count, scale, sticky, out);
}

}  // namespace

namespace detail {

std::optional<Decimal> ParseRegional(std::string_view text, const Separators& sep) {
  Decimal d;
  NumberForm form;
  if (!ScanNumberForm(text, sep, form, [&d](char c) {
        if (c != '0' || !d.digits.empty()) d.digits.push_back(c);
      }))
    return std::nullopt;
  d.negative = form.negative;
  d.exponent = form.exponent - form.fraction_digits;
  d.Normalize();
  return d;
}

bool InDoubleRange(const Decimal& d) {
  // Below 10^308 every value is inside the range (too small ones read as
  // zero), so only the few texts near the top need the conversion.
  if (d.IsZero() || d.exponent + static_cast<std::int64_t>(d.digits.size()) <= 308) return true;
  double v = 0.0;
  return DecimalToDouble(d, v) == Conversion::kOk;
}

Decimal ParseOrThrow(std::string_view text, const Separators& sep) {
  std::optional<Decimal> d = ParseRegional(text, sep);
  if (!d) throw core::ArithmeticError(core::kTypeMismatch);
  if (!InDoubleRange(*d)) throw core::ArithmeticError(core::kOverflow);
  return std::move(*d);
}

double ToDoubleOrThrow(const Decimal& d) {
  double v = 0.0;
  if (DecimalToDouble(d, v) != Conversion::kOk) throw core::ArithmeticError(core::kOverflow);
  return v;
}

}  // namespace detail

namespace {

// The form check of ParseRegional without building the decimal: list files
// put every line through the number test, so it must not allocate. Gives
// the magnitude (the value lies below 10^magnitude) for the range check.
bool ScanRegional(std::string_view text, const Separators& sep, std::int64_t& magnitude, bool& zero) {
  std::int64_t significant = 0;
  NumberForm form;
  if (!ScanNumberForm(text, sep, form, [&significant](char c) {
        if (c != '0' || significant > 0) ++significant;
      }))
    return false;
  zero = significant == 0;
  // Trailing zeros of the digits only make this an upper bound, which is all
  // the quick range check needs.
  magnitude = form.exponent - form.fraction_digits + significant;
  return true;
}

// The full number test, kept out of line like the general reading of the
// leading number, so that the quick path above does not pay for its frame.
[[gnu::noinline]] bool GeneralIsNumeric(std::string_view text, const Separators& sep) {
  std::int64_t magnitude = 0;
  bool zero = false;
  if (!ScanRegional(text, sep, magnitude, zero)) return false;
  if (zero || magnitude <= 308) return true;
  std::optional<Decimal> d = ParseRegional(text, sep);
  return d && InDoubleRange(*d);
}

}  // namespace

bool IsNumeric(std::string_view text, const Separators& sep) {
  return detail::PlainNumberForm(text, sep) || GeneralIsNumeric(text, sep);
}

bool IsStrictlyNumeric(std::string_view text, const Separators& sep) {
  NumberForm form;
  return ScanNumberForm(text, sep, form, [](char) {}) && form.grouped_strictly && IsNumeric(text, sep);
}

double NumericValue(std::string_view text, const Separators& sep) { return ToDoubleOrThrow(ParseOrThrow(text, sep)); }

std::int16_t ToInteger16(std::string_view text, const Separators& sep) {
  Decimal d = ParseOrThrow(text, sep);
  RoundDecimal(d, 0, Tie::kToEven);
  if (d.IsZero()) return 0;
  // After rounding to an integer the exponent is not negative.
  if (d.exponent + static_cast<std::int64_t>(d.digits.size()) > 5) throw core::ArithmeticError(core::kOverflow);
  std::int64_t value = 0;
  for (char c : d.digits) value = value * 10 + (c - '0');
  for (std::int64_t i = 0; i < d.exponent; ++i) value *= 10;
  if (d.negative) value = -value;
  if (value < -32768 || value > 32767) throw core::ArithmeticError(core::kOverflow);
  return static_cast<std::int16_t>(value);
}

}  // namespace tallowmere::numtext
