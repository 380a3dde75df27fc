// Timing of the analyser's rows on request over a data set the analysis has
// sorted: nine percentiles, the frequency table and the normality tests
// (K²; Shapiro-Wilk refuses so many numbers at once), as the analyser asks
// for them. Run by hand:
//   build/bin/bench_rows             (10,000,000 numbers)
//   build/bin/bench_rows 2000000     (another count)
// Goal: with the sorted copy the analyser keeps of 10,000,000 numbers, the
// three within 50 ms together. Exit status 1 when the goal is missed. Also
// timed, without a goal: the same rows of a data set that keeps no sorted
// copy (above the analyser's limit), selected from the numbers.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "results/ExtraRows.h"
#include "results/MoreRows.h"
#include "stats/Statistics.h"

using namespace tallowmere;

namespace {

using Clock = std::chrono::steady_clock;

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

// Measurements with three decimals, as the analyser reads them from a file.
core::BigVector<double> Measurements(std::size_t n) {
  std::mt19937_64 random(42);
  std::normal_distribution<double> normal(50.0, 10.0);
  core::BigVector<double> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = std::round(normal(random) * 1000.0) / 1000.0;
  return v;
}

// The analysis' part the rows read after: sorted, the mean and the ends known.
void Analyse(stats::modStatistics::DataSet& data, std::size_t n, bool copyKept) {
  data.SetSortedCopyKept(false, copyKept ? stats::modStatistics::DataSet::kWholeSortLimit : n / 2);
  data.SetNumbers(Measurements(n));
  data.SetNumberCount(static_cast<double>(n));
  data.SortNumbers();
  data.WorkOutAhead();
  data.GetMean();
}

double Time(const stats::modStatistics::DataSet& data, const results::RowChoices& choices, bool frequencies, int runs) {
  const numtext::Separators sep{".", ","};
  const results::RowRounding rounding{sep, 3, true};
  return Milliseconds(runs, [&] {
    const std::vector<results::ResultRow> rows = results::ExtraRows(data, choices, rounding, 0);
    if (frequencies) {
      const stats::FrequencyTable table = results::FrequenciesOf(data);
      if (table.rows.empty()) std::abort();
    }
    if (rows.empty() && (choices.normality || !choices.percentiles.empty())) std::abort();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  results::RowChoices percentiles;
  percentiles.percentiles = {1, 5, 10, 25, 50, 75, 90, 95, 99};
  results::RowChoices normality;
  normality.normality = true;
  results::RowChoices all = percentiles;
  all.normality = true;
  bool met = true;
  for (const bool copyKept : {true, false}) {
    stats::modStatistics::DataSet data;
    Analyse(data, n, copyKept);
    const int runs = copyKept ? 11 : 3;
    std::printf("%zu numbers, %s\n", n, copyKept ? "sorted copy kept" : "no sorted copy (selected)");
    std::printf("  %-40s %9.2f ms\n", "nine percentiles", Time(data, percentiles, false, runs));
    std::printf("  %-40s %9.2f ms\n", "frequency table", Time(data, {}, true, runs));
    std::printf("  %-40s %9.2f ms\n", "normality (K², Shapiro-Wilk refused)", Time(data, normality, false, runs));
    const double together = Time(data, all, true, runs);
    std::printf("  %-40s %9.2f ms%s\n", "all three together", together, copyKept ? "  (goal: 50 ms)" : "");
    if (copyKept && together > 50.0) met = false;
  }
  return met ? 0 : 1;
}
