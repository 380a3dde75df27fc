#pragma once
// Checked double arithmetic. Every step is rounded to double as usual; a step
// whose result is infinite or NaN (overflow, division by zero, an invalid
// operation such as 0/0) is a failure, raised as ArithmeticError with a short
// description. Underflow and loss of precision are not failures.
//
// A result beyond the double range is never shown as a number: the row is
// reported, or reads "#Div/0!" (see docs/compatibility.md, Arithmetic that
// fails).
#include <cmath>
#include <cstddef>
#include <string>

#include "core/ArithmeticError.h"

namespace tallowmere::stats {

namespace detail {
[[noreturn]] void Fail(const char* description);

// Inline because the engine runs these once per value over millions of values.
inline double Checked(double r) {
  if (!std::isfinite(r)) [[unlikely]]
    Fail(core::kOverflow);
  return r;
}
}  // namespace detail

inline double Add(double a, double b) { return detail::Checked(a + b); }
inline double Sub(double a, double b) { return detail::Checked(a - b); }
inline double Mul(double a, double b) { return detail::Checked(a * b); }
// A nonzero divided by zero is "Division by zero"; 0 / 0 is "Overflow".
inline double Div(double a, double b) {
  if (b == 0.0 && a != 0.0) [[unlikely]]
    detail::Fail(core::kDivisionByZero);
  return detail::Checked(a / b);
}
double Cube(double v);  // std::pow(v, 3.0), checked
// out[i] = Cube(Div(Sub(x[i], shift), scale)) for i = 0 .. n - 1, in that
// order: the skew's terms, the same values, the common case several at a
// time. A failure ends it as those steps' would; `done` then tells how many
// were set before it (n when all were).
void ScaledCubes(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done);
// The two builds of ScaledCubes: for any processor, and for one with wide
// vector registers (AVX2 on x86-64; only when HasWideVectors()), which
// ScaledCubes takes when it can. The same operations, so the same results;
// named for the tests that compare them.
void ScaledCubesPlain(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done);
void ScaledCubesWide(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done);
bool HasWideVectors();

}  // namespace tallowmere::stats
