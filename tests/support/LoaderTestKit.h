#pragma once
// Helpers for the tests of the list-file loaders and the folder walk: sinks
// that record what the loaders appended and reported, a scratch folder tree,
// and a way to run a piece of a test as an ordinary user (the tests may run as
// root, for whom permissions deny nothing).
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/ErrorReport.h"
#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "input/ReadTally.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"

namespace loadertest {

// Records every entry; tracks how many are still waiting for Flush, so a test
// can check that nothing is held back while window events run.
class RecordingEntrySink : public tallowmere::input::EntrySink {
 public:
  std::vector<std::string> entries;
  std::size_t pending = 0;
  int flushes = 0;

  void Append(std::string_view text) override {
    entries.emplace_back(text);
    ++pending;
  }
  void Flush() override {
    pending = 0;
    ++flushes;
  }
  void NoteSkipped(std::string_view first, std::size_t count) override { tally.NoteSkipped(first, count); }
  void NoteOtherConvention(std::string_view first, std::size_t count) override {
    tally.NoteOtherConvention(first, count);
  }
  void Clear() {
    entries.clear();
    pending = 0;
  }
  // Only its skipped and other-convention candidates: entries are counted above.
  tallowmere::input::ReadTally tally;
};

// A notice of a path not read, as the tests record it: "missing PATH" or
// "not a file PATH".
inline std::string NoticeText(const std::string& path, tallowmere::input::NotRead why) {
  return (why == tallowmere::input::NotRead::kMissing ? "missing " : "not a file ") + path;
}

struct Report {
  std::string description;
  std::string location;
  int label;
  bool operator==(const Report&) const = default;
};

class RecordingErrorSink : public tallowmere::core::ErrorSink {
 public:
  std::vector<Report> reports;
  void ReportError(const std::string& description, std::string_view location, int label) override {
    reports.push_back({description, std::string(location), label});
  }
};

// A scratch folder that ordinary users may enter and read; removed with
// everything in it (permissions restored first) when the test ends.
class TempTree {
 public:
  TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallowmere-loaders-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    ::chmod(root_.c_str(), 0755);
  }
  ~TempTree() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(
             root_, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0755);
    }
    ::chmod(root_.c_str(), 0755);
    std::filesystem::remove_all(root_, ec);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& Root() const { return root_; }
  std::string Path(std::string_view relative) const { return root_ + "/" + std::string(relative); }

  // Writes a file (creating its folders), readable by everyone.
  std::string File(std::string_view relative, std::string_view content) const {
    std::string path = Path(relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
    ::chmod(path.c_str(), 0644);
    return path;
  }
  std::string Folder(std::string_view relative) const {
    std::string path = Path(relative);
    std::filesystem::create_directories(path);
    return path;
  }
  std::string Link(std::string_view relative, const std::string& target) const {
    std::string path = Path(relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::create_symlink(target, path);
    return path;
  }
  std::string Fifo(std::string_view relative) const {
    std::string path = Path(relative);
    if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo failed");
    return path;
  }

 private:
  std::string root_;
};

inline bool RunningAsRoot() { return ::geteuid() == 0; }

// Runs `work` as the user "nobody" in a child process when the tests run as
// root (so that permissions deny what they would deny a user), otherwise
// right here. The child's answer comes back as text; a child that cannot
// drop its privileges answers "!cannot drop privileges".
inline std::string RunUnprivileged(const std::function<std::string()>& work) {
  if (!RunningAsRoot()) return work();
  int channel[2];
  if (::pipe(channel) != 0) return "!pipe failed";
  pid_t child = ::fork();
  if (child < 0) return "!fork failed";
  if (child == 0) {
    ::close(channel[0]);
    std::string answer;
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::geteuid() == 0) {
      answer = "!cannot drop privileges";
    } else {
      try {
        answer = work();
      } catch (const std::exception& e) {
        answer = std::string("!exception: ") + e.what();
      } catch (...) {
        answer = "!exception";
      }
    }
    std::size_t done = 0;
    while (done < answer.size()) {
      ssize_t n = ::write(channel[1], answer.data() + done, answer.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string answer;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(channel[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    answer.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return answer;
}

// Joins texts with '|' for compact comparison of answers from RunUnprivileged.
inline std::string Joined(const std::vector<std::string>& texts) {
  std::string out;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) out += '|';
    out += texts[i];
  }
  return out;
}

// The reader's rule written out plainly: split at every CR and LF, keep the
// candidates that are not empty, not longer than the cap, and numbers.
inline std::vector<std::string> PlainSplit(const std::string& text, const tallowmere::numtext::Separators& sep = {}) {
  std::vector<std::string> out;
  std::string candidate;
  auto offer = [&] {
    if (!candidate.empty() && candidate.size() <= tallowmere::input::kMaxCandidateBytes &&
        tallowmere::numtext::detail::GeneralListLine(candidate, sep) != tallowmere::numtext::ListLine::kNotNumber)
      out.push_back(candidate);
    candidate.clear();
  };
  for (char c : text) {
    if (c == '\n' || c == '\r')
      offer();
    else
      candidate += c;
  }
  offer();
  return out;
}

// Numbers, junk, blank lines and every kind of line end, with now and then a
// line longer than the cap.
inline std::string MixedListText(std::size_t lines, unsigned seed) {
  std::mt19937_64 rng(seed);
  const char* ends[] = {"\n", "\r\n", "\r"};
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    const std::uint64_t r = rng();
    switch (r % 9) {
      case 0:
        text += "abc";
        break;
      case 1:
        break;  // blank
      case 2:
        text += " 1,234.5 ";
        break;
      case 3:
        text += "-" + std::to_string(r % 100000) + "E-3";
        break;
      case 4:
        text += "1.2.3";
        break;
      case 5:
        if (r % 1000 == 5)
          text += std::string(tallowmere::input::kMaxCandidateBytes + 1, '7');
        else
          text += "+" + std::to_string(r % 1000);
        break;
      default:
        text += std::to_string(static_cast<long>(r % 2000001) - 1000000) + "." + std::to_string(r % 1000);
    }
    text += ends[(r >> 20) % 3];
  }
  return text;
}

}  // namespace loadertest
