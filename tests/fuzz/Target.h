#pragma once
// The libFuzzer side of a target: a broken property is a crash, reported with
// its description so the artifact libFuzzer saves comes with a reason.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzcheck {

inline void Require(const std::string& failure) {
  if (failure.empty()) return;
  std::fprintf(stderr, "\nBROKEN PROPERTY: %s\n", failure.c_str());
  std::abort();
}

// One scratch file for a whole run, in a folder of its own that goes when
// the run ends normally (a crash leaves it for the artifact's reader).
class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallowmere-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    folder_ = pattern;
    path_ = folder_ + "/list.txt";
  }
  ~ScratchFile() {
    ::unlink(path_.c_str());
    ::rmdir(folder_.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace fuzzcheck
