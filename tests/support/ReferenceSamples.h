#pragma once
// Samples that R and scipy can rebuild to the bit, for the tests that hold
// the normality tests against them: the Numerical Recipes linear
// congruential generator, x <- (1664525 x + 1013904223) mod 2^32, each state
// over 2^32 a uniform number with 32 significant bits. In R (products below
// 2^53 are exact in doubles):
//   lcg <- function(n, seed) { u <- numeric(n); s <- seed
//     for (k in 1:n) { s <- (1664525 * s + 1013904223) %% 4294967296; u[k] <- s / 4294967296 }; u }
//   sums <- function(n, terms, seed) colSums(matrix(lcg(n * terms, seed), nrow = terms))
// Sums of up to 16 of them are exact in any order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace referencesamples {

inline std::vector<double> Uniforms(std::size_t n, std::uint32_t seed) {
  std::vector<double> u(n);
  std::uint32_t state = seed;
  for (double& v : u) {
    state = 1664525u * state + 1013904223u;  // mod 2^32 by unsigned wrap-around
    v = static_cast<double>(state) / 4294967296.0;
  }
  return u;
}

// Each number the sum of `terms` consecutive uniforms.
inline std::vector<double> SumsOfUniforms(std::size_t n, std::size_t terms, std::uint32_t seed) {
  const std::vector<double> u = Uniforms(n * terms, seed);
  std::vector<double> sums(n, 0.0);
  for (std::size_t i = 0; i < n * terms; ++i) sums[i / terms] += u[i];
  return sums;
}

inline std::vector<double> Sorted(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  return x;
}

}  // namespace referencesamples
