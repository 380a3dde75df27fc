#pragma once
// Reading what was dropped on the number list: each dropped file is read as a
// list file; each dropped folder is walked breadth-first and its qualifying
// files are read folder by folder. The window's drop handler, and the
// command-line analyser for its PATH arguments, call ReadDroppedPaths; the
// window also follows a drop's progress and may stop it, the analyser does
// neither.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "input/FileReading.h"
#include "input/ListFile.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

// A drop has no trap of the walk's kind: a failure while one item or one
// gathered file is handled is reported with this plain text in place of a
// location, and no line, and the drop goes on with the next file or item.
inline constexpr const char* kDropLocation = "while the drop was read";

// What a drop works with; held by reference, so everything must outlive the
// call. Nothing of one drop is kept anywhere else, so a further drop, or the
// list being cleared, inside letEventsRun does not disturb this one.
struct DropHost {
  EntrySink& entries;
  core::ErrorSink& errors;
  ShowNotReadFn showNotRead;        // a path not read: "File not found"
  core::LetEventsRun letEventsRun;  // may be empty
  system::FileSystem& fileSystem = system::RealFileSystem();
  // Told of every step forward (a folder or file collected, a file read);
  // called often, so it must be cheap. May be empty.
  std::function<void(const DropState&)> progress = {};
  // Asked between files and between folders, and between the blocks of a
  // long file, right after window events ran: true ends the drop there,
  // keeping what was read. May be empty.
  std::function<bool()> shouldStop = {};
  // The user's separators, for the number test of the files read.
  numtext::Separators separators = {};
  // Told of every folder of a dropped tree left out because it could not be
  // listed, or whose path is too long to be walked (`folder` without its
  // trailing '/'), with the system's reason. The window's notice tells how
  // many and the first; the analyser names each. May be empty.
  std::function<void(const std::string& folder, const std::string& reason)> folderUnreadable = {};
  // Reads one file of the drop into `entries`, with the arguments and the
  // answer of LoadListFile; when empty, LoadListFile with `separators` (the
  // analyser reads a column of tables instead).
  ReadFileFn readFile = {};
};

// What the window says of a path it did not read: "File not found" and, on
// the second line, the path, followed by why where it is not simply missing
// ("/dev/zero: not a regular file", "/x/loop: Too many levels of symbolic
// links"), as the analyser says it.
std::string NotReadText(const std::string& path, NotRead why);

// Handles one drop: `paths` are the dropped local paths in the order the
// desktop gave them. The entries appended are flushed before every message,
// error report and event run, and at the end. Returns where the drop ended.
DropState ReadDroppedPaths(std::vector<std::string> paths, const DropHost& ctx);

}  // namespace tallowmere::input
