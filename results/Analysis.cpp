#include "results/Analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/MemoryFailures.h"
#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberText.h"
#include "results/AnalysisEntries.h"
#include "results/ExtraRows.h"
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

// The value of entry i, held as text: a plain number reads the same by either
// rule, so where the entry came from matters only when its text is not one.
double EntryValue(const input::EntrySource& entries, std::size_t i, const numtext::Separators& sep) {
  const input::HeldText held = entries.TextOf(i);
  if (double plain; numtext::PlainLeadingNumber(held.text, plain)) return plain;
  return EntryWorth(held.text, held.passedNumberTest, sep);
}

// With `known`, numbers[] holds the source's values, NaN where an entry is
// still to be read; an entry that fails is set to 0 once its failure is kept,
// and one left for the caller stays NaN. A stretch of known numbers without a
// NaN is passed over whole.
void ReadPiece(const input::EntrySource& entries, const numtext::Separators& sep, double* numbers, bool known,
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
        numbers[i] = EntryValue(entries, i, sep);
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

// The data set's numbers and the source's values are kept alike, so the
// values the source already holds are handed over whole.
using Numbers = input::EntrySource::Values;
static_assert(std::is_same_v<Numbers, decltype(std::declval<stats::modStatistics::DataSet&>().TakeNumbers())>);

// One run's reading of the entries' values into the data set's array.
struct EntryReading {
  core::Trap& trap;
  const input::EntrySource& entries;
  const numtext::Separators& sep;
  core::TwoThreads& helper;
  Numbers& numbers;
  bool known;

  // An entry whose leading number is beyond the double range stays 0.
  void ReadEntry(std::size_t i) {
    if (known && !std::isnan(numbers[i])) return;
    numbers[i] = 0.0;
    trap.Step(kReadEntryStep, [&] { numbers[i] = EntryValue(entries, i, sep); });
  }

  // Two threads read pieces of the list; the reports, and the entries a
  // piece left, follow in list order.
  void ReadInPieces(std::size_t count) {
    std::vector<PieceRead> pieces(kPieces);
    for (std::size_t k = 0; k < kPieces; ++k) {
      pieces[k].begin = pieces[k].stoppedAt = count / kPieces * k + std::min(k, count % kPieces);
      pieces[k].end = count / kPieces * (k + 1) + std::min(k + 1, count % kPieces);
    }
    double* data = numbers.data();
    helper.Run(kPieces, [&](std::size_t k) { ReadPiece(entries, sep, data, known, pieces[k]); });
    for (PieceRead& piece : pieces) {
      for (const std::exception_ptr& failure : piece.failures)
        trap.Step(kReadEntryStep, [&] { std::rethrow_exception(failure); });
      for (std::size_t i = piece.stoppedAt; i < piece.end; ++i) ReadEntry(i);
    }
  }

  void Read(std::size_t count) {
    const std::size_t held = std::min(count, numbers.size());
    if (held >= kParallelEntries) {
      ReadInPieces(held);
    } else {
      for (std::size_t i = 0; i < held; ++i) ReadEntry(i);
    }
  }
};

// The data set's helper, or none when no thread is to be had.
core::TwoThreads* HelperOf(const stats::modStatistics::DataSet& data) noexcept {
  try {
    return &data.Helper();
  } catch (...) {
    return nullptr;
  }
}

// The `count` entries' values, in the storage of the last run's numbers
// or in the source's own array when it holds every entry's (and in the
// former again when the source held them packed).
Numbers ReadNumbers(const AnalysisHost& host, core::Trap& trap, stats::modStatistics::DataSet& data,
                    std::size_t count) {
  Numbers numbers = data.TakeNumbers();
  Numbers known;
  try {
    known = host.entries.TakeValues(numbers, HelperOf(data));
  } catch (...) {
    known.clear();  // then every entry is read from its text
  }
  const bool allKnown = count > 0 && known.size() == count;
  // Growing the array one element at a time keeps the earlier elements and
  // gives each new one the value 0; sizing it once does the same in one go.
  trap.Step(112, [&] {
    numbers.clear();
    // A larger array: let go of the old one first, so that the data is not
    // held twice while it is made.
    if (allKnown || numbers.capacity() < count) Numbers().swap(numbers);
    if (allKnown)
      numbers.swap(known);
    else
      numbers.resize(count, 0.0);
  });
  EntryReading{trap, host.entries, data.NumberSeparators(), data.Helper(), numbers, allKnown}.Read(count);
  return numbers;
}

}  // namespace

Analysis::Analysis(numtext::Separators separators) : statistics_(std::move(separators)) {}

RunOutcome Analysis::StartAnalysis(const AnalysisHost& host) {
  core::Trap trap(host.errors, kStartAnalysisLocation);
  memoryFailuresAtRun_ = core::MemoryFailures();

  if (trap.Test(100, [&] { return host.entries.Count() == 0; })) {
    trap.Step(124, [&] { host.showMessage(kForgotNumbersMessage); });
    return RunOutcome::kNoNumbers;
  }
  trap.Step(102, [&] { host.setBusy(true); });
  trap.Step(104, [&] {
    results_ = {};
    host.clearResults();
  });
  trap.Step(106, [&] {
    decimalPlaces_ = host.decimals.places;
    if (host.decimals.placesFailure) std::rethrow_exception(host.decimals.placesFailure);
  });
  trap.Step(108, [&] { roundingFlag_ = !host.decimals.showAll; });

  std::size_t count = 0;
  trap.Step(110, [&] { count = host.entries.Count(); });
  // The numbers are refilled in the storage of the last run's, and handed
  // back to the data set once read.
  statistics_.SetNumbers(ReadNumbers(host, trap, statistics_, count));
  // Numbers that could not all be read for want of memory give no results:
  // every row would report the same shortage again, or show a value of a
  // part of the list. The one report of the reading stands alone.
  const bool read = core::MemoryFailures() == memoryFailuresAtRun_;
  if (read) {
    trap.Step(118, [&] { statistics_.SetNumberCount(static_cast<double>(host.entries.Count())); });
    trap.Step(120, [&] { ShowResults(host); });
  }
  trap.Step(122, [&] { host.setBusy(false); });
  return read ? RunOutcome::kFinished : RunOutcome::kShortOfMemory;
}

namespace {

// Rows 7 to 12 share one pattern: the value's text, the ten-decimal format,
// the numeric test, the value (rounded unless "Show all decimals"), the row.
// The first of their steps is the row's (FirstStepOf); the others follow in steps of 2.
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

  // A row of the list: put in the results, then added to the host's list,
  // which shows it from there; a row the list could not take leaves the
  // results again, so they hold the list's rows and no others. Left out when
  // its work met a failure to get memory, or when it shows a text after one:
  // told as "Out of memory" by the adding step, unless a failing step of the
  // row, or an earlier row, was told already.
  void Add(ResultRow row) {
    if (ShortOfMemory(core::MemoryFailures(), memoryMark, runMemoryMark, row)) {
      if (rowFailed || memoryTold) return;
      memoryTold = true;
      throw std::bad_alloc();
    }
    results.rows.push_back(std::move(row));
    try {
      host.addResultRow(results.rows.back().Line());
    } catch (...) {
      results.rows.pop_back();
      throw;
    }
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
  void AddFormattedRow(Row which, Statistic statistic) {
    const int first = FirstStepOf(which);
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
  rowStep(FirstStepOf(Row::kCount), [&] { rows.AddNumber(Row::kCount, data.NumberCount()); });
  rowStep(FirstStepOf(Row::kSum), [&] { rows.AddNumber(Row::kSum, data.GetSum()); });
  // GetSum times GetSum: both calls would add up the same unchanged data the
  // same way, so one call gives both factors.
  rowStep(FirstStepOf(Row::kSumSquared), [&] {
    const double sum = data.GetSum();
    rows.AddNumber(Row::kSumSquared, stats::Mul(sum, sum));
  });
  rowStep(FirstStepOf(Row::kSumOfSquares), [&] { rows.AddNumber(Row::kSumOfSquares, data.GetSumOfSquares()); });
  rowStep(FirstStepOf(Row::kMode), [&] {
    const stats::StatResult mode = data.GetMode();
    rows.Add(MakeRow(Row::kMode, ModeValue(mode, rows.sep), rows.ResultText(mode)));
  });
  rowStep(FirstStepOf(Row::kMedian), [&] { rows.AddNumber(Row::kMedian, data.GetMedian()); });
}

}  // namespace

void Analysis::ShowResults(const AnalysisHost& host) {
  core::Trap trap(host.errors, kShowResultsLocation);
  results_ = {};
  results_.sample = statistics_.MethodIsSample();
  results_.separators = statistics_.NumberSeparators();
  results_.decimalPlaces = decimalPlaces_;
  results_.roundingFlag = roundingFlag_;
  Rows rows{trap, host, results_, statistics_.NumberSeparators(), decimalPlaces_, roundingFlag_, {}};
  rows.runMemoryMark = memoryFailuresAtRun_;
  const stats::modStatistics::DataSet& data = statistics_;

  trap.Step(100, [&] {
    statistics_.SortNumbers();
    results_.sorted = SortedNumbers(statistics_.SharedSortedNumbers(), statistics_.SortedNumbers().size());
  });
  // The rows below ask for the mode and the sums one after another; on a
  // large data set two threads work them out together first. The rows get
  // the same values, and any failure in their own steps.
  statistics_.WorkOutAhead();
  AddCountToMedian(rows, trap, data);

  // The mean is always a number: no numeric test.
  Working& w = rows.w;
  const int mean = FirstStepOf(Row::kMean);
  rows.BeginRow();
  rows.Compute(mean, [&] {
    w.engine = data.GetMean();
    w.text = rows.NumberText(w.engine);
  });
  rows.Compute(mean + 2, [&] { w.text = numtext::FormatTenDecimals(w.text, rows.sep); });
  rows.ValueStep(mean + 4);
  trap.Step(mean + 10, [&] { rows.AddWorkingNumber(Row::kMean); });

  rows.AddFormattedRow(Row::kVariance, [&] { return data.GetVariance(); });
  rows.AddFormattedRow(Row::kSkew, [&] { return data.GetSkew(); });
  rows.AddFormattedRow(Row::kAverageDeviation, [&] { return data.GetAverageDeviation(); });
  rows.AddFormattedRow(Row::kStandardDeviation, [&] { return data.GetStandardDeviation(); });
  rows.AddFormattedRow(Row::kCoefficientOfVariation, [&] { return data.GetCoefficientOfVariation(); });

  // Not on the list and not steps of the run: they never report.
  const RowRounding rounding{statistics_.NumberSeparators(), decimalPlaces_, roundingFlag_};
  if (moreStatistics_) {
    try {
      results_.more = MoreRows(data, rounding, memoryFailuresAtRun_, choices_.method, choices_.levelPercent);
    } catch (...) {
      results_.more.clear();  // no room for them: the twelve stand alone
    }
  }
  try {
    std::vector<ResultRow> extra = ExtraRows(data, choices_, rounding, memoryFailuresAtRun_);
    results_.more.insert(results_.more.end(), std::make_move_iterator(extra.begin()),
                         std::make_move_iterator(extra.end()));
    if (choices_.frequencies) results_.frequencies = FrequenciesOf(data);
  } catch (...) {
    // No room for them: the rows before stand alone.
  }
}

}  // namespace tallowmere::results
