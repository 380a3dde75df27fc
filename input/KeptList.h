#pragma once
// The number list kept at close for the next start: every entry's text, its
// number-test flag and its order, in a file of the user's state folder. The
// file is checked whole when read: a damaged, cut or foreign file reads as
// unreadable, never as part of a list. A list too large to keep leaves a
// file that says only how many entries it had.
//
// The file: "TMKEPT1\n"; one byte, 1 (a list) or 2 (too large); the entry
// count and the bytes of the entries that follow, each 8 bytes little-endian;
// the entries, each its length times two plus its flag as a base-128 number
// (7 bits a byte, lowest first) followed by its text; then a checksum of all
// that comes before it, 8 bytes little-endian.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/Translation.h"
#include "input/EntryStore.h"
#include "system/StateFolder.h"

namespace tallowmere::input {

inline constexpr const char* kKeptListFileName = "kept-list";
// A list whose file would be larger than this is not kept.
inline constexpr std::uint64_t kMaxKeptListBytes = 100'000'000;
// The undo step of a restore.
inline constexpr const char* kRestoreNumbersStep = QT_TRANSLATE_NOOP("ListHistory", "Restore Numbers");

// The entries of the list to keep.
struct KeptSource {
  std::size_t count = 0;
  std::function<std::string_view(std::size_t)> text;
  std::function<bool(std::size_t)> passedNumberTest;
};

// What a kept-list file holds.
struct KeptList {
  enum class Kind { kNone, kList, kTooLarge, kUnreadable };
  Kind kind = Kind::kNone;
  std::size_t count = 0;  // kList, kTooLarge: the entries of the list at close
  EntryStore entries;     // kList
};

// The bytes of the file for `source` through `write`; a list over
// `maxBytes` writes the file of a list too large. Returns whether it was kept.
bool WriteKeptList(const KeptSource& source, const system::PieceWriter& write,
                   std::uint64_t maxBytes = kMaxKeptListBytes);
// Reads the bytes of such a file.
KeptList ReadKeptList(std::string_view bytes);

// Keeps the list in `folder` (the kept-list file), or an empty list by
// removing the file. Empty when done; otherwise why it was not kept.
std::string KeepList(const std::string& folder, const KeptSource& source, std::uint64_t maxBytes = kMaxKeptListBytes);
// What `folder` holds of the last list kept (kNone when nothing).
KeptList LoadKeptList(const std::string& folder, std::uint64_t maxBytes = kMaxKeptListBytes);

}  // namespace tallowmere::input
