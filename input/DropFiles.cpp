#include "input/DropFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/Translation.h"
#include "input/AddFolder.h"

namespace tallowmere::input {

namespace {

// A file whose attribute set is exactly hidden + archive: a writable hidden
// file, the kind a program keeps for itself.
constexpr unsigned kHiddenWritableFile = system::kHidden | system::kArchive;

}  // namespace

std::string NotReadText(const std::string& path, NotRead why) {
  std::string text = FileNotFoundText(path);
  if (why == NotRead::kNotRegularFile)
    return text + ": " +
           std::string(core::Translated("DropFiles", QT_TRANSLATE_NOOP("DropFiles", "not a regular file")));
  // Asked again: the reader tells only that the path led to no file.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return text;
  const int error = errno;
  if (error == ENOENT || error == ENOTDIR) return text;
  return text + ": " + std::strerror(error);
}

DropState ReadDroppedPaths(std::vector<std::string> paths, const DropHost& ctx) {
  system::FileSystem& fs = ctx.fileSystem;
  FlushingErrorSink errors(ctx.entries, ctx.errors);
  core::Trap trap(errors, kDropLocation);
  ShowNotReadFn showNotRead = [&ctx](const std::string& path, NotRead why) {
    ctx.entries.Flush();
    if (ctx.showNotRead) ctx.showNotRead(path, why);
  };
  DropState state;
  auto tell = [&] {
    if (ctx.progress) ctx.progress(state);
  };
  auto letEventsRun = [&ctx] {
    ctx.entries.Flush();
    if (ctx.letEventsRun) ctx.letEventsRun();
  };
  // Once asked, the drop stays stopped: the answer is not asked for again.
  auto askedToStop = [&] {
    if (!state.stopped && ctx.shouldStop && ctx.shouldStop()) state.stopped = true;
    return state.stopped;
  };
  // Between two files or two folders: a stop the user asked for while events
  // ran is seen before anything more is read.
  auto pause = [&] {
    letEventsRun();
    return askedToStop();
  };
  // Reads one file; a stop inside it ends the drop with the file read in part.
  auto read = [&](const std::string& path) {
    if (state.filesRead == 0) state.firstFile = path;
    const bool whole = ctx.readFile
                           ? ctx.readFile(path, showNotRead, letEventsRun, askedToStop)
                           : LoadListFile(ctx.entries, path, ctx.separators, showNotRead, letEventsRun, askedToStop);
    if (!whole) state.fileCut = true;
  };
  // A file cut short by a stop still counts, but the drop ends with it.
  auto counted = [&] {
    ++state.filesRead;
    if (!state.fileCut) tell();
  };
  WalkHost walk{fs, errors, letEventsRun,
                [&] {
                  ++state.folders;
                  tell();
                },
                askedToStop};
  if (ctx.folderUnreadable) {
    walk.folderUnlistable = [&ctx](const std::string& folder, const std::string& reason) {
      ctx.entries.Flush();
      ctx.folderUnreadable(folder.substr(0, folder.size() - 1), reason);
    };
  }

  // The files of a dropped folder are collected before any is read, so the
  // reading can say how many there are; the listing and the file tests are
  // the same as when each folder was listed right before its files were read.
  auto readFolder = [&](const std::string& item) {
    state.phase = DropPhase::kCollectingFolders;
    std::vector<std::string> folders;
    trap.Step([&] { folders.push_back(item + "/"); });
    const std::size_t before = state.folders;
    ++state.folders;
    tell();
    trap.Step([&] { GetSubDirectories2016(folders, true, walk); });
    if (state.stopped) return;
    // What the walk kept: folders it could not list, or left alone, are gone.
    state.folders = before + folders.size();
    state.phase = DropPhase::kCollectingFiles;
    tell();

    std::vector<std::string> files;
    for (const std::string& entry : folders) {
      if (pause()) return;
      std::string folder;
      trap.Step([&] { folder = entry.substr(0, entry.size() - 1); });
      std::vector<std::string> names;
      trap.Step([&] { names = GetFilesInFolder(folder, "*.*", fs); });
      for (const std::string& name : names) {
        if (pause()) return;
        if (trap.Test([&] { return !name.empty() && name.front() == '~'; })) continue;
        std::string path;
        trap.Step([&] { path = folder + "/" + name; });
        if (trap.Test([&] { return !IsOpenableFile(path, fs) || fs.Attributes(path) == kHiddenWritableFile; }))
          continue;
        std::string tidied;
        trap.Step([&] { tidied = FixPathSlashes(path); });
        files.push_back(std::move(tidied));
        ++state.filesFound;
        tell();
      }
    }

    state.phase = DropPhase::kReadingFiles;
    tell();
    for (const std::string& file : files) {
      if (pause()) return;
      trap.Step([&] { read(file); });
      counted();
    }
  };

  // Events run between items, never before the first nor after the last: a
  // drop that read everything cannot end up stopped.
  for (const std::string& item : paths) {
    if (&item != &paths.front() && pause()) break;
    if (trap.Test([&] { return fs.Exists(item) && (fs.Attributes(item) & system::kDirectory) != 0; })) {
      readFolder(item);
    } else {
      state.phase = DropPhase::kReadingFiles;
      ++state.filesFound;
      tell();
      trap.Step([&] { read(item); });
      counted();
    }
    if (state.stopped) break;
  }
  trap.Step([&] { ctx.entries.Flush(); });
  return state;
}

}  // namespace tallowmere::input
