// Reading files in blocks: every byte handed on once and in order whatever
// the file's size against the block, the window's chances between blocks and
// a stop there, and which paths are opened, with what block size.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "system/BlockReader.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::system;

namespace {

using loadertest::TempTree;

// What one reading handed on and when the window had its chances.
struct Fed {
  std::string bytes;
  std::size_t feeds = 0;
  std::size_t eventRuns = 0;
  std::size_t meanwhileRuns = 0;
  bool whole = false;
};

std::string Pattern(std::size_t size) {
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i * 7 % 26);
  return text;
}

Fed ReadAll(const std::string& path, std::size_t blockSize, bool ahead, std::size_t stopAtRun) {
  Fed fed;
  const int fd = ::open(path.c_str(), O_RDONLY);
  EXPECT_GE(fd, 0);
  const FileWatch watch(fd, path);
  fed.whole = ReadFileBlocks(
      fd, watch, blockSize, ahead,
      [&](const char* data, std::size_t size, const std::function<void()>& meanwhile) {
        fed.bytes.append(data, size);
        ++fed.feeds;
        if (meanwhile) {
          ++fed.meanwhileRuns;
          meanwhile();
        }
      },
      [&] { ++fed.eventRuns; }, [&] { return stopAtRun > 0 && fed.eventRuns >= stopAtRun; });
  ::close(fd);
  return fed;
}

TEST(ReadFileBlocks, HandsOnEveryByteOnceWithChancesBetweenBlocks) {
  constexpr std::size_t kBlock = 4096;
  struct Row {
    const char* name;
    std::size_t size;
    bool ahead;
    std::size_t stopAtRun;  // 0: never
    std::size_t feeds;
    bool whole;
  };
  const std::vector<Row> rows = {
      {"an empty file: nothing fed", 0, false, 0, 0, true},
      {"one byte", 1, false, 0, 1, true},
      {"exactly one block", kBlock, false, 0, 1, true},
      {"one block and a byte", kBlock + 1, false, 0, 2, true},
      {"three and a half blocks", 3 * kBlock + kBlock / 2, false, 0, 4, true},
      {"three and a half blocks, read ahead", 3 * kBlock + kBlock / 2, true, 0, 4, true},
      {"exactly two blocks, read ahead", 2 * kBlock, true, 0, 2, true},
      {"stopped at the first chance", 3 * kBlock, false, 1, 1, false},
      {"stopped at the second chance, read ahead", 3 * kBlock, true, 2, 2, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempTree tree;
    const std::string text = Pattern(row.size);
    const Fed fed = ReadAll(tree.File("f.txt", text), kBlock, row.ahead, row.stopAtRun);
    EXPECT_EQ(fed.whole, row.whole);
    EXPECT_EQ(fed.feeds, row.feeds);
    EXPECT_TRUE(fed.bytes == text.substr(0, fed.bytes.size())) << "in order, from the start";
    if (row.whole) {
      EXPECT_EQ(fed.bytes.size(), text.size());
    }
    // A chance before every block but the first; a stop comes at its chance.
    EXPECT_EQ(fed.eventRuns, row.whole ? (row.feeds > 0 ? row.feeds - 1 : 0) : row.stopAtRun);
    EXPECT_EQ(fed.meanwhileRuns, row.ahead ? fed.feeds : 0u) << "the next block is read meanwhile";
  }
}

TEST(ReadFileBlocks, AFileThatGrowsWhileItIsReadHasChanged) {
  TempTree tree;
  const std::string path = tree.File("f.txt", Pattern(10'000));
  const int fd = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  const FileWatch watch(fd, path);
  bool appended = false;
  EXPECT_THROW(ReadFileBlocks(fd, watch, 4096, false,
                              [&](const char*, std::size_t, const std::function<void()>&) {
                                if (appended) return;
                                appended = true;
                                std::ofstream(path, std::ios::app) << "more";
                              }),
               FileChanged);
  ::close(fd);
}

TEST(BlockFile, OpensOnlyRegularFilesWithABlockFitForTheirSize) {
  TempTree tree;
  struct Row {
    const char* name;
    std::string path;
    Unopened refusal;
    std::size_t reportedSize;
    std::size_t blockSize;
    bool ahead;
  };
  const std::size_t large = 2 * kReadBlockBytes + 5;
  const std::vector<Row> rows = {
      {"a small file: a page", tree.File("small.txt", "1\n2\n"), Unopened::kNone, 4, 4096, false},
      {"a file of more than a page: its size and one", tree.File("mid.txt", Pattern(5000)), Unopened::kNone, 5000, 5001,
       false},
      {"a file of one block less a byte: fits one block", tree.File("fit.txt", Pattern(kReadBlockBytes - 1)),
       Unopened::kNone, kReadBlockBytes - 1, kReadBlockBytes, false},
      {"a file of exactly one block: whole blocks, nothing ahead", tree.File("one.txt", Pattern(kReadBlockBytes)),
       Unopened::kNone, kReadBlockBytes, kReadBlockBytes, false},
      {"a large file: whole blocks, read ahead", tree.File("large.txt", Pattern(large)), Unopened::kNone, large,
       kReadBlockBytes, true},
      {"an empty file: no size, whole blocks", tree.File("empty.txt", ""), Unopened::kNone, 0, kReadBlockBytes, false},
      {"a missing path", tree.Path("missing.txt"), Unopened::kMissing, 0, kReadBlockBytes, false},
      {"a dangling link", tree.Link("dangling", tree.Path("nothing")), Unopened::kMissing, 0, kReadBlockBytes, false},
      {"a folder", tree.Root(), Unopened::kNotRegularFile, 0, kReadBlockBytes, false},
      {"a FIFO, never opened", tree.Fifo("pipe"), Unopened::kNotRegularFile, 0, kReadBlockBytes, false},
      {"a device", "/dev/null", Unopened::kNotRegularFile, 0, kReadBlockBytes, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const BlockFile file(row.path);
    EXPECT_EQ(file.Refusal(), row.refusal);
    EXPECT_EQ(file.ReportedSize(), row.reportedSize);
    EXPECT_EQ(file.BlockSize(), row.blockSize);
    EXPECT_EQ(file.ReadsAhead(), row.ahead);
    if (row.refusal != Unopened::kNone) continue;
    std::size_t bytes = 0;
    EXPECT_TRUE(file.Read(
        [&](const char*, std::size_t size, const std::function<void()>& meanwhile) {
          bytes += size;
          if (meanwhile) meanwhile();
        },
        {}, {}));
    EXPECT_EQ(bytes, row.reportedSize);
  }
}

TEST(BlockFile, AFileTheUserMayNotReadThrowsNamingIt) {
  TempTree tree;
  const std::string locked = tree.File("locked.txt", "1\n");
  ::chmod(locked.c_str(), 0000);
  const std::string said = loadertest::RunUnprivileged([&]() -> std::string {
    try {
      const BlockFile file(locked);
      return "opened";
    } catch (const FileSystemError& e) {
      return e.what();
    }
  });
  EXPECT_EQ(said, locked + ": Permission denied");
}

TEST(FileExists, TellsWhetherAPathCanBeExamined) {
  TempTree tree;
  const std::string file = tree.File("a.txt", "1\n");
  struct Case {
    std::string path;
    bool exists;
  };
  const std::vector<Case> cases = {
      {file, true},
      {tree.Root(), true},
      {tree.Link("to-file", file), true},
      {tree.Link("dangling", tree.Path("nothing")), false},
      {tree.Path("missing.txt"), false},
      {file + "/below-a-file", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

}  // namespace
