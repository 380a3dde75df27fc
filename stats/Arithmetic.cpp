#include "stats/Arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tallowmere::stats {

// An invalid result (0/0, and in principle inf - inf or 0 * inf, although no
// infinity ever reaches the engine) is reported as "Overflow" too: the user
// sees one short word for "the value left the double range", and only a
// nonzero divided by zero gets a description of its own.
void detail::Fail(const char* description) { throw core::ArithmeticError(description); }

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
// Several doubles at a time: every operation is rounded lane by lane, so a
// lane's result depends neither on the other lanes nor on how many there
// are. A reinterpret_cast between two of these vector types keeps the bits,
// as std::bit_cast. (Vectors go to the helpers below by reference: by value,
// the widest would take a calling convention of each build's own.)
template <std::size_t N>
using Lanes [[gnu::vector_size(8 * N)]] = double;
template <std::size_t N>
using LaneBits [[gnu::vector_size(8 * N)]] = std::int64_t;

template <std::size_t N>
[[gnu::always_inline]] inline void SplitLanes(const Lanes<N>& a, Lanes<N>& hi, Lanes<N>& lo) {
  const Lanes<N> c = kSplitter * a;
  hi = c - (c - a);
  lo = a - hi;
}

// The quick path's results, and which lanes it settles (all bits set). In
// each lane: v^2 = squareHi + squareLo, squareHi * v = cubeHi + cubeLo, and
// v^3 = cubeHi + tail to 2^-104; r is the double nearest to that, miss is
// v^3 - r (cubeHi - r is exact), and the gap is the smaller of the two
// around r (the one below a power of two is half the one above it).
template <std::size_t N>
[[gnu::always_inline]] inline void QuickCubes(const Lanes<N>& v, Lanes<N>& r, LaneBits<N>& settled) {
  using V = Lanes<N>;
  using B = LaneBits<N>;
  const B magnitude = B{} + 0x7FFFFFFFFFFFFFFFLL;
  const B exponent = B{} + 0x7FF0000000000000LL;
  const B fraction = B{} + 0x000FFFFFFFFFFFFFLL;
  const V a = reinterpret_cast<V>(reinterpret_cast<B>(v) & magnitude);
  const B inRange = (a > kCubeLow) & (a < kCubeHigh);
  V vh, vl;
  SplitLanes<N>(v, vh, vl);
  const V squareHi = v * v;
  const V squareLo = ((vh * vh - squareHi) + vh * vl + vl * vh) + vl * vl;
  V sh, sl;
  SplitLanes<N>(squareHi, sh, sl);
  const V cubeHi = squareHi * v;
  const V cubeLo = ((sh * vh - cubeHi) + sh * vl + sl * vh) + sl * vl;
  const V tail = cubeLo + squareLo * v;
  r = cubeHi + tail;
  const V miss = (cubeHi - r) + tail;
  // The smaller gap around r.
  const B bits = reinterpret_cast<B>(r) & magnitude;
  const V ulp = reinterpret_cast<V>(bits & exponent) * 0x1p-52;
  const B atPower = (bits & fraction) == 0;
  const V factor =
      reinterpret_cast<V>((reinterpret_cast<B>(V{} + 0.5) & atPower) | (reinterpret_cast<B>(V{} + 1.0) & ~atPower));
  const V absMiss = reinterpret_cast<V>(reinterpret_cast<B>(miss) & magnitude);
  settled = inRange & (absMiss <= kGapShare * (ulp * factor));
}

// The lanes of the skew's terms: four doubles, one vector register of the
// processors that have wide ones.
constexpr std::size_t kTermLanes = 4;

// Whether every lane of a comparison's result is set: the lanes folded onto
// the first.
[[gnu::always_inline]] inline bool EveryLane(const LaneBits<kTermLanes>& b) {
  const LaneBits<kTermLanes> half = b & __builtin_shufflevector(b, b, 2, 3, 0, 1);
  return (half & __builtin_shufflevector(half, half, 1, 0, 1, 0))[0] == -1;
}

}  // namespace

double Cube(double v) {
  const Lanes<2> both{v, v};
  Lanes<2> r;
  LaneBits<2> settled;
  QuickCubes<2>(both, r, settled);
  if (settled[0]) return r[0];
  return detail::Checked(std::pow(v, 3.0));
}

namespace {

// ScaledCubes, built once for any processor and once for those with wide
// vector registers.
[[gnu::always_inline]] inline void ScaledCubesIn(const double* x, double shift, double scale, double* out,
                                                 std::size_t n, std::size_t& done) {
  constexpr std::size_t N = kTermLanes;
  using V = Lanes<N>;
  using B = LaneBits<N>;
  auto one = [&](std::size_t i) {
    out[i] = Cube(Div(Sub(x[i], shift), scale));
    done = i + 1;
  };
  done = 0;
  std::size_t i = 0;
  // The cubes the quick path leaves to pow (one in ten, at random) are noted
  // without a branch and taken later, in order, before anything after them
  // can fail: a failure still comes where it would one by one.
  constexpr std::size_t kWaiting = 256;
  std::size_t waitingAt[kWaiting];
  std::size_t waiting = 0;
  auto finishWaiting = [&](std::size_t upTo) {
    for (std::size_t w = 0; w < waiting; ++w) {
      const std::size_t j = waitingAt[w];
      done = j;
      out[j] = detail::Checked(std::pow((x[j] - shift) / scale, 3.0));
    }
    waiting = 0;
    done = upTo;
  };
  // A zero scale fails or gives NaN in every lane: one at a time, as Div.
  if (scale != 0.0) {
    const B exponent = B{} + 0x7FF0000000000000LL;
    for (; i + N <= n; i += N) {
      V lanes;
      std::memcpy(&lanes, x + i, sizeof lanes);
      const V difference = lanes - shift;
      const V q = difference / scale;
      // Both steps finite in every lane, as Sub and Div check them; else the
      // lanes go one at a time, so that the first failure is raised.
      const B finite = ((reinterpret_cast<B>(difference) & exponent) != exponent) &
                       ((reinterpret_cast<B>(q) & exponent) != exponent);
      if (!EveryLane(finite)) [[unlikely]] {
        finishWaiting(i);
        for (std::size_t k = 0; k < N; ++k) one(i + k);
        continue;
      }
      V r;
      B settled;
      QuickCubes<N>(q, r, settled);
      std::memcpy(out + i, &r, sizeof r);
      if (waiting + N > kWaiting) finishWaiting(i);
      for (std::size_t k = 0; k < N; ++k) {
        waitingAt[waiting] = i + k;
        waiting += settled[k] == 0;
      }
    }
    finishWaiting(i);
  }
  for (; i < n; ++i) one(i);
}

}  // namespace

void ScaledCubesPlain(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done) {
  ScaledCubesIn(x, shift, scale, out, n, done);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] void ScaledCubesWide(const double* x, double shift, double scale, double* out, std::size_t n,
                                             std::size_t& done) {
  ScaledCubesIn(x, shift, scale, out, n, done);
}

bool HasWideVectors() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#else
// Other processors: one build, as wide as their vectors are.
void ScaledCubesWide(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done) {
  ScaledCubesIn(x, shift, scale, out, n, done);
}

bool HasWideVectors() { return false; }
#endif

void ScaledCubes(const double* x, double shift, double scale, double* out, std::size_t n, std::size_t& done) {
  if (HasWideVectors())
    ScaledCubesWide(x, shift, scale, out, n, done);
  else
    ScaledCubesPlain(x, shift, scale, out, n, done);
}

}  // namespace tallowmere::stats
