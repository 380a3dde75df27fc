// The folder walk and the file-system layer under it: breadth-first order,
// which folders are walked, folders that cannot be listed, links that must not
// be followed, names that are skipped, and the attribute mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/AddFolder.h"
#include "system/FileSystem.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::system;
using namespace tallowmere::input;

namespace {

using loadertest::RecordingErrorSink;
using loadertest::Report;
using loadertest::TempTree;
using Paths = std::vector<std::string>;
namespace fs = system;

// An in-memory tree: listing order, attributes and failures are scripted, so
// the walk's rules can be tested where this platform never produces the case
// (system folders, a failing listing, a folder the tests may not list).
class FakeFileSystem : public fs::FileSystem {
 public:
  struct Node {
    unsigned attributes = 0;
    bool root = false;
    int listError = 0;  // errno that listing this folder fails with
    Paths children;     // names, in listing order
  };

  // Adds a folder (attributes 16 unless given) and names it in its parent.
  void AddFolder(const std::string& path, unsigned attributes = fs::kDirectory) { Add(path, attributes); }
  void AddFile(const std::string& path, unsigned attributes = fs::kArchive) { Add(path, attributes); }
  Node& At(const std::string& path) { return nodes_.at(Key(path)); }

  unsigned Attributes(const std::string& path) override {
    auto it = nodes_.find(Key(path));
    if (it == nodes_.end()) fs::ThrowError(ENOENT);
    return it->second.attributes;
  }
  bool Exists(const std::string& path) override { return nodes_.count(Key(path)) != 0; }
  bool IsRegularFile(const std::string& path) override {
    auto it = nodes_.find(Key(path));
    return it != nodes_.end() && (it->second.attributes & fs::kArchive) != 0;
  }
  bool IsRoot(const std::string& path) override {
    auto it = nodes_.find(Key(path));
    return it != nodes_.end() && it->second.root;
  }
  Paths SubFolderNames(const std::string& folder) override { return List(folder, true); }
  Paths FileNames(const std::string& folder) override { return List(folder, false); }

 private:
  static std::string Key(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
  }
  void Add(const std::string& path, unsigned attributes) {
    std::string key = Key(path);
    nodes_[key].attributes = attributes;
    auto slash = key.rfind('/');
    if (slash != std::string::npos && slash > 0) nodes_[key.substr(0, slash)].children.push_back(key.substr(slash + 1));
  }
  Paths List(const std::string& folder, bool folders) {
    auto it = nodes_.find(Key(folder));
    if (it == nodes_.end()) fs::ThrowError(ENOENT);
    if (it->second.listError) fs::ThrowError(it->second.listError);
    Paths names;
    for (const std::string& name : it->second.children) {
      if (name == "." || name == "..") {
        if (folders) names.push_back(name);  // a listing that reports them must not make a loop
        continue;
      }
      auto child = nodes_.find(Key(folder) + "/" + name);
      // Unlike the real one, this model lists links to folders as sub-folders
      // when a test scripts them, so the walk's own rules meet them.
      bool isFolder = child != nodes_.end() && (child->second.attributes & fs::kDirectory);
      if (isFolder == folders) names.push_back(name);
    }
    return names;
  }

  std::map<std::string, Node> nodes_;
};

struct Walked {
  Paths folders;
  std::vector<Report> reports;
  Paths unlistable;  // "folder: reason", as the walk told them
};

Walked Walk(fs::FileSystem& fsys, Paths folders, bool recurse = true, std::function<void()> events = {}) {
  RecordingErrorSink errors;
  Paths unlistable;
  WalkHost ctx{fsys, errors, std::move(events)};
  ctx.folderUnlistable = [&](const std::string& folder, const std::string& reason) {
    unlistable.push_back(folder + ": " + reason);
  };
  GetSubDirectories2016(folders, recurse, ctx);
  return {folders, errors.reports, unlistable};
}

TEST(GetSubDirectories2016, IsBreadthFirstInListingOrder) {
  FakeFileSystem tree;
  tree.AddFolder("/t");
  tree.AddFolder("/t/A");
  tree.AddFolder("/t/A/C");  // listed before B
  tree.AddFolder("/t/A/B");
  tree.AddFolder("/t/A/B/D");
  tree.AddFolder("/t/A/C/E");
  tree.AddFolder("/t/A/C/E/F");
  tree.AddFile("/t/A/file.txt");

  Walked all = Walk(tree, {"/t/A/"});
  EXPECT_EQ(all.folders, (Paths{"/t/A/", "/t/A/C/", "/t/A/B/", "/t/A/C/E/", "/t/A/B/D/", "/t/A/C/E/F/"}));
  EXPECT_TRUE(all.reports.empty());

  EXPECT_EQ(Walk(tree, {"/t/A/"}, false).folders, (Paths{"/t/A/", "/t/A/C/", "/t/A/B/"}));

  // Two given folders: each level lists the first folder's part, then the second's.
  EXPECT_EQ(Walk(tree, {"/t/A/B/", "/t/A/C/"}).folders,
            (Paths{"/t/A/B/", "/t/A/C/", "/t/A/B/D/", "/t/A/C/E/", "/t/A/C/E/F/"}));
  EXPECT_TRUE(Walk(tree, {}).folders.empty());
}

// Dropped without a report; the host is told each one, with the reason.
TEST(GetSubDirectories2016, DropsFoldersThatCannotBeListedSilently) {
  struct Case {
    const char* name;
    Paths given;
    Paths expected;
    Paths told;
  };
  FakeFileSystem tree;
  tree.AddFolder("/t");
  tree.AddFolder("/t/A");
  tree.AddFolder("/t/A/Denied");
  tree.AddFolder("/t/A/Denied/Inside");
  tree.AddFolder("/t/A/Gone");
  tree.AddFolder("/t/A/Fine");
  tree.AddFolder("/t/A/Fine/Deeper");
  tree.AddFolder("/t/A/Fine/Locked");  // two levels down
  tree.AddFolder("/t/A/Fine/Locked/Inside");
  tree.AddFolder("/t/P");
  tree.At("/t/A/Denied").listError = EACCES;
  tree.At("/t/A/Gone").listError = ENOENT;
  tree.At("/t/A/Fine/Locked").listError = EACCES;
  tree.At("/t/P").listError = EPERM;
  const std::string denied = ": " + std::string(std::strerror(EACCES));
  const std::string gone = ": " + std::string(std::strerror(ENOENT));
  const std::string refused = ": " + std::string(std::strerror(EPERM));
  const std::vector<Case> cases = {
      {"inside the tree",
       {"/t/A/"},
       {"/t/A/", "/t/A/Fine/", "/t/A/Fine/Deeper/"},
       {"/t/A/Denied/" + denied, "/t/A/Gone/" + gone, "/t/A/Fine/Locked/" + denied}},
      // The folder after a removed one is still walked.
      {"first given folder",
       {"/t/P/", "/t/A/Fine/"},
       {"/t/A/Fine/", "/t/A/Fine/Deeper/"},
       {"/t/P/" + refused, "/t/A/Fine/Locked/" + denied}},
      {"last given folder",
       {"/t/A/Fine/", "/t/P/"},
       {"/t/A/Fine/", "/t/A/Fine/Deeper/"},
       {"/t/P/" + refused, "/t/A/Fine/Locked/" + denied}},
      {"every given folder",
       {"/t/P/", "/t/A/Denied/", "/t/A/Gone/"},
       {},
       {"/t/P/" + refused, "/t/A/Denied/" + denied, "/t/A/Gone/" + gone}},
      // The first entry equal to it goes: the earlier duplicate.
      {"duplicate",
       {"/t/A/Fine/", "/t/P/", "/t/P/", "/t/A/Fine/"},
       {"/t/A/Fine/", "/t/A/Fine/", "/t/A/Fine/Deeper/", "/t/A/Fine/Deeper/"},
       {"/t/P/" + refused, "/t/P/" + refused, "/t/A/Fine/Locked/" + denied, "/t/A/Fine/Locked/" + denied}},
      // Below the given folders each level holds both copies.
      {"duplicate below",
       {"/t/A/", "/t/A/"},
       {"/t/A/", "/t/A/", "/t/A/Fine/", "/t/A/Fine/", "/t/A/Fine/Deeper/", "/t/A/Fine/Deeper/"},
       {"/t/A/Denied/" + denied, "/t/A/Gone/" + gone, "/t/A/Denied/" + denied, "/t/A/Gone/" + gone,
        "/t/A/Fine/Locked/" + denied, "/t/A/Fine/Locked/" + denied}},
  };
  for (const Case& c : cases) {
    Walked got = Walk(tree, c.given);
    EXPECT_EQ(got.folders, c.expected) << c.name;
    EXPECT_EQ(got.unlistable, c.told) << c.name;
    EXPECT_TRUE(got.reports.empty()) << c.name;
  }

  // A folder closed once it was listed: at its second occurrence the first
  // entry equal to it goes, and what stays is kept by the rules, not by what
  // was learnt about the entries before the one that went.
  class ClosedAfterListing : public FakeFileSystem {
   public:
    Paths SubFolderNames(const std::string& folder) override {
      Paths names = FakeFileSystem::SubFolderNames(folder);
      if (folder == "/t/D/X/") At("/t/D/X").listError = EACCES;
      return names;
    }
  };
  ClosedAfterListing closing;
  closing.AddFolder("/t");
  closing.AddFolder("/t/D");
  closing.AddFolder("/t/D/X");
  closing.AddFolder("/t/D/S", fs::kDirectory | fs::kHidden | fs::kSystem);
  Walked got = Walk(closing, {"/t/D/", "/t/D/"});
  EXPECT_EQ(got.folders, (Paths{"/t/D/", "/t/D/", "/t/D/X/"}));
  EXPECT_EQ(got.unlistable, (Paths{"/t/D/X/" + denied}));
  EXPECT_TRUE(got.reports.empty());
}

// Hand-made trees, each folder added in the order its parent lists it: the
// walk keeps levels whole, a level in the order of its parents, and leaves
// out what its rules leave out at any depth.
TEST(GetSubDirectories2016, KeepsTheOrderAndTheFoldersOfHandMadeTrees) {
  constexpr unsigned kSystem = fs::kDirectory | fs::kHidden | fs::kSystem;
  struct Folder {
    const char* path;
    unsigned attributes = fs::kDirectory;
    int listError = 0;
  };
  struct Case {
    const char* name;
    std::vector<Folder> tree;
    Paths given;
    bool recurse;
    Paths expected;
  };
  // R lists b, a, c; b lists b2, b1; b1's child is found after c1's was made.
  const std::vector<Folder> uneven = {{"/t"},          {"/t/R"},        {"/t/R/b"},       {"/t/R/a"},
                                      {"/t/R/c"},      {"/t/R/b/b2"},   {"/t/R/b/b1"},    {"/t/R/c/c1"},
                                      {"/t/R/c/c1/x"}, {"/t/R/b/b1/y"}, {"/t/R/b/b1/y/z"}};
  const std::vector<Case> cases = {
      {"uneven levels",
       uneven,
       {"/t/R/"},
       true,
       {"/t/R/", "/t/R/b/", "/t/R/a/", "/t/R/c/", "/t/R/b/b2/", "/t/R/b/b1/", "/t/R/c/c1/", "/t/R/b/b1/y/",
        "/t/R/c/c1/x/", "/t/R/b/b1/y/z/"}},
      {"one level only", uneven, {"/t/R/"}, false, {"/t/R/", "/t/R/b/", "/t/R/a/", "/t/R/c/"}},
      {"two given trees, level by level",
       uneven,
       {"/t/R/c/", "/t/R/b/"},
       true,
       {"/t/R/c/", "/t/R/b/", "/t/R/c/c1/", "/t/R/b/b2/", "/t/R/b/b1/", "/t/R/c/c1/x/", "/t/R/b/b1/y/",
        "/t/R/b/b1/y/z/"}},
      {"left out at every depth",
       {{"/t"},
        {"/t/R"},
        {"/t/R/a", kSystem},
        {"/t/R/a/in"},
        {"/t/R/b", fs::kDirectory, EACCES},
        {"/t/R/b/in"},
        {"/t/R/c"},
        {"/t/R/c/d", fs::kDirectory, EACCES},
        {"/t/R/c/e", kSystem},
        {"/t/R/c/e/in"},
        {"/t/R/c/f"},
        {"/t/R/c/odd?"},  // an ordinary name: kept
        {"/t/R/c/f/g"},
        {"/t/R/c/f/g/h", fs::kDirectory, ENOENT},
        {"/t/R/c/f/g/i"}},
       {"/t/R/"},
       true,
       {"/t/R/", "/t/R/c/", "/t/R/c/f/", "/t/R/c/odd?/", "/t/R/c/f/g/", "/t/R/c/f/g/i/"}},
  };
  for (const Case& c : cases) {
    FakeFileSystem tree;
    for (const Folder& f : c.tree) {
      tree.AddFolder(f.path, f.attributes);
      tree.At(f.path).listError = f.listError;
    }
    Walked got = Walk(tree, c.given, c.recurse);
    EXPECT_EQ(got.folders, c.expected) << c.name;
    EXPECT_TRUE(got.reports.empty()) << c.name;
  }
}

TEST(GetSubDirectories2016, ReportsOtherListingFailuresAndGoesOn) {
  FakeFileSystem tree;
  tree.AddFolder("/t");
  tree.AddFolder("/t/A");
  tree.AddFolder("/t/A/Broken");
  tree.AddFolder("/t/A/Broken/Unseen");
  tree.AddFolder("/t/A/Next");
  tree.AddFolder("/t/A/Next/Below");
  tree.At("/t/A/Broken").listError = EIO;
  Walked got = Walk(tree, {"/t/A/"});
  // The broken folder keeps its place (its files may still be readable);
  // nothing below it is found; its sibling's tree is walked.
  EXPECT_EQ(got.folders, (Paths{"/t/A/", "/t/A/Broken/", "/t/A/Next/", "/t/A/Next/Below/"}));
  EXPECT_EQ(got.reports, (std::vector<Report>{{std::strerror(EIO), kFolderWalkLocation, 118}}));
}

TEST(GetSubDirectories2016, LeavesSystemFoldersAloneExceptAtARoot) {
  constexpr unsigned kSystem = fs::kDirectory | fs::kHidden | fs::kSystem;  // 22
  FakeFileSystem tree;
  tree.AddFolder("/t");
  tree.AddFolder("/t/A");
  tree.AddFolder("/t/A/Sys", kSystem);
  tree.AddFolder("/t/A/Sys/Inside");
  tree.AddFolder("/t/A/SysLink", kSystem | fs::kReparsePoint);  // 1046, listed by a model that lists links
  tree.AddFolder("/t/A/SysArchived", kSystem | fs::kArchive);   // 54: not the exact set
  tree.AddFolder("/t/A/SysArchived/Inside");
  tree.AddFolder("/t/A/Hidden", fs::kDirectory | fs::kHidden);
  tree.AddFolder("/t/R", kSystem);
  tree.AddFolder("/t/R/Inside");
  tree.At("/t/R").root = true;

  EXPECT_EQ(Walk(tree, {"/t/A/"}).folders,
            (Paths{"/t/A/", "/t/A/SysArchived/", "/t/A/Hidden/", "/t/A/SysArchived/Inside/"}));
  // Given directly, a system folder stays in the list but is not searched;
  // a root with the same attributes is searched.
  EXPECT_EQ(Walk(tree, {"/t/A/Sys/"}).folders, (Paths{"/t/A/Sys/"}));
  EXPECT_EQ(Walk(tree, {"/t/R/"}).folders, (Paths{"/t/R/", "/t/R/Inside/"}));
}

// Every name this system allows is an ordinary one: question marks, stars,
// control characters and bytes that are not UTF-8 included. Only a name too
// long to be a path is left out, and said to be.
TEST(GetSubDirectories2016, WalksOddNamesAndTellsOnlyOverlongOnes) {
  FakeFileSystem tree;
  tree.AddFolder("/t");
  tree.AddFolder("/t/A");
  const Paths odd = {"what?",      "star*",   "new\nline",    "tab\there",   "ctl\x01",     "del\x7f",
                     "c1\xC2\x85", "bad\xff", "half\xE2\x82", "bad\xc3\x28", "caf\xC3\xA9", "~tilde"};
  const std::string overlong(fs::kMaxPath, 'n');
  tree.AddFolder("/t/A/plain");
  for (const std::string& name : odd) tree.AddFolder("/t/A/" + name);
  tree.AddFolder("/t/A/" + overlong);
  tree.At("/t/A").children.push_back(".");
  tree.At("/t/A").children.push_back("..");
  Walked got = Walk(tree, {"/t/A/"});
  Paths expected = {"/t/A/", "/t/A/plain/"};
  for (const std::string& name : odd) expected.push_back("/t/A/" + name + "/");
  EXPECT_EQ(got.folders, expected);
  EXPECT_TRUE(got.reports.empty());
  EXPECT_EQ(got.unlistable, (Paths{"/t/A/" + overlong + "/: " + std::strerror(ENAMETOOLONG)}));
}

TEST(GetSubDirectories2016, WalksOnlyPathsShorterThanThePlatformLimit) {
  FakeFileSystem tree;
  const std::string base = "/" + std::string(fs::kMaxPath - 5, 'x');  // with "/a/" just under the limit
  tree.AddFolder(base);
  tree.AddFolder(base + "/a");
  tree.AddFolder(base + "/a/b");  // its path reaches the limit
  tree.AddFolder(base + "/a/b/c");
  ASSERT_EQ((base + "/a/").size(), fs::kMaxPath - 1);
  const Walked got = Walk(tree, {base + "/a/"});
  EXPECT_EQ(got.folders, (Paths{base + "/a/", base + "/a/b/"}));
  // What lies below the folder at the limit is not reached: it is said.
  EXPECT_EQ(got.unlistable, (Paths{base + "/a/b/: " + std::strerror(ENAMETOOLONG)}));
}

// Far deeper than paths may go: the walk ends where the paths reach the
// limit, without taking stack or time for each level above, and lets events
// run a few times per folder, not once per folder per level above it.
TEST(GetSubDirectories2016, WalksAChainOfFoldersDownToThePathLimit) {
  class ListingCounter : public FakeFileSystem {
   public:
    int listings = 0;
    Paths SubFolderNames(const std::string& folder) override {
      ++listings;
      return FakeFileSystem::SubFolderNames(folder);
    }
  };
  constexpr int kLevels = 3000;
  ListingCounter tree;
  std::string path = "/t";
  tree.AddFolder(path);
  Paths chain;  // "/t/d/", "/t/d/d/", ... as far as the walk may go
  for (int level = 1; level <= kLevels; ++level) {
    path += "/d";
    tree.AddFolder(path);
    // Folders shorter than the limit are listed; the first that reaches it
    // is kept but not listed.
    if (chain.empty() || chain.back().size() < fs::kMaxPath) chain.push_back(path + "/");
  }
  ASSERT_GE(chain.back().size(), fs::kMaxPath);
  ASSERT_LT(chain.size(), static_cast<std::size_t>(kLevels));

  int events = 0;
  Walked got = Walk(tree, {"/t/d/"}, true, [&] { ++events; });
  EXPECT_EQ(got.folders, chain);
  EXPECT_TRUE(got.reports.empty());
  EXPECT_EQ(tree.listings, static_cast<int>(chain.size()) - 1);
  EXPECT_LE(events, 3 * static_cast<int>(chain.size()));
}

TEST(GetSubDirectories2016, LetsEventsRunAndSurvivesWhatTheyDo) {
  FakeFileSystem tree;
  for (const char* folder : {"/t", "/t/A", "/t/A/B", "/t/A/C", "/t/A/B/D", "/t/X", "/t/X/Y"}) tree.AddFolder(folder);
  int calls = 0;
  Paths nested;
  // The first time events run, another walk starts (as a second drop would)
  // and runs to its end before this one goes on.
  Walked got = Walk(tree, {"/t/A/"}, true, [&] {
    if (++calls == 1) nested = Walk(tree, {"/t/X/"}).folders;
  });
  EXPECT_EQ(got.folders, (Paths{"/t/A/", "/t/A/B/", "/t/A/C/", "/t/A/B/D/"}));
  EXPECT_EQ(nested, (Paths{"/t/X/", "/t/X/Y/"}));
  // Every folder opened and every sub-folder met gives events a chance.
  EXPECT_GE(calls, 4 + 3);
}

TEST(GetSubDirectories2016, AFailureWhileEventsRunIsReportedAndTheWalkGoesOn) {
  FakeFileSystem tree;
  for (const char* folder : {"/t", "/t/A", "/t/A/B", "/t/A/B/C"}) tree.AddFolder(folder);
  Walked got = Walk(tree, {"/t/A/"}, true, [] { throw std::runtime_error("Out of stack space"); });
  EXPECT_EQ(got.folders, (Paths{"/t/A/", "/t/A/B/", "/t/A/B/C/"}));
  std::vector<int> labels;
  for (const Report& r : got.reports) {
    EXPECT_EQ(r.location, kFolderWalkLocation);
    EXPECT_EQ(r.description, "Out of stack space");
    labels.push_back(r.label);
  }
  // Each kind of event point reports under its own label.
  for (int label : {114, 120, 156}) EXPECT_NE(std::count(labels.begin(), labels.end(), label), 0) << label;
}

// A walk stopped when its n-th sub-folder is found lists no further folder.
TEST(GetSubDirectories2016, AStoppedWalkListsNothingMore) {
  class ListingRecorder : public FakeFileSystem {
   public:
    Paths listed;
    Paths SubFolderNames(const std::string& folder) override {
      listed.push_back(folder);
      return FakeFileSystem::SubFolderNames(folder);
    }
  };
  // A lists B and C; B lists D and E; C lists F.
  const struct {
    int stopAtFound;
    Paths listed;
  } rows[] = {
      {1, {"/t/A/"}},
      {2, {"/t/A/"}},
      {3, {"/t/A/", "/t/A/B/"}},
      {5, {"/t/A/", "/t/A/B/", "/t/A/C/"}},
      {99, {"/t/A/", "/t/A/B/", "/t/A/C/", "/t/A/B/D/", "/t/A/B/E/", "/t/A/C/F/"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stopAtFound);
    ListingRecorder tree;
    for (const char* folder : {"/t", "/t/A", "/t/A/B", "/t/A/C", "/t/A/B/D", "/t/A/B/E", "/t/A/C/F"})
      tree.AddFolder(folder);
    RecordingErrorSink errors;
    int found = 0;
    WalkHost ctx{tree, errors, {}, [&] { ++found; }, [&] { return found >= row.stopAtFound; }};
    Paths folders = {"/t/A/"};
    GetSubDirectories2016(folders, true, ctx);
    EXPECT_EQ(tree.listed, row.listed);
    EXPECT_EQ(found, std::min(row.stopAtFound, 5));
    if (row.stopAtFound > 5) {
      EXPECT_EQ(folders.size(), 6u);
    }
    EXPECT_TRUE(errors.reports.empty());
  }
}

// --- The real file system ---------------------------------------------------

TEST(RealFileSystem, MapsAttributes) {
  TempTree tree;
  const std::string file = tree.File("a.txt", "1");
  const std::string folder = tree.Folder("dir");
  fs::FileSystem& real = fs::RealFileSystem();
  struct Case {
    std::string path;
    unsigned attributes;
  };
  const std::vector<Case> cases = {
      {file, fs::kArchive},                                     // 32
      {tree.File(".hidden", "1"), fs::kHidden | fs::kArchive},  // 34
      {folder, fs::kDirectory},                                 // 16
      {folder + "/", fs::kDirectory},
      {tree.Folder(".hid"), fs::kDirectory | fs::kHidden},                  // 18
      {tree.Link("file-link", file), fs::kArchive | fs::kReparsePoint},     // 1056
      {tree.Link("dir-link", folder), fs::kDirectory | fs::kReparsePoint},  // 1040
      {tree.Link("dangling", tree.Path("none")), fs::kReparsePoint},
      {tree.Fifo("pipe"), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(real.Attributes(c.path), c.attributes) << c.path;
  EXPECT_THROW(real.Attributes(tree.Path("missing")), fs::PathNotFound);
}

TEST(RealFileSystem, ReadOnlyIsWhatTheUserMayNotWrite) {
  TempTree tree;
  const std::string plain = tree.File("ro.txt", "1");
  const std::string hidden = tree.File(".ro", "1");
  const std::string writable = tree.File(".rw", "1");
  ::chmod(plain.c_str(), 0444);
  ::chmod(hidden.c_str(), 0444);
  ::chmod(writable.c_str(), 0666);
  const std::string answer = loadertest::RunUnprivileged([&] {
    fs::FileSystem& real = fs::RealFileSystem();
    return std::to_string(real.Attributes(plain)) + " " + std::to_string(real.Attributes(hidden)) + " " +
           std::to_string(real.Attributes(writable));
  });
  EXPECT_EQ(answer, "33 35 34");
}

TEST(RealFileSystem, TellsRootsAndExistence) {
  TempTree tree;
  fs::FileSystem& real = fs::RealFileSystem();
  struct Case {
    std::string path;
    bool root;
  };
  const std::vector<Case> cases = {
      {"/", true},          {"//", true},    {"/./", true}, {tree.Link("to-root", "/"), true},
      {tree.Root(), false}, {"/tmp", false}, {"", false},   {".", false},
  };
  for (const Case& c : cases) EXPECT_EQ(real.IsRoot(c.path), c.root) << c.path;
  EXPECT_TRUE(real.Exists(tree.Root()));
  EXPECT_FALSE(real.Exists(tree.Path("missing")));
}

TEST(RealFileSystem, ListsRealSubFoldersAndEverythingElseApart) {
  TempTree tree;
  tree.Folder("top/sub");
  tree.Folder("top/.hidden-sub");
  tree.File("top/a.txt", "1");
  tree.File("top/.hidden.txt", "1");
  tree.Link("top/link-to-sub", tree.Path("top/sub"));
  tree.Link("top/link-to-file", tree.Path("top/a.txt"));
  tree.Fifo("top/pipe");
  fs::FileSystem& real = fs::RealFileSystem();
  Paths folders = real.SubFolderNames(tree.Path("top"));
  Paths files = real.FileNames(tree.Path("top/"));
  std::sort(folders.begin(), folders.end());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(folders, (Paths{".hidden-sub", "sub"}));
  EXPECT_EQ(files, (Paths{".hidden.txt", "a.txt", "link-to-file", "link-to-sub", "pipe"}));

  EXPECT_THROW(real.SubFolderNames(tree.Path("missing")), fs::PathNotFound);
  EXPECT_THROW(real.FileNames(tree.Path("top/a.txt")), fs::PathNotFound);
}

TEST(RealFileSystem, AFolderTheUserMayNotListIsAccessDenied) {
  TempTree tree;
  const std::string closed = tree.Folder("closed");
  ::chmod(closed.c_str(), 0000);
  const std::string answer = loadertest::RunUnprivileged([&] {
    try {
      fs::RealFileSystem().SubFolderNames(closed);
    } catch (const fs::AccessDenied& e) {
      return std::string("denied: ") + e.what();
    } catch (const std::exception& e) {
      return std::string("other: ") + e.what();
    }
    return std::string("listed");
  });
  EXPECT_EQ(answer, "denied: Permission denied");
}

TEST(IsFolderAndIsOpenableFile, AnswerForEveryKindOfPath) {
  TempTree tree;
  const std::string file = tree.File("a.txt", "1");
  const std::string folder = tree.Folder("dir");
  struct Case {
    std::string path;
    bool folder;
    bool openable;
  };
  const std::vector<Case> cases = {
      {file, false, true},
      {tree.File(".hidden", ""), false, true},
      {folder, true, false},
      {folder + "/", true, false},
      {tree.Link("file-link", file), false, true},
      {tree.Link("dir-link", folder), true, false},
      {tree.Link("dangling", tree.Path("none")), false, false},
      {tree.Fifo("pipe"), false, false},
      {"/dev/null", false, false},
      {tree.Path("missing"), false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsFolder(c.path), c.folder) << c.path;
    EXPECT_EQ(IsOpenableFile(c.path), c.openable) << c.path;
  }
}

TEST(GetFilesInFolder, GivesOpenableFilesInListingOrder) {
  TempTree tree;
  const std::string top = tree.Folder("top");
  tree.File("top/a.txt", "1");
  tree.File("top/.hidden", "1");
  tree.File("top/~temp.txt", "1");
  tree.File("top/noext", "1");
  tree.Folder("top/sub.txt");
  tree.Link("top/link.txt", tree.Path("top/a.txt"));
  tree.Link("top/dirlink.txt", tree.Path("top/sub.txt"));
  tree.Fifo("top/pipe.txt");

  // The listing order is the file system's: compare with it.
  Paths listed = fs::RealFileSystem().FileNames(top);
  Paths expected;
  for (const std::string& name : listed)
    if (name != "dirlink.txt" && name != "pipe.txt") expected.push_back(name);
  EXPECT_EQ(GetFilesInFolder(top, "*.*"), expected);
  EXPECT_EQ(GetFilesInFolder(top, "*"), expected);

  Paths txt = GetFilesInFolder(top, "*.txt");
  std::sort(txt.begin(), txt.end());
  EXPECT_EQ(txt, (Paths{"a.txt", "link.txt", "~temp.txt"}));

  EXPECT_TRUE(GetFilesInFolder(tree.Path("missing"), "*.*").empty());
  EXPECT_TRUE(GetFilesInFolder(tree.Folder("empty"), "*.*").empty());
}

TEST(GetSubDirectories2016, DoesNotFollowLinksInsideTheTree) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.Folder("A/B");
  tree.Link("A/B/up", a);  // a cycle back to the top
  tree.Link("A/B/self", tree.Path("A/B"));
  tree.Link("A/elsewhere", tree.Folder("Other"));
  tree.Folder("Other/Inside");
  Walked got = Walk(fs::RealFileSystem(), {a + "/"});
  EXPECT_EQ(got.folders, (Paths{a + "/", a + "/B/"}));
  EXPECT_TRUE(got.reports.empty());
}

TEST(GetSubDirectories2016, WalksARealTreeBreadthFirst) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.Folder("A/B/D/E");
  tree.Folder("A/C");
  // Names this system allows, however odd, are walked like any other.
  const Paths odd = {"bad\xff", "what?", "star*", "new\nline", "tab\there", "ctl\x01", "bad\xc3\x28"};
  for (const std::string& name : odd) tree.Folder("A/" + name + "/Inside");
  Paths top = fs::RealFileSystem().SubFolderNames(a);
  ASSERT_EQ(top.size(), 2 + odd.size());
  Paths expected = {a + "/"};
  for (const std::string& name : top) expected.push_back(a + "/" + name + "/");
  for (const std::string& name : top)
    if (name == "B")
      expected.push_back(a + "/B/D/");
    else if (name != "C")
      expected.push_back(a + "/" + name + "/Inside/");
  expected.push_back(a + "/B/D/E/");
  const Walked got = Walk(fs::RealFileSystem(), {a + "/"});
  EXPECT_EQ(got.folders, expected);
  EXPECT_TRUE(got.unlistable.empty());
}

TEST(GetSubDirectories2016, SkipsARealFolderTheUserMayNotListWithoutAWord) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.Folder("A/Closed/Inside");
  tree.Folder("A/Open/Inside");
  ::chmod(tree.Path("A/Closed").c_str(), 0000);
  const std::string answer = loadertest::RunUnprivileged([&] {
    Walked got = Walk(fs::RealFileSystem(), {a + "/"});
    return loadertest::Joined(got.folders) + " reports " + std::to_string(got.reports.size());
  });
  EXPECT_EQ(answer, a + "/|" + a + "/Open/|" + a + "/Open/Inside/ reports 0");
}

}  // namespace
