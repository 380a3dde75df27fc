#pragma once
// A zip archive read through libzip: its entries' names, and each entry
// inflated a chunk at a time (a sheet's XML can be a hundred megabytes; it is
// never held whole). Problems are values, not exceptions. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"

struct zip;
struct zip_file;

namespace tallowmere::input {

enum class ZipFailure : unsigned char {
  kNone,
  kCannotOpen,  // the file could not be opened or read (detail: the system's reason)
  kNotZip,      // the file is no zip archive
  kDamaged,     // a zip archive, but damaged or cut short (detail: libzip's words)
  kNoEntry,     // no entry of that name (detail: the name)
  kEncrypted,   // the entry is encrypted (detail: the name)
};

struct ZipProblem {
  ZipFailure failure = ZipFailure::kNone;
  std::string detail;

  bool Ok() const { return failure == ZipFailure::kNone; }
};

// One entry being inflated. Failure() tells a damaged entry (a bad checksum,
// data cut short) met while reading.
class ZipEntry final : public ChunkSource {
 public:
  ZipEntry() = default;
  ~ZipEntry() override;
  ZipEntry(const ZipEntry&) = delete;
  ZipEntry& operator=(const ZipEntry&) = delete;

  std::size_t Read(char* buffer, std::size_t capacity) override;
  const std::string& Failure() const override { return failure_; }

 private:
  friend class ZipArchive;
  void Close();

  zip_file* file_ = nullptr;
  std::string failure_;
};

class ZipArchive {
 public:
  ZipArchive() = default;
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // Opens the archive at `path` (closing any opened before), checking its
  // central directory against itself.
  ZipProblem Open(const std::string& path);
  bool IsOpen() const { return archive_ != nullptr; }

  // The entries' names, in the archive's order.
  std::vector<std::string> Names() const;
  bool Has(std::string_view name) const;
  // Opens the entry `name` for reading into `entry` (closing what it had).
  ZipProblem OpenEntry(std::string_view name, ZipEntry& entry) const;
  // The size the entry `name` says it inflates to; false where it has none.
  bool InflatedSize(std::string_view name, std::uint64_t& size) const;
  // The first `max` bytes at most of the entry `name`, whole.
  ZipProblem ReadStart(std::string_view name, std::size_t max, std::string& out) const;

 private:
  void Close();
  std::int64_t Locate(std::string_view name) const;

  zip* archive_ = nullptr;
};

}  // namespace tallowmere::input
