#pragma once
// Where the program's large arrays get their memory: the entry texts and
// values, the data set, the sort's scratch and the analyser's blocks, each
// of millions of elements. Below a few megabytes an array comes from the
// ordinary heap; from there on it comes from the source the program installs
// at its start (system::UseHugePages: whole 2 MiB pages, which the kernel
// maps with one fault where 4 KiB pages take 512), or, when none is
// installed, from the ordinary heap all the same. Plain C++: the engine's
// arrays are big ones too, and it knows nothing of the system below.
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

#include "core/MemoryFailures.h"

namespace tallowmere::core {

// From this many bytes on an array is big.
inline constexpr std::size_t kBigBytes = std::size_t{4} << 20;

// A source of big blocks. `allocate` answers null when it has no room;
// `release` gets back exactly what `allocate` gave, with the size asked.
// `resize` may be null; else it grows or shrinks a block to `newBytes`,
// keeping its first min(oldBytes, newBytes) bytes (the block may move), and
// answers null, leaving the block as it was, when it cannot.
struct BigMemorySource {
  void* (*allocate)(std::size_t bytes) = nullptr;
  void (*release)(void* block, std::size_t bytes) = nullptr;
  void* (*resize)(void* block, std::size_t oldBytes, std::size_t newBytes) = nullptr;
  // `giveBack` may be null; else it lets the pages of a block from
  // `usedBytes` on go, to come back zero-filled when next written.
  void (*giveBack)(void* block, std::size_t usedBytes, std::size_t bytes) = nullptr;
};

// Installs the source every big block from now on comes from. Called once by
// each program at its start, before any big array exists: a block goes back
// to whichever source is installed when it is released.
void UseBigMemory(const BigMemorySource& source);
// Back to the ordinary heap (for tests that install a source of their own).
void UseOrdinaryMemory();

// A block of `bytes` (at least kBigBytes) from the installed source; a
// failure is counted (MemoryFailures) and throws std::bad_alloc.
void* AllocateBig(std::size_t bytes);
void ReleaseBig(void* block, std::size_t bytes) noexcept;
// Grows or shrinks a block from AllocateBig, keeping its content; throws
// std::bad_alloc (counted), leaving the block as it was, when it cannot.
void* ResizeBig(void* block, std::size_t oldBytes, std::size_t newBytes);

// Lets the pages of a big block's room past its first `usedBytes` go: room
// made for more than came leaves no part of a page resident beyond its data.
void GiveBackRoom(void* block, std::size_t usedBytes, std::size_t bytes) noexcept;

// The allocator of big vectors: small requests go to operator new, big ones
// to the installed source.
template <class T>
struct BigAllocator {
  using value_type = T;
  BigAllocator() = default;
  template <class U>
  constexpr BigAllocator(const BigAllocator<U>& /*other*/) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kBigBytes) return static_cast<T*>(::operator new(bytes));
    return static_cast<T*>(AllocateBig(bytes));
  }
  void deallocate(T* p, std::size_t n) noexcept {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kBigBytes)
      ::operator delete(p);
    else
      ReleaseBig(p, bytes);
  }
  template <class U>
  bool operator==(const BigAllocator<U>& /*other*/) const noexcept {
    return true;
  }
};

// A vector of millions of elements.
template <class T>
using BigVector = std::vector<T, BigAllocator<T>>;

// The pages of a big vector's room past its elements let go (see GiveBackRoom).
template <class T>
void GiveBackRoom(BigVector<T>& v) noexcept {
  if (v.capacity() * sizeof(T) >= kBigBytes) GiveBackRoom(v.data(), v.size() * sizeof(T), v.capacity() * sizeof(T));
}

// An array of trivially copyable elements made without being zeroed, for
// one that is written whole before it is read (a sort's output, its
// scratch): from the installed source when it is big.
template <class T>
struct BigArrayDeleter {
  std::size_t count = 0;
  void operator()(T* p) const noexcept { BigAllocator<T>().deallocate(p, count); }
};
template <class T>
using BigArray = std::unique_ptr<T[], BigArrayDeleter<T>>;

template <class T>
BigArray<T> MakeBigArray(std::size_t count) {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
  return BigArray<T>(BigAllocator<T>().allocate(count), BigArrayDeleter<T>{count});
}

}  // namespace tallowmere::core
