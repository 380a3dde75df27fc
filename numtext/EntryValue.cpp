#include "numtext/EntryValue.h"

#include <cstddef>
#include <string>

#include "numtext/LeadingNumber.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"

namespace tallowmere::numtext {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Skips a run of digits from `i`; answers whether there was one.
bool Digits(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i > start;
}

}  // namespace

bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool any = Digits(text, i);
  if (i < n && text[i] == '.') {
    ++i;
    any = Digits(text, i) || any;
  }
  if (!any) return false;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (!Digits(text, i)) return false;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

double ListEntryValue(std::string_view text, const Separators& sep) {
  if (IsPlainNumber(text)) return LeadingNumber(text);
  std::string buffer;
  const std::string_view ascii = WithAsciiDigits(text, sep, buffer);
  if (IsPlainNumber(ascii)) return LeadingNumber(ascii);
  if (IsStrictlyNumeric(ascii, sep)) return NumericValue(ascii, sep);
  if (TakesOtherConvention(ascii, sep)) return NumericValue(ascii, OtherConvention(sep));
  if (IsNumeric(ascii, sep)) return NumericValue(ascii, sep);
  return LeadingNumber(text);
}

}  // namespace tallowmere::numtext
