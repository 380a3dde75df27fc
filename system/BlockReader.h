#pragma once
// Reading a file's bytes in large blocks, the way every list reader takes
// them: a regular file is opened only after a look at what the path names (a
// device or FIFO would block or never end), watched for changes while it is
// read, and read a block ahead when it is large; between blocks a window may
// run its events and stop the reading.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/LetEventsRun.h"
#include "system/FileSystem.h"

namespace tallowmere::system {

// Files are read in blocks of this size.
inline constexpr std::size_t kReadBlockBytes = std::size_t{1} << 20;

// Asked while a long file is read, right after window events ran: true ends
// the reading there.
using ShouldStopFn = std::function<bool()>;

// Hands one block of a file to its reader; `meanwhile`, when given, must run
// once during the call (the next block is read in it).
using FeedBlockFn = std::function<void(const char* data, std::size_t size, const std::function<void()>& meanwhile)>;

// The room one block is read into. Every block buffer of the readers comes
// from here.
std::unique_ptr<char[]> NewReadBlock(std::size_t bytes);

// Reads an open descriptor to its end in blocks of `blockSize`, handing each
// block to `feed`. Before each block after the first, `letEventsRun` runs and
// then `shouldStop` is asked (each when given): true ends the reading there,
// and the answer is false. With `ahead`, the next block is read while this
// one is fed. When the descriptor is a regular file, it must not have changed
// by the end (FileWatch). Throws FileSystemError naming the watched path when
// a read fails, FileChanged when the file changed; `feed` is not called after
// either.
bool ReadFileBlocks(int fd, const FileWatch& watch, std::size_t blockSize, bool ahead, const FeedBlockFn& feed,
                    const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {});

// Why a path was not opened.
enum class Unopened {
  kNone,            // it was: a regular file
  kMissing,         // nothing by that name (or a link that leads nowhere)
  kNotRegularFile,  // a folder, FIFO, socket or device
};

// One regular file opened to be read in blocks, closed with this object. A
// small file gets a block of its own size (at least a page), so a tree of many
// small files does not cost a megabyte of fresh memory each; a large one, or
// one that reports no size (those of /proc), whole blocks, and a large one is
// read a block ahead.
class BlockFile {
 public:
  // Looks at the path, then opens it, and looks again at the open file, so
  // that a swap in between is caught: anything but a regular file is left
  // unread (Refusal()). Throws FileSystemError naming the path when it cannot
  // be opened or examined for any other reason.
  explicit BlockFile(const std::string& path);
  ~BlockFile();
  BlockFile(const BlockFile&) = delete;
  BlockFile& operator=(const BlockFile&) = delete;

  Unopened Refusal() const { return refusal_; }
  // The size the file reported when it was opened (0 for none).
  std::size_t ReportedSize() const { return reportedSize_; }
  std::size_t BlockSize() const { return blockSize_; }
  bool ReadsAhead() const { return ahead_; }
  // ReadFileBlocks on this file; only when it was opened.
  bool Read(const FeedBlockFn& feed, const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) const;

 private:
  void Examine();

  int fd_ = -1;
  std::optional<FileWatch> watch_;
  Unopened refusal_ = Unopened::kNone;
  std::size_t reportedSize_ = 0;
  std::size_t blockSize_ = kReadBlockBytes;
  bool ahead_ = false;
};

}  // namespace tallowmere::system
