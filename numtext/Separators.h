#pragma once
// The user's separators, read once from the system locale by whoever starts
// the program and passed to every locale-dependent number reading and text,
// so that none of them depends on the C locale or on hidden state.
#include <cstddef>
#include <string>

namespace tallowmere::numtext {

// How the user's locale writes a number: its decimal and digit-grouping
// separators (UTF-8 texts), the sizes of its digit groups, its digits and its
// minus sign.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";
  // The group next to the decimal separator, and the groups before it:
  // 3 and 3 in most locales, 3 and 2 where lakhs and crores are written
  // ("12,34,567.5").
  std::size_t primaryGroup = 3;
  std::size_t secondaryGroup = 3;
  // The locale's zero, the first of ten consecutive digits; U+0030 where it
  // writes ASCII digits.
  char32_t zero = U'0';
  // The locale's minus sign as it writes it, marks of direction included.
  std::string minus = "-";
};

}  // namespace tallowmere::numtext
