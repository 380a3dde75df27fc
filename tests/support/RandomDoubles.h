#pragma once
// Random data sets for the tests that hold a fast path against its plain
// twin: values that make the cases hard, drawn with fixed seeds so that a
// failure names its seed and size and reproduces.
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "numtext/NumberText.h"

namespace randomdoubles {

// Values that make the cases hard: both zeros, neighbours that share their
// 15-digit text, the ends of the range, subnormals.
inline std::vector<double> Awkward() {
  return {0.0,
          -0.0,
          1.0,
          -1.0,
          std::nextafter(1.0, 2.0),
          0.3,
          0.1 + 0.2,
          std::nextafter(0.3, 0.0),
          123456789012345.6,
          123456789012345.7,
          1e308,
          -1e308,
          DBL_MAX,
          -DBL_MAX,
          DBL_MIN,
          std::nextafter(DBL_MIN, 0.0),
          5e-324,
          -5e-324,
          1e-5,
          12,
          1.2,
          2,
          21};
}

// Any finite double, from random bits.
inline double AnyFinite(std::mt19937_64& rng) {
  for (;;) {
    const double v = std::bit_cast<double>(rng());
    if (std::isfinite(v)) return v;
  }
}

// One data set of n values drawn from a mix chosen by `style` (0 to 3): small
// whole numbers, awkward values, decimals or any bits, mostly from a small
// pool so that values repeat.
inline std::vector<double> MakeData(std::mt19937_64& rng, std::size_t n, int style) {
  static const std::vector<double> awkward = Awkward();
  std::vector<double> pool;
  const std::size_t poolSize = 1 + rng() % 8;
  for (std::size_t i = 0; i < poolSize; ++i) {
    switch (style) {
      case 0:  // small whole numbers, many repeats
        pool.push_back(static_cast<double>(static_cast<int>(rng() % 7) - 3));
        break;
      case 1:
        pool.push_back(awkward[rng() % awkward.size()]);
        break;
      case 2:  // random decimals
        pool.push_back(static_cast<double>(static_cast<std::int64_t>(rng() % 20001) - 10000) / 100.0);
        break;
      default:
        pool.push_back(AnyFinite(rng));
        break;
    }
  }
  std::vector<double> data;
  for (std::size_t i = 0; i < n; ++i) {
    // Mostly from the pool (repeats); now and then a value of any kind.
    if (rng() % 8 == 0)
      data.push_back(rng() % 2 ? awkward[rng() % awkward.size()] : AnyFinite(rng));
    else
      data.push_back(pool[rng() % pool.size()]);
  }
  return data;
}

// The values as texts, a zero's sign shown: for the message of a failure.
inline std::string Show(const std::vector<double>& v) {
  std::string s;
  for (double d : v) s += tallowmere::numtext::NumberText(d, {}) + (std::signbit(d) && d == 0 ? "(-0)" : "") + " ";
  return s;
}

}  // namespace randomdoubles
