#pragma once
// Failures to get memory, counted for the whole program. The engine answers a
// statistic it could not work out for want of memory as "#Div/0!" or "Error",
// and a reader may leave a list short: without the count, a run would show
// such rows as results. Whoever shows results compares the count before and
// after the work it shows. Plain C++.
#include <cstdint>

namespace tallowmere::core {

// Makes every request of operator new that fails count, in every thread,
// from now on; the request still fails with std::bad_alloc. Called once by
// each program at its start (calling it again changes nothing).
void CountMemoryFailures();

// How many requests for memory have failed so far.
std::uint64_t MemoryFailures();

// Counts a failure to get memory met otherwise (a std::bad_alloc caught
// without knowing whether operator new counted it, a null from malloc).
void NoteMemoryFailure();

}  // namespace tallowmere::core
