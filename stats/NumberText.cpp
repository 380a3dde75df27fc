#include "stats/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include "stats/Arithmetic.h"

namespace numtext {

namespace {

Separators& MutableSeparators() {
  static Separators s;
  return s;
}

// A double's exact decimal needs at most 767 significant digits, so 800 digits
// plus one "something non-zero follows" digit decide the rounding of any
// longer text exactly as all of its digits would.
constexpr std::size_t kMaxDigits = 800;

// Exponents are read saturating at this bound: far beyond any double, yet a
// sum of it and a text length cannot overflow 64 bits.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

enum class Conversion { kOk, kOverflow };

// The nearest double of (sign) 0.d1d2...dn x 10^(scale + n), i.e. of the
// integer d1..dn times 10^scale. `digits` holds significant digits only (no
// leading zero); `sticky` says that non-zero digits were dropped after them.
// A magnitude too small for a double gives a zero of the right sign.
Conversion DigitsToDouble(bool negative, const char* digits, std::size_t count,
                          std::int64_t scale, bool sticky, double& out) {
  const double zero = negative ? -0.0 : 0.0;
  if (count == 0) {
    out = zero;
    return Conversion::kOk;
  }
  // The value lies in [10^(magnitude-1), 10^magnitude).
  const std::int64_t magnitude = scale + static_cast<std::int64_t>(count);
  if (magnitude > 310) return Conversion::kOverflow;
  if (magnitude < -330) {
    out = zero;
    return Conversion::kOk;
  }
  char buf[kMaxDigits + 40];
  char* p = buf;
  if (negative) *p++ = '-';
  std::memcpy(p, digits, count);
  p += count;
  if (sticky) {
    *p++ = '1';
    --scale;
  }
  *p++ = 'e';
  p = std::to_chars(p, buf + sizeof buf, scale).ptr;
  double v = 0.0;
  auto res = std::from_chars(buf, p, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars reports underflow the same way as overflow; the magnitude
    // tells them apart.
    if (magnitude > 0) return Conversion::kOverflow;
    out = zero;
    return Conversion::kOk;
  }
  if (res.ec != std::errc() || std::isinf(v)) return Conversion::kOverflow;
  out = v;
  return Conversion::kOk;
}

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

enum class Tie { kAwayFromZero, kToEven };

// Rounds `d` to `places` digits after the decimal point (negative: to tens,
// hundreds, ...), exactly.
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

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
  return !what.empty() && text.substr(at).starts_with(what);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a text by the regional number test. Returns nothing when its form is
// not a number; the value may still lie outside the double range.
std::optional<Decimal> ParseRegional(std::string_view text, const Separators& sep) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  while (i < n && blank(i)) ++i;

  Decimal d;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    d.negative = text[i] == '-';
    ++i;
  }

  bool any_digit = false;
  bool in_fraction = false;
  std::int64_t fraction_digits = 0;
  while (i < n) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (c != '0' || !d.digits.empty()) d.digits.push_back(c);
      if (in_fraction) ++fraction_digits;
      any_digit = true;
      ++i;
    } else if (!in_fraction && StartsWith(text, i, sep.decimal)) {
      in_fraction = true;
      i += sep.decimal.size();
    } else if (!in_fraction && any_digit && IsDigit(text[i - 1]) &&
               StartsWith(text, i, sep.group) && i + sep.group.size() < n &&
               IsDigit(text[i + sep.group.size()])) {
      i += sep.group.size();
    } else {
      break;
    }
  }
  if (!any_digit) return std::nullopt;

  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    bool exp_negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exp_negative = text[i] == '-';
      ++i;
    }
    if (i >= n || !IsDigit(text[i])) return std::nullopt;
    while (i < n && IsDigit(text[i])) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exp_negative) exponent = -exponent;
  }

  while (i < n && blank(i)) ++i;
  if (i != n) return std::nullopt;

  d.exponent = exponent - fraction_digits;
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
  if (!d) throw ArithmeticError(kTypeMismatch);
  if (!InDoubleRange(*d)) throw ArithmeticError(kOverflow);
  return std::move(*d);
}

double ToDoubleOrThrow(const Decimal& d) {
  double v = 0.0;
  if (DecimalToDouble(d, v) != Conversion::kOk) throw ArithmeticError(kOverflow);
  return v;
}

bool IsEntryBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Reads the rest of an "&H" or "&O" entry: the digits of a 32-bit pattern.
double LeadingRadixNumber(const char* p, const char* end, unsigned radix) {
  std::uint64_t value = 0;
  for (; p < end; ++p) {
    const char c = *p;
    if (IsEntryBlank(c)) continue;
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      break;
    }
    if (digit >= radix) break;
    value = value * radix + digit;
    if (value > 0xFFFF'FFFFu) throw ArithmeticError(kOverflow);
  }
  // Two's complement: the top bit is the sign.
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

const Separators& UserSeparators() { return MutableSeparators(); }
void SetUserSeparators(Separators s) { MutableSeparators() = std::move(s); }

std::string NumberText(double v, const Separators& sep) {
  if (v == 0.0) return "0";  // negative zero too
  // std::to_chars is independent of the C locale (Qt sets LC_NUMERIC from the
  // environment, which would change snprintf's decimal point).
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  std::string raw(buf, res.ptr);
  std::string mantissa = raw, exponent;
  if (auto e = raw.find('e'); e != std::string::npos) {
    mantissa = raw.substr(0, e);
    exponent = raw.substr(e + 1);
  }
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  std::string out;
  for (char c : mantissa) {
    if (c == '.') out += sep.decimal;
    else out += c;
  }
  if (!exponent.empty()) {
    char sign = '+';
    std::size_t i = 0;
    if (exponent[0] == '+' || exponent[0] == '-') {
      sign = exponent[0];
      i = 1;
    }
    std::string digits = exponent.substr(i);
    while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    out += 'E';
    out += sign;
    out += digits;
  }
  return out;
}

double LeadingNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  auto peek = [&]() -> int {
    while (p < end && IsEntryBlank(*p)) ++p;
    return p < end ? static_cast<unsigned char>(*p) : -1;
  };

  int c = peek();
  if (c == '&') {
    ++p;
    c = peek();
    if (c == 'H' || c == 'h') return LeadingRadixNumber(p + 1, end, 16);
    if (c == 'O' || c == 'o') return LeadingRadixNumber(p + 1, end, 8);
    return 0.0;
  }

  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    ++p;
    c = peek();
  }

  // Significant digits go to `digits`; the first 19 also to `mantissa`, which
  // serves the common short entries without any text conversion.
  char digits[kMaxDigits];
  std::size_t stored = 0;
  std::int64_t significant = 0;  // all significant digits, stored or not
  bool sticky = false;
  std::uint64_t mantissa = 0;
  std::int64_t scale = 0;
  bool any_digit = false;
  bool seen_point = false;
  for (;; c = peek()) {
    if (c >= '0' && c <= '9') {
      any_digit = true;
      if (seen_point) --scale;
      if (c != '0' || significant > 0) {
        if (stored < kMaxDigits) {
          digits[stored++] = static_cast<char>(c);
          if (stored <= 19) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        } else if (c != '0') {
          sticky = true;
        }
        ++significant;
      }
      ++p;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      ++p;
    } else {
      break;
    }
  }
  if (!any_digit) return 0.0;

  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    ++p;
    c = peek();
    bool exp_negative = false;
    if (c == '+' || c == '-') {
      exp_negative = c == '-';
      ++p;
      c = peek();
    }
    if (c >= '0' && c <= '9') {
      std::int64_t exponent = 0;
      for (; c >= '0' && c <= '9'; c = peek()) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (c - '0');
        ++p;
      }
      scale += exp_negative ? -exponent : exponent;
    }
    // A marker without digits is not part of the number: the mantissa stands.
  }
  // Digits beyond the stored ones only scale what was kept.
  scale += significant - static_cast<std::int64_t>(stored);

  // Exact operands give a correctly rounded product or quotient.
  if (stored <= 15 && !sticky && scale >= -22 && scale <= 22) {
    double v = static_cast<double>(mantissa);
    v = scale >= 0 ? v * kPowersOfTen[scale] : v / kPowersOfTen[-scale];
    return negative ? -v : v;
  }
  double v = 0.0;
  if (DigitsToDouble(negative, digits, stored, scale, sticky, v) != Conversion::kOk)
    throw ArithmeticError(kOverflow);
  return v;
}

namespace {

// The form check of ParseRegional without building the decimal: list files
// put every line through the number test, so it must not allocate. Gives
// the magnitude (the value lies below 10^magnitude) for the range check.
bool ScanRegional(std::string_view text, const Separators& sep, std::int64_t& magnitude, bool& zero) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  while (i < n && blank(i)) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;

  bool any_digit = false, in_fraction = false;
  std::int64_t significant = 0, fraction_digits = 0;
  while (i < n) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (c != '0' || significant > 0) ++significant;
      if (in_fraction) ++fraction_digits;
      any_digit = true;
      ++i;
    } else if (!in_fraction && StartsWith(text, i, sep.decimal)) {
      in_fraction = true;
      i += sep.decimal.size();
    } else if (!in_fraction && any_digit && IsDigit(text[i - 1]) && StartsWith(text, i, sep.group) &&
               i + sep.group.size() < n && IsDigit(text[i + sep.group.size()])) {
      i += sep.group.size();
    } else {
      break;
    }
  }
  if (!any_digit) return false;
  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    bool exp_negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exp_negative = text[i] == '-';
      ++i;
    }
    if (i >= n || !IsDigit(text[i])) return false;
    while (i < n && IsDigit(text[i])) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exp_negative) exponent = -exponent;
  }
  while (i < n && blank(i)) ++i;
  if (i != n) return false;
  zero = significant == 0;
  // Trailing zeros of the digits only make this an upper bound, which is all
  // the quick range check needs.
  magnitude = exponent - fraction_digits + significant;
  return true;
}

}  // namespace

bool IsNumeric(std::string_view text, const Separators& sep) {
  std::int64_t magnitude = 0;
  bool zero = false;
  if (!ScanRegional(text, sep, magnitude, zero)) return false;
  if (zero || magnitude <= 308) return true;
  std::optional<Decimal> d = ParseRegional(text, sep);
  return d && InDoubleRange(*d);
}

double NumericValue(std::string_view text, const Separators& sep) {
  return ToDoubleOrThrow(ParseOrThrow(text, sep));
}

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

std::int16_t ToInteger16(std::string_view text, const Separators& sep) {
  Decimal d = ParseOrThrow(text, sep);
  RoundDecimal(d, 0, Tie::kToEven);
  if (d.IsZero()) return 0;
  // After rounding to an integer the exponent is not negative.
  if (d.exponent + static_cast<std::int64_t>(d.digits.size()) > 5)
    throw ArithmeticError(kOverflow);
  std::int64_t value = 0;
  for (char c : d.digits) value = value * 10 + (c - '0');
  for (std::int64_t i = 0; i < d.exponent; ++i) value *= 10;
  if (d.negative) value = -value;
  if (value < -32768 || value > 32767) throw ArithmeticError(kOverflow);
  return static_cast<std::int16_t>(value);
}

}  // namespace numtext
