#include "core/MemoryFailures.h"

#include <atomic>
#include <new>

namespace tallowmere::core {

namespace {

std::atomic<std::uint64_t> failures{0};

// Called by operator new when it finds no memory: counted, and the request
// fails as it would without a handler.
void CountAndFail() {
  NoteMemoryFailure();
  throw std::bad_alloc();
}

}  // namespace

void CountMemoryFailures() { std::set_new_handler(CountAndFail); }

std::uint64_t MemoryFailures() { return failures.load(std::memory_order_relaxed); }

void NoteMemoryFailure() { failures.fetch_add(1, std::memory_order_relaxed); }

}  // namespace tallowmere::core
