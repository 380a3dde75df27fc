#include "system/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace tallowmere::system {

namespace {

[[noreturn]] void ThrowWithText(int code, const std::string& text) {
  switch (code) {
    case EACCES:
    case EPERM:
      throw AccessDenied(text);
    case ENOENT:
    case ENOTDIR:
      throw PathNotFound(text);
    default:
      throw FileSystemError(text);
  }
}

// File systems whose files report a size that is not the length of what
// reading them gives.
bool SizeIsContent(int fd) {
  struct statfs fs;
  if (::fstatfs(fd, &fs) != 0) return true;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
      return false;
    default:
      return true;
  }
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

void ThrowError(int code) { ThrowWithText(code, std::strerror(code)); }

void ThrowError(int code, const std::string& path) { ThrowWithText(code, path + ": " + std::strerror(code)); }

FileWatch::FileWatch(int fd, std::string path) : fd_(fd), path_(std::move(path)) {
  if (::fstat(fd_, &status_) != 0) ThrowError(errno, path_);
  if (!IsRegularFile()) return;
  const off_t at = ::lseek(fd_, 0, SEEK_CUR);
  start_ = at > 0 ? static_cast<std::uint64_t>(at) : 0;
  sizeIsContent_ = SizeIsContent(fd_);
}

void FileWatch::CheckUnchanged(std::uint64_t bytesRead) const {
  if (!IsRegularFile()) return;
  struct stat now;
  if (::fstat(fd_, &now) != 0) ThrowError(errno, path_);
  const auto size = static_cast<std::uint64_t>(status_.st_size);
  const bool cutShort = sizeIsContent_ && size > start_ && bytesRead < size - start_;
  if (now.st_size != status_.st_size || !SameTime(now.st_mtim, status_.st_mtim) || cutShort) throw FileChanged(path_);
}

bool FileExists(const std::string& path) noexcept {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string_view BaseName(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  auto slash = path.rfind('/');
  if (slash == std::string_view::npos || path.size() == 1) return path;
  return path.substr(slash + 1);
}

namespace {

// Closes the listing on every way out, exceptions included.
class DirHandle {
 public:
  explicit DirHandle(const std::string& folder) : dir_(::opendir(folder.c_str())) {
    if (!dir_) ThrowError(errno);
  }
  ~DirHandle() { ::closedir(dir_); }
  DirHandle(const DirHandle&) = delete;
  DirHandle& operator=(const DirHandle&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// One listing of a folder; `wantFolders` picks the real sub-folders, otherwise
// everything else. Entries whose type the file system does not report are
// looked up without following links, so a link is never taken for a folder.
std::vector<std::string> List(const std::string& folder, bool wantFolders) {
  DirHandle dir(folder);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (!entry) {
      if (errno != 0) ThrowError(errno);
      break;
    }
    if (IsDotOrDotDot(entry->d_name)) continue;
    bool isFolder;
    if (entry->d_type != DT_UNKNOWN) {
      isFolder = entry->d_type == DT_DIR;
    } else {
      struct stat st;
      if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        // Gone since the listing was read: neither a folder nor a file now.
        if (errno == ENOENT) continue;
        ThrowError(errno);
      }
      isFolder = S_ISDIR(st.st_mode);
    }
    if (isFolder == wantFolders) names.emplace_back(entry->d_name);
  }
  return names;
}

class PosixFileSystem final : public FileSystem {
 public:
  unsigned Attributes(const std::string& path) override {
    struct stat own;
    if (::lstat(path.c_str(), &own) != 0) ThrowError(errno);
    unsigned attributes = 0;
    struct stat target = own;
    if (S_ISLNK(own.st_mode)) {
      attributes |= kReparsePoint;
      // A dangling link is only a link.
      if (::stat(path.c_str(), &target) != 0) target.st_mode = own.st_mode;
    }
    if (S_ISDIR(target.st_mode)) attributes |= kDirectory;
    if (S_ISREG(target.st_mode)) attributes |= kArchive;
    std::string_view name = BaseName(path);
    if (!name.empty() && name.front() == '.') attributes |= kHidden;
    // Read-only means refused, not absent: a dangling link is not read-only.
    if (::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
      attributes |= kReadOnly;
    return attributes;
  }

  bool Exists(const std::string& path) override { return FileExists(path); }

  bool IsRegularFile(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  }

  bool IsRoot(const std::string& path) override {
    struct stat st, root;
    if (path.empty() || path.front() != '/') return false;
    if (::stat(path.c_str(), &st) != 0 || ::stat("/", &root) != 0) return false;
    return st.st_dev == root.st_dev && st.st_ino == root.st_ino;
  }

  std::vector<std::string> SubFolderNames(const std::string& folder) override { return List(folder, true); }

  std::vector<std::string> FileNames(const std::string& folder) override { return List(folder, false); }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem real;
  return real;
}

}  // namespace tallowmere::system
