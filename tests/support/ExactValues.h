#pragma once
// Exact references for the engine's tests: a double as the rational it
// stands for, and how many doubles lie between two results.
#include <bit>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstdint>

namespace exactvalues {

using Rational = boost::multiprecision::cpp_rational;
using Integer = boost::multiprecision::cpp_int;

inline Rational Exact(double v) {
  int exponent = 0;
  const double fraction = std::frexp(v, &exponent);
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  const Integer whole = mantissa;
  if (exponent >= 0) return Rational(whole << exponent);
  return Rational(whole, Integer(1) << -exponent);
}

inline double Nearest(const Rational& r) { return r.convert_to<double>(); }

// Steps between two finite doubles of one sign along the doubles (0 when
// equal); large for different signs.
inline std::uint64_t UlpsApart(double a, double b) {
  if (a == b) return 0;
  if (std::signbit(a) != std::signbit(b)) return UINT64_MAX;
  const auto x = std::bit_cast<std::uint64_t>(std::fabs(a));
  const auto y = std::bit_cast<std::uint64_t>(std::fabs(b));
  return x > y ? x - y : y - x;
}

}  // namespace exactvalues
