#include "numtext/LeadingNumber.h"

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/ArithmeticError.h"
#include "numtext/NumberScan.h"
#include "numtext/ShortPlain.h"

namespace tallowmere::numtext {

namespace {

using detail::Conversion;
using detail::DigitsToDouble;
using detail::kExponentCap;
using detail::kLowNibbles;
using detail::kMaxDigits;
using detail::kShortPlain;
using detail::LoadShort;
using detail::PlainShortForm;
using detail::ShortForm;

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
    if (value > 0xFFFF'FFFFu) throw core::ArithmeticError(core::kOverflow);
  }
  // Two's complement: the top bit is the sign.
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

using detail::kPowersOfTen;

using detail::EightDigits;
using detail::WithoutByte;
using detail::WithSign;

// ShortPlainNumber for a text of one to eight characters (after the sign).
[[gnu::always_inline]] inline bool EightPlainNumber(const char* p, std::size_t n, bool negative, double& out) {
  std::uint64_t w, unused;
  LoadShort(p, n, w, unused);
  return detail::EightPlainWord(w, n, negative, out);
}

// The value of a plain text of at most 15 digits, read as the general
// reading reads it: the integer of all digits, divided by the power of ten
// of the digits after the point.
bool ShortPlainNumber(std::string_view text, double& out) {
  if (text.empty()) return false;
  const char* p = text.data();
  std::size_t n = text.size();
  // Without a branch: signs come in any order in a list, and a mispredicted
  // jump costs more than the whole reading of a short text.
  const bool negative = *p == '-';
  const std::size_t sign = negative || *p == '+';
  p += sign;
  n -= sign;
  if (n == 0 || n > kShortPlain) return false;
  if (n <= 8) return EightPlainNumber(p, n, negative, out);
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
  out = WithSign(v, negative);
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

bool PlainLeadingNumber(std::string_view text, double& value) { return ShortPlainNumber(text, value); }

namespace {

// An entry's characters from `p` on, with the blanks stepped over.
struct EntryCursor {
  const char* p;
  const char* end;
  // The next character that is not blank, -1 at the end.
  int Peek() {
    while (p < end && IsEntryBlank(*p)) ++p;
    return p < end ? static_cast<unsigned char>(*p) : -1;
  }
};

// A mantissa's significant digits: all of them go to `digits` (as far as it
// holds), the first 19 also to `mantissa`, which serves the common short
// entries without any text conversion.
struct MantissaDigits {
  char digits[kMaxDigits];
  std::size_t stored = 0;
  std::int64_t significant = 0;  // all significant digits, stored or not
  bool sticky = false;           // a non-zero digit beyond the stored ones
  std::uint64_t mantissa = 0;
  std::int64_t scale = 0;  // the power of ten the digits are multiplied by
  bool any_digit = false;
};

// Reads digits with at most one '.' from `c` on; answers the character that
// ends them.
int ReadMantissa(EntryCursor& at, int c, MantissaDigits& m) {
  bool seen_point = false;
  for (;; c = at.Peek()) {
    if (c >= '0' && c <= '9') {
      m.any_digit = true;
      if (seen_point) --m.scale;
      if (c != '0' || m.significant > 0) {
        if (m.stored < kMaxDigits) {
          m.digits[m.stored++] = static_cast<char>(c);
          if (m.stored <= 19) m.mantissa = m.mantissa * 10 + static_cast<unsigned>(c - '0');
        } else if (c != '0') {
          m.sticky = true;
        }
        ++m.significant;
      }
      ++at.p;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      ++at.p;
    } else {
      return c;
    }
  }
}

// Reads what follows an exponent marker: an optional sign and digits, whose
// value (capped) is added to `scale`. A marker without digits is not part of
// the number: the mantissa stands.
void ReadExponent(EntryCursor& at, std::int64_t& scale) {
  int c = at.Peek();
  bool exp_negative = false;
  if (c == '+' || c == '-') {
    exp_negative = c == '-';
    ++at.p;
    c = at.Peek();
  }
  if (c < '0' || c > '9') return;
  std::int64_t exponent = 0;
  for (; c >= '0' && c <= '9'; c = at.Peek()) {
    if (exponent < kExponentCap) exponent = exponent * 10 + (c - '0');
    ++at.p;
  }
  scale += exp_negative ? -exponent : exponent;
}

// The double nearest to the digits times ten to their scale.
double MantissaValue(bool negative, const MantissaDigits& m) {
  const std::int64_t scale = m.scale;
  // Exact operands give a correctly rounded product or quotient.
  if (m.stored <= 15 && !m.sticky && scale >= -22 && scale <= 22) {
    double v = static_cast<double>(m.mantissa);
    v = scale >= 0 ? v * kPowersOfTen[scale] : v / kPowersOfTen[-scale];
    return negative ? -v : v;
  }
  double v = 0.0;
  if (DigitsToDouble(negative, m.digits, m.stored, scale, m.sticky, v) != Conversion::kOk)
    throw core::ArithmeticError(core::kOverflow);
  return v;
}

double GeneralLeadingNumber(std::string_view text) {
  EntryCursor at{text.data(), text.data() + text.size()};
  int c = at.Peek();
  if (c == '&') {
    ++at.p;
    c = at.Peek();
    if (c == 'H' || c == 'h') return LeadingRadixNumber(at.p + 1, at.end, 16);
    if (c == 'O' || c == 'o') return LeadingRadixNumber(at.p + 1, at.end, 8);
    return 0.0;
  }

  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    ++at.p;
    c = at.Peek();
  }

  MantissaDigits m;
  c = ReadMantissa(at, c, m);
  if (!m.any_digit) return 0.0;
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    ++at.p;
    ReadExponent(at, m.scale);
  }
  // Digits beyond the stored ones only scale what was kept.
  m.scale += m.significant - static_cast<std::int64_t>(m.stored);
  return MantissaValue(negative, m);
}

}  // namespace

}  // namespace tallowmere::numtext
