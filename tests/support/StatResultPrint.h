#pragma once
// A StatResult as GoogleTest prints it in a failure: its number to 17
// digits, or its text.
#include <cstdio>
#include <ostream>

#include "stats/StatResult.h"

namespace tallowmere::stats {

inline void PrintTo(const StatResult& r, std::ostream* out) {
  if (!r.IsNumber()) {
    *out << '"' << r.Text() << '"';
    return;
  }
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.17g", r.Number());
  *out << digits;
}

}  // namespace tallowmere::stats
