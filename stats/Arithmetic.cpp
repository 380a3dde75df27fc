#include "stats/Arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace arith {

// An invalid result (0/0, and in principle inf - inf or 0 * inf, although no
// infinity ever reaches the engine) is reported as "Overflow" too: the user
// sees one short word for "the value left the double range", and only a
// nonzero divided by zero gets a description of its own.
void detail::Fail(const char* description) { throw ArithmeticError(description); }

namespace {

// The cube's quick path (below): the magnitudes it takes, beyond which the
// products would leave the normal range, and the share of a gap within which
// it settles a cube.
constexpr double kCubeLow = 0x1p-300;
constexpr double kCubeHigh = 0x1p300;
constexpr double kGapShare = 0.45;
constexpr double kSplitter = 134217729.0;  // 2^27 + 1

// The cube is std::pow(v, 3.0). The skew takes one per value, and pow costs
// more than everything else in that loop together, so the common case is
// settled without it: the C library's pow is documented to err by at most
// 0.54 ulp, so when the exact cube lies within 0.45 of a gap from a double r,
// pow can only return r. Two exact products (Dekker's, written without fused
// multiply-adds: the build neither contracts nor targets hardware that is
// sure to have them) give v^3 to about 2^-104 relative, which is enough to
// find r and that distance. Cubes nearer to half-way between two doubles,
// and magnitudes where the products would leave the normal range, are left
// to pow itself.
//
// Two doubles at a time: every operation is rounded lane by lane, so a lane's
// result does not depend on the other lane.
using Pair = double __attribute__((vector_size(16)));
using PairBits = std::int64_t __attribute__((vector_size(16)));

inline Pair Both(double x) { return Pair{x, x}; }
inline PairBits BothBits(std::uint64_t x) {
  const auto b = static_cast<std::int64_t>(x);
  return PairBits{b, b};
}

inline void SplitPair(Pair a, Pair& hi, Pair& lo) {
  const Pair c = Both(kSplitter) * a;
  hi = c - (c - a);
  lo = a - hi;
}

// The quick path's results, and which lanes it settles (all bits set). In
// each lane: v^2 = squareHi + squareLo, squareHi * v = cubeHi + cubeLo, and
// v^3 = cubeHi + tail to 2^-104; r is the double nearest to that, miss is
// v^3 - r (cubeHi - r is exact), and the gap is the smaller of the two
// around r (the one below a power of two is half the one above it).
inline PairBits QuickCubes(Pair v, Pair& r) {
  const PairBits absBits = std::bit_cast<PairBits>(v) & BothBits(0x7FFFFFFFFFFFFFFFULL);
  const Pair a = std::bit_cast<Pair>(absBits);
  const PairBits inRange = (a > Both(kCubeLow)) & (a < Both(kCubeHigh));
  Pair vh, vl;
  SplitPair(v, vh, vl);
  const Pair squareHi = v * v;
  const Pair squareLo = ((vh * vh - squareHi) + vh * vl + vl * vh) + vl * vl;
  Pair sh, sl;
  SplitPair(squareHi, sh, sl);
  const Pair cubeHi = squareHi * v;
  const Pair cubeLo = ((sh * vh - cubeHi) + sh * vl + sl * vh) + sl * vl;
  const Pair tail = cubeLo + squareLo * v;
  r = cubeHi + tail;
  const Pair miss = (cubeHi - r) + tail;
  // The smaller gap around r.
  const PairBits bits = std::bit_cast<PairBits>(r) & BothBits(0x7FFFFFFFFFFFFFFFULL);
  const Pair ulp = std::bit_cast<Pair>(bits & BothBits(0x7FF0000000000000ULL)) * Both(0x1p-52);
  const PairBits atPower = (bits & BothBits(0x000FFFFFFFFFFFFFULL)) == BothBits(0);
  const Pair factor = std::bit_cast<Pair>((std::bit_cast<PairBits>(Both(0.5)) & atPower) |
                                          (std::bit_cast<PairBits>(Both(1.0)) & ~atPower));
  const Pair absMiss = std::bit_cast<Pair>(std::bit_cast<PairBits>(miss) & BothBits(0x7FFFFFFFFFFFFFFFULL));
  return inRange & (absMiss <= Both(kGapShare) * (ulp * factor));
}

}  // namespace

double Cube(double v) {
  Pair r;
  if (QuickCubes(Both(v), r)[0]) return r[0];
  return detail::Checked(std::pow(v, 3.0));
}

void ScaledCubes(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done) {
  auto one = [&](std::size_t i) {
    out[i] = Cube(Div(Sub(x[i], shift), scale));
    done = i + 1;
  };
  done = 0;
  std::size_t i = 0;
  // A zero scale fails or gives NaN in every lane: one at a time, as Div.
  if (scale != 0.0) {
    const PairBits exponent = BothBits(0x7FF0000000000000ULL);
    for (; i + 2 <= n; i += 2) {
      Pair pair;
      std::memcpy(&pair, x + i, sizeof pair);
      const Pair difference = pair - Both(shift);
      const Pair q = difference / Both(scale);
      // Both steps finite in both lanes, as Sub and Div check them; else the
      // lanes go one at a time, so that the first failure is raised.
      const PairBits finite = ((std::bit_cast<PairBits>(difference) & exponent) != exponent) &
                              ((std::bit_cast<PairBits>(q) & exponent) != exponent);
      if (!(finite[0] && finite[1])) {
        one(i);
        one(i + 1);
        continue;
      }
      Pair r;
      const PairBits settled = QuickCubes(q, r);
      const double first = q[0], second = q[1];
      out[i] = settled[0] ? r[0] : detail::Checked(std::pow(first, 3.0));
      done = i + 1;
      out[i + 1] = settled[1] ? r[1] : detail::Checked(std::pow(second, 3.0));
      done = i + 2;
    }
  }
  for (; i < n; ++i) one(i);
}

}  // namespace arith
