#pragma once
// The folder walk behind dropped folders: a breadth-first list of a folder
// tree, and the tests that decide which folders are walked and which files
// are taken. Folder paths in a folder list end in '/'.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ErrorReport.h"
#include "core/LetEventsRun.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

inline constexpr const char* kFolderWalkLocation = "in PellamyTitle2021/08/31.AddFolder.GetSubDirectories2016 ";

// What a walk works with. Everything is held by reference and must outlive
// the walk; the walk keeps no state of its own between calls, so a walk may
// start another from inside `letEventsRun`.
struct WalkHost {
  system::FileSystem& fileSystem;
  core::ErrorSink& errors;
  // Lets pending window events run; may be empty. Other commands (a further
  // drop, clearing the number list) may run inside it.
  core::LetEventsRun letEventsRun;
  // Told of every sub-folder the walk queues; may be empty.
  std::function<void()> folderFound = {};
  // Asked after window events ran and before each folder: true ends the walk
  // at once, leaving the folder list incomplete. May be empty.
  std::function<bool()> shouldStop = {};
  // Told of every folder the walk drops from its list because it could not
  // be listed, with the system's reason ("Permission denied"), and of every
  // folder whose path is too long to be walked ("File name too long"). May
  // be empty.
  std::function<void(const std::string& folder, const std::string& reason)> folderUnlistable = {};
};

// Extends `folders` in place: on return it holds the folders it was given,
// less those that could not be listed because access was denied or the path
// was not found (each told to ctx.folderUnlistable), followed by all their
// descendants, level by level (with `recurse`; without it, only the next
// level). The walk's own work and memory grow in proportion to the folders
// it meets, however deep the tree. A symbolic link to a folder met
// inside the tree is not followed. Other failures are reported to
// ctx.errors with kFolderWalkLocation and the step's label, and the walk goes
// on. A walk ended by ctx.shouldStop lists nothing more and leaves `folders`
// partly extended.
void GetSubDirectories2016(std::vector<std::string>& folders, bool recurse, const WalkHost& ctx);

// True when the path's attributes can be read and include the directory bit
// (a link to a folder counts). Never fails: a failure means false.
bool IsFolder(const std::string& path, system::FileSystem& fs = system::RealFileSystem()) noexcept;

// The names (without folder) of the entries of `folder` that match `pattern`
// and are not folders, in listing order, hidden ones included; a name is kept
// only when IsOpenableFile accepts folder + "/" + name. "*.*" and "*" match
// every name; other patterns are shell wildcards. A folder that is missing or
// may not be listed gives no names; other failures throw.
std::vector<std::string> GetFilesInFolder(const std::string& folder, std::string_view pattern,
                                          system::FileSystem& fs = system::RealFileSystem());

// True when the path names an existing regular file (after links). Folders,
// FIFOs, sockets and devices are rejected: reading one would block or never
// end. Never fails: a failure means false.
bool IsOpenableFile(const std::string& path, system::FileSystem& fs = system::RealFileSystem()) noexcept;

}  // namespace tallowmere::input
