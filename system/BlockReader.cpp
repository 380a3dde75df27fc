#include "system/BlockReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <utility>

namespace tallowmere::system {

namespace {

std::size_t ReadBlock(int fd, char* block, std::size_t blockSize, const std::string& name) {
  for (;;) {
    const ssize_t got = ::read(fd, block, blockSize);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) ThrowError(errno, name);
  }
}

}  // namespace

std::unique_ptr<char[]> NewReadBlock(std::size_t bytes) { return std::unique_ptr<char[]>(new char[bytes]); }

bool ReadFileBlocks(int fd, const FileWatch& watch, std::size_t blockSize, bool ahead, const FeedBlockFn& feed,
                    const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  const std::string& name = watch.Path();
  std::unique_ptr<char[]> block = NewReadBlock(blockSize);
  std::unique_ptr<char[]> next = ahead ? NewReadBlock(blockSize) : nullptr;
  std::size_t nextGot = 0;
  std::exception_ptr readFailure;
  std::function<void()> readNext;
  if (ahead) {
    readNext = [&] {
      try {
        nextGot = ReadBlock(fd, next.get(), blockSize, name);
      } catch (...) {
        readFailure = std::current_exception();
      }
    };
  }
  std::uint64_t bytes = 0;
  std::size_t got = ReadBlock(fd, block.get(), blockSize, name);
  for (bool first = true; got > 0; first = false) {
    if (!first) {
      if (letEventsRun) letEventsRun();
      if (shouldStop && shouldStop()) return false;
    }
    bytes += got;
    feed(block.get(), got, readNext);
    if (!ahead) {
      got = ReadBlock(fd, block.get(), blockSize, name);
      continue;
    }
    // A failure of the read ahead comes once this block is done, where it
    // would have come without reading ahead.
    if (readFailure) std::rethrow_exception(readFailure);
    std::swap(block, next);
    got = nextGot;
  }
  watch.CheckUnchanged(bytes);
  return true;
}

BlockFile::BlockFile(const std::string& path) {
  // The look before opening keeps a device from ever being opened.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    refusal_ = Unopened::kMissing;
    return;
  }
  if (!S_ISREG(st.st_mode)) {
    refusal_ = Unopened::kNotRegularFile;
    return;
  }
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    if (errno != ENOENT) ThrowError(errno, path);
    refusal_ = Unopened::kMissing;
    return;
  }
  try {
    watch_.emplace(fd_, path);
  } catch (...) {
    ::close(fd_);
    throw;
  }
  Examine();
}

void BlockFile::Examine() {
  if (!watch_->IsRegularFile()) {
    refusal_ = Unopened::kNotRegularFile;
    return;
  }
  const off_t size = watch_->Status().st_size;
  if (size > 0) reportedSize_ = static_cast<std::size_t>(size);
  if (size > 0 && static_cast<unsigned long long>(size) < blockSize_)
    blockSize_ = std::max<std::size_t>(static_cast<std::size_t>(size) + 1, 4096);
  else
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  // A large file's next block is read while this one is read for numbers.
  ahead_ = size > 0 && static_cast<unsigned long long>(size) > blockSize_;
}

BlockFile::~BlockFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool BlockFile::Read(const FeedBlockFn& feed, const core::LetEventsRun& letEventsRun,
                     const ShouldStopFn& shouldStop) const {
  return ReadFileBlocks(fd_, *watch_, blockSize_, ahead_, feed, letEventsRun, shouldStop);
}

}  // namespace tallowmere::system
