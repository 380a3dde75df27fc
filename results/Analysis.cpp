#include "results/Analysis.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "stats/Arithmetic.h"
#include "stats/NumberText.h"
#include "stats/RadixSort.h"
#include "stats/Statistics.h"

namespace analysis {

std::int16_t DecimalPlaces = 0;
bool RoundingFlag = true;

namespace {

// From this many entries on, the leading numbers (step 114) are read by two
// threads, which take pieces of the list one at a time. The host's
// EntryText is then called from a helper thread as well; it only reads the
// list, and the calling thread waits for the helper before it does anything
// else.
constexpr std::size_t kParallelEntries = std::size_t{1} << 16;
constexpr std::size_t kPieces = 64;

// A piece keeps at most this many failures for the report; at the next one
// it stops, and the calling thread reads on from there.
constexpr std::size_t kKeptFailures = 256;

// One piece of the list read without the trap: its failures are kept, in
// list order, to be reported afterwards from the calling thread.
struct PieceRead {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t stoppedAt = 0;  // entries from here on are still to be read
  std::vector<std::exception_ptr> failures;
};

void ReadPiece(const AnalysisHost& host, double* numbers, PieceRead& piece) noexcept {
  std::size_t i = piece.begin;
  try {
    for (; i < piece.end; ++i) {
      try {
        numbers[i] = numtext::LeadingNumber(host.EntryText(i));
      } catch (...) {
        if (piece.failures.size() == kKeptFailures) break;
        piece.failures.push_back(std::current_exception());
      }
    }
  } catch (...) {
    // The failure could not be kept: entry i is read again by the caller.
  }
  piece.stoppedAt = i;
}

}  // namespace

void StartAnalysis(AnalysisHost& host) {
  using namespace modStatistics;
  Trap trap(host, kStartAnalysisLocation);

  if (trap.Test(100, [&] { return host.EntryCount() == 0; })) {
    trap.Step(124, [&] { host.ShowMessage(kForgotNumbersMessage); });
    return;
  }
  trap.Step(102, [&] { host.SetBusy(true); });
  trap.Step(104, [&] { host.ClearResults(); });
  // A text that is not a number, or out of range, keeps the previous value.
  trap.Step(106, [&] { DecimalPlaces = numtext::ToInteger16(host.DecimalPlacesText()); });
  trap.Step(108, [&] { RoundingFlag = !host.ShowAllDecimals(); });

  std::size_t count = 0;
  trap.Step(110, [&] { count = host.EntryCount(); });
  // Growing the array one element at a time keeps the earlier elements and
  // gives each new one the value 0; sizing it once does the same in one go.
  trap.Step(112, [&] {
    Numbers.clear();
    // A larger array: let go of the old one first, so that the data is not
    // held twice while it is made.
    if (Numbers.capacity() < count) std::vector<double>().swap(Numbers);
    Numbers.resize(count, 0.0);
  });
  // An entry whose leading number is beyond the double range stays 0.
  auto readEntry = [&](std::size_t i) {
    trap.Step(114, [&] { Numbers[i] = numtext::LeadingNumber(host.EntryText(i)); });
  };
  const std::size_t entries = std::min(count, Numbers.size());
  if (entries >= kParallelEntries) {
    std::vector<PieceRead> pieces(kPieces);
    for (std::size_t k = 0; k < kPieces; ++k) {
      pieces[k].begin = pieces[k].stoppedAt = entries / kPieces * k + std::min(k, entries % kPieces);
      pieces[k].end = entries / kPieces * (k + 1) + std::min(k + 1, entries % kPieces);
    }
    double* numbers = Numbers.data();
    {
      core::TwoThreads threads;
      threads.Run(kPieces, [&](std::size_t k) { ReadPiece(host, numbers, pieces[k]); });
    }
    // The reports, and the entries a piece left, in list order.
    for (PieceRead& piece : pieces) {
      for (const std::exception_ptr& failure : piece.failures) trap.Step(114, [&] { std::rethrow_exception(failure); });
      for (std::size_t i = piece.stoppedAt; i < piece.end; ++i) readEntry(i);
    }
  } else {
    for (std::size_t i = 0; i < entries; ++i) readEntry(i);
  }
  trap.Step(118, [&] { NumberCount = static_cast<double>(host.EntryCount()); });
  trap.Step(120, [&] { ShowResults(host); });
  trap.Step(122, [&] { host.SetBusy(false); });
}

namespace {

// Rows 7 to 12 share one pattern: the value's text, the ten-decimal format,
// the numeric test, the value (rounded unless "Show all decimals"), the row.
// `first` is the label of the text step; the others follow in steps of 2.
struct Working {
  std::string text;
  double number = 0.0;
};

std::string ResultText(const StatResult& r) {
  return r.IsNumber() ? numtext::NumberText(r.Number()) : r.Text();
}

void ValueStep(Trap& trap, Working& w, int testLabel) {
  if (trap.Test(testLabel, [&] { return !RoundingFlag; })) {
    trap.Step(testLabel + 2, [&] { w.number = numtext::DecimalValue(w.text, false, DecimalPlaces); });
  } else {
    trap.Step(testLabel + 4, [&] { w.number = numtext::DecimalValue(w.text, true, DecimalPlaces); });
  }
}

template <class Compute>
void AddFormattedRow(Trap& trap, AnalysisHost& host, Working& w, int first, const std::string& label,
                     const char* unit, Compute compute) {
  trap.Step(first, [&] { w.text = ResultText(compute()); });
  trap.Step(first + 2, [&] { w.text = numtext::FormatTenDecimals(w.text); });
  if (trap.Test(first + 4, [&] { return numtext::IsNumeric(w.text); })) {
    ValueStep(trap, w, first + 6);
    trap.Step(first + 12, [&] { host.AddResultRow(label + numtext::NumberText(w.number) + unit); });
  } else {
    trap.Step(first + 14, [&] { host.AddResultRow(label + w.text); });
  }
}

}  // namespace

void ShowResults(AnalysisHost& host) {
  using namespace modStatistics;
  using numtext::NumberText;
  Trap trap(host, kShowResultsLocation);
  Working w;

  trap.Step(100, [&] { SortNumbers(); });
  trap.Step(102, [&] { host.AddResultRow("The number of entries is: " + NumberText(NumberCount)); });
  trap.Step(104, [&] { host.AddResultRow("The sum of the numbers are: " + NumberText(GetSum())); });
  // GetSum times GetSum: both calls would add up the same unchanged data the
  // same way, so one call gives both factors.
  trap.Step(106, [&] {
    const double sum = GetSum();
    host.AddResultRow("The sum squared is: " + NumberText(arith::Mul(sum, sum)));
  });
  trap.Step(108, [&] { host.AddResultRow("The sum of squares is: " + NumberText(GetSumOfSquares())); });
  trap.Step(110, [&] { host.AddResultRow("The mode is: " + ResultText(GetMode())); });
  trap.Step(112, [&] { host.AddResultRow("The median is: " + NumberText(GetMedian())); });

  // The mean is always a number: no numeric test.
  trap.Step(114, [&] { w.text = NumberText(GetMean()); });
  trap.Step(116, [&] { w.text = numtext::FormatTenDecimals(w.text); });
  ValueStep(trap, w, 118);
  trap.Step(124, [&] { host.AddResultRow("The mean is: " + NumberText(w.number)); });

  AddFormattedRow(trap, host, w, 126, "The variance is: ", "", [] { return GetVariance(); });
  AddFormattedRow(trap, host, w, 142, "The skew is: ", "", [] { return GetSkew(); });
  AddFormattedRow(trap, host, w, 158, "The average deviation is: ", "", [] { return GetAverageDeviation(); });
  AddFormattedRow(trap, host, w, 174, "The standard deviation is: ", "",
                  [] { return GetStandardDeviation(); });
  AddFormattedRow(trap, host, w, 190, "The coefficient of variation is: ", " %",
                  [] { return GetCoefficientOfVariation(); });
}

}  // namespace analysis
