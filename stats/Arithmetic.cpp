#include "stats/Arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace arith {

// An invalid result (0/0, and in principle inf - inf or 0 * inf, although no
// infinity ever reaches the engine) is reported as "Overflow" too: the user
// sees one short word for "the value left the double range", and only a
// nonzero divided by zero gets a description of its own.
void detail::Fail(const char* description) { throw ArithmeticError(description); }

namespace {

// a * b == hi + lo exactly (Dekker). Written without fused multiply-adds: the
// build neither contracts nor targets hardware that is sure to have them.
struct Exact {
  double hi;
  double lo;
};

inline void Split(double a, double& hi, double& lo) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  hi = c - (c - a);
  lo = a - hi;
}

inline Exact TwoProduct(double a, double b) {
  const double p = a * b;
  double ah, al, bh, bl;
  Split(a, ah, al);
  Split(b, bh, bl);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// The smaller of the two gaps between r and its neighbouring doubles (the one
// below a power of two is half the one above it). r must be normal.
inline double SmallerGap(double r) {
  const auto bits = std::bit_cast<std::uint64_t>(r) & 0x7FFFFFFFFFFFFFFFULL;
  const double ulp = std::bit_cast<double>(bits & 0x7FF0000000000000ULL) * 0x1p-52;
  return (bits & 0x000FFFFFFFFFFFFFULL) == 0 ? ulp * 0.5 : ulp;
}

}  // namespace

// The cube is std::pow(v, 3.0). The skew takes one per value, and pow costs
// more than everything else in that loop together, so the common case is
// settled without it: the C library's pow is within 0.52 ulp of the exact
// result, so when the exact cube lies within 0.45 of a gap from a double r,
// pow can only return r. Two exact products give v^3 to about 2^-104
// relative, which is enough to find r and that distance. Cubes nearer to
// half-way between two doubles, and magnitudes where the products would leave
// the normal range, are left to pow itself.
double Cube(double v) {
  const double a = std::fabs(v);
  if (a > 0x1p-300 && a < 0x1p300) {
    const Exact square = TwoProduct(v, v);        // v^2 = square.hi + square.lo
    const Exact cube = TwoProduct(square.hi, v);  // square.hi * v = cube.hi + cube.lo
    const double tail = cube.lo + square.lo * v;  // v^3 = cube.hi + tail (+ 2^-104 relative)
    const double r = cube.hi + tail;
    const double miss = (cube.hi - r) + tail;  // v^3 - r; cube.hi - r is exact
    if (std::fabs(miss) <= 0.45 * SmallerGap(r)) return r;
  }
  return detail::Checked(std::pow(v, 3.0));
}

}  // namespace arith
