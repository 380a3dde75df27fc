#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fsys {

void ThrowError(int code) {
  std::string text = std::strerror(code);
  switch (code) {
    case EACCES:
    case EPERM:
      throw AccessDenied(text, code);
    case ENOENT:
    case ENOTDIR:
      throw PathNotFound(text, code);
    default:
      throw FileSystemError(text, code);
  }
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

  bool Exists(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
  }

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

}  // namespace fsys
