// Timing of the normality tests at their largest. Run by hand:
//   build/bin/bench_normality [count] [runs]   (10,000,000 numbers, 5 runs by default)
// Prints, for each run: K² on `count` normal numbers, from the numbers alone
// (their range, exact mean and moments: three passes) and from the mean and
// range an analysis already has (the moments' pass alone); Shapiro-Wilk on
// 5000 sorted numbers; the Q-Q plot's 2000 places chosen among `count` and
// their points read from the sorted numbers. The goal, with the other
// procedures after an analysis: 50 ms in all for 10,000,000 numbers.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <vector>

#include "stats/NormalQQ.h"
#include "stats/OmnibusNormality.h"
#include "stats/ShapiroWilk.h"

using namespace tallowmere::stats;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

std::vector<double> Normal(std::size_t n, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::normal_distribution<double> normal(100.0, 15.0);
  std::vector<double> x(n);
  for (double& v : x) v = normal(rng);
  return x;
}

void Run(const std::vector<double>& numbers, const std::vector<double>& sorted, const std::vector<double>& small) {
  auto start = Clock::now();
  const OmnibusTest whole = OmnibusNormality(MomentsOf(numbers));
  const double wholeMs = Milliseconds(start);

  const double mean = 100.0;  // as an analysis has it already
  const double range = sorted.back() - sorted.front();
  start = Clock::now();
  const OmnibusTest known = OmnibusNormality(MomentsAbout(numbers, mean, range));
  const double knownMs = Milliseconds(start);

  start = Clock::now();
  const NormalityTest w = ShapiroWilk(small);
  const double swMs = Milliseconds(start);

  start = Clock::now();
  const std::size_t places = ThinnedQQPlaces(sorted.size(), 2000).size();
  const double thinMs = Milliseconds(start);
  start = Clock::now();
  const std::size_t points = NormalQQPoints(sorted, 2000).size();
  const double pointsMs = Milliseconds(start);

  std::printf("  K2 from the numbers %7.2f ms (K2 %.4f p %.4f)  from mean and range %7.2f ms (K2 %.4f)\n", wholeMs,
              whole.test.statistic, whole.test.pValue, knownMs, known.test.statistic);
  std::printf("  Shapiro-Wilk of %zu %7.3f ms (W %.6f p %.4f)\n", small.size(), swMs, w.statistic, w.pValue);
  std::printf("  Q-Q places %7.3f ms (%zu)  points %7.3f ms (%zu)\n", thinMs, places, pointsMs, points);
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::vector<double> numbers = Normal(count, 2026);
  std::vector<double> sorted = numbers;
  std::sort(sorted.begin(), sorted.end());
  std::vector<double> small = Normal(kShapiroWilkMost, 7);
  std::sort(small.begin(), small.end());
  std::printf("%zu numbers, %d runs\n", count, runs);
  for (int run = 0; run < runs; ++run) Run(numbers, sorted, small);
  return 0;
}
