#include "system/StateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "system/FileSystem.h"

namespace tallowmere::system {

namespace {

// A descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes it now, reporting what close says (a late write error on some
  // file systems).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

std::string Reason(int code) { return std::strerror(code); }

constexpr const char* kNotARegularFile = "not a regular file";

// Opens the folder, making it and its missing parents (0700) first; a link
// anywhere on the way to the last component is followed only for the
// parents, never for the folder itself.
int OpenFolder(const std::string& folder, std::string& reason) {
  if (folder.empty() || folder.front() != '/') {
    reason = Reason(ENOENT);
    return -1;
  }
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      reason = Reason(errno);
      return -1;
    }
    if (slash == std::string::npos) break;
  }
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) reason = Reason(errno == ELOOP ? ENOTDIR : errno);
  return fd;
}

// Whether `name` in the folder is absent or a regular file (never followed).
bool AbsentOrRegular(int folder, const std::string& name) {
  struct stat status;
  if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode);
}

std::string TemporaryName(const std::string& name) {
  static std::atomic<unsigned> next{0};
  return "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(next++);
}

// Writes into the open temporary file and puts it in place; the reason when
// that failed.
std::string WriteAndReplace(int folder, Descriptor& file, const std::string& temporary, const std::string& name,
                            const std::function<void(const PieceWriter&)>& produce) {
  const PieceWriter write = [&file](const char* data, std::size_t size) {
    while (size > 0) {
      const ssize_t n = ::write(file.Get(), data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ThrowError(n < 0 ? errno : ENOSPC);
      data += n;
      size -= static_cast<std::size_t>(n);
    }
  };
  try {
    produce(write);
  } catch (const FileSystemError& e) {
    return e.what();
  }
  if (::fsync(file.Get()) != 0 || file.Close() != 0) return Reason(errno);
  if (!AbsentOrRegular(folder, name)) return kNotARegularFile;
  if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) return Reason(errno);
  ::fsync(folder);
  return {};
}

}  // namespace

std::string StateFolderPath(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/" + kStateFolderName;
  if (home && home[0] == '/') return std::string(home) + "/.local/state/" + kStateFolderName;
  return {};
}

std::string StateFolderPath() { return StateFolderPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")); }

std::string WriteStateFile(const std::string& folder, const std::string& name,
                           const std::function<void(const PieceWriter&)>& produce) {
  std::string reason;
  Descriptor dir(OpenFolder(folder, reason));
  if (dir.Get() < 0) return reason;
  // Something else than a file where the file belongs stays as it is.
  if (!AbsentOrRegular(dir.Get(), name)) return kNotARegularFile;
  const std::string temporary = TemporaryName(name);
  Descriptor file(::openat(dir.Get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (file.Get() < 0) return Reason(errno);
  reason = WriteAndReplace(dir.Get(), file, temporary, name, produce);
  if (!reason.empty()) ::unlinkat(dir.Get(), temporary.c_str(), 0);
  return reason;
}

StateFileRead ReadStateFile(const std::string& folder, const std::string& name, std::size_t maxBytes) {
  StateFileRead read;
  const std::string path = folder + "/" + name;
  // Non-blocking, so that a FIFO put there does not hold the start.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return read;
    read.outcome = StateFileRead::Outcome::kUnreadable;
    read.reason = Reason(errno == ELOOP ? EINVAL : errno);
    return read;
  }
  read.outcome = StateFileRead::Outcome::kUnreadable;
  struct stat status;
  if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    read.reason = Reason(EINVAL);
    return read;
  }
  if (static_cast<std::uint64_t>(status.st_size) > maxBytes) {
    read.reason = Reason(EFBIG);
    return read;
  }
  read.bytes.resize(static_cast<std::size_t>(status.st_size));
  std::size_t got = 0;
  while (got < read.bytes.size()) {
    const ssize_t n = ::read(file.Get(), read.bytes.data() + got, read.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      read.reason = Reason(n < 0 ? errno : EIO);
      read.bytes.clear();
      return read;
    }
    got += static_cast<std::size_t>(n);
  }
  read.outcome = StateFileRead::Outcome::kRead;
  return read;
}

void RemoveStateFile(const std::string& folder, const std::string& name) noexcept {
  const std::string path = folder + "/" + name;
  struct stat status;
  if (::lstat(path.c_str(), &status) == 0 && (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)))
    ::unlink(path.c_str());
}

}  // namespace tallowmere::system
