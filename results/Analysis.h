#pragma once
// The analysis run ("Start Analysis") and ShowResults, written against a small
// host interface so that the same code drives the window, the command-line
// analyser and the tests. Plain C++: no Qt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

inline constexpr const char* kStartAnalysisLocation = "in Tallowmere2021/08/31.Form1.PushButton7_Click ";
inline constexpr const char* kShowResultsLocation = "in Tallowmere2021/08/31.Form1.ShowResults ";
inline constexpr const char* kForgotNumbersMessage = "You forgot to input numbers.";

class AnalysisHost : public ErrorSink {
 public:
  // The number list, read top to bottom (index 0 is the first entry). For
  // large lists EntryText is also called from a helper thread, within
  // StartAnalysis and never after it returns: it must only read.
  virtual std::size_t EntryCount() const = 0;
  virtual std::string_view EntryText(std::size_t index) const = 0;
  // The decimal options as the window shows them.
  virtual std::string DecimalPlacesText() const = 0;  // Combo1
  virtual bool ShowAllDecimals() const = 0;           // Check1
  // The window pointer: busy while the run works.
  virtual void SetBusy(bool busy) = 0;
  // The results list.
  virtual void ClearResults() = 0;
  virtual void AddResultRow(const std::string& line) = 0;
  // A notice box (OK only, no icon, the application title as caption).
  virtual void ShowMessage(const std::string& text) = 0;
};

namespace analysis {

// Module-level state of the run: the decimal places keep their last good value
// (0 before the first run); the rounding flag is "Show all decimals" unticked.
extern std::int16_t DecimalPlaces;
extern bool RoundingFlag;

// The click handler of "Start Analysis".
void StartAnalysis(AnalysisHost& host);

// Computes every statistic of the engine's data set and adds the twelve rows.
void ShowResults(AnalysisHost& host);

}  // namespace analysis
