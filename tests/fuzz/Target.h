#pragma once
// The libFuzzer side of a target: a broken property is a crash, reported with
// its description so the artifact libFuzzer saves comes with a reason.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

inline void Require(const std::string& failure) {
  if (failure.empty()) return;
  std::fprintf(stderr, "\nBROKEN PROPERTY: %s\n", failure.c_str());
  std::abort();
}

}  // namespace fuzzcheck
