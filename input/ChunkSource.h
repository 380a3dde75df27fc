#pragma once
// Bytes read a chunk at a time: a part of a zip archive as it is inflated, or
// bytes already in memory. The spreadsheet readers parse their XML from one,
// so the same parser reads a file's part and a test's or fuzzer's bytes, and
// no part is ever held whole. Plain C++, no Qt.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tallowmere::input {

class ChunkSource {
 public:
  virtual ~ChunkSource() = default;
  // Up to `capacity` next bytes into `buffer`: how many were put there; 0 at
  // the end, or when the bytes could not be read (Failure() then says why).
  virtual std::size_t Read(char* buffer, std::size_t capacity) = 0;
  // Empty while every byte so far was read; otherwise why the bytes ended.
  virtual const std::string& Failure() const = 0;
};

// Bytes in memory, handed out at most `chunk` at a time (a small chunk
// splits the XML wherever a file's inflation might).
class MemoryChunks final : public ChunkSource {
 public:
  explicit MemoryChunks(std::string_view bytes, std::size_t chunk = 65536)
      : bytes_(bytes), chunk_(std::max<std::size_t>(chunk, 1)) {}
  std::size_t Read(char* buffer, std::size_t capacity) override {
    const std::size_t n = std::min({capacity, chunk_, bytes_.size() - at_});
    if (n > 0) std::memcpy(buffer, bytes_.data() + at_, n);
    at_ += n;
    return n;
  }
  const std::string& Failure() const override { return failure_; }

 private:
  std::string_view bytes_;
  std::size_t chunk_;
  std::size_t at_ = 0;
  std::string failure_;
};

}  // namespace tallowmere::input
