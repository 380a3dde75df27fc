#pragma once
// Which bins a histogram of sorted numbers gets: one bar per value for whole
// numbers of few values (a die's six faces are six bars, each centred on its
// face), equal widths on a logarithmic axis, or equal widths as the
// automatic rule of Distribution.h counts them. Plain functions over a
// sorted span; nothing here sorts.
#include <cstddef>
#include <span>
#include <vector>

namespace tallowmere::stats {

enum class BinKind {
  kEqual,        // equal widths from the smallest number to the largest
  kValues,       // one bin per step of the values, each centred on its value
  kLogarithmic,  // equal widths in the logarithm
};

struct HistogramBins {
  BinKind kind = BinKind::kEqual;
  // bins + 1 ascending edges; each bin holds its lower edge and not its
  // upper one, but for the last, which holds both. None for no numbers.
  std::vector<double> edges;
  // For kValues: the values' step (the bins' width); 0 otherwise.
  double step = 0.0;

  std::size_t Count() const { return edges.empty() ? 0 : edges.size() - 1; }
};

// Whole numbers of up to this many distinct values get a bar per value.
inline constexpr std::size_t kMostValueBars = 100;

// The step between the values of whole numbers: the greatest common divisor
// of their distances from the smallest, 1 for a single value. 0 where the
// value bins do not apply: a number that is not whole (or beyond 2^50, where
// half a step is no longer exact), more than kMostValueBars distinct values,
// or more than kMaxBins steps from the smallest to the largest. Reads about
// values x log2(n) of the numbers.
double WholeValueStep(std::span<const double> sorted);

// How the bins are chosen.
struct BinRequest {
  // 0: automatic (a bar per value where WholeValueStep applies, else
  // AutoBinCount's equal bins); above 0: this many equal bins, at most
  // kMaxBins.
  int bins = 0;
  // Equal widths in the logarithm; for positive numbers only (ignored
  // otherwise). The automatic count is then AutoBinCount's of the
  // logarithms.
  bool logarithmic = false;
};

// The bins of `sorted`. A single value gets one bin a unit wide around it
// (a factor of ten on a logarithmic axis).
HistogramBins ChooseHistogramBins(std::span<const double> sorted, BinRequest request = {});

// The equal-width edges HistogramCounts uses: bins + 1 of them, the first
// `low` and the last `high`.
std::vector<double> EqualEdges(double low, double high, int bins);

// How many of the sorted numbers fall into each bin between `edges`
// (ascending, at least two): as HistogramCounts, numbers outside are not
// counted. Empty for fewer than two edges or an end that is not finite.
std::vector<std::size_t> CountInBins(std::span<const double> sorted, std::span<const double> edges);

// AutoBinCount of the base-10 logarithms of positive sorted numbers,
// without making them: the logarithm keeps the order, and the quartiles are
// read between the logarithms of their neighbours.
int LogAutoBinCount(std::span<const double> sorted);

}  // namespace tallowmere::stats
