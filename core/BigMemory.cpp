#include "core/BigMemory.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tallowmere::core {

namespace {

void* HeapAllocate(std::size_t bytes) { return std::malloc(bytes); }
void HeapRelease(void* block, std::size_t /*bytes*/) { std::free(block); }
void* HeapResize(void* block, std::size_t /*oldBytes*/, std::size_t newBytes) { return std::realloc(block, newBytes); }

constexpr BigMemorySource kHeap{HeapAllocate, HeapRelease, HeapResize};

// Read by every thread that makes an array; set before any of them runs.
std::atomic<const BigMemorySource*> installed{&kHeap};
BigMemorySource chosen;

}  // namespace

void UseBigMemory(const BigMemorySource& source) {
  chosen = source;
  installed.store(&chosen, std::memory_order_release);
}

void UseOrdinaryMemory() { installed.store(&kHeap, std::memory_order_release); }

void* AllocateBig(std::size_t bytes) {
  if (void* block = installed.load(std::memory_order_acquire)->allocate(bytes)) return block;
  NoteMemoryFailure();
  throw std::bad_alloc();
}

void ReleaseBig(void* block, std::size_t bytes) noexcept {
  if (block) installed.load(std::memory_order_acquire)->release(block, bytes);
}

void GiveBackRoom(void* block, std::size_t usedBytes, std::size_t bytes) noexcept {
  const BigMemorySource& source = *installed.load(std::memory_order_acquire);
  if (block && source.giveBack && usedBytes < bytes) source.giveBack(block, usedBytes, bytes);
}

void* ResizeBig(void* block, std::size_t oldBytes, std::size_t newBytes) {
  const BigMemorySource& source = *installed.load(std::memory_order_acquire);
  void* moved = nullptr;
  if (source.resize) {
    moved = source.resize(block, oldBytes, newBytes);
  } else if ((moved = source.allocate(newBytes))) {
    std::memcpy(moved, block, oldBytes < newBytes ? oldBytes : newBytes);
    source.release(block, oldBytes);
  }
  if (moved) return moved;
  NoteMemoryFailure();
  throw std::bad_alloc();
}

}  // namespace tallowmere::core
