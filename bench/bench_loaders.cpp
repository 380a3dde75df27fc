// Loader speed: a large list file read into the number list, a large folder
// tree dropped and read, and deep chains of folders walked. Goals: 10,000,000
// lines (about 84 MB) into the list in under 2 s; 10,000 folders holding
// 100,000 small list files walked and read in under 5 s; a chain of 10,000
// folders walked in under 2 s.
//
//   bench_loaders [LINES] [FOLDERS] [FILES_PER_FOLDER] [TREE]
//   bench_loaders --deep [LEVELS...]
//
// Files are generated in a scratch folder and removed afterwards; timings are
// with the files in the page cache (they were just written). With TREE the
// folder tree is made there once and kept, so it can be read again (for a
// profiler, or after dropping the caches). --deep times only the chains (by
// default 1,000 and 10,000 levels). The walk takes only paths shorter than
// system::kMaxPath, so it goes no further down a chain than that allows (about
// 2,000 levels of one-letter names); the rest of the chain is never visited.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "input/AddFolder.h"
#include "input/DropFiles.h"
#include "input/EntryStore.h"
#include "input/ListFile.h"
#include "input/NumberListModel.h"
#include "platform/EventPump.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;
using namespace tallowmere::input;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

long PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

class StoreSink final : public EntrySink {
 public:
  EntryStore store;
  void Append(std::string_view text) override { store.Append(text); }
};

class NullErrors final : public ErrorSink {
 public:
  int reports = 0;
  void ReportError(const std::string& d, std::string_view loc, int label) override {
    ++reports;
    std::fprintf(stderr, "report: %s %sat line %d\n", d.c_str(), std::string(loc).c_str(), label);
  }
};

// Integers and decimals with up to three places, signs mixed, LF ends: the
// shape of the analyser's comparison file.
void WriteListFile(const std::string& path, long lines) {
  std::ofstream out(path, std::ios::binary);
  std::string block;
  unsigned long long state = 20261208;
  char number[32];
  for (long i = 0; i < lines; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    unsigned r = static_cast<unsigned>(state >> 33);
    int n;
    if (i % 3 == 0)
      n = std::snprintf(number, sizeof number, "%d\n", static_cast<int>(r % 2000) - 1000);
    else
      n = std::snprintf(number, sizeof number, "%.3f\n", (r % 20000000) / 1000.0 - 10000.0);
    block.append(number, static_cast<std::size_t>(n));
    if (block.size() > (1 << 20)) {
      out << block;
      block.clear();
    }
  }
  out << block;
}

void ReportFile(const std::string& path, long lines) {
  const auto bytes = std::filesystem::file_size(path);
  std::printf("list file: %ld lines, %.1f MB\n", lines, bytes / 1e6);
  auto messages = [](const std::string& p, NotRead) { std::fprintf(stderr, "%s\n", FileNotFoundText(p).c_str()); };

  {
    StoreSink sink;
    auto t0 = Clock::now();
    LoadListFile(sink, path, {}, messages);
    auto t1 = Clock::now();
    std::printf("  LoadListFile into an entry store: %.3f s, %zu entries\n", Seconds(t1 - t0), sink.store.Size());
  }
  {
    NumberListModel model;
    auto t0 = Clock::now();
    LoadListFile(model, path, {}, messages);
    model.Flush();
    auto t1 = Clock::now();
    std::printf("  LoadListFile into the number list's model: %.3f s, %d rows\n", Seconds(t1 - t0), model.rowCount());
  }
  {
    // As in the window: a shown one-column list view over the model.
    NumberListModel model;
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->hide();
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(500, 120);
    view.show();
    QApplication::processEvents();
    auto t0 = Clock::now();
    LoadListFile(model, path, {}, messages);
    auto loaded = Clock::now();
    model.Flush();
    auto flushed = Clock::now();
    QApplication::processEvents();
    auto t1 = Clock::now();
    std::printf(
        "  LoadListFile into a shown list view: %.3f s, %d rows (reading %.3f s, rows to the view %.3f s, "
        "painting %.3f s)\n",
        Seconds(t1 - t0), model.rowCount(), Seconds(loaded - t0), Seconds(flushed - loaded), Seconds(t1 - flushed));
  }
  std::printf("  peak memory so far: %ld MB\n", PeakRssMb());
}

// User and system time of the process so far: on a shared machine it says
// more than the wall clock.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void MakeTree(const std::string& root, int folders, int filesPerFolder) {
  // A root with about sqrt(folders) sub-folders, each with the same number of
  // sub-folders again; every folder but the root holds the files.
  int perLevel = 1;
  while (perLevel + perLevel * perLevel < folders) ++perLevel;
  int made = 0, files = 0;
  auto fill = [&](const std::string& folder) {
    std::filesystem::create_directories(folder);
    ++made;
    for (int f = 0; f < filesPerFolder; ++f) {
      std::ofstream out(folder + "/list" + std::to_string(f) + ".txt", std::ios::binary);
      out << f << "\n" << made << ".5\r\n-" << f << "e1\nx\n";
      ++files;
    }
  };
  for (int a = 0; a < perLevel && made < folders; ++a) {
    std::string top = root + "/d" + std::to_string(a);
    fill(top);
    for (int b = 0; b < perLevel && made < folders; ++b) fill(top + "/e" + std::to_string(b));
  }
  std::printf("folder tree: %d folders, %d files\n", made, files);
}

void ReportTree(const std::string& root) {
  for (int withPump = 0; withPump < 2; ++withPump) {
    StoreSink sink;
    NullErrors errors;
    int eventCalls = 0;
    std::function<void()> pump = MakeEventPump();
    DropHost ctx{sink, errors,
                 [](const std::string& p, NotRead) { std::fprintf(stderr, "%s\n", FileNotFoundText(p).c_str()); },
                 withPump ? std::function<void()>([&] {
                   ++eventCalls;
                   pump();
                 })
                          : std::function<void()>([&] { ++eventCalls; })};
    auto t0 = Clock::now();
    ReadDroppedPaths({root}, ctx);
    auto t1 = Clock::now();
    std::printf("  drop of the tree (%s): %.3f s, %zu entries, %d event points, %d reports\n",
                withPump ? "events every 10 ms" : "no event loop", Seconds(t1 - t0), sink.store.Size(), eventCalls,
                errors.reports);
  }
}

// A chain of `levels` folders named "d" below `root`, each holding a list
// file "n.txt" of one number. Made through a handle of the level above, so
// the depth is not limited by the longest path the system takes.
void MakeChain(const std::string& root, int levels) {
  ::mkdir(root.c_str(), 0755);
  int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (int level = 0; level < levels && fd >= 0; ++level) {
    ::mkdirat(fd, "d", 0755);
    const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(fd);
    fd = next;
    const int file = ::openat(fd, "n.txt", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file >= 0) {
      constexpr std::string_view kNumber = "1\n";
      if (::write(file, kNumber.data(), kNumber.size()) < 0) std::perror("n.txt");
      ::close(file);
    }
  }
  if (fd >= 0) ::close(fd);
}

// Removes a chain made by MakeChain from the bottom up, climbing through "..",
// since paths to its lower levels are too long to name.
void RemoveChain(const std::string& root, int levels) {
  int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int depth = 0;
  for (; depth < levels && fd >= 0; ++depth) {
    const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (next < 0) break;
    ::close(fd);
    fd = next;
  }
  for (; depth > 0 && fd >= 0; --depth) {
    ::unlinkat(fd, "n.txt", 0);
    const int parent = ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(fd);
    fd = parent;
    if (fd >= 0) ::unlinkat(fd, "d", AT_REMOVEDIR);
  }
  if (fd >= 0) ::close(fd);
  std::filesystem::remove_all(root);
}

void ReportChain(const std::string& scratch, int levels) {
  const std::string root = scratch + "/chain";
  MakeChain(root, levels);
  std::printf("chain of %d folders below %s (%zu characters)\n", levels, root.c_str(), root.size());
  {
    NullErrors errors;
    int eventCalls = 0;
    WalkHost host{system::RealFileSystem(), errors, [&] { ++eventCalls; }};
    std::vector<std::string> folders = {root + "/d/"};
    const double cpu0 = CpuSeconds();
    auto t0 = Clock::now();
    GetSubDirectories2016(folders, true, host);
    auto t1 = Clock::now();
    std::printf("  walk: %.3f s (%.3f s CPU), %zu folders (the deepest %zu characters), %d event points, %d reports\n",
                Seconds(t1 - t0), CpuSeconds() - cpu0, folders.size(),
                folders.empty() ? std::size_t{0} : folders.back().size(), eventCalls, errors.reports);
  }
  {
    StoreSink sink;
    NullErrors errors;
    std::function<void()> pump = MakeEventPump();
    DropHost ctx{sink, errors,
                 [](const std::string& path, NotRead) { std::fprintf(stderr, "%s\n", FileNotFoundText(path).c_str()); },
                 pump};
    const double cpu0 = CpuSeconds();
    auto t0 = Clock::now();
    ReadDroppedPaths({root + "/d"}, ctx);
    auto t1 = Clock::now();
    std::printf("  drop (events every 10 ms): %.3f s (%.3f s CPU), %zu entries, %d reports\n", Seconds(t1 - t0),
                CpuSeconds() - cpu0, sink.store.Size(), errors.reports);
  }
  RemoveChain(root, levels);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::string scratch = (std::filesystem::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
  if (!mkdtemp(scratch.data())) return 1;

  if (argc > 1 && std::string_view(argv[1]) == "--deep") {
    std::vector<int> chains;
    for (int i = 2; i < argc; ++i) chains.push_back(std::atoi(argv[i]));
    if (chains.empty()) chains = {1'000, 10'000};
    for (int levels : chains) ReportChain(scratch, levels);
    std::filesystem::remove_all(scratch);
    return 0;
  }

  const long lines = argc > 1 ? std::atol(argv[1]) : 10'000'000;
  const int folders = argc > 2 ? std::atoi(argv[2]) : 10'000;
  const int filesPerFolder = argc > 3 ? std::atoi(argv[3]) : 10;

  const std::string file = scratch + "/numbers.txt";
  WriteListFile(file, lines);
  ReportFile(file, lines);
  std::filesystem::remove(file);

  std::string tree = argc > 4 ? argv[4] : scratch + "/tree";
  if (!std::filesystem::exists(tree)) MakeTree(tree, folders, filesPerFolder);
  ReportTree(tree);
  for (int levels : {1'000, 10'000}) ReportChain(scratch, levels);
  std::filesystem::remove_all(scratch);
  return 0;
}
