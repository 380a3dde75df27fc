#pragma once
// The user's state folder ($XDG_STATE_HOME/tallowmere, by default
// ~/.local/state/tallowmere) and files in it written whole or not at all.
// Plain POSIX: what is kept at close must not wait on the window system.
//
// Nothing here follows a symbolic link or opens anything but a regular file:
// a link, FIFO or device where the folder or a file is expected is left alone
// and the write or read is refused (opening a FIFO blocks; replacing a link's
// target may destroy whatever it names).
#include <cstddef>
#include <functional>
#include <string>

namespace tallowmere::system {

inline constexpr const char* kStateFolderName = "tallowmere";

// The folder from the two variables' values (null when unset): an absolute
// XDG_STATE_HOME, else HOME's .local/state; empty when neither helps.
std::string StateFolderPath(const char* xdgStateHome, const char* home);
// The same, from the environment.
std::string StateFolderPath();

// Hands the bytes of a file to the file, in pieces; throws FileSystemError
// (the system's reason) when a piece is not taken whole.
using PieceWriter = std::function<void(const char* data, std::size_t size)>;

// Writes `name` in `folder` (made, with any missing parents, mode 0700) whole
// or not at all: `produce` writes the bytes, which reach the disk under a
// temporary name and then replace the old file. Empty when done; otherwise
// why nothing changed. `produce` may throw FileSystemError itself.
std::string WriteStateFile(const std::string& folder, const std::string& name,
                           const std::function<void(const PieceWriter&)>& produce);

// Reading a state file.
struct StateFileRead {
  enum class Outcome { kAbsent, kRead, kUnreadable };
  Outcome outcome = Outcome::kAbsent;
  std::string bytes;   // kRead: the whole file
  std::string reason;  // kUnreadable: why
};
// Reads `name` in `folder` whole, refusing anything but a regular file and
// any file over `maxBytes`.
StateFileRead ReadStateFile(const std::string& folder, const std::string& name, std::size_t maxBytes);

// Removes `name` in `folder` if it is a regular file or a link. Never fails.
void RemoveStateFile(const std::string& folder, const std::string& name) noexcept;

}  // namespace tallowmere::system
