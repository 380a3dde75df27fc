// List files: line ends, the number test on untrimmed candidates, what is
// not a readable list file, a file that changes while it is read, and bounded
// memory on enormous lines and files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "input/ListFile.h"
#include "input/ReadTally.h"
#include "numtext/NumberText.h"
#include "tests/support/LoaderTestKit.h"
#include "tests/support/ProcessMemory.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

// The largest single allocation since the last reset: a reader that held an
// enormous line whole would need one allocation as large as the line.
namespace {
std::atomic<std::size_t> g_largestAllocation{0};
}

void* operator new(std::size_t size) {
  std::size_t seen = g_largestAllocation.load(std::memory_order_relaxed);
  while (size > seen && !g_largestAllocation.compare_exchange_weak(seen, size)) {
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using loadertest::MixedListText;
using loadertest::NoticeText;
using loadertest::PlainSplit;
using loadertest::RecordingEntrySink;
using loadertest::TempTree;
using Entries = std::vector<std::string>;

// Reads a path the way the loaders do; returns the entries, then the
// messages shown, for one comparison.
struct Loaded {
  Entries entries;
  std::vector<std::string> messages;
};

Loaded Load(const std::string& path) {
  RecordingEntrySink sink;
  Loaded out;
  LoadListFile(sink, path, {}, [&](const std::string& p, NotRead why) { out.messages.push_back(NoticeText(p, why)); });
  out.entries = sink.entries;
  return out;
}

TEST(LoadListFile, ReadsEveryKindOfLineEndAlike) {
  TempTree tree;
  for (const char* text : {"4\r\n-1.5\r\n\r\n1E2\r\n", "4\n-1.5\n\n1E2\n", "4\r-1.5\r\r1E2\r"}) {
    Loaded got = Load(tree.File("list.txt", text));
    EXPECT_EQ(got.entries, (Entries{"4", "-1.5", "1E2"})) << text;
    EXPECT_TRUE(got.messages.empty());
  }
}

TEST(LoadListFile, EmptyOrNumberlessFileAddsNothingSilently) {
  TempTree tree;
  for (const char* text : {"", "\n\n", "abc\r\nx y z\r\n"}) {
    Loaded got = Load(tree.File("list.txt", text));
    EXPECT_TRUE(got.entries.empty()) << text;
    EXPECT_TRUE(got.messages.empty()) << text;
  }
}

TEST(LoadListFile, WhatIsNotARegularFileIsNotFound) {
  TempTree tree;
  const std::string deleted = tree.File("deleted.txt", "1\n");
  ::unlink(deleted.c_str());
  // A FIFO would block the reader forever and /dev/zero would never end:
  // neither may even be opened for reading.
  const std::vector<std::pair<std::string, NotRead>> paths = {
      {tree.Path("missing.txt"), NotRead::kMissing},
      {deleted, NotRead::kMissing},
      {tree.Root(), NotRead::kNotRegularFile},
      {tree.Fifo("pipe"), NotRead::kNotRegularFile},
      {tree.Link("dangling", tree.Path("x")), NotRead::kMissing},
      {"/dev/null", NotRead::kNotRegularFile},
      {"/dev/zero", NotRead::kNotRegularFile},
      {"", NotRead::kMissing},
  };
  for (const auto& [path, why] : paths) {
    Loaded got = Load(path);
    EXPECT_TRUE(got.entries.empty()) << path;
    EXPECT_EQ(got.messages, std::vector<std::string>{NoticeText(path, why)}) << path;
  }
  // What the window shows: "File not found", then the path on a line of its own.
  EXPECT_EQ(FileNotFoundText("/data/gone.txt"), "File not found\n/data/gone.txt");
}

TEST(LoadListFile, FollowsALinkToAFile) {
  TempTree tree;
  const std::string file = tree.File("a.txt", "8\n9\n");
  EXPECT_EQ(Load(tree.Link("link.txt", file)).entries, (Entries{"8", "9"}));
}

TEST(LoadListFile, AFileTheUserMayNotReadThrows) {
  TempTree tree;
  const std::string file = tree.File("secret.txt", "1\n");
  ::chmod(file.c_str(), 0000);
  const std::string answer = loadertest::RunUnprivileged([&] {
    RecordingEntrySink sink;
    std::string messages;
    try {
      LoadListFile(sink, file, {}, [&](const std::string& path, NotRead) { messages += path; });
    } catch (const std::exception& e) {
      return std::string("threw: ") + e.what();
    }
    return "no failure; entries " + std::to_string(sink.entries.size()) + "; messages " + messages;
  });
  EXPECT_EQ(answer, "threw: " + file + ": Permission denied");
}

TEST(ReadListDescriptor, AFailingReadThrows) {
  TempTree tree;
  // Reading a folder's descriptor fails on the first read.
  int fd = ::open(tree.Root().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  RecordingEntrySink sink;
  EXPECT_THROW(ReadListDescriptor(sink, fd, {}), std::runtime_error);
  ::close(fd);
}

TEST(ReadListDescriptor, ReadsAPipeToItsEnd) {
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  const std::string text = "1\r\n2\n\nthree\r4";
  ASSERT_EQ(::write(channel[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(channel[1]);
  RecordingEntrySink sink;
  ReadListDescriptor(sink, channel[0], {});
  ::close(channel[0]);
  EXPECT_EQ(sink.entries, (Entries{"1", "2", "4"}));
}

TEST(LoadListFile, JoinsCandidatesAcrossReadBlocks) {
  TempTree tree;
  // Numbers placed so that some straddle each 1 MiB block boundary.
  std::string text;
  Entries expected;
  for (long long i = 0; text.size() < 3 * kReadBlockBytes + 100; ++i) {
    std::string number = std::to_string(i * 7919 % 1000003);
    text += number;
    text += (i % 3 == 0) ? "\r\n" : (i % 3 == 1) ? "\n" : "\r";
    expected.push_back(number);
  }
  Loaded got = Load(tree.File("big.txt", text));
  EXPECT_EQ(got.entries.size(), expected.size());
  EXPECT_TRUE(got.entries == expected);
}

TEST(LoadListFile, AnEnormousLineIsSkippedInBoundedMemory) {
  TempTree tree;
  // 50 MB of digits on one line, then two ordinary lines.
  const std::string path = tree.Path("one-line.txt");
  {
    std::ofstream out(path, std::ios::binary);
    const std::string chunk(1 << 20, '1');
    out << "3\n";
    for (int i = 0; i < 50; ++i) out << chunk;
    out << "\n42\n";
  }
  g_largestAllocation = 0;
  Loaded got = Load(path);
  EXPECT_EQ(got.entries, (Entries{"3", "42"}));
  EXPECT_LE(g_largestAllocation.load(), kReadBlockBytes + 64 * 1024);
}

TEST(LoadListFile, ABinaryFileYieldsOnlyItsNumberLinesInBoundedMemory) {
  TempTree tree;
  // Every byte value in a scrambled order, 8 MB of it, with numbers embedded
  // on lines of their own; then the same with every other byte NUL, as a
  // binary of 16-bit values has them, which must not pass for UTF-16.
  for (const bool nulEveryOther : {false, true}) {
    SCOPED_TRACE(nulEveryOther ? "every other byte NUL" : "scrambled bytes");
    std::string text;
    unsigned state = 12345;
    while (text.size() < (8u << 20)) {
      state = state * 1103515245u + 12345u;
      char c = static_cast<char>(state >> 16);
      if (c == '\n' || c == '\r') c = 'x';  // keep the junk in long lines
      text += c;
      if (nulEveryOther) text += '\0';
      if (text.size() % (1 << 20) == 0) text += "\n17\n";
    }
    g_largestAllocation = 0;
    Loaded got = Load(tree.File("binary.bin", text));
    EXPECT_EQ(got.entries, Entries(8, "17"));
    EXPECT_LE(g_largestAllocation.load(), kReadBlockBytes + 64 * 1024);
  }
}

// A list file of lines "N\n" (N = 0, 7, 14, ...), at least `size` bytes long;
// `lines` gets the numbers.
std::string NumberedLines(std::size_t size, Entries& lines) {
  std::string text;
  for (std::size_t i = 0; text.size() < size; ++i) {
    lines.push_back(std::to_string(i * 7));
    text += lines.back() + "\n";
  }
  return text;
}

TEST(LoadListFile, LetsEventsRunAndAsksToStopBetweenBlocksWhateverSizeTheFileReports) {
  TempTree tree;
  Entries lines;
  const std::string three = tree.File("three.txt", NumberedLines(3 * kReadBlockBytes - 100, lines));
  const std::string small = tree.File("small.txt", "1\n2\n");
  struct Case {
    const char* name;
    std::string path;
    int stopAtRun;  // 0: never
    int runs;
    bool whole;
    bool allEntries;
  };
  const std::vector<Case> cases = {
      {"one block: none", small, 1, 0, true, true},
      {"three blocks: before the second and the third", three, 0, 2, true, true},
      {"three blocks, stopped at the first run", three, 1, 1, false, false},
      // It reports 0 bytes and reads without end: only a stop ends it.
      {"a file of /proc that never ends", "/proc/self/pagemap", 3, 3, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingEntrySink sink;
    std::vector<std::string> messages;
    int runs = 0;
    const bool whole = LoadListFile(
        sink, c.path, {}, [&](const std::string& p, NotRead) { messages.push_back(p); }, [&] { ++runs; },
        [&] { return c.stopAtRun > 0 && runs >= c.stopAtRun; });
    EXPECT_EQ(whole, c.whole);
    EXPECT_EQ(runs, c.runs);
    EXPECT_TRUE(messages.empty());
    if (c.allEntries) {
      EXPECT_EQ(sink.entries, c.path == small ? Entries({"1", "2"}) : lines);
    } else if (c.path == three) {
      // The whole lines read before the stop, and not the one it cut.
      ASSERT_FALSE(sink.entries.empty());
      ASSERT_LT(sink.entries.size(), lines.size());
      EXPECT_EQ(sink.entries, Entries(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(sink.entries.size())));
    } else {
      EXPECT_TRUE(sink.entries.empty());  // NUL bytes: no number
    }
  }
}

// A text held in memory (a paste's) reads as the same bytes in a file do,
// decoded alike, and stops and tells its progress between its blocks.
TEST(ReadHeldText, ReadsAsTheSameBytesInAFileDoAndStopsBetweenBlocks) {
  TempTree tree;
  Entries lines;
  const std::string three = NumberedLines(3 * kReadBlockBytes - 100, lines);
  struct Case {
    const char* name;
    std::string text;
    int stopAtRun;  // 0: never
    std::vector<std::size_t> progress;
    bool whole;
  };
  const std::vector<Case> cases = {
      {"nothing", "", 0, {}, true},
      {"one block, mixed line ends, no last line end", "1\n2\r\n3\r4", 0, {}, true},
      {"a UTF-8 mark",
       "\xEF\xBB\xBF"
       "61.5\n70\n",
       0,
       {},
       true},
      {"UTF-16 with a mark",
       std::string("\xFF\xFE"
                   "6\0"
                   "1\0"
                   "\n\0"
                   "7\0",
                   10),
       0,
       {},
       true},
      {"three blocks: between each", three, 0, {kReadBlockBytes, 2 * kReadBlockBytes}, true},
      {"three blocks, stopped at the first run", three, 1, {kReadBlockBytes}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingEntrySink fromFile;
    ListTextReader fileLines(fromFile, {});
    ASSERT_TRUE(LoadFileText(fromFile, fileLines, tree.File("twin.txt", c.text), {}));
    RecordingEntrySink held;
    ListTextReader heldLines(held, {});
    int runs = 0;
    std::vector<std::size_t> progress;
    const bool whole = ReadHeldText(
        held, heldLines, c.text, [&] { ++runs; }, [&] { return c.stopAtRun > 0 && runs >= c.stopAtRun; },
        [&](std::size_t read) { progress.push_back(read); });
    EXPECT_EQ(whole, c.whole);
    EXPECT_EQ(progress, c.progress);
    if (c.whole) {
      EXPECT_EQ(held.entries, fromFile.entries);
    } else {
      // The whole lines read before the stop, and not the one it cut.
      ASSERT_FALSE(held.entries.empty());
      ASSERT_LT(held.entries.size(), fromFile.entries.size());
      EXPECT_EQ(held.entries, Entries(fromFile.entries.begin(),
                                      fromFile.entries.begin() + static_cast<std::ptrdiff_t>(held.entries.size())));
    }
  }
}

TEST(LoadListFile, AFileThatChangesWhileItIsReadFailsNamingItAndKeepsTheLinesReadBefore) {
  TempTree tree;
  Entries lines;
  const std::string text = NumberedLines(3 * kReadBlockBytes - 100, lines);
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> change;  // between the first and the second block
    bool changed;
  };
  const std::vector<Case> cases = {
      {"left alone", [](const std::string&) {}, false},
      {"cut to nothing", [](const std::string& path) { ::truncate(path.c_str(), 0); }, true},
      {"cut in the middle", [&](const std::string& path) { ::truncate(path.c_str(), 3 * kReadBlockBytes / 2); }, true},
      {"grown", [](const std::string& path) { std::ofstream(path, std::ios::app) << "5\n6\n"; }, true},
      {"written over in place, same size",
       [&](const std::string& path) {
         const int fd = ::open(path.c_str(), O_WRONLY);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::pwrite(fd, "9", 1, static_cast<off_t>(text.size() - 3)), 1);
         ::close(fd);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = tree.File("changing.txt", text);
    // Back-dated, so that any write gives it another modification time
    // however coarse the file system's clock.
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    RecordingEntrySink sink;
    int runs = 0;
    std::string failure;
    try {
      LoadListFile(sink, path, {}, nullptr, [&] {
        if (runs++ == 0) c.change(path);
      });
    } catch (const system::FileChanged& e) {
      failure = e.what();
    }
    EXPECT_EQ(failure, c.changed ? path + ": The file changed while it was read" : "");
    if (!c.changed) {
      EXPECT_EQ(sink.entries, lines);
      continue;
    }
    // What was read before the change stays: whole lines from the start.
    ASSERT_LE(sink.entries.size(), lines.size() + 2);
    ASSERT_GE(sink.entries.size(), lines.size() / 3);
    const std::size_t same = std::min(sink.entries.size(), lines.size() - 1);
    EXPECT_EQ(Entries(sink.entries.begin(), sink.entries.begin() + static_cast<std::ptrdiff_t>(same / 2)),
              Entries(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(same / 2)));
  }
}

TEST(FileWatch, TellsAChangeBySizeTimeOrAReadingCutShort) {
  TempTree tree;
  const std::string path = tree.File("w.txt", "12345\n");
  struct Case {
    const char* name;
    std::string path;
    std::function<void(const std::string&)> change;
    std::uint64_t bytesRead;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"read whole", path, [](const std::string&) {}, 6, false},
      {"the reading ended before the size first reported", path, [](const std::string&) {}, 3, true},
      {"cut, and read to its new end", path, [](const std::string& p) { ::truncate(p.c_str(), 2); }, 2, true},
      {"grown", path, [](const std::string& p) { std::ofstream(p, std::ios::app) << "7\n"; }, 8, true},
      {"touched", path,
       [](const std::string& p) {
         const struct timespec later[2] = {{2000000000, 0}, {2000000000, 0}};
         ::utimensat(AT_FDCWD, p.c_str(), later, 0);
       },
       6, true},
      // It reports 0 bytes whatever it holds.
      {"a file of /proc", "/proc/self/status", [](const std::string&) {}, 900, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.path == path) {
      tree.File("w.txt", "12345\n");
      const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
      ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    }
    const int fd = ::open(c.path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const system::FileWatch watch(fd, c.path);
    c.change(c.path);
    if (c.changed)
      EXPECT_THROW(watch.CheckUnchanged(c.bytesRead), system::FileChanged);
    else
      EXPECT_NO_THROW(watch.CheckUnchanged(c.bytesRead));
    ::close(fd);
  }
  // A pipe is never called changed.
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  const system::FileWatch pipeWatch(channel[0], "pipe");
  EXPECT_FALSE(pipeWatch.IsRegularFile());
  EXPECT_NO_THROW(pipeWatch.CheckUnchanged(0));
  ::close(channel[0]);
  ::close(channel[1]);
}

// Fails at the n-th append, as a full number list does.
class FailingSink : public RecordingEntrySink {
 public:
  explicit FailingSink(std::size_t failAt) : failAt_(failAt) {}
  void Append(std::string_view text) override {
    if (entries.size() + 1 == failAt_) throw std::length_error("Out of memory");
    RecordingEntrySink::Append(text);
  }

 private:
  std::size_t failAt_;
};

TEST(LoadListFile, AFailedAppendStopsTheReadingThere) {
  loadertest::TempTree tree;
  const std::string text = MixedListText(300'000, 4);
  const Entries all = PlainSplit(text);
  const std::string path = tree.File("list.txt", text);
  // Early in a block, late in a block, and in a later block.
  for (std::size_t failAt : {std::size_t{3}, all.size() / 3, all.size() - 2}) {
    FailingSink sink(failAt);
    EXPECT_THROW(LoadListFile(sink, path, {}, nullptr), std::length_error) << failAt;
    EXPECT_TRUE(sink.entries == Entries(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(failAt - 1))) << failAt;
  }
}

// UTF-16 code units as bytes in either order; a unit above 0xFFFF in the
// literal is already a surrogate pair, and a lone surrogate can be written
// as a unit of its own.
std::string Utf16Bytes(std::u16string_view units, bool littleEndian) {
  std::string out;
  for (char16_t u : units) {
    const char low = static_cast<char>(u & 0xFF), high = static_cast<char>(u >> 8);
    out += littleEndian ? low : high;
    out += littleEndian ? high : low;
  }
  return out;
}

using memtest::ResetPeakRss;
using memtest::StatusKb;

// Counts entries and keeps the first and last, so the sink itself stays small.
class CountingSink : public EntrySink {
 public:
  std::size_t count = 0;
  std::string first, last;
  void Append(std::string_view text) override {
    if (count++ == 0) first = text;
    last = text;
  }
};

TEST(LoadListFile, AFiftyMegabyteUtf16FileIsReadInBoundedMemory) {
  TempTree tree;
  const std::string path = tree.Path("utf16.txt");
  // Lines of odd lengths, one with a surrogate pair, so that read blocks cut
  // lines and pairs in every way; an 8 MB line in the middle.
  const std::string lines = Utf16Bytes(u"-12.5\r\n\U0001F600 x\n3\r", true);
  const std::size_t perBlock = (1 << 20) / lines.size();
  std::size_t written = 2, blocks = 0;
  {
    std::string block;
    for (std::size_t i = 0; i < perBlock; ++i) block += lines;
    const std::string longLine = Utf16Bytes(std::u16string(1 << 20, u'7'), true);
    std::ofstream out(path, std::ios::binary);
    out << "\xFF\xFE";
    while (written < (std::size_t{50} << 20)) {
      if (blocks == 20) {
        for (int i = 0; i < 4; ++i) out << longLine;
        out << Utf16Bytes(u"\n", true);
        written += 4 * longLine.size() + 2;
      }
      out << block;
      written += block.size();
      ++blocks;
    }
    out << Utf16Bytes(u"42", true);
    ASSERT_TRUE(out.good());
  }
  ::malloc_trim(0);  // what writing the file used is not counted as the reader's
  const bool peakReset = ResetPeakRss();
  const long before = StatusKb(peakReset ? "VmHWM" : "VmRSS");
  g_largestAllocation = 0;
  CountingSink sink;
  std::vector<std::string> messages;
  LoadListFile(sink, path, {}, [&](const std::string& p, NotRead) { messages.push_back(p); });
  const long peak = StatusKb("VmHWM");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(sink.count, 2 * blocks * perBlock + 1);
  EXPECT_EQ(sink.first, "-12.5");
  EXPECT_EQ(sink.last, "42");
  // The file read in blocks, never whole: no allocation larger than a read
  // block, and resident memory grows by a few blocks, not by the file's
  // 50 MB or its 25 MB decoded.
  EXPECT_LE(g_largestAllocation.load(), kReadBlockBytes + 64 * 1024);
  ASSERT_GT(before, 0);
#if !defined(__SANITIZE_ADDRESS__)
  // (AddressSanitizer holds freed blocks in quarantine, so there resident
  // memory counts every block ever used; the largest allocation still holds.)
  EXPECT_LT(peak - before, 16L * 1024) << "peak resident memory grew by " << (peak - before) << " kB";
#endif
  std::printf("50 MB of UTF-16: peak RSS growth %ld kB%s\n", peak - before,
              peakReset ? "" : " (peak could not be reset)");
}

}  // namespace

// --- A gigabyte without a line end -------------------------------------------

namespace {

using memtest::ResetPeakRss;
using memtest::StatusKb;

TEST(HostileListFile, AGigabyteWithoutALineEndAddsNothingInBoundedMemory) {
  TempTree tree;
  const std::string path = tree.Path("sparse.txt");
  constexpr off_t kSize = off_t{1} << 30;
  {
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, kSize), 0);  // sparse: a gigabyte of NUL bytes, no line end
    ::close(fd);
  }
  const bool peakReset = ResetPeakRss();
  const long before = StatusKb(peakReset ? "VmHWM" : "VmRSS");
  RecordingEntrySink sink;
  std::vector<std::string> messages;
  LoadListFile(sink, path, {}, [&](const std::string& p, NotRead) { messages.push_back(p); });
  sink.Flush();
  const long peak = StatusKb("VmHWM");
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_TRUE(messages.empty());
  ASSERT_GT(before, 0);
  EXPECT_LT(peak - before, 64L * 1024) << "peak resident memory grew by " << (peak - before) << " kB";
  std::printf("1 GiB without a line end: peak RSS growth %ld kB%s\n", peak - before,
              peakReset ? "" : " (peak could not be reset)");
}

}  // namespace
