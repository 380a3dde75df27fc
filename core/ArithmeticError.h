#pragma once
// The failure of a step of arithmetic or of reading a number, with its short
// description. Kept apart from the checked arithmetic so that the number texts,
// below the engine, raise the same failure the engine does.
#include <stdexcept>

namespace tallowmere::core {

class ArithmeticError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Descriptions used across the program; reports and the analyser's error
// lines carry them as they are (see docs/compatibility.md, Arithmetic that
// fails).
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kTypeMismatch = "Type mismatch";

}  // namespace tallowmere::core
