// List files: line ends, the number test on untrimmed candidates, byte-order
// marks and UTF-16, what is not a readable list file, bounded memory on
// enormous lines and files, and path tidying.
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

Entries ReadText(const std::string& text, const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  ListTextReader reader(sink, sep);
  reader.Feed(text.data(), text.size());
  reader.Finish();
  return sink.entries;
}

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
      {"a byte-order mark is text here: it fails its line",
       "\xEF\xBB\xBF"
       "7\r\n8\r\n",
       {"8"}},
      {"empty text", "", {}},
      {"NUL inside a line",
       std::string("1\0"
                   "2\n3\n",
                   6),
       {"3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadText(c.text), c.expected) << c.name;
}

// What the window tells after a load: how many candidates failed the number
// test and the first of them. Blank candidates are not counted.
TEST(ListTextReader, CountsTheCandidatesItSkipsAndKeepsTheFirst) {
  const std::string longWord = "x" + std::string(kMaxCandidateBytes + 10, 'y');
  std::string large;  // past the size at which a helper thread shares the test
  for (int i = 0; i < 40000; ++i) large += i == 20000 ? "late\n" : i == 12345 ? "first\n" : "1.5\n";
  // Many skipped in every part that a helper thread reads: each part's count adds up.
  std::string manySkipped;
  for (int i = 0; i < 40000; ++i) manySkipped += i % 7 == 3 ? "n/a\n" : "2.5\n";
  struct Case {
    const char* name;
    std::string text;
    std::size_t entries;
    std::size_t skipped;
    std::string first;
  };
  const std::vector<Case> cases = {
      {"a header", "Weight\n61.5\n70.2\n", 2, 1, "Weight"},
      {"blank lines and CR LF count for nothing", "\r\n1\r\n\r\n\n2\r", 2, 0, ""},
      {"only words", "55,1;61,5\r\nabc\r\n", 0, 2, "55,1;61,5"},
      {"spaces alone are not blank", "  \n3\n", 1, 1, "  "},
      {"a last line without its end", "4\nend", 1, 1, "end"},
      {"a line too long to be a number", longWord + "\n5\nz\n", 1, 2, longWord.substr(0, 256)},
      {"a large text", large, 39998, 2, "first"},
      {"a large text, every seventh line skipped", manySkipped, 34286, 5714, "n/a"},
  };
  for (const Case& c : cases) {
    // In one piece, and in pieces cut anywhere.
    for (std::size_t piece : {c.text.size(), std::size_t{3}, std::size_t{4097}}) {
      if (piece == 0) continue;
      RecordingEntrySink sink;
      ListTextReader reader(sink, {});
      for (std::size_t at = 0; at < c.text.size(); at += piece)
        reader.Feed(c.text.data() + at, std::min(piece, c.text.size() - at));
      reader.Finish();
      EXPECT_EQ(sink.entries.size(), c.entries) << c.name << ", pieces of " << piece;
      EXPECT_EQ(sink.tally.skipped, c.skipped) << c.name << ", pieces of " << piece;
      EXPECT_EQ(sink.tally.firstSkipped, c.first) << c.name << ", pieces of " << piece;
    }
  }
}

// Pasted cells: a column with its header, a block of two columns, each kind
// of line end, and decimal commas in a German locale.
TEST(ReadPastedText, ReadsCellsAsCandidatesAndCountsTheRest) {
  std::string block = "A\tB\r\n";
  for (int row = 1; row <= 10; ++row) block += std::to_string(row) + "\t" + std::to_string(row * 10) + "\r\n";
  Entries blockEntries;
  for (int row = 1; row <= 10; ++row) {
    blockEntries.push_back(std::to_string(row));
    blockEntries.push_back(std::to_string(row * 10));
  }
  const numtext::Separators english{".", ","}, german{",", "."};
  struct Case {
    const char* name;
    std::string text;
    numtext::Separators sep;
    Entries entries;
    std::size_t skipped;
    std::string first;
  };
  const std::vector<Case> cases = {
      {"a column with its header", "Weight\n61.5\n70.2\n", english, {"61.5", "70.2"}, 1, "Weight"},
      {"a block of 2 by 10 with a header row", block, english, blockEntries, 2, "A"},
      {"CR ends", "1\r2\r", english, {"1", "2"}, 0, ""},
      {"CR LF ends and an empty cell", "1\t\r\n\t2\r\n", english, {"1", "2"}, 0, ""},
      {"decimal commas in German", "Gewicht\n61,5\n1.234,5\n", german, {"61,5", "1.234,5"}, 1, "Gewicht"},
      {"decimal commas in English are no numbers", "61,5;70,2\n", english, {}, 1, "61,5;70,2"},
  };
  for (const Case& c : cases) {
    RecordingEntrySink sink;
    EXPECT_TRUE(ReadPastedText(sink, c.text, c.sep)) << c.name;
    EXPECT_EQ(sink.entries, c.entries) << c.name;
    EXPECT_EQ(sink.tally.skipped, c.skipped) << c.name;
    EXPECT_EQ(sink.tally.firstSkipped, c.first) << c.name;
  }
}

// A long paste lets the window run between its blocks, with what was read
// so far shown, and can be stopped there.
TEST(ReadPastedText, LetsEventsRunBetweenBlocksAndStops) {
  std::string text;
  while (text.size() < 3 * kReadBlockBytes) text += "12345\n";
  const std::size_t lines = text.size() / 6;
  for (const bool stop : {false, true}) {
    RecordingEntrySink sink;
    int runs = 0;
    std::vector<std::size_t> progress;
    const bool whole = ReadPastedText(
        sink, text, {},
        [&] {
          ++runs;
          EXPECT_EQ(sink.pending, 0u) << "entries flushed before events run";
        },
        [&] { return stop; }, [&](std::size_t read) { progress.push_back(read); });
    EXPECT_EQ(whole, !stop);
    if (stop) {
      EXPECT_EQ(runs, 1);
      // The first block only, without the line it cut.
      EXPECT_EQ(sink.entries.size(), kReadBlockBytes / 6);
      EXPECT_EQ(progress, std::vector<std::size_t>{kReadBlockBytes});
    } else {
      EXPECT_EQ(runs, 2);
      EXPECT_EQ(sink.entries.size(), lines);
      EXPECT_EQ(progress, (std::vector<std::size_t>{kReadBlockBytes, 2 * kReadBlockBytes}));
    }
  }
}

// However the text is cut into pieces, the entries are those of the reader's
// rule written out plainly; a large text is shared with a helper thread.
TEST(ListTextReader, AnyCuttingGivesThePlainSplit) {
  const std::string shortText = "12\r\n 3.5 \r\r\nabc\n-7\r99";
  ASSERT_EQ(PlainSplit(shortText), (Entries{"12", " 3.5 ", "-7", "99"}));
  std::vector<std::size_t> everySize;
  for (std::size_t piece = 1; piece <= shortText.size(); ++piece) everySize.push_back(piece);
  const std::string large = MixedListText(400'000, 8);
  const struct {
    const char* name;
    const std::string& text;
    std::vector<std::size_t> pieces;
    std::size_t atLeast;  // entries the plain split must find, so that the row tests something
  } rows[] = {
      {.name = "a short text in pieces of every size", .text = shortText, .pieces = everySize, .atLeast = 4},
      // Whole, in read-sized blocks, and in odd pieces (some of which split
      // CR LF pairs and candidates).
      {.name = "400,000 mixed lines",
       .text = large,
       .pieces = {large.size(), kReadBlockBytes, 700'001, 65'537},
       .atLeast = 100'000},
  };
  for (const auto& row : rows) {
    const Entries want = PlainSplit(row.text);
    ASSERT_GE(want.size(), row.atLeast) << row.name;
    for (const std::size_t piece : row.pieces) {
      RecordingEntrySink sink;
      ListTextReader reader(sink, {});
      for (std::size_t at = 0; at < row.text.size(); at += piece)
        reader.Feed(row.text.data() + at, std::min(piece, row.text.size() - at));
      reader.Finish();
      EXPECT_EQ(sink.entries.size(), want.size()) << row.name << ", pieces of " << piece;
      EXPECT_TRUE(sink.entries == want) << row.name << ", pieces of " << piece;
    }
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
    ListTextReader reader(sink, {});
    for (std::size_t at = 0; at < text.size(); at += piece)
      reader.Feed(text.data() + at, std::min(piece, text.size() - at));
    reader.Finish();
    EXPECT_EQ(sink.entries, (Entries{atCap, "5"})) << "pieces of " << piece;
  }
}

TEST(ListTextReader, UsesTheUsersSeparators) {
  const numtext::Separators point{".", ","}, comma{",", "."}, apostrophe{".", "'"};
  const std::string large = MixedListText(200'000, 12);
  const struct {
    const char* name;
    numtext::Separators separators;
    std::string text;
    Entries want;
  } cases[] = {
      {.name = "the comma groups digits", .separators = point, .text = "1,2\n", .want = {"1,2"}},
      {.name = "the comma is the decimal separator", .separators = comma, .text = "1,2\n", .want = {"1,2"}},
      // Where the point is the decimal separator and the comma groups nothing,
      // the comma is the other convention's decimal separator.
      {.name = "a comma is the other decimal separator", .separators = apostrophe, .text = "1,2\n", .want = {"1,2"}},
      {.name = "ambiguous for the other convention", .separators = apostrophe, .text = "1,234\n", .want = {}},
      // In every part that two threads read.
      {.name = "a large text with decimal commas",
       .separators = comma,
       .text = large,
       .want = PlainSplit(large, comma)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Entries entries = ReadText(c.text, c.separators);
    EXPECT_EQ(entries.size(), c.want.size());
    EXPECT_TRUE(entries == c.want);
  }
}

// The lines read in the other convention are counted, with the first of
// them, by every reading: one thread or two, a list of texts or of values.
TEST(ListTextReader, CountsTheLinesReadInTheOtherConvention) {
  struct Values final : ValueSink {
    std::size_t count = 0;
    ReadTally tally;
    void Append(std::string_view) override { ++count; }
    void AppendNumber(double) override { ++count; }
    void AppendNumbers(std::span<const double> numbers) override { count += numbers.size(); }
    void NoteOtherConvention(std::string_view first, std::size_t n) override { tally.NoteOtherConvention(first, n); }
  };
  const numtext::Separators english{".", ","};
  for (const std::size_t lines : {std::size_t{30}, std::size_t{300'000}}) {
    std::string text = "abc\n";
    std::size_t other = 0;
    for (std::size_t i = 0; i < lines; ++i) {
      const bool comma = i % 3 == 1;
      text += comma ? (i == 1 ? "1.234,5\n" : "71,2\n") : "1.5\n";
      other += comma;
    }
    SCOPED_TRACE(std::to_string(lines) + " lines");
    RecordingEntrySink texts;
    Values values;
    for (EntrySink* sink : {static_cast<EntrySink*>(&texts), static_cast<EntrySink*>(&values)}) {
      ListTextReader reader(*sink, english);
      reader.Feed(text.data(), text.size());
      reader.Finish();
    }
    EXPECT_EQ(texts.entries.size(), lines);
    EXPECT_EQ(values.count, lines);
    for (const ReadTally* tally : {&texts.tally, &values.tally}) {
      EXPECT_EQ(tally->otherConvention, other);
      EXPECT_EQ(tally->firstOtherConvention, "1.234,5");
    }
    EXPECT_EQ(texts.tally.skipped, 1u);
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
  // What the window shows: the designed text, then the path on a line of its own.
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

// The file reader's `meanwhile` (the next block, read while this one is
// read for numbers) runs exactly once in every Feed, whatever the piece: run
// twice it would read a block over, never run it would end the file early.
TEST(ListFileReader, WhatRunsMeanwhileRunsOnceInEveryFeed) {
  const std::string large = MixedListText(200'000, 5);
  const struct Row {
    const char* name;
    std::vector<std::string> pieces;
  } rows[] = {
      {"large pieces", {large.substr(0, 700'001), large.substr(700'001)}},
      {"small pieces and an empty one", {"12\n3", "4\n", "", "5"}},
      {"a line longer than a piece", {std::string(5000, '7'), std::string(300'000, '8'), "\n1\n"}},
      {"a byte-order mark a byte at a time",
       {"\xEF", "\xBB",
        "\xBF"
        "6\n"}},
      {"UTF-16",
       {std::string("\xFF\xFE"
                    "9\0\n\0",
                    6),
        std::string("8\0", 2)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingEntrySink sink, plain;
    ListFileReader reader(sink, {}), without(plain, {});
    int runs = 0;
    for (const std::string& piece : row.pieces) {
      reader.Feed(piece.data(), piece.size(), [&runs] { ++runs; });
      without.Feed(piece.data(), piece.size());
    }
    reader.Finish();
    without.Finish();
    EXPECT_EQ(runs, static_cast<int>(row.pieces.size()));
    EXPECT_TRUE(sink.entries == plain.entries);
  }
}

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

// ---- Byte-order marks and UTF-16 ----------------------------------------------

const std::string kUtf8Mark = "\xEF\xBB\xBF";

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
std::string Le(std::u16string_view units) { return "\xFF\xFE" + Utf16Bytes(units, true); }
std::string Be(std::u16string_view units) { return "\xFE\xFF" + Utf16Bytes(units, false); }

// UTF-32 code units as bytes in either order, any value (a surrogate, or one
// beyond U+10FFFF) as it is.
std::string Utf32Bytes(std::u32string_view units, bool littleEndian) {
  std::string out;
  for (char32_t u : units) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(u >> (8 * (littleEndian ? i : 3 - i)));
  }
  return out;
}
std::string Le32(std::u32string_view units) { return std::string("\xFF\xFE\0\0", 4) + Utf32Bytes(units, true); }
std::string Be32(std::u32string_view units) { return std::string("\0\0\xFE\xFF", 4) + Utf32Bytes(units, false); }

std::u32string Utf32(std::u16string_view units) {
  std::u32string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size()) {
      out += 0x10000 + ((u - 0xD800) << 10) + (char32_t{units[++i]} - 0xDC00);
    } else {
      out += u;
    }
  }
  return out;
}

// The entries of a file's bytes fed to the reader in pieces of `piece` bytes.
Entries ReadFileBytes(const std::string& bytes, std::size_t piece, const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  ListFileReader reader(sink, sep);
  for (std::size_t at = 0; at < bytes.size(); at += piece)
    reader.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
  reader.Finish();
  return sink.entries;
}

// Checks that `bytes`, cut into pieces of every size from one byte (as a pipe
// may deliver a mark) to the whole, read as `expected`.
void ExpectReadsInAnyPieces(const std::string& bytes, const Entries& expected, const std::string& name,
                            const numtext::Separators& sep = {}) {
  for (std::size_t piece = 1; piece <= std::max<std::size_t>(bytes.size(), 1); ++piece)
    ASSERT_EQ(ReadFileBytes(bytes, piece, sep), expected) << name << ", pieces of " << piece;
}

TEST(ListFileReader, AMarkedFileReadsAsItsTextWithoutTheMark) {
  struct Body {
    const char* name;
    std::string utf8;
    std::u16string utf16;
    Entries expected;
  };
  const std::vector<Body> bodies = {
      {"LF", "100\n-2.5\n3E2\n", u"100\n-2.5\n3E2\n", {"100", "-2.5", "3E2"}},
      {"CR LF", "100\r\n-2.5\r\n\r\n3E2", u"100\r\n-2.5\r\n\r\n3E2", {"100", "-2.5", "3E2"}},
      {"CR", "100\r-2.5\r3E2\r", u"100\r-2.5\r3E2\r", {"100", "-2.5", "3E2"}},
      {"non-ASCII characters on skipped lines",
       "7\r\nna\xC3\xAFve \xE2\x82\xAC 8\r\n\xF0\x9F\x98\x80\n 9 ",
       u"7\r\nna\u00EFve \u20AC 8\r\n\U0001F600\n 9 ",
       {"7", " 9 "}},
  };
  TempTree tree;
  for (const Body& body : bodies) {
    ASSERT_EQ(ReadText(body.utf8), body.expected) << body.name << ": the plain text itself";
    std::vector<std::pair<const char*, std::string>> forms = {
        {"no mark", body.utf8},        {"UTF-8 mark", kUtf8Mark + body.utf8},  {"UTF-16 LE", Le(body.utf16)},
        {"UTF-16 BE", Be(body.utf16)}, {"UTF-32 LE", Le32(Utf32(body.utf16))}, {"UTF-32 BE", Be32(Utf32(body.utf16))},
    };
    // Without a mark, UTF-16 is told by its first characters being ASCII.
    if (std::all_of(body.utf16.begin(), body.utf16.end(), [](char16_t u) { return u < 0x80; })) {
      forms.emplace_back("UTF-16 LE without a mark", Utf16Bytes(body.utf16, true));
      forms.emplace_back("UTF-16 BE without a mark", Utf16Bytes(body.utf16, false));
    }
    for (const auto& [form, bytes] : forms) {
      const std::string name = std::string(body.name) + ", " + form;
      ExpectReadsInAnyPieces(bytes, body.expected, name);
      Loaded got = Load(tree.File("list.txt", bytes));
      EXPECT_EQ(got.entries, body.expected) << name << ", from a file";
      EXPECT_TRUE(got.messages.empty()) << name;
    }
  }
}

TEST(ListFileReader, EdgesOfMarksAndOfUtf16) {
  struct Case {
    const char* name;
    std::string bytes;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"a UTF-8 mark alone", kUtf8Mark, {}},
      {"a UTF-16 LE mark alone", Le(u""), {}},
      {"a UTF-16 BE mark alone", Be(u""), {}},
      {"a UTF-8 mark, then a blank line", kUtf8Mark + "\n5\n", {"5"}},
      {"a UTF-16 mark, then a blank line", Le(u"\r\n5"), {"5"}},
      // Too short to be a mark, or only the start of one: read as it always was.
      {"part of the UTF-8 mark",
       "\xEF\xBB"
       "5\n6",
       {"6"}},
      {"one byte of a UTF-16 mark",
       "\xFF"
       "5\n6\n",
       {"6"}},
      {"a lone first byte of a mark", "\xFE", {}},
      {"the marks' bytes in another order",
       "\xBB\xEF\xBF"
       "5\n6",
       {"6"}},
      // Only the very first bytes may be a mark.
      {"a UTF-8 mark later on", "1\n" + kUtf8Mark + "2\n3", {"1", "3"}},
      {"a UTF-8 mark twice", kUtf8Mark + kUtf8Mark + "1\n2", {"2"}},
      {"a UTF-16 mark later on",
       "1\n\xFF\xFE"
       "2\n3",
       {"1", "3"}},
      {"a UTF-16 file with its mark twice",
       Le(u"\uFEFF"
          u"1\n2"),
       {"2"}},
      {"the UTF-8 mark in front of UTF-16 text", kUtf8Mark + Le(u"1\n2"), {}},
      // An odd last byte becomes U+FFFD on the line it ends: never a number of
      // its own, never glued onto one, and the cut line is not read as a
      // shorter number.
      {"UTF-16 LE, an odd byte after the last line end", Le(u"1\n2\n") + "3", {"1", "2"}},
      {"UTF-16 BE, an odd byte after the last line end", Be(u"1\r\n2\r\n") + "3", {"1", "2"}},
      {"UTF-16 LE, an odd byte ends the last line", Le(u"1\n2") + "3", {"1"}},
      {"UTF-16 BE, an odd byte ends the last line", Be(u"1\n2") + "\n", {"1"}},
      {"UTF-16, a mark and an odd byte", Le(u"") + "7", {}},
      // A lone surrogate takes nothing with it: the line end after it still
      // ends the line.
      {"a high surrogate alone before a line end",
       Le(u"5\xD83D"
          u"\n6"),
       {"6"}},
      {"a high surrogate alone before a digit",
       Be(u"5\n\xD83D"
          u"6\n7"),
       {"5", "7"}},
      {"a low surrogate alone",
       Le(u"\xDE00"
          u"\n6"),
       {"6"}},
      {"a high surrogate at the end of the file", Be(u"5\n6\xD83D"), {"5"}},
      // A NUL is an ordinary character in UTF-16 as in the plain text.
      {"a NUL inside a line",
       Le(std::u16string(u"1\0"
                         u"2\n3",
                         5)),
       {"3"}},
      // UTF-32: FF FE 00 00 is its mark, not UTF-16's followed by a NUL.
      {"a UTF-32 LE mark alone", Le32(U""), {}},
      {"a UTF-32 BE mark alone", Be32(U""), {}},
      {"UTF-16 LE mark, then one NUL byte", std::string("\xFF\xFE\0", 3), {}},
      {"UTF-32 LE, an incomplete unit after the last line end", Le32(U"1\n2\n") + "3", {"1", "2"}},
      {"UTF-32 BE, an incomplete unit ends the last line", Be32(U"1\n2") + std::string("\0\0", 2), {"1"}},
      {"UTF-32, a code point beyond U+10FFFF fails its line", Le32(std::u32string{'5', 0x110000, '\n', '6'}), {"6"}},
      {"UTF-32, a surrogate fails its line", Be32(std::u32string{'5', 0xD800, '\r', '\n', '7'}), {"7"}},
      {"UTF-32, a character beyond the BMP", Le32(U"1\n\U0001F600\n2"), {"1", "2"}},
      // UTF-16 without a mark: two code units at least, all ASCII with their
      // high bytes NUL, in the first 512 bytes.
      {"UTF-16 LE without a mark, two units", Utf16Bytes(u"5\n", true), {"5"}},
      {"UTF-16 BE without a mark, two units", Utf16Bytes(u"5\n", false), {"5"}},
      {"one unit is too little to tell", Utf16Bytes(u"5", true), {}},
      {"UTF-16 without a mark, a tab and CR LF", Utf16Bytes(u"\t1\r\n2", false), {"\t1", "2"}},
      {"UTF-16 without a mark, other characters after the first 512 bytes",
       Utf16Bytes(std::u16string(300, u'\n') + u"4\n\u00E9\n\U0001F600\n5", true),
       {"4", "5"}},
      {"UTF-16 without a mark, a non-ASCII character among the first: read as bytes",
       Utf16Bytes(u"\u00E9\n5\n", true),
       {}},
      {"a NUL code unit among the first bytes: read as bytes",
       Utf16Bytes(std::u16string(u"5\n\0"
                                 u"6\n",
                                 5),
                  true),
       {}},
      {"32-bit integers of digits' codes: read as bytes", Utf32Bytes(U"1\n2\n", true), {}},
      {"NUL bytes, then a line of digits: read as bytes", std::string(600, '\0') + "\n17\n", {"17"}},
  };
  for (const Case& c : cases) ExpectReadsInAnyPieces(c.bytes, c.expected, c.name);
}

// With a non-ASCII group separator the decoded characters reach the entries,
// so every kind of character, a surrogate pair and a lone surrogate can be
// seen exactly as decoded, however the bytes are cut.
TEST(ListFileReader, DecodesUtf16ToUtf8) {
  struct Case {
    const char* name;
    const char* group;
    std::string bytes;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"two bytes in UTF-8",
       "\xC2\xA0",
       Le(u"1\u00A0"
          u"234\r\n"),
       {"1\xC2\xA0"
        "234"}},
      {"three bytes in UTF-8",
       "\xE2\x80\xAF",
       Be(u"-1\u202F"
          u"234.5\n"),
       {"-1\xE2\x80\xAF"
        "234.5"}},
      {"a surrogate pair",
       "\xF0\x9F\x98\x80",
       Le(u"1\U0001F600"
          u"234"),
       {"1\xF0\x9F\x98\x80"
        "234"}},
      {"a surrogate pair, big-endian",
       "\xF0\x9F\x98\x80",
       Be(u"1\U0001F600"
          u"234"),
       {"1\xF0\x9F\x98\x80"
        "234"}},
      {"a lone high surrogate is U+FFFD",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D"
          u"234"),
       {"1\xEF\xBF\xBD"
        "234"}},
      {"a lone low surrogate is U+FFFD",
       "\xEF\xBF\xBD",
       Be(u"1\xDE00"
          u"234"),
       {"1\xEF\xBF\xBD"
        "234"}},
      {"a high surrogate before a high one",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D\xD83D"
          u"234"),
       {}},
      {"two high surrogates, then a low one",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D\U0001F600"
          u"2"),
       {}},
      {"the character after a lone high surrogate stays",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D"
          u"2\n3\xD83D"
          u"4"),
       {"1\xEF\xBF\xBD"
        "2",
        "3\xEF\xBF\xBD"
        "4"}},
  };
  for (const Case& c : cases) {
    ExpectReadsInAnyPieces(c.bytes, c.expected, c.name, {".", c.group});
  }
}

TEST(ListFileReader, CapsUtf16CandidatesOnTheirDecodedLength) {
  const numtext::Separators narrowSpace{".", "\xE2\x80\xAF"};  // U+202F: one unit, three bytes decoded
  std::u16string grouped;
  for (int i = 0; i < 682; ++i)
    grouped +=
        u"\u202F"
        u"000";
  // Zeros: a number of any length, where ones would overflow.
  const std::u16string atCap = std::u16string(kMaxCandidateBytes - 1, u'0') + u"1";
  const std::u16string groupedAtCap = u"0000" + grouped;  // 4 + 682 * 6 bytes decoded
  const std::u16string groupedPastCap = u"00000" + grouped;
  ASSERT_LT(groupedPastCap.size(), kMaxCandidateBytes);  // the units alone are well within the cap
  auto utf8 = [](const std::u16string& digits, const char* grouping) {
    std::string out;
    for (char16_t u : digits) out += u == u'\u202F' ? std::string(grouping) : std::string(1, static_cast<char>(u));
    return out;
  };
  ASSERT_EQ(utf8(groupedAtCap, "\xE2\x80\xAF").size(), kMaxCandidateBytes);
  const std::u16string text =
      atCap + u"\n" + atCap + u"0\n5\n" + groupedAtCap + u"\r\n" + groupedPastCap + u"\r\n6\n" + atCap + u"0";
  const Entries expected = {utf8(atCap, ""), "5", utf8(groupedAtCap, "\xE2\x80\xAF"), "6"};
  for (const std::string& bytes : {Le(text), Be(text)}) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, kMaxCandidateBytes - 1, kMaxCandidateBytes,
                              kMaxCandidateBytes + 1, bytes.size()})
      EXPECT_EQ(ReadFileBytes(bytes, piece, narrowSpace), expected) << "pieces of " << piece;
  }
}

TEST(ReadListDescriptor, FindsAMarkDeliveredAByteAtATime) {
  const std::vector<std::pair<const char*, std::string>> forms = {
      {"UTF-8 mark", kUtf8Mark + "100\r\n2\r\n3"},
      {"UTF-16 LE", Le(u"100\n2\n3\n")},
      {"UTF-16 BE", Be(u"100\r2\r3")},
      {"no mark", "100\n2\n3"},
  };
  for (const auto& [name, bytes] : forms) {
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    // The writer pauses after each of the first bytes, so each read finds
    // one byte waiting.
    std::thread writer([&text = bytes, fd = channel[1]] {
      for (std::size_t at = 0; at < text.size(); ++at) {
        if (::write(fd, text.data() + at, 1) != 1) break;
        if (at < 6) std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      ::close(fd);
    });
    RecordingEntrySink sink;
    ReadListDescriptor(sink, channel[0], {});
    writer.join();
    ::close(channel[0]);
    EXPECT_EQ(sink.entries, (Entries{"100", "2", "3"})) << name;
  }
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
