#include "input/TableStart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/BlockReader.h"

namespace tallowmere::input {

std::optional<TableStart> ReadTableStart(const std::string& path) {
  // A FIFO or a device would block or never end: only regular files.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  TableStart start;
  bool read = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  if (read) {
    start.bytes.resize(system::kReadBlockBytes);
    std::size_t got = 0;
    while (got < start.bytes.size()) {
      const ssize_t n = ::read(fd, start.bytes.data() + got, start.bytes.size() - got);
      if (n < 0) read = false;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    start.whole = got < start.bytes.size() || static_cast<std::size_t>(status.st_size) <= got;
    start.bytes.resize(got);
  }
  ::close(fd);
  if (!read) return std::nullopt;
  return start;
}

TableStart HeldTextStart(std::string_view text) {
  return {.bytes = std::string(text.substr(0, system::kReadBlockBytes)),
          .whole = text.size() <= system::kReadBlockBytes};
}

}  // namespace tallowmere::input
