#include "results/Analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <new>
#include <utility>
#include <vector>

#include "core/MemoryFailures.h"
#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberText.h"
#include "results/AnalysisEntries.h"
#include "results/MoreRows.h"
#include "results/ResultValues.h"
#include "results/RowLabels.h"
#include "stats/Arithmetic.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"

namespace tallowmere::results {

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

// Whether any of the n numbers at x (n even) is NaN: two at a time, without
// a branch, so that a list whose numbers are all known is passed over at the
// speed of memory.
bool AnyUnknown(const double* x, std::size_t n) {
  using Pair [[gnu::vector_size(16)]] = double;
  using PairBits [[gnu::vector_size(16)]] = std::int64_t;
  PairBits any{};
  for (std::size_t i = 0; i < n; i += 2) {
    Pair pair;
    std::memcpy(&pair, x + i, sizeof pair);
    any |= pair != pair;
  }
  return (any[0] | any[1]) != 0;
}

// The value of entry i: a plain number reads the same by either rule, so the
// host is asked where the entry came from only when its text is not one.
double EntryValue(const AnalysisHost& host, std::size_t i, const numtext::Separators& sep) {
  const std::string_view text = host.entryText(i);
  if (double plain; numtext::PlainLeadingNumber(text, plain)) return plain;
  return EntryWorth(text, host.entryPassedNumberTest && host.entryPassedNumberTest(i), sep);
}

// With `known`, numbers[] holds the host's leading numbers, NaN where an
// entry is still to be read; an entry that fails is set to 0 once its
// failure is kept, and one left for the caller stays NaN. A stretch of known
// numbers without a NaN is passed over whole.
void ReadPiece(const AnalysisHost& host, const numtext::Separators& sep, double* numbers, bool known,
               PieceRead& piece) noexcept {
  constexpr std::size_t kStretch = 1024;
  std::size_t i = piece.begin;
  try {
    for (; i < piece.end; ++i) {
      if (known && i % kStretch == 0 && i + kStretch <= piece.end && !AnyUnknown(numbers + i, kStretch)) {
        i += kStretch - 1;
        continue;
      }
      if (known && !std::isnan(numbers[i])) continue;
      try {
        numbers[i] = EntryValue(host, i, sep);
      } catch (...) {
        if (piece.failures.size() == kKeptFailures) break;
        piece.failures.push_back(std::current_exception());
        numbers[i] = 0.0;
      }
    }
  } catch (...) {
    // The failure could not be kept: entry i is read again by the caller.
  }
  piece.stoppedAt = i;
}

}  // namespace

Analysis::Analysis(numtext::Separators separators) : statistics_(std::move(separators)) {}

void Analysis::StartAnalysis(const AnalysisHost& host) {
  core::Trap trap(host.errors, kStartAnalysisLocation);
  memoryFailuresAtRun_ = core::MemoryFailures();

  if (trap.Test(100, [&] { return host.entryCount() == 0; })) {
    trap.Step(124, [&] { host.showMessage(kForgotNumbersMessage); });
    return;
  }
  trap.Step(102, [&] { host.setBusy(true); });
  trap.Step(104, [&] {
    results_ = {};
    host.clearResults();
  });
  // A text that is not a number, or out of range, keeps the previous value.
  trap.Step(106,
            [&] { decimalPlaces_ = numtext::ToInteger16(host.decimalPlacesText(), statistics_.NumberSeparators()); });
  trap.Step(108, [&] { roundingFlag_ = !host.showAllDecimals(); });

  std::size_t count = 0;
  trap.Step(110, [&] { count = host.entryCount(); });
  // The numbers are refilled in the storage of the last run's, and handed
  // back to the data set once read.
  core::BigVector<double> Numbers = statistics_.TakeNumbers();
  // The leading numbers the host already read, if it offers them for every
  // entry; an entry whose number is known reads as that number, so it is not
  // read again.
  core::BigVector<double> knownNumbers;
  if (host.takeKnownNumbers) {
    try {
      knownNumbers = host.takeKnownNumbers();
    } catch (...) {
      knownNumbers.clear();  // then every entry is read from its text
    }
  }
  const bool known = count > 0 && knownNumbers.size() == count;
  // Growing the array one element at a time keeps the earlier elements and
  // gives each new one the value 0; sizing it once does the same in one go.
  trap.Step(112, [&] {
    Numbers.clear();
    // A larger array: let go of the old one first, so that the data is not
    // held twice while it is made.
    if (known || Numbers.capacity() < count) core::BigVector<double>().swap(Numbers);
    if (known)
      Numbers.swap(knownNumbers);
    else
      Numbers.resize(count, 0.0);
  });
  // An entry whose leading number is beyond the double range stays 0.
  auto readEntry = [&](std::size_t i) {
    if (known && !std::isnan(Numbers[i])) return;
    Numbers[i] = 0.0;
    trap.Step(114, [&] { Numbers[i] = EntryValue(host, i, statistics_.NumberSeparators()); });
  };
  const std::size_t entries = std::min(count, Numbers.size());
  if (entries >= kParallelEntries) {
    std::vector<PieceRead> pieces(kPieces);
    for (std::size_t k = 0; k < kPieces; ++k) {
      pieces[k].begin = pieces[k].stoppedAt = entries / kPieces * k + std::min(k, entries % kPieces);
      pieces[k].end = entries / kPieces * (k + 1) + std::min(k + 1, entries % kPieces);
    }
    double* numbers = Numbers.data();
    statistics_.Helper().Run(
        kPieces, [&](std::size_t k) { ReadPiece(host, statistics_.NumberSeparators(), numbers, known, pieces[k]); });
    // The reports, and the entries a piece left, in list order.
    for (PieceRead& piece : pieces) {
      for (const std::exception_ptr& failure : piece.failures) trap.Step(114, [&] { std::rethrow_exception(failure); });
      for (std::size_t i = piece.stoppedAt; i < piece.end; ++i) readEntry(i);
    }
  } else {
    for (std::size_t i = 0; i < entries; ++i) readEntry(i);
  }
  statistics_.SetNumbers(std::move(Numbers));
  // Numbers that could not all be read for want of memory give no results:
  // every row would report the same shortage again, or show a value of a
  // part of the list. The one report of the reading stands alone.
  if (core::MemoryFailures() == memoryFailuresAtRun_) {
    trap.Step(118, [&] { statistics_.SetNumberCount(static_cast<double>(host.entryCount())); });
    trap.Step(120, [&] { ShowResults(host); });
  }
  trap.Step(122, [&] { host.setBusy(false); });
}

namespace {

// Rows 7 to 12 share one pattern: the value's text, the ten-decimal format,
// the numeric test, the value (rounded unless "Show all decimals"), the row.
// `first` is the label of the text step; the others follow in steps of 2.
struct Working {
  std::string text;
  double number = 0.0;
  double engine = 0.0;  // the engine's value the text was made from
};

// The row steps of one run, with what they all use.
struct Rows {
  core::Trap& trap;
  const AnalysisHost& host;
  Results& results;
  const numtext::Separators& sep;
  std::int16_t decimalPlaces;
  bool roundingFlag;
  Working w;
  // Whether a computing step of the current row (rows 7 to 12) failed. The
  // working values then still hold what an earlier step or row left there,
  // which is no value of this row: the row shows "#Div/0!" instead. The
  // steps themselves still run, so the reports are those of every step.
  bool rowFailed = false;
  // The failures to get memory counted when the run and the current row
  // began. The engine answers a statistic it had no memory for, or could not
  // work out after an earlier step had none, as "#Div/0!" or "Error", which
  // are results of their own: such a row is left out instead, and the first
  // row left out is reported.
  std::uint64_t runMemoryMark = 0;
  std::uint64_t memoryMark = 0;
  bool memoryTold = false;

  void BeginRow() {
    rowFailed = false;
    memoryMark = core::MemoryFailures();
  }

  std::string NumberText(double v) const { return numtext::NumberText(v, sep); }
  std::string ResultText(const stats::StatResult& r) const { return r.IsNumber() ? NumberText(r.Number()) : r.Text(); }

  // A row of the list: added to the host's list, then, once it is there, to
  // the results. Left out when its work met a failure to get memory, or when
  // it shows a text after one: told as "Out of memory" by the adding step,
  // unless a failing step of the row, or an earlier row, was told already.
  void Add(ResultRow row) {
    if (ShortOfMemory(core::MemoryFailures(), memoryMark, runMemoryMark, row)) {
      if (rowFailed || memoryTold) return;
      memoryTold = true;
      throw std::bad_alloc();
    }
    host.addResultRow(row.Line());
    results.rows.push_back(std::move(row));
  }
  void AddNumber(Row which, double v) { Add(MakeRow(which, NumberValue(v), NumberText(v))); }

  // A computing step of the current row, noted when it fails.
  template <class F>
  void Compute(int label, F&& step) {
    bool done = false;
    trap.Step(label, [&] {
      step();
      done = true;
    });
    if (!done) rowFailed = true;
  }
  template <class F>
  bool ComputeTest(int label, F&& condition) {
    bool done = false;
    const bool result = trap.Test(label, [&] {
      const bool answer = condition();
      done = true;
      return answer;
    });
    if (!done) rowFailed = true;
    return result;
  }

  // What a row of 7 to 12 shows: its value (the working number, or the
  // working text when that is no number), or "#Div/0!" (without a unit) when
  // a step of the row failed.
  void AddWorkingNumber(Row which) {
    if (rowFailed) return Add(MakeRow(which, TextValue(stats::kDivZeroText), stats::kDivZeroText));
    const double shown = ShownValue(w.number, w.engine, w.text, roundingFlag);
    Add(MakeRow(which, NumberValue(shown, w.engine), NumberText(shown) + std::string(LabelOf(which).unit)));
  }
  void AddWorkingText(Row which) {
    const std::string shown = rowFailed ? std::string(stats::kDivZeroText) : w.text;
    Add(MakeRow(which, TextValue(shown), shown));
  }

  void ValueStep(int testLabel) {
    if (ComputeTest(testLabel, [&] { return !roundingFlag; })) {
      Compute(testLabel + 2, [&] { w.number = numtext::DecimalValue(w.text, false, decimalPlaces, sep); });
    } else {
      Compute(testLabel + 4, [&] { w.number = numtext::DecimalValue(w.text, true, decimalPlaces, sep); });
    }
  }

  template <class Statistic>
  void AddFormattedRow(int first, Row which, Statistic statistic) {
    BeginRow();
    Compute(first, [&] {
      const stats::StatResult result = statistic();
      w.engine = result.IsNumber() ? result.Number() : 0.0;
      w.text = ResultText(result);
    });
    Compute(first + 2, [&] { w.text = numtext::FormatTenDecimals(w.text, sep); });
    if (ComputeTest(first + 4, [&] { return numtext::IsNumeric(w.text, sep); })) {
      ValueStep(first + 6);
      trap.Step(first + 12, [&] { AddWorkingNumber(which); });
    } else {
      trap.Step(first + 14, [&] { AddWorkingText(which); });
    }
  }
};

// Rows 1 to 6 are worked out and added in one step each.
void AddCountToMedian(Rows& rows, core::Trap& trap, const stats::modStatistics::DataSet& data) {
  auto rowStep = [&](int label, auto&& step) {
    rows.BeginRow();
    trap.Step(label, step);
  };
  rowStep(102, [&] { rows.AddNumber(Row::kCount, data.NumberCount()); });
  rowStep(104, [&] { rows.AddNumber(Row::kSum, data.GetSum()); });
  // GetSum times GetSum: both calls would add up the same unchanged data the
  // same way, so one call gives both factors.
  rowStep(106, [&] {
    const double sum = data.GetSum();
    rows.AddNumber(Row::kSumSquared, stats::Mul(sum, sum));
  });
  rowStep(108, [&] { rows.AddNumber(Row::kSumOfSquares, data.GetSumOfSquares()); });
  rowStep(110, [&] {
    const stats::StatResult mode = data.GetMode();
    rows.Add(MakeRow(Row::kMode, ModeValue(mode, rows.sep), rows.ResultText(mode)));
  });
  rowStep(112, [&] { rows.AddNumber(Row::kMedian, data.GetMedian()); });
}

}  // namespace

void Analysis::ShowResults(const AnalysisHost& host) {
  core::Trap trap(host.errors, kShowResultsLocation);
  results_ = {};
  results_.sample = statistics_.MethodIsSample();
  Rows rows{trap, host, results_, statistics_.NumberSeparators(), decimalPlaces_, roundingFlag_, {}};
  rows.runMemoryMark = memoryFailuresAtRun_;
  const stats::modStatistics::DataSet& data = statistics_;

  trap.Step(100, [&] {
    statistics_.SortNumbers();
    results_.sorted = statistics_.SortedNumbers();
  });
  // The rows below ask for the mode and the sums one after another; on a
  // large data set two threads work them out together first. The rows get
  // the same values, and any failure in their own steps.
  statistics_.WorkOutAhead();
  AddCountToMedian(rows, trap, data);

  // The mean is always a number: no numeric test.
  Working& w = rows.w;
  rows.BeginRow();
  rows.Compute(114, [&] {
    w.engine = data.GetMean();
    w.text = rows.NumberText(w.engine);
  });
  rows.Compute(116, [&] { w.text = numtext::FormatTenDecimals(w.text, rows.sep); });
  rows.ValueStep(118);
  trap.Step(124, [&] { rows.AddWorkingNumber(Row::kMean); });

  rows.AddFormattedRow(126, Row::kVariance, [&] { return data.GetVariance(); });
  rows.AddFormattedRow(142, Row::kSkew, [&] { return data.GetSkew(); });
  rows.AddFormattedRow(158, Row::kAverageDeviation, [&] { return data.GetAverageDeviation(); });
  rows.AddFormattedRow(174, Row::kStandardDeviation, [&] { return data.GetStandardDeviation(); });
  rows.AddFormattedRow(190, Row::kCoefficientOfVariation, [&] { return data.GetCoefficientOfVariation(); });

  // Not on the list and not steps of the run: they never report.
  if (moreStatistics_) {
    try {
      results_.more =
          MoreRows(data, {statistics_.NumberSeparators(), decimalPlaces_, roundingFlag_}, memoryFailuresAtRun_);
    } catch (...) {
      results_.more.clear();  // no room for them: the twelve stand alone
    }
  }
}

}  // namespace tallowmere::results
