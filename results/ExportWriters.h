#pragma once
// The two general writers behind "Save Results As Text File" and "Copy Results
// To Clipboard". Both work on any report-style list (results/ReportList.h):
// its header texts, its rows' cell texts and their ticks.
//
// Neither has a failure trap of its own: a failure (a row that vanished while
// window events ran, a file that cannot be created or written) is thrown as
// std::exception for the command's trap to report.
#include <QString>

#include "core/LetEventsRun.h"
#include "results/ReportList.h"

namespace tallowmere::results {

// The writers let window events run before every cell and every row.

// Writes the header line and one line per ticked row to `path`, replacing any
// existing file. Every cell is its text padded with spaces to the column
// width, then a TAB; every line ends in CR LF. The widths count the header and
// every row, ticked or not. The text goes out in the user's 8-bit encoding
// (UTF-8 here) without a byte-order mark. The file is written aside and put
// in place whole: when it cannot be written (a full disk, a read-only
// folder), any file that was there stays as it was and the failure names the
// system's reason. When the list fails underneath (a row gone while window
// events ran), the lines written so far are the file.
void SaveListViewAsTextFile(const ReportList& list, const QString& path, const core::LetEventsRun& letEventsRun = {});

// The clipboard text of the list: one line per ticked row, no header line,
// columns padded and separated as in the file but without the last TAB and
// with trailing spaces trimmed, CR LF after each line. Header texts do not
// widen the columns here.
QString ClipboardTextOfListView(const ReportList& list, const core::LetEventsRun& letEventsRun = {});

// Puts ClipboardTextOfListView on the clipboard as plain text, after clearing
// it. A list without rows leaves the clipboard untouched.
void CopyListViewToClipboard(const ReportList& list, const core::LetEventsRun& letEventsRun = {});

}  // namespace tallowmere::results
