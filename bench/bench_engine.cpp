// Timing of the statistics engine on large data sets. Run by hand:
//   build/bin/bench_engine             (1,000,000 and 10,000,000 values)
//   build/bin/bench_engine 2000000     (any sizes)
//   build/bin/bench_engine --accuracy  (only the accuracy at scale)
// Prints the time of each procedure, of the whole sequence the results run
// makes, and the peak memory of the process; then the correct digits of the
// mean and the standard deviation, and the skew, of 10,000,001 values around
// 1e7 that differ by 0.1.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "numtext/NumberText.h"
#include "stats/Distribution.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

std::string Show(const StatResult& r) {
  std::string s = r.IsNumber() ? numtext::NumberText(r.Number(), {}) : r.Text();
  if (s.size() > 40) s = s.substr(0, 37) + "... (" + std::to_string(s.size()) + " chars)";
  return s;
}

// Whole numbers with many repeats, prices with two decimals, and
// measurements with full precision, mixed.
std::vector<double> RealisticMix(std::size_t n) {
  std::mt19937_64 rng(2021);
  std::vector<double> v(n);
  for (double& x : v) {
    const std::uint64_t r = rng();
    switch (r % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
        x = static_cast<double>((r >> 8) % 1000);
        break;
      case 4:
      case 5:
      case 6:
        x = static_cast<double>((r >> 8) % 1000000) / 100.0;
        break;
      default:
        x = static_cast<double>(r >> 11) * 0x1.0p-53 * 1000.0 - 250.0;
        break;
    }
  }
  return v;
}

// Every value exactly twice: every value is a mode, the longest tie list.
std::vector<double> EveryValueTwice(std::size_t n) {
  std::mt19937_64 rng(7);
  std::vector<double> v(n);
  for (std::size_t i = 0; i < n / 2; ++i) v[i] = v[n / 2 + i] = static_cast<double>(rng() >> 11) * 0x1.0p-53;
  if (n % 2) v[n - 1] = -1;
  std::shuffle(v.begin(), v.end(), rng);
  return v;
}

void Time(const char* name, const std::function<std::string()>& f) {
  const auto start = Clock::now();
  std::string result;
  try {
    result = f();
  } catch (const std::exception& e) {
    result = std::string("failure: ") + e.what();
  }
  std::printf("  %-28s %9.1f ms   %s\n", name, Seconds(start) * 1000.0, result.c_str());
}

// What reads the sorted order, when no sorted copy is kept (as the analyser
// runs): the sort a quarter at a time, and the mode and the median from it.
void RunInParts(const std::vector<double>& data) {
  stats::modStatistics::DataSet set;
  set.SetSortedCopyKept(false, 0);
  set.SetNumbers({data.begin(), data.end()});
  set.SetNumberCount(static_cast<double>(data.size()));
  Time("SortNumbers in parts", [&] {
    set.SortNumbers();
    return std::string();
  });
  Time("GetMedian", [&] { return numtext::NumberText(set.GetMedian(), {}); });
  Time("GetMode", [&] { return Show(set.GetMode()); });
  Time("GetQuartile 1 and 3",
       [&] { return numtext::NumberText(set.GetQuartile(1), {}) + " " + numtext::NumberText(set.GetQuartile(3), {}); });
}

void Run(const char* label, std::vector<double> data) {
  std::printf("%s, %zu values\n", label, data.size());
  RunInParts(data);
  stats::modStatistics::DataSet set;
  const double count = static_cast<double>(data.size());
  set.SetNumbers({data.begin(), data.end()});
  set.SetNumberCount(count);

  auto num = [](double v) { return numtext::NumberText(v, {}); };
  Time("SortNumbers", [&] {
    set.SortNumbers();
    return std::string();
  });
  Time("GetSum", [&] { return num(set.GetSum()); });
  Time("GetSumOfSquares", [&] { return num(set.GetSumOfSquares()); });
  Time("GetMean", [&] { return num(set.GetMean()); });
  Time("GetMedian", [&] { return num(set.GetMedian()); });
  Time("GetMode", [&] { return Show(set.GetMode()); });
  Time("GetVariance", [&] { return Show(set.GetVariance()); });
  Time("GetStandardDeviation", [&] { return Show(set.GetStandardDeviation()); });
  Time("GetSkew", [&] { return Show(set.GetSkew()); });
  Time("GetAverageDeviation", [&] { return Show(set.GetAverageDeviation()); });
  Time("GetCoefficientOfVariation", [&] { return Show(set.GetCoefficientOfVariation()); });
  Time("GetMinimum, GetMaximum", [&] { return num(set.GetMinimum()) + " " + num(set.GetMaximum()); });
  Time("GetRange", [&] { return Show(set.GetRange()); });
  Time("GetInterquartileRange", [&] { return Show(set.GetInterquartileRange()); });
  Time("GetKurtosis", [&] { return Show(set.GetKurtosis()); });
  Time("GetStandardError", [&] { return Show(set.GetStandardError()); });
  Time("GetConfidenceLow, High", [&] { return Show(set.GetConfidenceLow()) + " " + Show(set.GetConfidenceHigh()); });

  // What the distribution window reads from the sorted copy.
  const std::span<const double> sorted = set.SortedNumbers();
  int bins = 1;
  Time("AutoBinCount", [&] {
    bins = stats::AutoBinCount(sorted);
    return std::to_string(bins);
  });
  Time("HistogramCounts", [&] {
    const auto counts = stats::HistogramCounts(sorted, sorted.front(), sorted.back(), bins);
    return "fullest bin " + std::to_string(*std::max_element(counts.begin(), counts.end()));
  });
  Time("HistogramCounts, 500 bins", [&] {
    const auto counts = stats::HistogramCounts(sorted, sorted.front(), sorted.back(), stats::kMaxBins);
    return "fullest bin " + std::to_string(*std::max_element(counts.begin(), counts.end()));
  });
  Time("MakeBoxPlot", [&] {
    const stats::BoxPlot box = stats::MakeBoxPlot(sorted);
    return std::to_string(box.lowOutliers) + " low and " + std::to_string(box.highOutliers) + " high outliers";
  });

  // The calls the results run makes, in its order (the sum twice for the
  // sum squared).
  Time("whole analysis", [&] {
    set.SortNumbers();
    double sink = set.GetSum();
    sink += set.GetSum() * set.GetSum();
    sink += set.GetSumOfSquares();
    const StatResult mode = set.GetMode();
    sink += set.GetMedian() + set.GetMean();
    const StatResult rest[] = {set.GetVariance(), set.GetSkew(), set.GetAverageDeviation(), set.GetStandardDeviation(),
                               set.GetCoefficientOfVariation()};
    // Something of every result goes into the line, so that none is dropped.
    std::size_t texts = 0;
    for (const StatResult& r : rest) texts += r.IsNumber() ? 0 : 1;
    return "mode " + Show(mode) + ", " + std::to_string(texts) + " text results, check " +
           numtext::NumberText(sink, {});
  });
  std::printf("  peak memory so far: %ld MB\n\n", PeakMegabytes());
}

// How many leading digits of `want` `got` has: -log10 of the relative error.
double CorrectDigits(long double got, long double want) {
  const long double error = std::fabs(got - want) / std::fabs(want);
  return error == 0 ? 19.0 : static_cast<double>(-std::log10(error));
}

// The accuracy at scale: 10,000,000.2 and then 10,000,000.1 and 10,000,000.3
// alternating, n values in all (n odd). The data hold three doubles a, b, c
// close together, so the reference works with their exact differences from
// a in long double: the standard deviation and the skew of the doubles
// themselves, to about 19 digits.
void Accuracy(std::size_t n) {
  const double a = 10000000.2, b = 10000000.1, c = 10000000.3;
  std::vector<double> v(n);
  v[0] = a;
  for (std::size_t i = 1; i < n; ++i) v[i] = i % 2 ? b : c;
  const long double pairs = static_cast<long double>((n - 1) / 2);
  const long double count = static_cast<long double>(n);
  const long double db = b - a, dc = c - a;             // exact
  const long double shift = pairs * (db + dc) / count;  // the mean minus a
  const long double ea = -shift, eb = db - shift, ec = dc - shift;
  const long double squares = ea * ea + pairs * (eb * eb + ec * ec);
  const long double sd = std::sqrt(squares / (count - 1));
  const long double cubes = (ea * ea * ea + pairs * (eb * eb * eb + ec * ec * ec)) / (sd * sd * sd);
  const long double skew = count / ((count - 1) * (count - 2)) * cubes;

  stats::modStatistics::DataSet set;
  set.SetNumbers({v.begin(), v.end()});
  set.SetNumberCount(static_cast<double>(n));
  set.SortNumbers();
  set.WorkOutAhead();
  const double mean = set.GetMean();
  const StatResult gotSd = set.GetStandardDeviation(), gotSkew = set.GetSkew();
  std::printf("accuracy, %zu values: 10000000.2, then 10000000.1 and 10000000.3 alternating\n", n);
  std::printf("  mean                 %.17g (reference %.19Lg, %.1f correct digits)\n", mean, a + shift,
              CorrectDigits(mean, a + shift));
  if (gotSd.IsNumber())
    std::printf("  standard deviation   %.17g (reference %.19Lg, %.1f correct digits; goal 8)\n", gotSd.Number(), sd,
                CorrectDigits(gotSd.Number(), sd));
  else
    std::printf("  standard deviation   %s\n", gotSd.Text().c_str());
  if (gotSkew.IsNumber())
    std::printf("  skew                 %.3g (reference %.3Lg; goal: below 1e-6 in size)\n", gotSkew.Number(), skew);
  else
    std::printf("  skew                 %s\n", gotSkew.Text().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  bool accuracyOnly = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--accuracy")
      accuracyOnly = true;
    else
      sizes.push_back(std::strtoull(argv[i], nullptr, 10));
  }
  if (accuracyOnly) {
    Accuracy(10000001);
    return 0;
  }
  if (sizes.empty()) sizes = {1000000, 10000000};
  for (std::size_t n : sizes) Run("realistic mix", RealisticMix(n));
  for (std::size_t n : sizes) Run("every value twice", EveryValueTwice(n));
  Accuracy(10000001);
  return 0;
}
