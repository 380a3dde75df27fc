#pragma once
// The large arrays on whole 2 MiB pages. The kernel maps such a page with one
// fault where 4 KiB pages take 512, so an array of hundreds of megabytes
// fills in a fraction of the time; it offers them only to mappings that ask
// (madvise), and where it says no the mapping keeps ordinary pages.
#include <cstddef>

#include "core/BigMemory.h"

namespace tallowmere::system {

inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Installs the huge page source for every big array from now on: called at
// the start of each program, before any big array exists. Where the host
// takes back freed memory (HostTakesBackFreePages) huge pages cost more than
// they save, and the blocks keep ordinary pages.
void UseHugePages();

// The source itself. Every block starts on a 2 MiB boundary, so that each
// whole 2 MiB of it can be one huge page; it is mapped to the end of the
// ordinary page holding its last byte, and the part past its last whole
// 2 MiB keeps ordinary pages, so that no more of it is resident than is
// written. Blocks come zero-filled; growing one keeps the pages already
// filled (they are moved, not copied), shrinking gives back the pages beyond
// the new size at once, and releasing gives back all of them. Without
// `askForHugePages` the blocks are laid out alike but keep ordinary pages.
core::BigMemorySource HugePageSource(bool askForHugePages = true);

// The bytes mapped for a block of `bytes`: whole ordinary pages; 0 when that
// does not fit in a size_t.
std::size_t MappedBytes(std::size_t bytes);

}  // namespace tallowmere::system
