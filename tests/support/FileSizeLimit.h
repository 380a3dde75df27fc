#pragma once
// A limit on the size of files this process writes, for as long as it lives:
// writes beyond it fail with EFBIG ("File too large"), the way writes to a
// full disk fail with ENOSPC, in the write or in the last flush, without a
// full disk to be made.
#include <sys/resource.h>

#include <csignal>

namespace tallowmere::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    // The signal a write beyond the limit raises would end the test program.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit cut = old_;
    cut.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &cut);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

}  // namespace tallowmere::test
