#pragma once
// Reading what was dropped on the number list: each dropped file is read as a
// list file; each dropped folder is walked breadth-first and its qualifying
// files are read folder by folder. The window's drop handler, and the
// command-line analyser for its PATH arguments, call ReadDroppedPaths.
#include <functional>
#include <string>
#include <vector>

#include "app/ErrorReport.h"
#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "platform/FileSystem.h"

// The drop handler has no trap of the walk's kind; a failure while one item or
// one gathered file is handled is reported under this location, and the drop
// goes on with the next file or item.
inline constexpr const char* kDropLocation = "in Tallowmere2021/08/31.Form1.ListView1_OLEDragDrop ";

// Labels of the drop's steps, as reported with kDropLocation.
namespace drop_label {
inline constexpr int kFolderTest = 100;     // is the item an existing folder
inline constexpr int kNewFolderList = 102;  // the item's own folder list
inline constexpr int kWalk = 104;           // GetSubDirectories2016
inline constexpr int kFolderPath = 106;     // removing the trailing '/'
inline constexpr int kListFiles = 108;      // GetFilesInFolder
inline constexpr int kTildeTest = 110;      // names starting with "~"
inline constexpr int kComposePath = 112;    // folder + "/" + name
inline constexpr int kFileTest = 114;       // openable and not hidden-writable
inline constexpr int kTidyPath = 116;       // FixPathSlashes
inline constexpr int kReadGathered = 118;   // LoadListFile on a gathered file
inline constexpr int kReadDropped = 120;    // LoadListFile on a dropped path
inline constexpr int kFinish = 122;         // making the appended entries visible
}  // namespace drop_label

// What a drop works with; held by reference, so everything must outlive the
// call. Nothing of one drop is kept anywhere else, so a further drop, or the
// list being cleared, inside letEventsRun does not disturb this one.
struct DropContext {
  EntrySink& entries;
  ErrorSink& errors;
  ShowMessageFn showMessage;          // "File not found"
  std::function<void()> letEventsRun;  // may be empty
  fsys::FileSystem& fileSystem = fsys::RealFileSystem();
};

// Handles one drop: `paths` are the dropped local paths in the order the
// desktop gave them. The entries appended are flushed before every message,
// error report and event run, and at the end.
void ReadDroppedPaths(std::vector<std::string> paths, const DropContext& ctx);
