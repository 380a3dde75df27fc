#include "numtext/ListNumber.h"

#include <algorithm>
#include <cstddef>

#include "core/Utf8.h"
#include "numtext/EntryValue.h"
#include "numtext/NumberTest.h"

namespace tallowmere::numtext {

namespace {

const Separators& DecimalPoint() {
  static const Separators sep{".", ","};
  return sep;
}
const Separators& DecimalComma() {
  static const Separators sep{",", "."};
  return sep;
}
// Plain numbers: the decimal point, no groups.
const Separators& Plain() {
  static const Separators sep{".", ""};
  return sep;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

const Separators& OtherConvention(const Separators& sep) {
  return sep.decimal == "," ? DecimalPoint() : DecimalComma();
}

bool TakesOtherConvention(std::string_view text, const Separators& sep) {
  const Separators& other = OtherConvention(sep);
  if (text.find(other.decimal[0]) == std::string_view::npos) return false;
  // A plain number reads with the decimal point in every locale: for a user
  // of the decimal comma, that is the other convention.
  if (&other == &DecimalPoint() && IsPlainNumber(text)) return true;
  const Separators& ownKind = &other == &DecimalPoint() ? DecimalComma() : DecimalPoint();
  return !IsStrictlyNumeric(text, sep) && IsStrictlyNumeric(text, other) && !IsStrictlyNumeric(text, ownKind);
}

std::string_view WithAsciiDigits(std::string_view text, const Separators& sep, std::string& buffer) {
  if ((sep.zero == U'0' && sep.minus == "-") || IsAscii(text)) return text;
  std::string digits[10];
  for (char32_t d = 0; d < 10; ++d) {
    char bytes[4];
    digits[d].assign(bytes, core::PutUtf8(bytes, sep.zero + d));
  }
  buffer.clear();
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (sep.minus != "-" && !sep.minus.empty() && rest.starts_with(sep.minus)) {
      buffer += '-';
      i += sep.minus.size();
      continue;
    }
    const auto digit = std::find_if(std::begin(digits), std::end(digits),
                                    [&](const std::string& d) { return d.size() > 1 && rest.starts_with(d); });
    if (digit != std::end(digits)) {
      buffer += static_cast<char>('0' + (digit - std::begin(digits)));
      i += digit->size();
    } else {
      buffer += text[i++];
    }
  }
  return buffer;
}

namespace detail {

ListLine GeneralListLine(std::string_view text, const Separators& sep) {
  std::string buffer;
  const std::string_view ascii = WithAsciiDigits(text, sep, buffer);
  if (TakesOtherConvention(ascii, sep)) return ListLine::kOtherConvention;
  if (IsNumeric(ascii, sep) || IsNumeric(ascii, Plain())) return ListLine::kNumber;
  return ListLine::kNotNumber;
}

}  // namespace detail

}  // namespace tallowmere::numtext
