#include "system/HugePages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <limits>

#include "system/FreePageReporting.h"

namespace tallowmere::system {

namespace {

char* At(std::uintptr_t address) { return reinterpret_cast<char*>(address); }

// Asks for huge pages when kAsk; where the kernel says no (they are turned
// off, or this kernel has none) the block simply keeps 4 KiB pages.
template <bool kAsk>
void AskForHugePages(void* block, std::size_t bytes) {
  if constexpr (kAsk) ::madvise(block, bytes, MADV_HUGEPAGE);
}

// `bytes` (whole pages) of fresh zero pages starting on a 2 MiB boundary: a
// mapping one huge page longer, less the slack on either side.
void* MapAligned(std::size_t bytes) {
  if (bytes > std::numeric_limits<std::size_t>::max() - kHugePageBytes) return nullptr;
  void* mapped = ::mmap(nullptr, bytes + kHugePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kHugePageBytes - 1) & ~std::uintptr_t{kHugePageBytes - 1};
  if (aligned != start) ::munmap(mapped, aligned - start);
  const std::uintptr_t end = aligned + bytes;
  const std::uintptr_t mappedEnd = start + bytes + kHugePageBytes;
  if (mappedEnd != end) ::munmap(At(end), mappedEnd - end);
  return At(aligned);
}

template <bool kAsk>
void* Allocate(std::size_t bytes) {
  const std::size_t mapped = MappedBytes(bytes);
  if (mapped == 0) return nullptr;
  void* block = MapAligned(mapped);
  if (block) AskForHugePages<kAsk>(block, mapped);
  return block;
}

void Release(void* block, std::size_t bytes) {
  if (block) ::munmap(block, MappedBytes(bytes));
}

// Grows a block where it lies when the addresses after it are free, else
// moves its pages (the filled ones with them, never copied) onto a fresh
// aligned range, which keeps them huge; shrinking unmaps the end.
template <bool kAsk>
void* Resize(void* block, std::size_t oldBytes, std::size_t newBytes) {
  const std::size_t before = MappedBytes(oldBytes), after = MappedBytes(newBytes);
  if (after == 0) return nullptr;
  char* const start = static_cast<char*>(block);
  if (after <= before) {
    if (after < before) ::munmap(start + after, before - after);
    return block;
  }
  void* grown = ::mremap(block, before, after, 0);
  if (grown == MAP_FAILED) {
    void* target = MapAligned(after);
    if (!target) return nullptr;
    grown = ::mremap(block, before, after, MREMAP_MAYMOVE | MREMAP_FIXED, target);
    if (grown == MAP_FAILED) {
      ::munmap(target, after);
      return nullptr;
    }
  }
  AskForHugePages<kAsk>(grown, after);
  return grown;
}

// The pages past the used bytes go back at once, the ordinary ones and the
// part of a huge page the used bytes end in alike.
void GiveBack(void* block, std::size_t usedBytes, std::size_t bytes) {
  const std::size_t from = MappedBytes(usedBytes), to = MappedBytes(bytes);
  if (from < to) ::madvise(static_cast<char*>(block) + from, to - from, MADV_DONTNEED);
}

}  // namespace

std::size_t MappedBytes(std::size_t bytes) {
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  if (bytes == 0 || bytes > std::numeric_limits<std::size_t>::max() - (page - 1)) return 0;
  return (bytes + page - 1) & ~(page - 1);
}

core::BigMemorySource HugePageSource(bool askForHugePages) {
  if (askForHugePages) return {Allocate<true>, Release, Resize<true>, GiveBack};
  return {Allocate<false>, Release, Resize<false>, GiveBack};
}

void UseHugePages() { core::UseBigMemory(HugePageSource(!HostTakesBackFreePages())); }

}  // namespace tallowmere::system
