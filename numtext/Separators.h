#pragma once
// The user's separators, read once from the system locale by whoever starts
// the program and passed to every locale-dependent number reading and text,
// so that none of them depends on the C locale or on hidden state.
#include <string>

namespace tallowmere::numtext {

// The user's decimal and digit-grouping separators, as UTF-8 texts.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";
};

}  // namespace tallowmere::numtext
