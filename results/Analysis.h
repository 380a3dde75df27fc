#pragma once
// The analysis run ("Start Analysis") and ShowResults, written against a small
// host so that the same code drives the window, the command-line analyser and
// the tests. Plain C++: no Qt.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/BigMemory.h"
#include "core/ErrorReport.h"
#include "core/Translation.h"
#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "stats/Statistics.h"

namespace tallowmere::results {

inline constexpr const char* kStartAnalysisLocation = "in Tallowmere2021/08/31.Form1.PushButton7_Click ";
inline constexpr const char* kShowResultsLocation = "in Tallowmere2021/08/31.Form1.ShowResults ";
inline constexpr const char* kForgotNumbersMessage = QT_TRANSLATE_NOOP("Analysis", "You forgot to input numbers.");

// What a run works with; all of it must outlive the call.
struct AnalysisHost {
  core::ErrorSink& errors;  // the "Application Error" box
  // The number list, read top to bottom (index 0 is the first entry). For
  // large lists entryText is also called from a helper thread, within
  // StartAnalysis and never after it returns: it must only read.
  std::function<std::size_t()> entryCount;
  std::function<std::string_view(std::size_t index)> entryText;
  // Whether an entry is a line of list text that passed the number test (a
  // loaded, dropped or pasted number): such an entry is read as its writer
  // meant it, with the user's separators (numtext::ListEntryValue); every
  // other entry by the leading-number rules. Asked only of entries that are
  // not plain numbers, from the same threads as entryText. Empty: none is.
  std::function<bool(std::size_t index)> entryPassedNumberTest = {};
  // The decimal options as the window shows them.
  std::function<std::string()> decimalPlacesText;  // Combo1
  std::function<bool()> showAllDecimals;           // Check1
  // The window pointer: busy while the run works.
  std::function<void(bool busy)> setBusy;
  // The results list.
  std::function<void()> clearResults;
  std::function<void(const std::string& line)> addResultRow;
  // A notice box (OK only, no icon, the application title as caption).
  std::function<void(const std::string& text)> showMessage;
  // Optional: the leading numbers the host already holds, one per entry in
  // list order, NaN (never a leading number) for an entry it holds only as
  // text. Asked once, at the start of a run; the vector becomes the run's
  // numbers, so the entries it knows are neither read again nor held twice.
  std::function<core::BigVector<double>()> takeKnownNumbers = {};
};

// One analysis: the engine's data set and the decimal options of the runs,
// owned by whoever runs analyses (the window, the analyser, a test).
class Analysis {
 public:
  // `separators` are the user's: the numeric tests and every number text of
  // the rows use them.
  explicit Analysis(numtext::Separators separators = {});

  // The click handler of "Start Analysis".
  void StartAnalysis(const AnalysisHost& host);

  // Computes every statistic of the data set and adds the twelve rows; with
  // the more statistics on, computes the rows after them too (kept in the
  // results only, never added to the host's list).
  void ShowResults(const AnalysisHost& host);

  // What the last run came to: the rows it added to the host's list, in the
  // same order and with the same texts, and the rows after them. Emptied
  // when a run clears the list; a run that stops at "You forgot to input
  // numbers." leaves both as they were.
  const Results& LastResults() const { return results_; }

  // Whether runs compute the statistics beyond the twelve rows (off by
  // default: the designed window shows only the twelve).
  void SetMoreStatistics(bool on) { moreStatistics_ = on; }

  // The data set of the last run. The method (Sample or Population) is set
  // on it by the owner and read when the rows are computed.
  stats::modStatistics::DataSet& Statistics() { return statistics_; }
  const stats::modStatistics::DataSet& Statistics() const { return statistics_; }

 private:
  stats::modStatistics::DataSet statistics_;  // with the separators of every number text
  // The decimal places keep their last good value (0 before the first run):
  // a run whose decimals text cannot be read rounds as the run before did.
  std::int16_t decimalPlaces_ = 0;
  bool roundingFlag_ = true;  // "Show all decimals" unticked
  bool moreStatistics_ = false;
  // The failures to get memory counted when the last run began.
  std::uint64_t memoryFailuresAtRun_ = 0;
  Results results_;
};

}  // namespace tallowmere::results
