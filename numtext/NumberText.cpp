#include "numtext/NumberText.h"

#include <charconv>
#include <utility>

namespace tallowmere::numtext {

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

}  // namespace tallowmere::numtext
