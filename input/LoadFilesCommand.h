#pragma once
// "Load Numbers From File": the user picks one or several list files in the
// open dialog and their numbers are appended to the number list, file by file
// in the dialog's order.
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/LetEventsRun.h"
#include "core/Translation.h"
#include "input/DropFiles.h"
#include "input/EntrySink.h"
#include "numtext/Separators.h"
#include "platform/Dialogs.h"

namespace tallowmere::input {

inline constexpr const char* kLoadFilesLocation = "in Tallowmere2021/08/31.Form1.PushButton6_Click ";
inline constexpr const char* kLoadFilesTitle =
    QT_TRANSLATE_NOOP("LoadFilesCommand", "Load List(s) - Hold Ctrl to select multiple list files");

// What the command works with; all of it must outlive the call.
struct LoadFilesHost {
  platform::Dialogs& dialogs;              // the open dialog and the "File not found" notice
  EntrySink& entries;                      // the number list
  core::ErrorSink& errors;                 // the "Application Error" box
  std::function<void(bool busy)> setBusy;  // the window pointer: hourglass / default arrow
  numtext::Separators separators = {};     // the user's, for the number test of the files read
  // Lets window events run while a long file is read (may be empty).
  core::LetEventsRun letEventsRun = {};
  // Told of every file read; may be empty.
  std::function<void(const DropState&)> progress = {};
  // Asked between the blocks of a long file, right after events ran, and
  // between files: true ends the command there, keeping what was read. May
  // be empty.
  ShouldStopFn shouldStop = {};
};

// The click handler of PushButton6. Returns how far it came, as a drop's
// state of reading files (phase kReadingFiles once files were chosen).
DropState LoadNumbersFromFiles(const LoadFilesHost& host);

// The paths of the files chosen in the open dialog, in the dialog's order,
// as the command reads them: one file by the path the dialog gave; several
// by their absolute paths (with some desktop dialogs they may come from
// different folders). Nothing chosen gives none.
std::vector<std::string> DialogFileNames(const QStringList& chosenPaths);

}  // namespace tallowmere::input
