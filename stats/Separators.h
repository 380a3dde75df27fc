#pragma once
// The user's separators, passed to every locale-dependent number reading and
// text so that none of them depends on the C locale.
#include <string>

namespace numtext {

// The user's decimal and digit-grouping separators, as UTF-8 texts.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";
};

// The separators the program runs with. Set once at start-up from the system
// locale; '.' and ',' until then.
const Separators& UserSeparators();
void SetUserSeparators(Separators s);

}  // namespace numtext
