// Fuzz target: the list-file reader on any bytes with any line ends, through
// a real file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "tests/fuzz/Checks.h"
#include "tests/fuzz/Target.h"

namespace {

// One scratch file for the whole run, in a folder of its own that goes when
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
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFile scratch;
  fuzzcheck::Require(
      fuzzcheck::CheckListFile(std::string_view(reinterpret_cast<const char*>(data), size), scratch.path()));
  return 0;
}
