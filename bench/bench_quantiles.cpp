// Timing of the quantile methods and the frequency table over 10,000,000
// sorted numbers. Run by hand:
//   build/bin/bench_quantiles            (10,000,000 numbers)
//   build/bin/bench_quantiles 2000000    (another count)
// Goal: after the analysis, nine percentiles and the frequency table (a few
// values, or many in bins) within 50 ms together, and no memory per number
// (the rows only). Exit status 1 when the goal is missed.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <span>
#include <vector>

#include "stats/Frequencies.h"
#include "stats/Quantiles.h"

using namespace tallowmere::stats;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kPercentiles[] = {0.01, 0.05, 0.1, 0.25, 0.5, 0.75, 0.9, 0.95, 0.99};

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The median of `runs` timings of `work`, in milliseconds.
double Milliseconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const Clock::time_point start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Normal measurements with three decimals, and a heavy tail as real ones
// have; and dice rolls: six values.
std::vector<double> Sorted(std::size_t n, bool dice) {
  std::mt19937_64 random(42);
  std::normal_distribution<double> normal(50.0, 10.0);
  std::student_t_distribution<double> tail(2.0);
  std::uniform_int_distribution<int> die(1, 6);
  std::vector<double> v(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (dice) {
      v[i] = die(random);
    } else {
      const double x = i % 10 == 0 ? 50.0 + 10.0 * tail(random) : normal(random);
      v[i] = std::round(x * 1000.0) / 1000.0;
    }
  }
  std::sort(v.begin(), v.end());
  return v;
}

volatile double sink = 0.0;

double NinePercentiles(QuantileMethod method, std::span<const double> sorted) {
  return Milliseconds(101, [&] {
    for (double p : kPercentiles) sink = sink + Quantile(method, sorted, p);
  });
}

double Table(std::span<const double> sorted, FrequencyOptions options, std::size_t& rows) {
  return Milliseconds(21, [&] {
    const FrequencyTable table = MakeFrequencyTable(sorted, options);
    rows = table.rows.size();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10'000'000;
  const std::vector<double> measured = Sorted(count, false);
  const std::vector<double> dice = Sorted(count, true);
  const long before = PeakKilobytes();
  std::printf("%zu sorted numbers\n", count);

  char label[80];
  double slowestPercentiles = 0.0;
  for (const QuantileMethodInfo& info : QuantileMethods()) {
    const double ms = NinePercentiles(info.method, measured);
    slowestPercentiles = std::max(slowestPercentiles, ms);
    std::snprintf(label, sizeof label, "nine percentiles, type %d %s", TypeOf(info.method), info.key);
    std::printf("  %-48s %9.4f ms\n", label, ms);
  }
  std::size_t rows = 0;
  const double few = Table(dice, {}, rows);
  std::snprintf(label, sizeof label, "frequency table, dice: %zu rows", rows);
  std::printf("  %-48s %9.4f ms\n", label, few);
  const double binned = Table(measured, {}, rows);
  std::snprintf(label, sizeof label, "frequency table, measurements: %zu bins", rows);
  std::printf("  %-48s %9.4f ms\n", label, binned);
  const double most = Table(measured, {.bins = kMaxBins}, rows);
  std::snprintf(label, sizeof label, "frequency table, %zu bins asked", rows);
  std::printf("  %-48s %9.4f ms\n", label, most);
  const double every = Table(measured, {.valueRows = true}, rows);
  std::snprintf(label, sizeof label, "frequency table, a row per value: %zu rows", rows);
  std::printf("  %-48s %9.4f ms (not in the goal)\n", label, every);
  const long after = PeakKilobytes();

  const double total = slowestPercentiles + std::max({few, binned, most});
  const bool ok = total <= 50.0;
  std::printf("nine percentiles and the slowest table: %.4f ms (goal <= 50 ms) %s\n", total, ok ? "OK" : "MISSED");
  std::printf("peak memory %ld kB before the timings, %ld kB after (a row per value included)\n", before, after);
  return ok ? 0 : 1;
}
