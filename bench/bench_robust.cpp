// The robust statistics and the confidence intervals at scale. Run by hand:
//   build/bin/bench_robust [COUNT] [RUNS]   (10,000,000 numbers, best of 5)
// Prints the best time of each, over positive numbers from a heavy-tailed
// (log-normal) distribution, with the sorted copy made beforehand as the
// analysis makes it. Nothing here allocates in proportion to the numbers but
// the unsorted median deviation, which copies at most one in 16 of them.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "stats/MeanInterval.h"
#include "stats/MedianDeviation.h"
#include "stats/MedianInterval.h"
#include "stats/RobustMeans.h"
#include "stats/TrimmedMean.h"

using namespace tallowmere::stats;

namespace {

using Clock = std::chrono::steady_clock;

// Keeps a result from being optimised away, and shows it.
volatile double gSink = 0.0;

double Shown(const StatResult& r) { return r.IsNumber() ? r.Number() : -1.0; }

// The processor time of this thread: on a shared machine, steadier than the
// wall clock (everything here runs on one thread).
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void Time(const char* name, int runs, const std::function<double()>& work) {
  double bestWall = 1e30, bestThread = 1e30, value = 0.0;
  for (int run = 0; run < runs; ++run) {
    const Clock::time_point start = Clock::now();
    const double startThread = ThreadSeconds();
    value = work();
    bestThread = std::min(bestThread, ThreadSeconds() - startThread);
    bestWall = std::min(bestWall, std::chrono::duration<double>(Clock::now() - start).count());
  }
  gSink = value;
  std::printf("  %-44s %10.4f ms %10.4f ms   %.17g\n", name, bestWall * 1e3, bestThread * 1e3, value);
}

std::vector<double> LogNormal(std::size_t n) {
  std::mt19937_64 rng(42);
  std::lognormal_distribution<double> draw(3.0, 1.5);
  std::vector<double> x(n);
  for (double& v : x) v = draw(rng);
  return x;
}

void Run(std::span<const double> x, std::span<const double> sorted, int runs) {
  const std::size_t n = x.size();
  Time("geometric mean", runs, [&] { return Shown(GeometricMean(x)); });
  Time("harmonic mean", runs, [&] { return Shown(HarmonicMean(x)); });
  Time("trimmed mean 5 % (sorted)", runs, [&] { return Shown(TrimmedMean(sorted, 0.05)); });
  Time("trimmed mean 5 % (unsorted, two places)", runs, [&] {
    const std::size_t cut = TrimmedCount(n, 0.05);
    return Shown(TrimmedMeanOfUnsorted(x, 0.05, sorted[cut], sorted[n - 1 - cut]));
  });
  Time("median absolute deviation (sorted)", runs, [&] { return Shown(MedianAbsoluteDeviation(sorted)); });
  Time("scaled median absolute deviation (sorted)", runs, [&] { return Shown(ScaledMedianAbsoluteDeviation(sorted)); });
  Time("median absolute deviation (unsorted)", runs,
       [&] { return Shown(MedianAbsoluteDeviationOfUnsorted(x, MedianOfSorted(sorted))); });
  Time("mean interval, 6 levels", runs, [&] {
    double sum = 0.0;
    for (double level : {50.0, 80.0, 90.0, 95.0, 99.0, 99.9}) sum += Shown(MeanInterval(25.0, 40.0, n, level).low);
    return sum;
  });
  Time("median interval, 6 levels", runs, [&] {
    double sum = 0.0;
    for (double level : {50.0, 80.0, 90.0, 95.0, 99.0, 99.9}) sum += Shown(MedianInterval(sorted, level).low);
    return sum;
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::vector<double> x = LogNormal(n);
  std::vector<double> sorted = x;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%zu log-normal numbers, best of %d runs (wall, this thread's processor time, value):\n", n, runs);
  Run(x, sorted, runs);
  return 0;
}
