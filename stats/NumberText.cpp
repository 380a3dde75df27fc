#include "stats/NumberText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include "stats/Arithmetic.h"
#include "stats/ByteWords.h"

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

// The form of the regional number test: blanks, a sign, digits with group
// separators between digits and at most one decimal separator, an exponent
// (E or D), blanks. Gives false when the text is not of this form; every
// digit of the mantissa goes to `digit`, in order.
struct NumberForm {
  bool negative = false;
  std::int64_t fraction_digits = 0;
  std::int64_t exponent = 0;  // as written, capped in size
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
  while (i < n) {
    const char c = text[i];
    if (IsDigit(c)) {
      digit(c);
      if (in_fraction) ++form.fraction_digits;
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
  if (!any_digit) return false;

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

// Reads a text by the regional number test. Returns nothing when its form is
// not a number; the value may still lie outside the double range.
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

namespace {

// ---- Short plain numbers, eight bytes at a time ------------------------------
//
// Most entries and list-file lines are short plain decimals such as
// "-12.345": a sign, digits and at most one decimal separator, nothing else.
// The analysis and the list-file reader read millions of them, so they are
// checked and converted here without a step per character; everything else
// takes the general reading. Words hold the text's bytes with its first byte
// lowest and zeros after its end.

using bytewords::kHighBits;
using bytewords::kOnes;
using bytewords::Load8;
using bytewords::ZeroBytes;
constexpr std::uint64_t kLowNibbles = 0x0F0F0F0F0F0F0F0FULL;

// The longest plain text (after the sign) read this way.
constexpr std::size_t kShortPlain = 16;

std::uint64_t Load4(const char* p) {
  std::uint32_t w;
  std::memcpy(&w, p, 4);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap32(w);
  return w;
}

// The n bytes at p (1 <= n <= 16) as two words, reading nothing outside them.
[[gnu::always_inline]] inline void LoadShort(const char* p, std::size_t n, std::uint64_t& low, std::uint64_t& high) {
  if (n >= 8) {
    low = Load8(p);
    // The last eight bytes, of which those past the first eight are kept.
    high = n > 8 ? Load8(p + n - 8) >> (8 * (16 - n)) : 0;
  } else if (n >= 4) {
    // Two overlapping halves; the bytes they share are the same.
    low = Load4(p) | (Load4(p + n - 4) << (8 * (n - 4)));
    high = 0;
  } else {
    low = static_cast<unsigned char>(p[0]);
    if (n > 1) low |= std::uint64_t{static_cast<unsigned char>(p[1])} << 8;
    if (n > 2) low |= std::uint64_t{static_cast<unsigned char>(p[2])} << 16;
    high = 0;
  }
}

// The top bit of each byte set where that byte of w is a digit '0'..'9'.
constexpr std::uint64_t DigitBytes(std::uint64_t w) {
  const std::uint64_t highIsThree = ZeroBytes((w & ~kLowNibbles) ^ (kOnes * 0x30));
  const std::uint64_t lowAboveNine = (((w & kLowNibbles) + kOnes * 6) & (kOnes * 0x10)) << 3;
  return highIsThree & ~lowAboveNine;
}

// The top bit of each of the first n bytes of a word (n <= 8).
constexpr std::uint64_t FirstBytes(std::size_t n) {
  return n >= 8 ? kHighBits : kHighBits & ((std::uint64_t{1} << (8 * n)) - 1);
}

// A short text's plain form: digits and at most one `point`, and a digit.
struct ShortForm {
  std::uint64_t digitsLow, digitsHigh;  // the top bit of each digit byte
  std::uint64_t pointLow, pointHigh;    // the top bit of the point's byte
};

[[gnu::always_inline]] inline bool PlainShortForm(std::uint64_t low, std::uint64_t high, std::size_t n, unsigned char point, ShortForm& form) {
  const std::uint64_t validLow = FirstBytes(n);
  const std::uint64_t validHigh = n > 8 ? FirstBytes(n - 8) : 0;
  form.digitsLow = DigitBytes(low) & validLow;
  form.digitsHigh = DigitBytes(high) & validHigh;
  form.pointLow = bytewords::EqualBytes(low, point) & validLow;
  form.pointHigh = bytewords::EqualBytes(high, point) & validHigh;
  const bool onlyDigitsAndPoints =
      (form.digitsLow | form.pointLow) == validLow && (form.digitsHigh | form.pointHigh) == validHigh;
  const bool atMostOnePoint = (form.pointLow & (form.pointLow - 1)) == 0 &&
                              (form.pointHigh & (form.pointHigh - 1)) == 0 &&
                              !(form.pointLow != 0 && form.pointHigh != 0);
  return onlyDigitsAndPoints && atMostOnePoint && (form.digitsLow | form.digitsHigh) != 0;
}

// Eight digit values, the first (most significant) in the lowest byte, as
// one number.
constexpr std::uint64_t EightDigits(std::uint64_t v) {
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
  return (v * 10000 + (v >> 32)) & 0xFFFFFFFFULL;
}

// Drops byte k (0..7) of a word, moving the bytes above it down.
constexpr std::uint64_t WithoutByte(std::uint64_t w, unsigned k) {
  const std::uint64_t below = (std::uint64_t{1} << (8 * k)) - 1;
  return (w & below) | ((w >> 8) & ~below);
}

// The value of a plain text of at most 15 digits, read as the general
// reading reads it: the integer of all digits, divided by the power of ten
// of the digits after the point.
bool ShortPlainNumber(std::string_view text, double& out) {
  if (text.empty()) return false;
  const char* p = text.data();
  std::size_t n = text.size();
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') {
    ++p;
    --n;
  }
  if (n == 0 || n > kShortPlain) return false;
  std::uint64_t low, high;
  LoadShort(p, n, low, high);
  ShortForm form;
  if (!PlainShortForm(low, high, n, '.', form)) return false;
  const bool hasPoint = (form.pointLow | form.pointHigh) != 0;
  const std::size_t digits = n - hasPoint;
  if (digits > 15) return false;

  // The digit values, without the point, the first in the lowest byte.
  auto spread = [](std::uint64_t topBits) { return (topBits >> 7) * 0xFF; };
  low &= kLowNibbles & spread(form.digitsLow);
  high &= kLowNibbles & spread(form.digitsHigh);
  unsigned fraction = 0;
  if (form.pointLow) {
    const unsigned k = static_cast<unsigned>(std::countr_zero(form.pointLow)) / 8;
    fraction = static_cast<unsigned>(n) - 1 - k;
    low = WithoutByte(low, k) | (high << 56);
    high >>= 8;
  } else if (form.pointHigh) {
    const unsigned k = static_cast<unsigned>(std::countr_zero(form.pointHigh)) / 8;
    fraction = static_cast<unsigned>(n) - 9 - k;
    high = WithoutByte(high, k);
  }
  // Leading zeros make sixteen digits: shift the 16-byte pair up.
  const unsigned shift = static_cast<unsigned>(8 * (16 - digits));
  if (shift >= 64) {
    high = low << (shift - 64);
    low = 0;
  } else if (shift > 0) {
    high = (high << shift) | (low >> (64 - shift));
    low <<= shift;
  }
  const std::uint64_t mantissa = EightDigits(low) * 100000000ULL + EightDigits(high);
  double v = static_cast<double>(mantissa);
  if (fraction > 0) v /= kPowersOfTen[fraction];
  out = negative ? -v : v;
  return true;
}

// The general reading of a leading number, kept out of line so that the
// quick path above does not pay for its large frame.
[[gnu::noinline]] double GeneralLeadingNumber(std::string_view text);

}  // namespace

double LeadingNumber(std::string_view text) {
  if (double v; ShortPlainNumber(text, v)) return v;
  return GeneralLeadingNumber(text);
}

namespace {

double GeneralLeadingNumber(std::string_view text) {
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

}  // namespace

namespace {

// List files put every line through the number test, and nearly all lines
// are plain: a sign, digits and at most one one-byte decimal separator. Such
// a text with a digit is a number, and at this length its value is far inside
// the double range; everything else takes the full scan.
enum class Plain { kNumber, kUnsure };

Plain PlainNumberForm(std::string_view text, const Separators& sep) {
  if (text.empty() || text.size() > 300 || sep.decimal.size() != 1) return Plain::kUnsure;
  const char point = sep.decimal[0];
  if (IsDigit(point) || point == '+' || point == '-' || point == '\0') return Plain::kUnsure;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') i = 1;
  const std::size_t n = text.size() - i;
  if (n == 0) return Plain::kUnsure;
  if (n <= kShortPlain) {
    std::uint64_t low, high;
    LoadShort(text.data() + i, n, low, high);
    ShortForm form;
    return PlainShortForm(low, high, n, static_cast<unsigned char>(point), form) ? Plain::kNumber : Plain::kUnsure;
  }
  bool any_digit = false, seen_point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      any_digit = true;
    } else if (c == point && !seen_point) {
      seen_point = true;
    } else {
      return Plain::kUnsure;
    }
  }
  return any_digit ? Plain::kNumber : Plain::kUnsure;
}

// The full number test, out of line like GeneralLeadingNumber.
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
  return PlainNumberForm(text, sep) == Plain::kNumber || GeneralIsNumeric(text, sep);
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
