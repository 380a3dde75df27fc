#pragma once
// Helpers for the tests that put odd nodes where the settings file belongs: a
// description of a node that changes when it is replaced or written, and a
// guard that keeps a store that wrongly opens a FIFO or waits for a lock
// from hanging the test.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace settingstest {

// What stands at `path`, without opening a FIFO or a device: its kind and
// inode, a link's target and what that leads to, a file's bytes, a folder's
// names. Replacing, writing or filling the node changes the description.
inline std::string DescribeNode(const std::string& path, int depth = 0) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "absent";
  std::string out = "inode " + std::to_string(st.st_ino) + " mode " + std::to_string(st.st_mode);
  if (S_ISLNK(st.st_mode)) {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    target.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    out += " link to " + target;
    if (depth < 4 && !target.empty() && target[0] == '/') out += " (" + DescribeNode(target, depth + 1) + ")";
  } else if (S_ISREG(st.st_mode)) {
    std::ifstream in(path, std::ios::binary);
    out += " file: " + std::string(std::istreambuf_iterator<char>(in), {});
  } else if (S_ISDIR(st.st_mode)) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
      while (const dirent* e = ::readdir(dir)) names.emplace_back(e->d_name);
      ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    out += " folder:";
    for (const std::string& name : names) out += " " + name;
  }
  return out;
}

// Lets a reader stuck opening or reading the FIFO at `path` go on (it reads
// nothing).
inline void ReleaseFifoReader(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
  if (fd >= 0) ::close(fd);
}

// Runs `unblock` again and again once `patience` has passed while the
// guarded work is still going, so that a wrong store fails its test instead
// of hanging it. Finish() ends the watch and tells whether it had to act.
class Unblocker {
 public:
  explicit Unblocker(std::function<void()> unblock, std::chrono::milliseconds patience = std::chrono::seconds(10))
      : thread_([this, unblock = std::move(unblock), patience] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (done_.wait_for(lock, patience, [this] { return finished_; })) return;
          fired_ = true;
          while (!done_.wait_for(lock, std::chrono::milliseconds(100), [this] { return finished_; })) unblock();
        }) {}
  ~Unblocker() { Finish(); }
  Unblocker(const Unblocker&) = delete;
  Unblocker& operator=(const Unblocker&) = delete;

  // True when the work was stuck and had to be released.
  bool Finish() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      finished_ = true;
    }
    done_.notify_all();
    if (thread_.joinable()) thread_.join();
    return fired_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  bool fired_ = false;
  std::thread thread_;
};

}  // namespace settingstest
