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

namespace {

// One drop, from its first item to its last.
class DropReading {
 public:
  explicit DropReading(const DropHost& ctx);
  DropState Run(const std::vector<std::string>& paths);

 private:
  ShowNotReadFn ShowNotRead();
  ReadFileFn ReadFile() const;
  void LetEventsRun() const;
  // Between two files or two folders: a stop the user asked for while events
  // ran is seen before anything more is read.
  bool Pause();
  void ReadFolder(const std::string& item);
  // The folders of a dropped folder's tree, the dropped one first; empty
  // when the walk was stopped.
  std::vector<std::string> CollectFolders(const std::string& item);
  // Adds the qualifying files of `entry` (a folder with its trailing '/') to
  // `files`; false when the drop was stopped.
  bool CollectFiles(const std::string& entry, std::vector<std::string>& files);

  const DropHost& ctx_;
  system::FileSystem& fs_;
  FlushingErrorSink errors_;
  core::Trap trap_;
  FileReading reading_;
  WalkHost walk_;
};

DropReading::DropReading(const DropHost& ctx)
    : ctx_(ctx),
      fs_(ctx.fileSystem),
      errors_(ctx.entries, ctx.errors),
      trap_(errors_, kDropLocation),
      reading_({ReadFile(), ShowNotRead(), [this] { LetEventsRun(); }, ctx.shouldStop, ctx.progress}),
      walk_{fs_, errors_, [this] { LetEventsRun(); },
            [this] {
              ++reading_.State().folders;
              reading_.Tell();
            },
            [this] { return reading_.AskedToStop(); }} {
  if (ctx_.folderUnreadable) {
    walk_.folderUnlistable = [&ctx = ctx_](const std::string& folder, const std::string& reason) {
      ctx.entries.Flush();
      ctx.folderUnreadable(folder.substr(0, folder.size() - 1), reason);
    };
  }
}

ShowNotReadFn DropReading::ShowNotRead() {
  return [&ctx = ctx_](const std::string& path, NotRead why) {
    ctx.entries.Flush();
    if (ctx.showNotRead) ctx.showNotRead(path, why);
  };
}

ReadFileFn DropReading::ReadFile() const {
  if (ctx_.readFile) return ctx_.readFile;
  return [&ctx = ctx_](const std::string& path, const ShowNotReadFn& showNotRead,
                       const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
    return LoadListFile(ctx.entries, path, ctx.separators, showNotRead, letEventsRun, shouldStop);
  };
}

void DropReading::LetEventsRun() const {
  ctx_.entries.Flush();
  if (ctx_.letEventsRun) ctx_.letEventsRun();
}

bool DropReading::Pause() {
  LetEventsRun();
  return reading_.AskedToStop();
}

std::vector<std::string> DropReading::CollectFolders(const std::string& item) {
  DropState& state = reading_.State();
  state.phase = DropPhase::kCollectingFolders;
  std::vector<std::string> folders;
  trap_.Step([&] { folders.push_back(item + "/"); });
  const std::size_t before = state.folders;
  ++state.folders;
  reading_.Tell();
  trap_.Step([&] { GetSubDirectories2016(folders, true, walk_); });
  if (state.stopped) return {};
  // What the walk kept: folders it could not list, or left alone, are gone.
  state.folders = before + folders.size();
  state.phase = DropPhase::kCollectingFiles;
  reading_.Tell();
  return folders;
}

bool DropReading::CollectFiles(const std::string& entry, std::vector<std::string>& files) {
  if (Pause()) return false;
  std::string folder;
  trap_.Step([&] { folder = entry.substr(0, entry.size() - 1); });
  std::vector<std::string> names;
  trap_.Step([&] { names = GetFilesInFolder(folder, "*.*", fs_); });
  for (const std::string& name : names) {
    if (Pause()) return false;
    if (trap_.Test([&] { return !name.empty() && name.front() == '~'; })) continue;
    std::string path;
    trap_.Step([&] { path = folder + "/" + name; });
    if (trap_.Test([&] { return !IsOpenableFile(path, fs_) || fs_.Attributes(path) == kHiddenWritableFile; })) continue;
    std::string tidied;
    trap_.Step([&] { tidied = FixPathSlashes(path); });
    files.push_back(std::move(tidied));
    ++reading_.State().filesFound;
    reading_.Tell();
  }
  return true;
}

// The files of a dropped folder are collected before any is read, so the
// reading can say how many there are; the listing and the file tests are the
// same as when each folder was listed right before its files were read.
void DropReading::ReadFolder(const std::string& item) {
  const std::vector<std::string> folders = CollectFolders(item);
  if (reading_.State().stopped) return;
  std::vector<std::string> files;
  for (const std::string& entry : folders)
    if (!CollectFiles(entry, files)) return;
  reading_.State().phase = DropPhase::kReadingFiles;
  reading_.Tell();
  reading_.ReadInTurn(
      files.size(), [this] { return Pause(); }, [&](std::size_t k) { trap_.Step([&] { reading_.Read(files[k]); }); });
}

DropState DropReading::Run(const std::vector<std::string>& paths) {
  DropState& state = reading_.State();
  // Events run between items, never before the first nor after the last: a
  // drop that read everything cannot end up stopped.
  for (const std::string& item : paths) {
    if (&item != &paths.front() && Pause()) break;
    if (trap_.Test([&] { return fs_.Exists(item) && (fs_.Attributes(item) & system::kDirectory) != 0; })) {
      ReadFolder(item);
    } else {
      state.phase = DropPhase::kReadingFiles;
      ++state.filesFound;
      reading_.Tell();
      reading_.ReadInTurn(
          1, [] { return false; }, [&](std::size_t) { trap_.Step([&] { reading_.Read(item); }); });
    }
    if (state.stopped) break;
  }
  trap_.Step([&] { ctx_.entries.Flush(); });
  return state;
}

}  // namespace

DropState ReadDroppedPaths(std::vector<std::string> paths, const DropHost& ctx) { return DropReading(ctx).Run(paths); }

}  // namespace tallowmere::input
