#include "input/ListFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/FileSystem.h"
#include "stats/NumberText.h"

bool FileExists(const std::string& path) noexcept {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

namespace {

std::string CollapsePairs(std::string_view text, char separator) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    out += text[i];
    if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator) i += 2;
    else i += 1;
  }
  return out;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

void ReadAll(EntrySink& list, int fd, std::size_t blockSize) {
  std::unique_ptr<char[]> block(new char[blockSize]);
  ListTextReader reader(list);
  for (;;) {
    ssize_t got = ::read(fd, block.get(), blockSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      fsys::ThrowError(errno);
    }
    if (got == 0) break;
    reader.Feed(block.get(), static_cast<std::size_t>(got));
  }
  reader.Finish();
}

}  // namespace

std::string FixPathSlashes(std::string_view path, char separator) {
  if (path.empty() || path.front() != separator) return CollapsePairs(path, separator);
  std::size_t first = path.find_first_not_of(separator);
  std::string_view rest = first == std::string_view::npos ? std::string_view() : path.substr(first);
  std::string tidied(separator == '\\' ? 2 : 1, separator);
  tidied += CollapsePairs(rest, separator);
  return tidied;
}

void ListTextReader::Offer(std::string_view candidate) {
  // An empty candidate (between CR and LF, or a blank line) is never a number.
  if (candidate.empty() || candidate.size() > kMaxCandidateBytes) return;
  if (numtext::IsNumeric(candidate)) list_.Append(candidate);
}

void ListTextReader::Feed(const char* data, std::size_t size) {
  const char* p = data;
  const char* end = data + size;
  while (p < end) {
    const char* stop = std::find_if(p, end, IsLineEnd);
    std::size_t length = static_cast<std::size_t>(stop - p);
    if (stop == end) {
      // The candidate goes on in the next piece.
      if (!overlong_) {
        if (carry_.size() + length > kMaxCandidateBytes) {
          overlong_ = true;
          std::string().swap(carry_);
        } else {
          carry_.append(p, length);
        }
      }
      return;
    }
    if (overlong_) {
      overlong_ = false;
    } else if (carry_.empty()) {
      Offer(std::string_view(p, length));
    } else if (carry_.size() + length <= kMaxCandidateBytes) {
      carry_.append(p, length);
      Offer(carry_);
    }
    carry_.clear();
    p = stop + 1;
  }
}

void ListTextReader::Finish() {
  if (!overlong_) Offer(carry_);
  carry_.clear();
  overlong_ = false;
}

void ReadListDescriptor(EntrySink& list, int fd) { ReadAll(list, fd, kReadBlockBytes); }

void LoadListFile(EntrySink& list, const std::string& path, const ShowMessageFn& showMessage) {
  auto notFound = [&] {
    if (showMessage) showMessage(kFileNotFoundMessage);
  };
  // The existence test and the check that only regular files are read share
  // one look at the path; it comes before opening, so a device is never
  // opened, and is repeated on the open file, so a swap in between is caught.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return notFound();
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return notFound();
    fsys::ThrowError(errno);
  }
  Descriptor file(fd);
  if (::fstat(fd, &st) != 0) fsys::ThrowError(errno);
  if (!S_ISREG(st.st_mode)) return notFound();
  // A small file gets a small buffer: a tree of many small files should not
  // cost a megabyte of fresh memory per file.
  std::size_t blockSize = kReadBlockBytes;
  if (st.st_size >= 0 && static_cast<unsigned long long>(st.st_size) < blockSize)
    blockSize = std::max<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, 4096);
  else
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  ReadAll(list, fd, blockSize);
}
