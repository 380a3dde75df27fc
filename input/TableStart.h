#pragma once
// The first block of a table's text, which is all that choosing how to read
// it needs: the encoding, the delimiter, the header, the decimal convention.
// A table of a gigabyte is looked at as fast as one of a kilobyte.
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere::input {

// The first block of a file, and whether it is the whole file.
struct TableStart {
  std::string bytes;
  bool whole = true;
};

// Reads at most one block (system::kReadBlockBytes) of `path`; nothing when
// it cannot be opened or is no regular file.
std::optional<TableStart> ReadTableStart(const std::string& path);

// The first block of a text held in memory, as ReadTableStart takes a file's.
TableStart HeldTextStart(std::string_view text);

}  // namespace tallowmere::input
