#include "input/AddFolder.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

// Folders of the operating system's own (directory + hidden + system, with or
// without the reparse-point bit) are left alone unless they are a root.
constexpr unsigned kSystemFolder = fsys::kDirectory | fsys::kHidden | fsys::kSystem;
constexpr unsigned kSystemFolderLink = kSystemFolder | fsys::kReparsePoint;

bool IsSystemFolder(unsigned attributes) { return attributes == kSystemFolder || attributes == kSystemFolderLink; }

struct OpenedFolder {
  unsigned attributes;
  bool isRoot;
};

void RunPendingEvents(const WalkHost& ctx) {
  if (ctx.letEventsRun) ctx.letEventsRun();
}

bool Stopping(const WalkHost& ctx) { return ctx.shouldStop && ctx.shouldStop(); }

}  // namespace

bool IsFolder(const std::string& path, fsys::FileSystem& fs) noexcept {
  try {
    return (fs.Attributes(path) & fsys::kDirectory) != 0;
  } catch (...) {
    return false;
  }
}

bool IsOpenableFile(const std::string& path, fsys::FileSystem& fs) noexcept {
  try {
    return fs.IsRegularFile(path);
  } catch (...) {
    return false;
  }
}

bool HasOddCharacters(std::string_view name) noexcept {
  std::size_t i = 0;
  while (i < name.size()) {
    auto lead = static_cast<unsigned char>(name[i]);
    if (lead < 0x80) {
      if (lead < 32 || lead == 127 || lead == '?') return true;
      ++i;
      continue;
    }
    std::size_t length;
    std::uint32_t code;
    std::uint32_t smallest;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
      return true;  // a continuation byte without a lead, or no lead at all
    }
    if (i + length > name.size()) return true;
    for (std::size_t k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(name[i + k]);
      if ((next & 0xC0) != 0x80) return true;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not
    // valid UTF-8; 128..159 are the C1 control characters.
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return true;
    if (code <= 0x9F) return true;
    i += length;
  }
  return false;
}

std::vector<std::string> GetFilesInFolder(const std::string& folder, std::string_view pattern, fsys::FileSystem& fs) {
  std::vector<std::string> listed;
  try {
    listed = fs.FileNames(folder);
  } catch (const fsys::AccessDenied&) {
    return {};
  } catch (const fsys::PathNotFound&) {
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
  Trap trap(ctx.errors, kFolderWalkLocation);
  fsys::FileSystem& fs = ctx.fileSystem;  // 100..104
  std::vector<std::string> found;

  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (Stopping(ctx)) return;
    // A copy: the given list may lose this very entry below.
    std::string folder;
    trap.Step(106, [&] { folder = folders[i]; });
    if (trap.Test(108, [&] { return !IsFolder(folder, fs); })) continue;
    if (trap.Test(110, [&] { return folder.size() >= fsys::kMaxPath; })) continue;

    // A folder that vanished or became unreadable since it was found is
    // treated like one whose sub-folders cannot be listed (below).
    std::optional<OpenedFolder> opened;
    bool unlistable = false;
    trap.Step(112, [&] {
      try {
        opened = OpenedFolder{fs.Attributes(folder), fs.IsRoot(folder)};
      } catch (const fsys::AccessDenied&) {
        unlistable = true;
      } catch (const fsys::PathNotFound&) {
        unlistable = true;
      }
    });

    if (opened) {
      trap.Step(114, [&] { RunPendingEvents(ctx); });
      if (Stopping(ctx)) return;
      if (trap.Test(116, [&] { return !opened->isRoot && IsSystemFolder(opened->attributes); })) continue;

      // The listing has handling of its own: a folder the user may not list,
      // or one that has gone, is dropped silently; any other failure is
      // reported and the folder keeps what was found so far.
      std::vector<std::string> names;
      trap.Step(118, [&] {
        try {
          names = fs.SubFolderNames(folder);
        } catch (const fsys::AccessDenied&) {
          unlistable = true;
        } catch (const fsys::PathNotFound&) {
          unlistable = true;
        }
      });
      for (const std::string& name : names) {
        trap.Step(120, [&] { RunPendingEvents(ctx); });
        if (Stopping(ctx)) return;
        std::string_view subName;
        trap.Step(122, [&] { subName = name; });
        if (trap.Test(124, [&] { return subName.size() >= fsys::kMaxPath; })) continue;
        if (trap.Test(126, [&] { return HasOddCharacters(subName); })) continue;
        if (trap.Test(128, [&] { return subName.find('?') != std::string_view::npos; })) continue;
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
    } else if (!unlistable) {
      continue;  // opening failed for another reason, reported at 112
    }

    if (trap.Test(138, [&] { return unlistable; })) {
      trap.Step(140, [&] {
        auto first = std::find(folders.begin(), folders.end(), folder);
        if (first == folders.end()) return;
        auto index = static_cast<std::size_t>(first - folders.begin());
        folders.erase(first);
        // Whatever followed the removed entry moved up by one: carry on with
        // the folder after the current one.
        if (index <= i) --i;
      });
    }
  }  // 148

  if (recurse && !found.empty()) trap.Step(150, [&] { GetSubDirectories2016(found, true, ctx); });
  if (Stopping(ctx)) return;

  for (const std::string& sub : found) {  // 152
    if (!trap.Test(154, [&] { return IsFolder(sub, fs); })) continue;
    trap.Step(156, [&] { RunPendingEvents(ctx); });
    if (Stopping(ctx)) return;
    if (trap.Test(158, [&] { return fs.IsRoot(sub) || !IsSystemFolder(fs.Attributes(sub)); }))
      trap.Step(160, [&] { folders.push_back(sub); });
  }
}
