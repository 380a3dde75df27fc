// List files: line ends, the number test on untrimmed candidates, what is not
// a readable list file, bounded memory on enormous lines, and path tidying.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "input/ListFile.h"
#include "stats/NumberText.h"
#include "tests/support/LoaderTestKit.h"

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

using loadertest::RecordingEntrySink;
using loadertest::TempTree;
using Entries = std::vector<std::string>;

Entries ReadText(const std::string& text) {
  RecordingEntrySink sink;
  ListTextReader reader(sink);
  reader.Feed(text.data(), text.size());
  reader.Finish();
  return sink.entries;
}

// Restores the user's separators however a test ends.
struct SeparatorsGuard {
  numtext::Separators saved = numtext::UserSeparators();
  ~SeparatorsGuard() { numtext::SetUserSeparators(saved); }
};

TEST(ListTextReader, SplitsCandidatesAndKeepsThemAsRead) {
  struct Case {
    const char* name;
    std::string text;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"CR LF ends", "1\r\n2.5\r\n-3\r\n", {"1", "2.5", "-3"}},
      {"LF ends", "1\n2.5\n-3\n", {"1", "2.5", "-3"}},
      {"CR ends", "1\r2.5\r-3\r", {"1", "2.5", "-3"}},
      {"mixed ends, no end after the last line", "1\r\n2.5\r-3\n4", {"1", "2.5", "-3", "4"}},
      {"skipped lines, untrimmed entry", "5\n\nabc\n 6 \n", {"5", " 6 "}},
      {"blank lines of every kind", "\r\n\n\r\r\n  \n7", {"7"}},
      {"a line is tested whole", "1 2\n3x\n2.5E3\n", {"2.5E3"}},
      {"byte-order mark fails the first line", "\xEF\xBB\xBF" "7\r\n8\r\n", {"8"}},
      {"empty text", "", {}},
      {"NUL inside a line", std::string("1\0" "2\n3\n", 6), {"3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadText(c.text), c.expected) << c.name;
}

TEST(ListTextReader, AnyWayOfCuttingTheTextGivesTheSameEntries) {
  const std::string text = "12\r\n 3.5 \r\r\nabc\n-7\r99";
  const Entries whole = ReadText(text);
  ASSERT_EQ(whole, (Entries{"12", " 3.5 ", "-7", "99"}));
  for (std::size_t piece = 1; piece <= text.size(); ++piece) {
    RecordingEntrySink sink;
    ListTextReader reader(sink);
    for (std::size_t at = 0; at < text.size(); at += piece)
      reader.Feed(text.data() + at, std::min(piece, text.size() - at));
    reader.Finish();
    EXPECT_EQ(sink.entries, whole) << "pieces of " << piece;
  }
}

TEST(ListTextReader, CapsCandidateLengthWhereverThePiecesAreCut) {
  // '0…01' is a number of any length; one byte past the cap it is skipped, and
  // the next line is still read.
  const std::string atCap = std::string(kMaxCandidateBytes - 1, '0') + "1";
  const std::string pastCap = std::string(kMaxCandidateBytes, '0') + "1";
  const std::string text = atCap + "\n" + pastCap + "\n5\n" + pastCap;
  for (std::size_t piece : {std::size_t{1}, std::size_t{7}, kMaxCandidateBytes - 1, kMaxCandidateBytes,
                            kMaxCandidateBytes + 1, text.size()}) {
    RecordingEntrySink sink;
    ListTextReader reader(sink);
    for (std::size_t at = 0; at < text.size(); at += piece)
      reader.Feed(text.data() + at, std::min(piece, text.size() - at));
    reader.Finish();
    EXPECT_EQ(sink.entries, (Entries{atCap, "5"})) << "pieces of " << piece;
  }
}

TEST(ListTextReader, UsesTheUsersSeparators) {
  SeparatorsGuard guard;
  struct Case {
    numtext::Separators separators;
    bool taken;
  };
  const std::vector<Case> cases = {
      {{".", ","}, true},   // the comma groups digits
      {{",", "."}, true},   // the comma is the decimal separator
      {{".", "'"}, false},  // a comma means nothing
  };
  for (const Case& c : cases) {
    numtext::SetUserSeparators(c.separators);
    EXPECT_EQ(ReadText("1,2\n"), c.taken ? Entries{"1,2"} : Entries{}) << "decimal " << c.separators.decimal;
  }
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

TEST(FixPathSlashes, CollapsesPairsInOnePass) {
  struct Case {
    const char* path;
    char separator;
    const char* expected;
  };
  const std::vector<Case> cases = {
      // This platform: no leading separator.
      {"", '/', ""},
      {"a/b.txt", '/', "a/b.txt"},
      {"a//b.txt", '/', "a/b.txt"},
      {"a///b.txt", '/', "a//b.txt"},
      {"a////b.txt", '/', "a//b.txt"},
      {"a//b//c/", '/', "a/b/c/"},
      // This platform: a leading run becomes one separator.
      {"/home/u//x.txt", '/', "/home/u/x.txt"},
      {"//x.txt", '/', "/x.txt"},
      {"///srv//a///b", '/', "/srv/a//b"},
      {"////", '/', "/"},
      // The other platform: pairs of backslashes, and its network-path rule.
      {"C:\\\\dir\\\\\\x.txt", '\\', "C:\\dir\\\\x.txt"},
      {"\\folder\\x", '\\', "\\\\folder\\x"},
      {"\\\\server\\share\\\\a.txt", '\\', "\\\\server\\share\\a.txt"},
      {"\\\\\\\\server\\a", '\\', "\\\\server\\a"},
      // A backslash means nothing to the slash rule, and the other way round.
      {"a\\\\b//c", '/', "a\\\\b/c"},
  };
  for (const Case& c : cases) EXPECT_EQ(FixPathSlashes(c.path, c.separator), c.expected) << c.path;
  EXPECT_EQ(FixPathSlashes("/a//b"), "/a/b");  // '/' unless told otherwise
}

// Reads a path the way the loaders do; returns the entries, then the
// messages shown, for one comparison.
struct Loaded {
  Entries entries;
  std::vector<std::string> messages;
};

Loaded Load(const std::string& path) {
  RecordingEntrySink sink;
  Loaded out;
  LoadListFile(sink, path, [&](const std::string& text) { out.messages.push_back(text); });
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
  const std::vector<std::string> paths = {
      tree.Path("missing.txt"), deleted,      tree.Root(),  tree.Fifo("pipe"),
      tree.Link("dangling", tree.Path("x")), "/dev/null", "/dev/zero", "",
  };
  for (const std::string& path : paths) {
    Loaded got = Load(path);
    EXPECT_TRUE(got.entries.empty()) << path;
    EXPECT_EQ(got.messages, std::vector<std::string>{kFileNotFoundMessage}) << path;
  }
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
      LoadListFile(sink, file, [&](const std::string& text) { messages += text; });
    } catch (const std::exception& e) {
      return std::string("threw: ") + e.what();
    }
    return "no failure; entries " + std::to_string(sink.entries.size()) + "; messages " + messages;
  });
  EXPECT_EQ(answer, "threw: Permission denied");
}

TEST(ReadListDescriptor, AFailingReadThrows) {
  TempTree tree;
  // Reading a folder's descriptor fails on the first read.
  int fd = ::open(tree.Root().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  RecordingEntrySink sink;
  EXPECT_THROW(ReadListDescriptor(sink, fd), std::runtime_error);
  ::close(fd);
}

TEST(ReadListDescriptor, ReadsAPipeToItsEnd) {
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  const std::string text = "1\r\n2\n\nthree\r4";
  ASSERT_EQ(::write(channel[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(channel[1]);
  RecordingEntrySink sink;
  ReadListDescriptor(sink, channel[0]);
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
  // on lines of their own.
  std::string text;
  unsigned state = 12345;
  while (text.size() < (8u << 20)) {
    state = state * 1103515245u + 12345u;
    char c = static_cast<char>(state >> 16);
    if (c == '\n' || c == '\r') c = 'x';  // keep the junk in long lines
    text += c;
    if (text.size() % (1 << 20) == 0) text += "\n17\n";
  }
  g_largestAllocation = 0;
  Loaded got = Load(tree.File("binary.bin", text));
  EXPECT_EQ(got.entries, Entries(8, "17"));
  EXPECT_LE(g_largestAllocation.load(), kReadBlockBytes + 64 * 1024);
}

}  // namespace
