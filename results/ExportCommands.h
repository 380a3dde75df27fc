#pragma once
// The three export commands of the results list: "Save Results As Text File"
// (PushButton4), "Copy Results To Clipboard" (PushButton5) and "Save Results
// As Excel File" (PushButton13). Each takes only the ticked rows and reads the
// list as it is at that moment, letting window events run as it goes.
#include <QString>
#include <functional>

#include "core/ErrorReport.h"
#include "platform/Dialogs.h"
#include "platform/Spreadsheet.h"
#include "results/ExportWriters.h"
#include "results/ReportList.h"

namespace tallowmere::results {

inline constexpr const char* kSaveTextFileLocation = "in Tallowmere2021/08/31.Form1.PushButton4_Click ";
inline constexpr const char* kCopyToClipboardLocation = "in Tallowmere2021/08/31.Form1.PushButton5_Click ";
inline constexpr const char* kSaveSpreadsheetLocation = "in Tallowmere2021/08/31.Form1.PushButton13_Click ";

inline constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("ExportCommands", "Save");
inline constexpr const char* kCopiedNotice = QT_TRANSLATE_NOOP(
    "ExportCommands",
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and press Ctrl+V to "
    "paste the clipboard.");
inline constexpr const char* kSpreadsheetMissingForSoftware = QT_TRANSLATE_NOOP(
    "ExportCommands",
    "Excel is not installed on this computer. You need to have it installed to use this software without error.");
inline constexpr const char* kSpreadsheetMissingForFeature = QT_TRANSLATE_NOOP(
    "ExportCommands", "Excel is not installed on this computer. You need to have it installed to use this feature.");
// Shown instead of exporting when the list has rows but none of them is
// ticked: an export would only have emptied the clipboard or written a header.
inline constexpr const char* kNothingTickedMessage = QT_TRANSLATE_NOOP(
    "ExportCommands",
    "No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.");

// What the commands work with; all of it must outlive the call.
struct ExportHost {
  const ReportList& list;                  // the results list
  platform::Dialogs& dialogs;              // the save dialog and the notices
  core::ErrorSink& errors;                 // the "Application Error" box
  std::function<void(bool busy)> setBusy;  // the window pointer: hourglass / default arrow
  core::LetEventsRun letEventsRun;         // lets pending window events run
  platform::Factory startSpreadsheet{};    // the spreadsheet application; empty: the real one
};

// Each command first makes sure that a list with rows has a ticked one;
// otherwise it only says so (kNothingTickedMessage) and changes nothing. An
// empty list is exported as it is.

// PushButton4: asks for a file name and writes the list as a text file.
void SaveResultsAsTextFile(const ExportHost& host);

// PushButton5: copies the list to the clipboard, then says how to paste it.
void CopyResultsToClipboard(const ExportHost& host);

// PushButton13: writes the list into a new workbook of the spreadsheet
// application and shows it. Whether the application is there is asked first,
// even for an empty list.
void SaveResultsToSpreadsheet(const ExportHost& host);

// Whether the spreadsheet application can be created; tells the user when it
// cannot. Never fails.
bool SaveResultsAsExcelFileIsExcelInstalled(const ExportHost& host);

// A sub-item's text as it goes into the workbook: every "=" removed.
QString WithoutEqualsSigns(const QString& text);

}  // namespace tallowmere::results
