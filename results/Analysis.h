#pragma once
// The analysis run ("Start Analysis") and ShowResults, written against a small
// host so that the same code drives the window, the command-line analyser and
// the tests. Plain C++: no Qt.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/BigMemory.h"
#include "core/ErrorReport.h"
#include "core/Translation.h"
#include "input/EntrySource.h"
#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "results/RowChoices.h"
#include "stats/Statistics.h"

namespace tallowmere::results {

inline constexpr const char* kStartAnalysisLocation = "in Tallowmere2021/08/31.Form1.PushButton7_Click ";
inline constexpr const char* kShowResultsLocation = "in Tallowmere2021/08/31.Form1.ShowResults ";
inline constexpr const char* kForgotNumbersMessage = QT_TRANSLATE_NOOP("Analysis", "You forgot to input numbers.");

// The decimal options as the window shows them, read by whoever runs the
// analysis: the places of Combo1 as a number, and Check1.
struct DecimalOptions {
  // The places to round to; when the box's text could not be read, the last
  // ones that could.
  std::int16_t places = 0;
  // What went wrong reading the box's text, if anything: the run reports it
  // as its own step.
  std::exception_ptr placesFailure = nullptr;
  bool showAll = false;
};

// What a run works with; all of it must outlive the call.
struct AnalysisHost {
  core::ErrorSink& errors;  // the "Application Error" box
  // The number list, read top to bottom (index 0 is the first entry). For
  // large lists its texts are also read from a helper thread, within
  // StartAnalysis and never after it returns. The values it already holds
  // are taken over by the run, so they are neither read again nor held
  // twice.
  input::EntrySource& entries;
  DecimalOptions decimals;
  // The window pointer: busy while the run works.
  std::function<void(bool busy)> setBusy;
  // The results list.
  std::function<void()> clearResults;
  std::function<void(const std::string& line)> addResultRow;
  // A notice box (OK only, no icon, the application title as caption).
  std::function<void(const std::string& text)> showMessage;
};

// How a run ended.
enum class RunOutcome {
  kNoNumbers,      // the list was empty: "You forgot to input numbers."
  kShortOfMemory,  // the numbers could not all be read for want of memory: no rows
  kFinished,       // the rows were made (each failing step reported on its own)
};

// The step of a run that reads the entries' values, one report per entry
// that fails.
inline constexpr int kReadEntryStep = 114;

// One analysis: the engine's data set and the decimal options of the runs,
// owned by whoever runs analyses (the window, the analyser, a test).
class Analysis {
 public:
  // `separators` are the user's: the numeric tests and every number text of
  // the rows use them.
  explicit Analysis(numtext::Separators separators = {});

  // The click handler of "Start Analysis".
  RunOutcome StartAnalysis(const AnalysisHost& host);

  // Computes every statistic of the data set and adds the twelve rows; with
  // the more statistics on, computes the rows after them too (kept in the
  // results only, never added to the host's list).
  void ShowResults(const AnalysisHost& host);

  // What the last run came to: the rows it added to the host's list, in the
  // same order and with the same texts, and the rows after them. Emptied
  // when a run clears the list; a run that stops at "You forgot to input
  // numbers." leaves both as they were. Each row is here already when the
  // host's addResultRow is called for it.
  const Results& LastResults() const { return results_; }

  // Whether runs compute the statistics beyond the twelve rows (off by
  // default: the window's results list holds the twelve alone).
  void SetMoreStatistics(bool on) { moreStatistics_ = on; }
  // What runs compute beyond those (none by default): the method and the
  // level of the more rows, and the rows and the table after them.
  void SetRowChoices(RowChoices choices) { choices_ = std::move(choices); }

  // The data set of the last run. The method (Sample or Population) is set
  // on it by the owner and read when the rows are computed.
  stats::modStatistics::DataSet& Statistics() { return statistics_; }
  const stats::modStatistics::DataSet& Statistics() const { return statistics_; }

 private:
  stats::modStatistics::DataSet statistics_;  // with the separators of every number text
  std::int16_t decimalPlaces_ = 0;
  bool roundingFlag_ = true;  // "Show all decimals" unticked
  bool moreStatistics_ = false;
  RowChoices choices_;
  // The failures to get memory counted when the last run began.
  std::uint64_t memoryFailuresAtRun_ = 0;
  Results results_;
};

}  // namespace tallowmere::results
