#include "input/AddFolder.h"

#include <fnmatch.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

namespace tallowmere::input {

namespace {

// Folders of the operating system's own (directory + hidden + system, with or
// without the reparse-point bit) are left alone unless they are a root.
constexpr unsigned kSystemFolder = system::kDirectory | system::kHidden | system::kSystem;
constexpr unsigned kSystemFolderLink = kSystemFolder | system::kReparsePoint;

bool IsSystemFolder(unsigned attributes) { return attributes == kSystemFolder || attributes == kSystemFolderLink; }

// What listing a level learnt about each of its folders that decides whether
// it is kept: keeping them then need not ask the file system again, which on
// a deep tree costs a walk down the whole path each time.
enum class Verdict : unsigned char {
  kAsk,        // not learnt (the folder was not opened): ask again
  kNotFolder,  // not a folder: left out
  kSystem,     // the system's own folder, not a root: left out
  kKeep,
};

// The attributes of a path that IsFolder accepts; none for any other.
std::optional<unsigned> FolderAttributes(const std::string& path, system::FileSystem& fs) noexcept {
  try {
    const unsigned attributes = fs.Attributes(path);
    if ((attributes & system::kDirectory) != 0) return attributes;
  } catch (...) {
  }
  return std::nullopt;
}

void RunPendingEvents(const WalkHost& ctx) {
  if (ctx.letEventsRun) ctx.letEventsRun();
}

bool Stopping(const WalkHost& ctx) { return ctx.shouldStop && ctx.shouldStop(); }

// A folder whose path is too long to be opened.
void TellLeftOut(const WalkHost& ctx, const std::string& folder) {
  if (ctx.folderUnlistable) ctx.folderUnlistable(folder, std::strerror(ENAMETOOLONG));
}

// Steps 118 to 136: the sub-folders of one folder, in listing order, onto
// `found`. The listing has handling of its own: a folder the user may not
// list, or one that has gone, is dropped without a report (the host may ask
// to be told), and the answer says why; any other failure is reported and
// the folder keeps what was found so far. `stopped` is set when the walk was
// asked to stop.
std::optional<std::string> ListSubFolders(const std::string& folder, std::vector<std::string>& found, bool& stopped,
                                          core::Trap& trap, const WalkHost& ctx) {
  std::optional<std::string> unlistable;
  std::vector<std::string> names;
  trap.Step(118, [&] {
    try {
      names = ctx.fileSystem.SubFolderNames(folder);
    } catch (const system::AccessDenied& e) {
      unlistable = e.what();
    } catch (const system::PathNotFound& e) {
      unlistable = e.what();
    }
  });
  for (const std::string& name : names) {
    trap.Step(120, [&] { RunPendingEvents(ctx); });
    if (Stopping(ctx)) {
      stopped = true;
      return unlistable;
    }
    std::string_view subName;
    trap.Step(122, [&] { subName = name; });
    // Any other name is an ordinary one here: "?", "*", control characters
    // and bytes that are not UTF-8 are all allowed in a folder's name.
    if (trap.Test(124, [&] { return subName.size() >= system::kMaxPath; })) {
      TellLeftOut(ctx, folder + name + '/');
      continue;
    }
    if (trap.Test(130, [&] { return subName == "." || subName == ".."; })) continue;
    std::string path;
    trap.Step(132, [&] {
      path = folder;
      path.append(subName);
      path += '/';
    });
    trap.Step(134, [&] { found.push_back(std::move(path)); });
    if (ctx.folderFound) ctx.folderFound();
  }  // 136
  return unlistable;
}

// Removes the first entry equal to `folder` from `level` (and what was learnt
// of it), with `i` the index of the folder at hand, moved so that the walk
// carries on with the folder after it.
void DropFromLevel(std::vector<std::string>& level, std::vector<Verdict>* verdicts, const std::string& folder,
                   std::size_t& i) {
  auto first = std::find(level.begin(), level.end(), folder);
  if (first == level.end()) return;
  auto index = static_cast<std::size_t>(first - level.begin());
  level.erase(first);
  if (verdicts) {
    verdicts->erase(verdicts->begin() + static_cast<std::ptrdiff_t>(index));
    // When an earlier duplicate went instead, what was learnt there no
    // longer belongs to the entry that stays.
    if (index < i) (*verdicts)[i - 1] = Verdict::kAsk;
  }
  // Whatever followed the removed entry moved up by one.
  if (index <= i) --i;
}

// Lists the sub-folders of each folder of one level, in order, onto `found`,
// and removes from `level` the folders that could not be listed. With
// `verdicts`, notes for each folder left in `level` whether it is to be kept.
// False when the walk was asked to stop.
bool ListLevel(std::vector<std::string>& level, std::vector<std::string>& found, std::vector<Verdict>* verdicts,
               core::Trap& trap, const WalkHost& ctx) {
  system::FileSystem& fs = ctx.fileSystem;
  if (verdicts) verdicts->assign(level.size(), Verdict::kAsk);
  auto decide = [&](std::size_t i, Verdict verdict) {
    if (verdicts) (*verdicts)[i] = verdict;
  };
  for (std::size_t i = 0; i < level.size(); ++i) {
    if (Stopping(ctx)) return false;
    // A copy: the list may lose this very entry below.
    std::string folder;
    trap.Step(106, [&] { folder = level[i]; });
    // The folder test reads the attributes that opening the folder needs: on
    // a deep tree every read walks the whole path.
    std::optional<unsigned> attributes;
    if (trap.Test(108, [&] {
          attributes = FolderAttributes(folder, fs);
          return !attributes;
        })) {
      // A path too long to be opened reads as no folder, but one it is.
      if (folder.size() >= system::kMaxPath) TellLeftOut(ctx, folder);
      decide(i, Verdict::kNotFolder);
      continue;
    }
    if (trap.Test(110, [&] { return folder.size() >= system::kMaxPath; })) {
      // Kept, but nothing below it can be reached: said, not passed over.
      TellLeftOut(ctx, folder);
      continue;
    }

    // Opening the folder (112) takes only the attributes its test read.
    trap.Step(114, [&] { RunPendingEvents(ctx); });
    if (Stopping(ctx)) return false;
    // Whether it is a root matters only for a system folder (and asking
    // never fails), so only such a folder is asked.
    if (trap.Test(116, [&] { return IsSystemFolder(*attributes) && !fs.IsRoot(folder); })) {
      decide(i, Verdict::kSystem);
      continue;
    }
    decide(i, Verdict::kKeep);

    bool stopped = false;
    const std::optional<std::string> unlistable = ListSubFolders(folder, found, stopped, trap, ctx);
    if (stopped) return false;
    if (trap.Test(138, [&] { return unlistable.has_value(); })) {
      trap.Step(140, [&] { DropFromLevel(level, verdicts, folder, i); });
      if (unlistable && ctx.folderUnlistable) ctx.folderUnlistable(folder, *unlistable);
    }
  }  // 148
  return !Stopping(ctx);
}

// Appends to `folders` the found sub-folders that are still folders and are
// not the system's own (unless a root), asking the file system only where
// `verdicts` does not tell. False when the walk was asked to stop.
bool KeepFound(std::vector<std::string>& found, const std::vector<Verdict>& verdicts, std::vector<std::string>& folders,
               core::Trap& trap, const WalkHost& ctx) {
  system::FileSystem& fs = ctx.fileSystem;
  for (std::size_t i = 0; i < found.size(); ++i) {  // 152
    std::string& sub = found[i];
    const Verdict verdict = i < verdicts.size() ? verdicts[i] : Verdict::kAsk;
    if (verdict == Verdict::kNotFolder) continue;
    if (verdict == Verdict::kAsk && !trap.Test(154, [&] { return IsFolder(sub, fs); })) {
      if (sub.size() >= system::kMaxPath) TellLeftOut(ctx, sub);
      continue;
    }
    trap.Step(156, [&] { RunPendingEvents(ctx); });
    if (Stopping(ctx)) return false;
    const bool keep = verdict == Verdict::kAsk
                          ? trap.Test(158, [&] { return fs.IsRoot(sub) || !IsSystemFolder(fs.Attributes(sub)); })
                          : verdict == Verdict::kKeep;
    if (keep) trap.Step(160, [&] { folders.push_back(std::move(sub)); });
  }
  return true;
}

}  // namespace

bool IsFolder(const std::string& path, system::FileSystem& fs) noexcept {
  return FolderAttributes(path, fs).has_value();
}

bool IsOpenableFile(const std::string& path, system::FileSystem& fs) noexcept {
  try {
    return fs.IsRegularFile(path);
  } catch (...) {
    return false;
  }
}

std::vector<std::string> GetFilesInFolder(const std::string& folder, std::string_view pattern, system::FileSystem& fs) {
  std::vector<std::string> listed;
  try {
    listed = fs.FileNames(folder);
  } catch (const system::AccessDenied&) {
    return {};
  } catch (const system::PathNotFound&) {
    return {};
  }
  const bool everything = pattern == "*.*" || pattern == "*";
  const std::string wildcard(pattern);
  std::vector<std::string> names;
  for (std::string& name : listed) {
    if (!everything && ::fnmatch(wildcard.c_str(), name.c_str(), 0) != 0) continue;
    if (!IsOpenableFile(folder + "/" + name, fs)) continue;
    names.push_back(std::move(name));
  }
  return names;
}

void GetSubDirectories2016(std::vector<std::string>& folders, bool recurse, const WalkHost& ctx) {
  core::Trap trap(ctx.errors, kFolderWalkLocation);  // 100..104
  std::vector<std::string> found;
  if (!ListLevel(folders, found, nullptr, trap, ctx)) return;
  if (!recurse) {
    KeepFound(found, {}, folders, trap, ctx);
    return;
  }
  // One level after the other in a loop, not a call per level: the depth of
  // a tree costs no stack, and each folder is checked once, when its level is
  // listed, not again at every level above it. The order is the same: the
  // given folders, then each level in the order of its parents. A failure
  // that escapes the listing of a level (from one of the host's callbacks)
  // is reported at 150, on a trap of its own so that the label is not that of
  // the step it escaped from; nothing below that level is listed then.
  core::Trap below(ctx.errors, kFolderWalkLocation);
  std::vector<std::string> level;
  std::vector<Verdict> verdicts;
  while (!found.empty()) {
    level.swap(found);
    found.clear();
    bool stopped = false;
    trap.Step(150, [&] {
      try {
        stopped = !ListLevel(level, found, &verdicts, below, ctx);
      } catch (...) {
        found.clear();
        throw;
      }
    });
    if (stopped) return;
    if (!KeepFound(level, verdicts, folders, below, ctx)) return;
  }
}

}  // namespace tallowmere::input
