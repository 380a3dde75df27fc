#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/BigMemory.h"
#include "core/TwoThreads.h"
#include "input/EntryStore.h"
#include "stats/RadixSort.h"
#include "system/FreePageReporting.h"
#include "system/HugePages.h"

using namespace tallowmere;
using system::HugePageSource;
using system::kHugePageBytes;
using system::MappedBytes;

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

bool OnHugePageBoundary(const void* p) { return reinterpret_cast<std::uintptr_t>(p) % kHugePageBytes == 0; }

// Whether the page holding `p` is mapped at all (mincore answers ENOMEM for
// addresses no mapping covers).
bool Mapped(const void* p) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(p) & ~(page - 1);
  unsigned char resident = 0;
  return ::mincore(reinterpret_cast<void*>(start), page, &resident) == 0 || errno != ENOMEM;
}

// The first, a middle and the last page of [p, p + bytes) are all unmapped.
bool Unmapped(const void* p, std::size_t bytes) {
  const char* c = static_cast<const char*>(p);
  return !Mapped(c) && !Mapped(c + bytes / 2) && !Mapped(c + bytes - 1);
}

// Resident pages of [p, p + bytes), by mincore.
std::size_t ResidentPages(const void* p, std::size_t bytes) {
  std::vector<unsigned char> resident(bytes / static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)));
  if (::mincore(const_cast<void*>(p), bytes, resident.data()) != 0) return 0;
  std::size_t count = 0;
  for (unsigned char r : resident) count += r & 1;
  return count;
}

// The kernel's flags of the mapping holding `p` ("hg" once huge pages were
// asked for it), from /proc/self/smaps; empty when none holds it.
std::string FlagsOfMappingAt(const void* p) {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  std::ifstream smaps("/proc/self/smaps");
  std::string line;
  bool inside = false;
  while (std::getline(smaps, line)) {
    // A mapping's first line starts with its range, "from-to", in hex.
    const std::size_t dash = line.find('-');
    if (dash != std::string::npos && dash > 0 && line.find_first_not_of("0123456789abcdef") == dash) {
      const std::uintptr_t from = std::stoull(line.substr(0, dash), nullptr, 16);
      const std::uintptr_t to = std::stoull(line.substr(dash + 1), nullptr, 16);
      inside = at >= from && at < to;
    } else if (inside && line.rfind("VmFlags:", 0) == 0) {
      return line.substr(8);
    }
  }
  return {};
}

bool AskedForHugePages(const void* p) { return FlagsOfMappingAt(p).find(" hg") != std::string::npos; }

// Whether this kernel takes the request for huge pages at all; where it
// does not, the blocks keep 4 KiB pages and nothing checks their flag.
bool KernelOffersHugePages() {
  void* probe = ::mmap(nullptr, kHugePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (probe == MAP_FAILED) return false;
  const bool offered = ::madvise(probe, kHugePageBytes, MADV_HUGEPAGE) == 0;
  ::munmap(probe, kHugePageBytes);
  return offered;
}

// Byte i of a block filled by Fill: never 0, so a zeroed page shows.
unsigned char Pattern(std::size_t i) { return static_cast<unsigned char>(i % 251 + 1); }

void Fill(void* block, std::size_t bytes) {
  auto* c = static_cast<unsigned char*>(block);
  for (std::size_t i = 0; i < bytes; i += 4093) c[i] = Pattern(i);
  c[bytes - 1] = Pattern(bytes - 1);
}

// What Fill wrote into a block of `filled` bytes still holds in its first
// `kept` bytes.
bool Kept(const void* block, std::size_t filled, std::size_t kept) {
  const auto* c = static_cast<const unsigned char*>(block);
  for (std::size_t i = 0; i < std::min(filled, kept); i += 4093)
    if (c[i] != Pattern(i)) return false;
  return kept < filled || c[filled - 1] == Pattern(filled - 1);
}

// Every byte of [from, to) is zero.
bool Zero(const void* block, std::size_t from, std::size_t to) {
  const auto* c = static_cast<const unsigned char*>(block);
  for (std::size_t i = from; i < to; ++i)
    if (c[i] != 0) return false;
  return true;
}

std::size_t Page() { return static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)); }

struct RoundingRow {
  const char* name;
  std::size_t bytes;
  std::size_t mapped;
};

TEST(HugePagesTest, SizesRoundUpToWholeOrdinaryPages) {
  const std::size_t page = Page(), most = std::numeric_limits<std::size_t>::max();
  const RoundingRow rows[] = {
      {"nothing", 0, 0},
      {"one byte", 1, page},
      {"one under 2 MiB", 2 * kMiB - 1, 2 * kMiB},
      {"2 MiB", 2 * kMiB, 2 * kMiB},
      {"one over 2 MiB", 2 * kMiB + 1, 2 * kMiB + page},
      {"one under 4 MiB", 4 * kMiB - 1, 4 * kMiB},
      {"4 MiB", 4 * kMiB, 4 * kMiB},
      {"one over 4 MiB", 4 * kMiB + 1, 4 * kMiB + page},
      {"the largest size that rounds", most - (page - 1), most - (page - 1)},
      {"past the largest", most - (page - 2), 0},
  };
  for (const RoundingRow& row : rows) EXPECT_EQ(MappedBytes(row.bytes), row.mapped) << row.name;
}

struct SizeRow {
  const char* name;
  std::size_t bytes;
};

TEST(HugePagesTest, BlocksAreAlignedZeroedAndReleasedWhole) {
  const SizeRow rows[] = {
      {"2 MiB", 2 * kMiB},
      {"one over 2 MiB", 2 * kMiB + 1},
      {"one under 4 MiB", 4 * kMiB - 1},
      {"4 MiB", 4 * kMiB},
      {"one over 4 MiB", 4 * kMiB + 1},
      {"one under 6 MiB", 6 * kMiB - 1},
      {"64 MiB and a byte", 64 * kMiB + 1},
  };
  const bool offered = KernelOffersHugePages();
  // Laid out alike whether or not huge pages are asked for.
  for (const bool ask : {true, false}) {
    const core::BigMemorySource source = HugePageSource(ask);
    for (const SizeRow& row : rows) {
      SCOPED_TRACE(std::string(row.name) + (ask ? ", huge pages asked for" : ", ordinary pages"));
      const std::size_t whole = MappedBytes(row.bytes);
      void* block = source.allocate(row.bytes);
      ASSERT_NE(block, nullptr);
      EXPECT_TRUE(OnHugePageBoundary(block));
      // Every page up to the last whole one is there and zero-filled.
      EXPECT_TRUE(Zero(block, 0, 4096));
      EXPECT_TRUE(Zero(block, whole - 4096, whole));
      Fill(block, whole);
      EXPECT_TRUE(Kept(block, whole, whole));
      EXPECT_EQ(AskedForHugePages(block), offered && ask) << FlagsOfMappingAt(block);
      source.release(block, row.bytes);
      EXPECT_TRUE(Unmapped(block, whole));
    }
  }
}

struct ResizeRow {
  const char* name;
  std::size_t from;
  std::size_t to;
  bool neighbourAfter;  // a mapping right after the block, so growing must move it
  bool staysInPlace;
};

TEST(HugePagesTest, ResizingKeepsContentAlignmentAndTheRequest) {
  const ResizeRow rows[] = {
      {"grown within its last page", 2 * kMiB + 1, 2 * kMiB + 100, false, true},
      {"grown over the 2 MiB edge", 2 * kMiB - 1, 2 * kMiB + 1, false, false},
      {"grown over the 4 MiB edge", 4 * kMiB - 1, 4 * kMiB + 1, false, false},
      {"grown eightfold", 4 * kMiB, 32 * kMiB, false, false},
      {"grown with a neighbour after it", 4 * kMiB, 6 * kMiB + 1, true, false},
      {"grown a lot with a neighbour after it", 6 * kMiB, 64 * kMiB, true, false},
      {"shrunk within its last page", 6 * kMiB, 6 * kMiB - 100, false, true},
      {"shrunk to past the 4 MiB edge", 6 * kMiB, 4 * kMiB + 1, false, true},
      {"shrunk over the 4 MiB edge", 4 * kMiB + 1, 4 * kMiB, false, true},
      {"shrunk to a quarter", 32 * kMiB, 8 * kMiB, false, true},
  };
  const bool offered = KernelOffersHugePages();
  for (const bool ask : {true, false}) {
    const core::BigMemorySource source = HugePageSource(ask);
    ASSERT_NE(source.resize, nullptr);
    for (const ResizeRow& row : rows) {
      SCOPED_TRACE(std::string(row.name) + (ask ? ", huge pages asked for" : ", ordinary pages"));
      const std::size_t before = MappedBytes(row.from), after = MappedBytes(row.to);
      char* block = static_cast<char*>(source.allocate(row.from));
      ASSERT_NE(block, nullptr);
      void* neighbour = nullptr;
      if (row.neighbourAfter) {
        neighbour = ::mmap(block + before, 4096, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
        ASSERT_EQ(neighbour, static_cast<void*>(block + before));
        std::memset(neighbour, 0x5a, 4096);
      }
      Fill(block, row.from);
      char* resized = static_cast<char*>(source.resize(block, row.from, row.to));
      ASSERT_NE(resized, nullptr);
      EXPECT_TRUE(OnHugePageBoundary(resized));
      EXPECT_TRUE(Kept(resized, row.from, row.to));
      if (row.staysInPlace) {
        EXPECT_EQ(resized, block);
      }
      if (row.neighbourAfter) {
        EXPECT_NE(resized, block);
        EXPECT_EQ(static_cast<unsigned char*>(neighbour)[4095], 0x5a);
        ::munmap(neighbour, 4096);
      }
      // The room grown is zero and can be written to its last whole page.
      if (after > before) {
        EXPECT_TRUE(Zero(resized, before, after));
      }
      resized[after - 1] = 1;
      // Shrinking gives the pages beyond back at once.
      if (after < before) {
        EXPECT_TRUE(Unmapped(resized + after, before - after));
      }
      EXPECT_EQ(AskedForHugePages(resized), offered && ask) << FlagsOfMappingAt(resized);
      source.release(resized, row.to);
      EXPECT_TRUE(Unmapped(resized, after));
    }
  }
}

TEST(HugePagesTest, OnlyWholeHugePagesAreHugeSoTheRestStaysUnwrittenAndAway) {
  if (!KernelOffersHugePages()) GTEST_SKIP() << "this kernel offers no huge pages";
  const core::BigMemorySource source = HugePageSource();
  // A block of one huge page and a half, its first byte past the whole huge
  // page written: the half page holds that one page, however the first is
  // mapped.
  const std::size_t bytes = 3 * kMiB;
  char* block = static_cast<char*>(source.allocate(bytes));
  ASSERT_NE(block, nullptr);
  std::memset(block, 1, 2 * kMiB + 1);
  EXPECT_EQ(ResidentPages(block + 2 * kMiB, kMiB), 1u);
  // Grown, the written pages stay and the new room is not resident.
  block = static_cast<char*>(source.resize(block, bytes, 9 * kMiB));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(ResidentPages(block + 2 * kMiB, 7 * kMiB), 1u);
  EXPECT_EQ(block[2 * kMiB], 1);
  source.release(block, 9 * kMiB);
}

struct GiveBackRow {
  const char* name;
  std::size_t used;
  std::size_t bytes;
};

// Room written past what is used (a huge page is written whole by its first
// byte) goes away, and what is used stays.
TEST(HugePagesTest, RoomGivenBackLeavesOnlyTheUsedPages) {
  if (!KernelOffersHugePages()) GTEST_SKIP() << "this kernel offers no huge pages";
  const std::size_t page = Page();
  const GiveBackRow rows[] = {
      {"used to within a huge page", 2 * kMiB + 1, 9 * kMiB},
      {"used to a huge page's end", 4 * kMiB, 9 * kMiB},
      {"used to just before a huge page's end", 4 * kMiB - 1, 8 * kMiB + 1},
      {"nothing used", 0, 5 * kMiB},
  };
  const core::BigMemorySource source = HugePageSource();
  ASSERT_NE(source.giveBack, nullptr);
  for (const GiveBackRow& row : rows) {
    SCOPED_TRACE(row.name);
    char* block = static_cast<char*>(source.allocate(row.bytes));
    ASSERT_NE(block, nullptr);
    std::memset(block, 3, row.bytes);
    source.giveBack(block, row.used, row.bytes);
    const std::size_t kept = MappedBytes(row.used);
    EXPECT_EQ(ResidentPages(block, kept), kept / page);
    EXPECT_EQ(ResidentPages(block + kept, MappedBytes(row.bytes) - kept), 0u);
    EXPECT_TRUE(row.used == 0 || (block[0] == 3 && block[row.used - 1] == 3));
    // The room given back comes back zero-filled when written again.
    EXPECT_EQ(block[row.bytes - 1], 0);
    source.release(block, row.bytes);
  }
}

TEST(HugePagesTest, RequestsBeyondTheAddressSpaceFailWithoutAMapping) {
  const core::BigMemorySource source = HugePageSource();
  EXPECT_EQ(source.allocate(std::numeric_limits<std::size_t>::max()), nullptr);
  EXPECT_EQ(source.allocate(std::size_t{1} << 62), nullptr);
  void* block = source.allocate(4 * kMiB);
  ASSERT_NE(block, nullptr);
  Fill(block, 4 * kMiB);
  // A failed growth leaves the block as it was.
  EXPECT_EQ(source.resize(block, 4 * kMiB, std::size_t{1} << 62), nullptr);
  EXPECT_TRUE(Kept(block, 4 * kMiB, 4 * kMiB));
  source.release(block, 4 * kMiB);
}

TEST(HugePagesTest, InstalledTheBigArraysComeFromIt) {
  system::UseHugePages();
  {
    core::BigVector<double> numbers(core::kBigBytes / sizeof(double) + 1, 1.5);
    EXPECT_TRUE(OnHugePageBoundary(numbers.data()));
    EXPECT_EQ(AskedForHugePages(numbers.data()), KernelOffersHugePages() && !system::HostTakesBackFreePages());
    void* block = core::AllocateBig(core::kBigBytes);
    std::memset(block, 7, core::kBigBytes);
    block = core::ResizeBig(block, core::kBigBytes, 3 * core::kBigBytes);
    EXPECT_TRUE(OnHugePageBoundary(block));
    EXPECT_EQ(static_cast<unsigned char*>(block)[core::kBigBytes - 1], 7);
    core::ReleaseBig(block, 3 * core::kBigBytes);
    EXPECT_TRUE(Unmapped(block, 3 * core::kBigBytes));
    // A vector's room past its elements is given back; the elements stay.
    numbers.reserve(4 * numbers.size());
    core::GiveBackRoom(numbers);
    const char* end = reinterpret_cast<const char*>(numbers.data() + numbers.size());
    EXPECT_EQ(ResidentPages(end + (Page() - reinterpret_cast<std::uintptr_t>(end) % Page()), 2 * kMiB), 0u);
    EXPECT_EQ(numbers.back(), 1.5);
  }
  core::UseOrdinaryMemory();
}

// Installs huge pages or the ordinary heap for one test, and puts the heap
// back at its end.
class MemoryFor {
 public:
  explicit MemoryFor(bool huge) {
    if (huge) system::UseHugePages();
  }
  ~MemoryFor() { core::UseOrdinaryMemory(); }
  MemoryFor(const MemoryFor&) = delete;
  MemoryFor& operator=(const MemoryFor&) = delete;
};

// Texts of 7 to 13 bytes, made once.
const std::vector<std::string>& EntryTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> made;
    for (std::size_t i = 0; i <= 900'000; ++i) made.push_back("entry " + std::to_string(i * 7919 % 1000003));
    return made;
  }();
  return texts;
}

// The store holds entries first .. first + count - 1 of EntryTexts, in order.
bool Holds(const input::EntryStore& store, std::size_t first, std::size_t count) {
  if (store.Size() != count) return false;
  for (std::size_t i = 0; i < count; ++i)
    if (store.Text(i) != EntryTexts()[first + i] || store.PassedNumberTest(i) != ((first + i) % 3 == 0)) return false;
  return true;
}

struct StoreRow {
  const char* name;
  bool huge;
  std::size_t entries;  // 7 to 13 bytes of text each, and a record of 12
  std::size_t cutFrom;
};

// The texts and records grow past the big size and go back below it when
// a cut takes most of them: each move between the heap and the big memory
// keeps every entry.
TEST(HugePagesTest, EntryStoreKeepsItsEntriesAcrossTheBigSize) {
  const StoreRow rows[] = {
      {"small, on huge pages", true, 1000, 500},
      {"grown past the big size, cut back to small", true, 400'000, 1000},
      {"cut within the big size", true, 900'000, 500'000},
      {"the tail taken whole", true, 400'000, 0},
      {"nothing cut", true, 400'000, 400'000},
      {"grown past the big size on the heap", false, 400'000, 1000},
  };
  for (const StoreRow& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryFor memory(row.huge);
    input::EntryStore store;
    for (std::size_t i = 0; i < row.entries; ++i) store.Append(EntryTexts()[i], i % 3 == 0);
    ASSERT_TRUE(Holds(store, 0, row.entries));
    input::EntryStore tail = store.CutTail(row.cutFrom);
    EXPECT_TRUE(Holds(store, 0, row.cutFrom));
    EXPECT_TRUE(Holds(tail, row.cutFrom, row.entries - row.cutFrom));
    EXPECT_TRUE(Holds(store.Head(row.cutFrom), 0, row.cutFrom));
    store.AppendAll(std::move(tail));
    EXPECT_TRUE(Holds(store, 0, row.entries));
    // Grown again after the cut, from wherever the cut left it.
    store.Append(EntryTexts()[row.entries], row.entries % 3 == 0);
    EXPECT_TRUE(Holds(store, 0, row.entries + 1));
  }
}

struct SortRow {
  const char* name;
  std::size_t count;
  bool twoThreads;
};

// The sort's output and scratch come from the big memory: on huge pages it
// gives the order std::sort gives.
TEST(HugePagesTest, SortsOnHugePagesAsOnTheHeap) {
  const SortRow rows[] = {
      {"one thread, scratch past the big size", 600'000, false},
      {"two threads, the output past the big size", 600'000, true},
  };
  MemoryFor memory(true);
  core::TwoThreads threads;
  for (const SortRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::mt19937_64 random(row.count);
    std::normal_distribution<double> normal(0.0, 1e6);
    core::BigVector<double> values(row.count);
    for (double& v : values) v = std::round(normal(random) * 8.0) / 8.0;
    core::BigVector<double> sorted(row.count);
    stats::SortDoubles(values.data(), row.count, sorted.data(), row.twoThreads ? &threads : nullptr);
    std::vector<double> want(values.begin(), values.end());
    std::sort(want.begin(), want.end());
    EXPECT_TRUE(OnHugePageBoundary(sorted.data()));
    EXPECT_TRUE(std::equal(want.begin(), want.end(), sorted.begin()));
  }
}

}  // namespace
