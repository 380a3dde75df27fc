#include "input/DropFiles.h"

#include "input/AddFolder.h"

namespace {

// A file whose attribute set is exactly hidden + archive: a writable hidden
// file, the kind a program keeps for itself.
constexpr unsigned kHiddenWritableFile = fsys::kHidden | fsys::kArchive;

}  // namespace

void ReadDroppedPaths(std::vector<std::string> paths, const DropContext& ctx) {
  namespace L = drop_label;
  fsys::FileSystem& fs = ctx.fileSystem;
  FlushingErrorSink errors(ctx.entries, ctx.errors);
  Trap trap(errors, kDropLocation);
  ShowMessageFn showMessage = [&ctx](const std::string& text) {
    ctx.entries.Flush();
    if (ctx.showMessage) ctx.showMessage(text);
  };
  WalkContext walk{fs, errors, [&ctx] {
                     ctx.entries.Flush();
                     if (ctx.letEventsRun) ctx.letEventsRun();
                   }};

  for (const std::string& item : paths) {
    if (trap.Test(L::kFolderTest,
                  [&] { return fs.Exists(item) && (fs.Attributes(item) & fsys::kDirectory) != 0; })) {
      std::vector<std::string> folders;
      trap.Step(L::kNewFolderList, [&] { folders.push_back(item + "/"); });
      trap.Step(L::kWalk, [&] { GetSubDirectories2016(folders, true, walk); });
      for (const std::string& entry : folders) {
        std::string folder;
        trap.Step(L::kFolderPath, [&] { folder = entry.substr(0, entry.size() - 1); });
        std::vector<std::string> names;
        trap.Step(L::kListFiles, [&] { names = GetFilesInFolder(folder, "*.*", fs); });
        for (const std::string& name : names) {
          if (trap.Test(L::kTildeTest, [&] { return !name.empty() && name.front() == '~'; })) continue;
          std::string path;
          trap.Step(L::kComposePath, [&] { path = folder + "/" + name; });
          if (trap.Test(L::kFileTest, [&] {
                return !IsOpenableFile(path, fs) || fs.Attributes(path) == kHiddenWritableFile;
              }))
            continue;
          std::string tidied;
          trap.Step(L::kTidyPath, [&] { tidied = FixPathSlashes(path); });
          trap.Step(L::kReadGathered, [&] { LoadListFile(ctx.entries, tidied, showMessage); });
        }
      }
    } else {
      trap.Step(L::kReadDropped, [&] { LoadListFile(ctx.entries, item, showMessage); });
    }
  }
  trap.Step(L::kFinish, [&] { ctx.entries.Flush(); });
}
