#include "numtext/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace tallowmere::numtext {

namespace {

// The exponent form of NumberText's: 'E', a sign and at least two digits.
void AppendExponent(std::string& out, int exponent) {
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  const std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 2) out += '0';
  out += digits;
}

// Significant digits (no trailing zeros, the first not 0) whose first digit
// stands for 10^exponent, laid out as "%.15g" lays out its digits.
std::string LaidOut(bool negative, std::string_view digits, int exponent, const Separators& sep) {
  std::string out = negative ? "-" : "";
  if (exponent < -4 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) {
      out += sep.decimal;
      out.append(digits.substr(1));
    }
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out += '0';
    out += sep.decimal;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    out.append(digits.substr(0, whole));
    if (digits.size() < whole) out.append(whole - digits.size(), '0');
    if (digits.size() > whole) {
      out += sep.decimal;
      out.append(digits.substr(whole));
    }
  }
  return out;
}

}  // namespace

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
    if (c == '.')
      out += sep.decimal;
    else
      out += c;
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

std::string RoundTripText(double v, const Separators& sep) {
  if (v == 0.0 || !std::isfinite(v)) return NumberText(v, sep);
  // The shortest form of std::to_chars reads back to exactly v: "d.ddde+XX".
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view raw(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t e = raw.find('e');
  const bool negative = raw[0] == '-';
  std::string digits;
  for (const char c : raw.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  const char* from = raw.data() + e + 1;
  if (*from == '+') ++from;
  std::from_chars(from, raw.data() + raw.size(), exponent);
  return LaidOut(negative, digits, exponent, sep);
}

}  // namespace tallowmere::numtext
