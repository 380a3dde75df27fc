// Reading a drop: dropped files in order, dropped folder trees breadth-first,
// which files of a tree are taken, what is not a readable file, failures that
// must not end the drop, and what may happen while window events run.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "input/DropFiles.h"
#include "input/ListFile.h"
#include "system/FileSystem.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::system;
using namespace tallowmere::input;

namespace {

using loadertest::NoticeText;
using loadertest::RecordingEntrySink;
using loadertest::RecordingErrorSink;
using loadertest::Report;
using loadertest::TempTree;
using Texts = std::vector<std::string>;

struct Dropped {
  Texts entries;
  Texts messages;
  std::vector<Report> reports;
};

// With `unreadable`, the drop tells of folders it could not list there, as
// "folder: reason"; without it, as in the window, it has no one to tell.
Dropped Drop(const Texts& paths, std::function<void()> events = {}, Texts* unreadable = nullptr) {
  RecordingEntrySink sink;
  RecordingErrorSink errors;
  Dropped out;
  DropHost ctx{sink, errors,
               [&](const std::string& path, NotRead why) { out.messages.push_back(NoticeText(path, why)); },
               std::move(events)};
  if (unreadable) {
    ctx.folderUnreadable = [unreadable](const std::string& folder, const std::string& reason) {
      unreadable->push_back(folder + ": " + reason);
    };
  }
  ReadDroppedPaths(paths, ctx);
  out.entries = sink.entries;
  out.reports = errors.reports;
  return out;
}

// The sub-folders of `folder` among `names`, in the order the file system
// lists them (the order the walk must follow).
Texts InListingOrder(const std::string& folder, const Texts& names) {
  Texts ordered;
  for (const std::string& name : RealFileSystem().SubFolderNames(folder))
    if (std::find(names.begin(), names.end(), name) != names.end()) ordered.push_back(name);
  return ordered;
}

TEST(ReadDroppedPaths, ReadsDroppedFilesInTheirOrder) {
  TempTree tree;
  const std::string first = tree.File("b-first.txt", "1\r\n2\r\n");
  const std::string empty = tree.File("empty.txt", "");
  const std::string words = tree.File("words.dat", "no numbers here\n");
  const std::string second = tree.File("a-second.csv", "3\n");  // no filter applies to dropped files
  Dropped got = Drop({first, empty, words, second});
  EXPECT_EQ(got.entries, (Texts{"1", "2", "3"}));
  EXPECT_TRUE(got.messages.empty());
  EXPECT_TRUE(got.reports.empty());
  EXPECT_TRUE(Drop({}).entries.empty());
}

TEST(ReadDroppedPaths, WhatCannotBeReadAsAFileIsNotFoundAndTheDropGoesOn) {
  TempTree tree;
  const std::string before = tree.File("before.txt", "1\n");
  const std::string after = tree.File("after.txt", "2\n");
  const std::string loop = tree.Path("loop");
  ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
  const struct {
    std::string path;
    NotRead why;
    std::string told;  // what the window says after "File not found\n" and the path
  } unreadable[] = {
      {tree.Path("missing.txt"), NotRead::kMissing, ""},
      {tree.Fifo("pipe"), NotRead::kNotRegularFile, ": not a regular file"},
      {"/dev/zero", NotRead::kNotRegularFile, ": not a regular file"},
      {tree.Link("dangling", tree.Path("none")), NotRead::kMissing, ""},
      {loop, NotRead::kMissing, std::string(": ") + std::strerror(ELOOP)},
      {before + "/below", NotRead::kMissing, ""},
  };
  for (const auto& c : unreadable) {
    Dropped got = Drop({before, c.path, after});
    EXPECT_EQ(got.entries, (Texts{"1", "2"})) << c.path;
    EXPECT_EQ(got.messages, Texts{NoticeText(c.path, c.why)}) << c.path;
    EXPECT_TRUE(got.reports.empty()) << c.path;
    EXPECT_EQ(NotReadText(c.path, c.why), "File not found\n" + c.path + c.told);
  }
}

TEST(ReadDroppedPaths, TakesOnlyTheQualifyingFilesOfAFolder) {
  TempTree tree;
  const std::string folder = tree.Folder("F");
  tree.File("F/a.txt", "1\n");
  tree.File("F/~a.txt", "2\n");
  tree.File("F/.hidden", "3\n");  // hidden and writable: 34
  tree.Fifo("F/pipe.txt");
  tree.Link("F/to-folder", tree.Folder("Elsewhere"));
  tree.File("Elsewhere/x.txt", "4\n");
  for (const std::string& dropped : {folder, folder + "/"}) {
    Dropped got = Drop({dropped});
    EXPECT_EQ(got.entries, Texts{"1"}) << dropped;
    EXPECT_TRUE(got.messages.empty());
    EXPECT_TRUE(got.reports.empty());
  }
  EXPECT_TRUE(Drop({tree.Folder("Empty")}).entries.empty());
}

TEST(ReadDroppedPaths, TakesAHiddenFileThatIsReadOnly) {
  TempTree tree;
  const std::string folder = tree.Folder("F");
  ::chmod(tree.File("F/.read-only", "35\n").c_str(), 0444);
  ::chmod(tree.File("F/.writable", "34\n").c_str(), 0666);  // writable by whoever runs the drop
  tree.File("F/plain", "32\n");
  const std::string answer = loadertest::RunUnprivileged([&] {
    Texts entries = Drop({folder}).entries;
    std::sort(entries.begin(), entries.end());
    return loadertest::Joined(entries);
  });
  EXPECT_EQ(answer, "32|35");
}

TEST(ReadDroppedPaths, ReadsATreeFolderByFolderBreadthFirst) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/a.txt", "1\n");
  tree.File("A/B/b.txt", "2\n");
  tree.File("A/C/c.txt", "3\n");
  tree.File("A/B/D/d.txt", "4\n");
  Texts expected = {"1"};
  for (const std::string& name : InListingOrder(a, {"B", "C"})) expected.push_back(name == "B" ? "2" : "3");
  expected.push_back("4");
  EXPECT_EQ(Drop({a}).entries, expected);

  // Two folders: the first tree once, then the second tree once.
  const std::string other = tree.Folder("Other");
  tree.File("Other/o.txt", "9\n");
  Texts twice = expected;
  twice.push_back("9");
  EXPECT_EQ(Drop({a, other}).entries, twice);
}

TEST(ReadDroppedPaths, WalksADroppedLinkButNoLinkInsideTheTree) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/x.txt", "5\n");
  tree.File("A/B/y.txt", "6\n");
  tree.Link("A/B/up", a);  // a cycle
  const std::string link = tree.Link("to-A", a);
  Dropped got = Drop({link});
  EXPECT_EQ(got.entries, (Texts{"5", "6"}));
  EXPECT_TRUE(got.reports.empty());
}

// Folders whose names hold "?", control characters or bytes that are not
// UTF-8 are ordinary folders here: their files are read like any other's.
TEST(ReadDroppedPaths, ReadsFoldersAndFilesWithOddNames) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/\xff-odd-file.txt", "8\n");
  const std::map<std::string, std::string> folders = {
      {"bad\xff", "9"}, {"what?", "10"}, {"caf\xC3\xA9", "11"}, {"line\nend", "12"}, {"bad\xc3\x28", "13"}};
  for (const auto& [name, number] : folders) tree.File("A/" + name + "/z.txt", number + "\n");
  Texts expected = {"8"};
  for (const std::string& name : RealFileSystem().SubFolderNames(a)) expected.push_back(folders.at(name));
  EXPECT_EQ(Drop({a}).entries, expected);
}

TEST(ReadDroppedPaths, AFileThatCannotBeReadIsReportedAndTheDropGoesOn) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  ::chmod(tree.File("A/locked.txt", "1\n").c_str(), 0000);
  tree.File("A/B/open.txt", "2\n");
  const std::string locked = tree.File("locked-too.txt", "3\n");
  ::chmod(locked.c_str(), 0000);
  const std::string last = tree.File("last.txt", "4\n");
  const std::string answer = loadertest::RunUnprivileged([&] {
    Dropped got = Drop({a, locked, last});
    std::string out = loadertest::Joined(got.entries);
    for (const Report& r : got.reports)
      out += " [" + r.description + " " + r.location + (r.label == kNoLine ? "" : " " + std::to_string(r.label)) + "]";
    return out;
  });
  // Each report names the file, so that in a drop of many it says which.
  EXPECT_EQ(answer, "2|4 [" + a + "/locked.txt: Permission denied while the drop was read]" + " [" + locked +
                        ": Permission denied while the drop was read]");
}

TEST(ReadDroppedPaths, AFolderTheUserMayNotListIsSkippedWithoutAWord) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/a.txt", "1\n");
  tree.File("A/Closed/c.txt", "2\n");
  tree.File("A/Open/o.txt", "3\n");
  const std::string closed = tree.Path("A/Closed");
  ::chmod(closed.c_str(), 0000);
  const std::string answer = loadertest::RunUnprivileged([&] {
    Dropped got = Drop({a});
    // A host that asks is told of it, inside a tree and as a dropped item.
    Texts told;
    Dropped telling = Drop({a, closed}, {}, &told);
    return loadertest::Joined(got.entries) + " messages " + std::to_string(got.messages.size()) + " reports " +
           std::to_string(got.reports.size()) + "; told " + loadertest::Joined(told) + " entries " +
           loadertest::Joined(telling.entries) + " messages " + std::to_string(telling.messages.size());
  });
  EXPECT_EQ(answer, "1|3 messages 0 reports 0; told " + closed + ": Permission denied|" + closed +
                        ": Permission denied entries 1|3 messages 0");
}

TEST(ReadDroppedPaths, SurvivesAClearAndAnotherDropWhileEventsRun) {
  TempTree tree;
  const std::string first = tree.File("first.txt", "1\n");
  const std::string a = tree.Folder("A");
  tree.File("A/a.txt", "2\n");
  tree.File("A/B/b.txt", "3\n");
  const std::string nestedFile = tree.File("nested.txt", "99\n");

  RecordingEntrySink sink;
  RecordingErrorSink errors;
  Texts nestedMessages;
  int calls = 0;
  std::size_t pendingWhenEventsRan = 0;
  std::function<void()> events = [&] {
    pendingWhenEventsRan = std::max(pendingWhenEventsRan, sink.pending);
    if (++calls != 1) return;
    // The user clears the list and drops another file onto it.
    sink.Clear();
    DropHost nested{sink,
                    errors,
                    [&](const std::string& path, NotRead why) { nestedMessages.push_back(NoticeText(path, why)); },
                    {}};
    ReadDroppedPaths({nestedFile, tree.Path("gone.txt")}, nested);
  };
  DropHost ctx{sink, errors, {}, events};
  ReadDroppedPaths({first, a}, ctx);

  EXPECT_GT(calls, 1);
  EXPECT_EQ(pendingWhenEventsRan, 0u) << "entries held back while window events ran";
  EXPECT_EQ(sink.entries, (Texts{"99", "2", "3"}));
  EXPECT_EQ(nestedMessages, Texts{"missing " + tree.Path("gone.txt")});
  EXPECT_EQ(sink.pending, 0u) << "the drop must end with a flush";
  EXPECT_TRUE(errors.reports.empty());
}

TEST(ReadDroppedPaths, FlushesBeforeAMessageIsShown) {
  TempTree tree;
  const std::string file = tree.File("a.txt", "1\n2\n");
  RecordingEntrySink sink;
  RecordingErrorSink errors;
  std::size_t pendingAtMessage = 99;
  DropHost ctx{sink, errors, [&](const std::string&, NotRead) { pendingAtMessage = sink.pending; }, {}};
  ReadDroppedPaths({file, tree.Path("missing")}, ctx);
  EXPECT_EQ(pendingAtMessage, 0u);
  EXPECT_EQ(sink.entries, (Texts{"1", "2"}));
}

// The progress hook's view of a drop, one line per state it was told of
// (repeats left out).
std::string Traced(const DropState& s) {
  switch (s.phase) {
    case DropPhase::kCollectingFolders:
      return "folders " + std::to_string(s.folders);
    case DropPhase::kCollectingFiles:
      return "files " + std::to_string(s.filesFound);
    case DropPhase::kReadingFiles:
      return "read " + std::to_string(s.filesRead) + " of " + std::to_string(s.filesFound);
    case DropPhase::kReadingText:
      break;  // never a drop of files
  }
  return "?";
}

TEST(ReadDroppedPaths, ReportsCollectingThenReadingWithTheirCounts) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/a.txt", "1\n");
  tree.File("A/~skip.txt", "9\n");  // never collected
  tree.File("A/B/b.txt", "2\n");
  tree.File("A/B/b2.txt", "3\n");
  tree.File("A/C/D/d.txt", "4\n");  // C holds no file
  const std::string single = tree.File("single.txt", "5\n");
  RecordingEntrySink sink;
  RecordingErrorSink errors;
  Texts trace;
  DropHost ctx{sink, errors, {}, {}, system::RealFileSystem(), [&](const DropState& s) {
                 if (trace.empty() || trace.back() != Traced(s)) trace.push_back(Traced(s));
               }};
  const DropState end = ReadDroppedPaths({a, single}, ctx);
  EXPECT_EQ(trace, (Texts{"folders 1", "folders 2", "folders 3", "folders 4",     // A, then B and C, then D
                          "files 0", "files 1", "files 2", "files 3", "files 4",  // the ~ file is not one
                          "read 0 of 4", "read 1 of 4", "read 2 of 4", "read 3 of 4", "read 4 of 4", "read 4 of 5",
                          "read 5 of 5"}));  // the dropped file counts once reached
  EXPECT_FALSE(end.stopped);
  EXPECT_EQ(Traced(end), "read 5 of 5");
  EXPECT_EQ(end.folders, 4u);
  EXPECT_EQ(sink.entries.size(), 5u);
}

TEST(ReadDroppedPaths, AStopAskedWhileEventsRunEndsTheDropBeforeAnythingMoreIsRead) {
  TempTree tree;
  const std::string top = tree.Folder("Top");
  for (int i = 0; i < 6; ++i) tree.File("Top/f" + std::to_string(i) + "/n.txt", std::to_string(10 + i) + "\n");
  Texts walkOrder;  // one entry per folder, in the order the drop reads them
  for (const std::string& sub : system::RealFileSystem().SubFolderNames(top))
    walkOrder.push_back(std::to_string(10 + std::stoi(sub.substr(1))));
  const Texts files = {tree.File("one.txt", "1\n"), tree.File("two.txt", "2\n"), tree.File("three.txt", "3\n")};
  // A file of three read blocks: a stop inside it keeps the whole lines of
  // the blocks read before.
  std::string lines;
  Texts firstBlock;
  for (int i = 0; lines.size() < 3 * kReadBlockBytes; ++i) {
    const std::string line = std::to_string(i * 37);
    if (lines.size() + line.size() + 1 <= kReadBlockBytes) firstBlock.push_back(line);
    lines += line + "\n";
  }
  const std::string big = tree.File("big.txt", lines);

  using Phase = DropPhase;
  const struct Row {
    const char* name;
    Texts dropped;
    std::function<bool(const DropState&)> stopWhen;  // asked each time events run
    Texts entries;
    Phase phase;
    std::size_t read;
    bool stopped;
    bool cut = false;  // the stop came inside a file
  } rows[] = {
      {"while folders are collected",
       {top},
       [](const DropState& s) { return s.folders >= 3; },
       {},
       Phase::kCollectingFolders,
       0,
       true},
      {"while files are collected",
       {top},
       [](const DropState& s) { return s.phase == Phase::kCollectingFiles && s.filesFound >= 2; },
       {},
       Phase::kCollectingFiles,
       0,
       true},
      {"between gathered files",
       {top},
       [](const DropState& s) { return s.phase == Phase::kReadingFiles && s.filesRead >= 2; },
       {walkOrder[0], walkOrder[1]},
       Phase::kReadingFiles,
       2,
       true},
      {"between dropped files",
       files,
       [](const DropState& s) { return s.filesRead >= 1; },
       {"1"},
       Phase::kReadingFiles,
       1,
       true},
      {"at a folder after a dropped file",
       {files[0], top},
       [](const DropState& s) { return s.folders >= 1; },
       {"1"},
       Phase::kCollectingFolders,
       1,
       true},
      {"inside a long file",
       {big, files[0]},
       [](const DropState& s) { return s.filesRead == 0; },
       firstBlock,
       Phase::kReadingFiles,
       1,
       true,
       true},
      {"never", {top}, [](const DropState&) { return false; }, walkOrder, Phase::kReadingFiles, 6, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingEntrySink sink;
    RecordingErrorSink errors;
    DropState last;
    bool asked = false;  // the user's stop, as the window takes it while events run
    int progressAfterStop = 0, askedAgain = 0;
    bool answeredYes = false;
    DropHost ctx{sink,
                 errors,
                 {},
                 [&] { asked = asked || row.stopWhen(last); },
                 system::RealFileSystem(),
                 [&](const DropState& s) {
                   last = s;
                   if (answeredYes) ++progressAfterStop;
                 },
                 [&] {
                   if (answeredYes) ++askedAgain;
                   answeredYes = asked;
                   return asked;
                 }};
    const DropState end = ReadDroppedPaths(row.dropped, ctx);
    EXPECT_EQ(sink.entries, row.entries);
    EXPECT_EQ(end.stopped, row.stopped);
    EXPECT_EQ(end.phase, row.phase);
    EXPECT_EQ(end.filesRead, row.read);
    EXPECT_EQ(end.fileCut, row.cut);
    EXPECT_EQ(progressAfterStop, 0) << "the drop went on after it was told to stop";
    EXPECT_EQ(askedAgain, 0) << "a stop is final: the drop must not ask again";
    EXPECT_EQ(sink.pending, 0u) << "a stopped drop must still show what it read";
    EXPECT_TRUE(errors.reports.empty());
  }
}

}  // namespace
