// The list kept at close: its file read back exactly (texts, flags, order),
// refused whole when damaged, too large or not a plain file, and the state
// folder made when missing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "input/KeptList.h"
#include "system/StateFolder.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using input::KeptList;

namespace {

using Entries = std::vector<std::pair<std::string, bool>>;

input::KeptSource SourceOf(const Entries& entries) {
  return {entries.size(), [&entries](std::size_t i) { return std::string_view(entries[i].first); },
          [&entries](std::size_t i) { return entries[i].second; }};
}

std::string Bytes(const Entries& entries, std::uint64_t maxBytes = input::kMaxKeptListBytes) {
  std::string bytes;
  input::WriteKeptList(
      SourceOf(entries), [&bytes](const char* d, std::size_t n) { bytes.append(d, n); }, maxBytes);
  return bytes;
}

Entries EntriesOf(const KeptList& list) {
  Entries out;
  for (std::size_t i = 0; i < list.entries.Size(); ++i)
    out.emplace_back(std::string(list.entries.Text(i)), list.entries.PassedNumberTest(i));
  return out;
}

class StateDir : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/kept_list_testXXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    root_ = name;
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::string Folder() const { return root_ + "/state/tallowmere"; }
  std::string root_;
};

}  // namespace

TEST(KeptListFile, ReadsBackEveryKindOfEntryInOrderWithItsFlag) {
  const std::vector<Entries> cases = {
      {{"1", false}},
      {{"12", false}, {"61,5", true}, {"", false}, {"n/a", false}, {"-3e5", true}},
      {{"  7  ", true}, {"tab\there", false}, {"line\nbreak", false}, {"cr\r", true}},
      {{"\xE2\x88\x92"
        "4",
        false},
       {"\xD9\xA1\xD9\xA2", true},
       {std::string(1, '\0'), false}},
      {{std::string(127, '9'), true}, {std::string(128, '8'), false}, {std::string(70000, '7'), true}},
  };
  for (const Entries& entries : cases) {
    const KeptList read = input::ReadKeptList(Bytes(entries));
    ASSERT_EQ(read.kind, KeptList::Kind::kList) << entries.front().first;
    EXPECT_EQ(read.count, entries.size());
    EXPECT_EQ(EntriesOf(read), entries);
  }
}

TEST(KeptListFile, AListOverTheLimitKeepsOnlyItsCount) {
  const Entries entries(1000, {"12345.678", true});
  const std::string small = Bytes(entries, 5000);
  EXPECT_LT(small.size(), 64u);
  const KeptList read = input::ReadKeptList(small);
  EXPECT_EQ(read.kind, KeptList::Kind::kTooLarge);
  EXPECT_EQ(read.count, 1000u);
  EXPECT_EQ(read.entries.Size(), 0u);
  // Just within the limit it is kept whole.
  const std::string whole = Bytes(entries);
  EXPECT_EQ(input::ReadKeptList(Bytes(entries, whole.size())).kind, KeptList::Kind::kList);
  EXPECT_EQ(input::ReadKeptList(Bytes(entries, whole.size() - 1)).kind, KeptList::Kind::kTooLarge);
}

TEST(KeptListFile, DamagedOrForeignBytesReadAsUnreadable) {
  const std::string good = Bytes({{"12", false}, {"15.5", true}, {"abc", false}});
  std::vector<std::pair<const char*, std::string>> damaged = {
      {"empty", ""},
      {"another file", "12\n15.5\nabc\n"},
      {"cut in the header", good.substr(0, 12)},
      {"cut in the entries", good.substr(0, good.size() - 12)},
      {"cut in the checksum", good.substr(0, good.size() - 3)},
      {"a byte more", good + "x"},
  };
  for (std::size_t at :
       {std::size_t{3}, std::size_t{8}, std::size_t{10}, std::size_t{26}, good.size() - 5, good.size() - 1}) {
    std::string flipped = good;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
    damaged.emplace_back("a byte changed", flipped);
  }
  for (const auto& [what, bytes] : damaged) {
    const KeptList read = input::ReadKeptList(bytes);
    EXPECT_EQ(read.kind, KeptList::Kind::kUnreadable) << what;
    EXPECT_EQ(read.entries.Size(), 0u) << what;
  }
}

TEST_F(StateDir, MakesAMissingFolderPrivateAndReadsTheListBack) {
  const Entries entries = {{"3", false}, {"1", true}, {"2", false}};
  ASSERT_EQ(input::KeepList(Folder(), SourceOf(entries)), "");
  struct stat status;
  ASSERT_EQ(::stat(Folder().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  const KeptList read = input::LoadKeptList(Folder());
  EXPECT_EQ(read.kind, KeptList::Kind::kList);
  EXPECT_EQ(EntriesOf(read), entries);
  // Nothing but the file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 1);
  // An empty list leaves nothing to offer.
  ASSERT_EQ(input::KeepList(Folder(), SourceOf({})), "");
  EXPECT_EQ(input::LoadKeptList(Folder()).kind, KeptList::Kind::kNone);
}

// Ten million entries of a real session's sizes, through the state folder
// and back: every text, flag and place survives, and the file stays under
// the limit (about 9 bytes an entry).
TEST_F(StateDir, TenMillionEntriesComeBackExactly) {
  constexpr std::size_t kCount = 10'000'000;
  const auto text = [](std::size_t i) {
    std::string t = std::to_string(i % 100'000);
    if (i % 7 == 0) t += ".5";
    if (i % 1'000'003 == 0) t = "n/a";
    return t;
  };
  const auto passed = [](std::size_t i) { return i % 3 != 0; };
  std::string scratch;
  const input::KeptSource source{kCount,
                                 [&](std::size_t i) {
                                   scratch = text(i);
                                   return std::string_view(scratch);
                                 },
                                 passed};
  ASSERT_EQ(input::KeepList(Folder(), source), "");
  const std::uintmax_t size = std::filesystem::file_size(Folder() + "/" + input::kKeptListFileName);
  EXPECT_LT(size, input::kMaxKeptListBytes);
  const KeptList read = input::LoadKeptList(Folder());
  ASSERT_EQ(read.kind, KeptList::Kind::kList);
  ASSERT_EQ(read.entries.Size(), kCount);
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < kCount; ++i)
    if (read.entries.Text(i) != text(i) || read.entries.PassedNumberTest(i) != passed(i)) ++wrong;
  EXPECT_EQ(wrong, 0u);
}

TEST_F(StateDir, NothingButAPlainFileIsReadOrReplaced) {
  const std::string file = Folder() + "/" + input::kKeptListFileName;
  const std::string target = root_ + "/target";
  std::ofstream(target) << "kept elsewhere";
  const std::vector<std::pair<const char*, std::function<void()>>> hostile = {
      {"link to a file", [&] { std::filesystem::create_symlink(target, file); }},
      {"link to nothing", [&] { std::filesystem::create_symlink(root_ + "/none", file); }},
      {"FIFO", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
      {"folder", [&] { std::filesystem::create_directory(file); }},
  };
  for (const auto& [what, make] : hostile) {
    std::filesystem::remove_all(root_ + "/state");
    std::filesystem::create_directories(Folder());
    make();
    EXPECT_EQ(input::LoadKeptList(Folder()).kind, KeptList::Kind::kUnreadable) << what;
    EXPECT_NE(input::KeepList(Folder(), SourceOf({{"1", false}})), "") << what;
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept elsewhere") << what;
  }
}

TEST_F(StateDir, AFolderThatCannotHoldTheFileKeepsNothing) {
  std::ofstream(root_ + "/plain") << "x";
  std::filesystem::create_directories(root_ + "/real");
  std::filesystem::create_symlink(root_ + "/real", root_ + "/linked");
  for (const std::string& folder : {root_ + "/plain/tallowmere", root_ + "/linked", std::string("relative/folder"),
                                    std::string("/proc/self/tallowmere")}) {
    EXPECT_NE(input::KeepList(folder, SourceOf({{"1", false}})), "") << folder;
    EXPECT_EQ(input::LoadKeptList(folder).kind, KeptList::Kind::kNone) << folder;
  }
  EXPECT_TRUE(std::filesystem::is_empty(root_ + "/real"));
}

TEST(KeptListFolder, AFolderTheUserMayNotWriteKeepsNothingAndKeepsTheOldList) {
  loadertest::TempTree tree;
  const std::string folder = tree.Folder("state/tallowmere");
  ASSERT_EQ(input::KeepList(folder, SourceOf({{"old", false}})), "");
  ::chmod(folder.c_str(), 0777);
  ASSERT_EQ(::chown((folder + "/" + input::kKeptListFileName).c_str(), 65534, 65534), 0);
  ::chmod(folder.c_str(), 0555);
  const std::string kept = loadertest::RunUnprivileged([&] {
    const std::string written = input::KeepList(folder, SourceOf({{"new", false}}));
    const std::string made = input::KeepList(tree.Path("state/tallowmere/inner"), SourceOf({{"new", false}}));
    return (written.empty() ? "written" : "refused") + std::string(" ") + (made.empty() ? "made" : "not made");
  });
  EXPECT_EQ(kept, "refused not made");
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(EntriesOf(input::LoadKeptList(folder)), (Entries{{"old", false}}));
}

TEST(StateFolderPath, FollowsXdgStateHomeElseHome) {
  EXPECT_EQ(system::StateFolderPath("/x/state", "/home/u"), "/x/state/tallowmere");
  EXPECT_EQ(system::StateFolderPath("relative", "/home/u"), "/home/u/.local/state/tallowmere");
  EXPECT_EQ(system::StateFolderPath("", "/home/u"), "/home/u/.local/state/tallowmere");
  EXPECT_EQ(system::StateFolderPath(nullptr, "/home/u"), "/home/u/.local/state/tallowmere");
  EXPECT_EQ(system::StateFolderPath(nullptr, nullptr), "");
}
