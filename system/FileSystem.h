#pragma once
// Our layer over the POSIX file system for the list-file loaders and the folder
// walk: file attributes in the classic bit values the walk's rules are written
// in, whether a folder is the root, and a folder's sub-folders and files in the
// order the file system lists them. Plain C++, no Qt.
//
// The walk goes through the FileSystem interface so tests can stand in for
// situations a test run cannot produce for real (a folder the user may not
// list while the tests run as root, a listing that fails half-way).
#include <sys/stat.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/Translation.h"

namespace tallowmere::system {

// Attribute bits. How this platform maps onto them:
//   kDirectory    the path is a folder (a symbolic link to one included);
//   kHidden       the name begins with ".";
//   kReadOnly     the user may not write it;
//   kArchive      every regular file (a symbolic link to one included);
//   kSystem       never;
//   kReparsePoint the path itself is a symbolic link.
enum Attribute : unsigned {
  kReadOnly = 1,
  kHidden = 2,
  kSystem = 4,
  kDirectory = 16,
  kArchive = 32,
  kReparsePoint = 1024,
};

// The longest path (and name) the walk takes; the platform's PATH_MAX.
inline constexpr std::size_t kMaxPath = 4096;

// A failure of the file system.
class FileSystemError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The user may not read or search the folder (EACCES, EPERM).
class AccessDenied : public FileSystemError {
 public:
  using FileSystemError::FileSystemError;
};

// The path, or a folder on the way to it, does not exist (ENOENT, ENOTDIR).
class PathNotFound : public FileSystemError {
 public:
  using FileSystemError::FileSystemError;
};

// Throws the FileSystemError subclass that fits `code` (an errno value); the
// description is the system's text for it.
[[noreturn]] void ThrowError(int code);
// The same, for a failure on one file: the description names it first, as in
// "/data/list.txt: Permission denied", so that a report among many files (a
// drop of a tree, the analyser's PATHs) says which one failed.
[[noreturn]] void ThrowError(int code, const std::string& path);

// A file that changed while it was read: what was read may be part old, part
// new, or cut short.
class FileChanged : public FileSystemError {
 public:
  explicit FileChanged(const std::string& path)
      : FileSystemError(path + ": " + std::string(core::Translated("FileSystem", kText))) {}
  static constexpr const char* kText = QT_TRANSLATE_NOOP("FileSystem", "The file changed while it was read");
};

// Tells whether a regular file changed while it was read from an open
// descriptor: its status is taken when the reading begins and compared when it
// has ended. It changed when its size or its modification time differ, or when
// the reading ended before the size first reported (a file cut short and
// written again within one tick of the clock keeps both). Files whose size is
// no measure of their content (those of /proc and /sys report 0 or a page)
// are held to the first two tests only. Anything but a regular file (a pipe,
// a terminal) is never called changed.
class FileWatch {
 public:
  // Throws FileSystemError naming `path` when the status cannot be read.
  FileWatch(int fd, std::string path);
  const struct stat& Status() const { return status_; }
  const std::string& Path() const { return path_; }
  bool IsRegularFile() const { return S_ISREG(status_.st_mode); }
  // Throws FileChanged when the file changed, after `bytesRead` bytes were
  // read from where the descriptor stood when the watch began.
  void CheckUnchanged(std::uint64_t bytesRead) const;

 private:
  int fd_;
  std::string path_;
  struct stat status_;
  std::uint64_t start_ = 0;     // the descriptor's offset at the start
  bool sizeIsContent_ = false;  // the size is the length of the content
};

// True when the path's status (and so its modification time) can be read.
// A symbolic link is followed. Never fails.
bool FileExists(const std::string& path) noexcept;

// The last component of a path, trailing '/' ignored ("/a/b/" -> "b").
std::string_view BaseName(std::string_view path);

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The attribute set of a path (see Attribute). Throws FileSystemError.
  virtual unsigned Attributes(const std::string& path) = 0;

  // True when the path names something the file system can stat (a symbolic
  // link is followed). Never throws.
  virtual bool Exists(const std::string& path) = 0;

  // True when the path names a regular file (a symbolic link is followed).
  // Never throws.
  virtual bool IsRegularFile(const std::string& path) = 0;

  // True for the root folder "/", however the path leads there ("//", "/./",
  // a link to it). Never throws.
  virtual bool IsRoot(const std::string& path) = 0;

  // The names of a folder's sub-folders in listing order, "." and ".."
  // excluded. A symbolic link to a folder is not a sub-folder: a walk that
  // follows only these can never run round a link cycle.
  // Throws AccessDenied, PathNotFound or FileSystemError.
  virtual std::vector<std::string> SubFolderNames(const std::string& folder) = 0;

  // The names of a folder's entries that are not folders (files, links,
  // FIFOs, ...) in listing order. Throws like SubFolderNames.
  virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
};

// The real file system.
FileSystem& RealFileSystem();

}  // namespace tallowmere::system
