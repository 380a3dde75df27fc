#include "input/ZipArchive.h"

#include <zip.h>

#include <cerrno>
#include <cstring>

namespace tallowmere::input {

namespace {

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

ZipProblem OpenProblem(int code, const std::string& path) {
  switch (code) {
    case ZIP_ER_NOZIP:
      return {ZipFailure::kNotZip, path};
    case ZIP_ER_OPEN:
    case ZIP_ER_NOENT:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_MEMORY:
      return {ZipFailure::kCannotOpen, ZipErrorText(code)};
    default:
      return {ZipFailure::kDamaged, ZipErrorText(code)};
  }
}

ZipProblem EntryProblem(int code, std::string_view name) {
  switch (code) {
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      return {ZipFailure::kEncrypted, std::string(name)};
    case ZIP_ER_MEMORY:
    case ZIP_ER_READ:
      return {ZipFailure::kCannotOpen, ZipErrorText(code)};
    default:
      return {ZipFailure::kDamaged, std::string(name) + ": " + ZipErrorText(code)};
  }
}

}  // namespace

ZipEntry::~ZipEntry() { Close(); }

void ZipEntry::Close() {
  if (file_) zip_fclose(file_);
  file_ = nullptr;
  failure_.clear();
}

std::size_t ZipEntry::Read(char* buffer, std::size_t capacity) {
  if (!file_ || capacity == 0) return 0;
  const zip_int64_t n = zip_fread(file_, buffer, capacity);
  if (n >= 0) return static_cast<std::size_t>(n);
  failure_ = zip_error_strerror(zip_file_get_error(file_));
  zip_fclose(file_);
  file_ = nullptr;
  return 0;
}

ZipArchive::~ZipArchive() { Close(); }

void ZipArchive::Close() {
  if (archive_) zip_discard(archive_);
  archive_ = nullptr;
}

ZipProblem ZipArchive::Open(const std::string& path) {
  Close();
  int code = ZIP_ER_OK;
  archive_ = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (archive_) return {};
  ZipProblem problem = OpenProblem(code, path);
  if (problem.failure == ZipFailure::kCannotOpen && code == ZIP_ER_OPEN) {
    // libzip's words for a failed open name no reason; the system's do.
    problem.detail = std::strerror(errno);
  }
  return problem;
}

std::vector<std::string> ZipArchive::Names() const {
  std::vector<std::string> names;
  if (!archive_) return names;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    names.emplace_back(name ? name : "");
  }
  return names;
}

std::int64_t ZipArchive::Locate(std::string_view name) const {
  if (!archive_) return -1;
  return zip_name_locate(archive_, std::string(name).c_str(), ZIP_FL_ENC_GUESS);
}

bool ZipArchive::Has(std::string_view name) const { return Locate(name) >= 0; }

ZipProblem ZipArchive::OpenEntry(std::string_view name, ZipEntry& entry) const {
  entry.Close();
  const std::int64_t index = Locate(name);
  if (index < 0) return {ZipFailure::kNoEntry, std::string(name)};
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
      (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
    return {ZipFailure::kEncrypted, std::string(name)};
  }
  entry.file_ = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
  if (entry.file_) return {};
  return EntryProblem(zip_error_code_zip(zip_get_error(archive_)), name);
}

bool ZipArchive::InflatedSize(std::string_view name, std::uint64_t& size) const {
  const std::int64_t index = Locate(name);
  if (index < 0) return false;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
    return false;
  size = stat.size;
  return true;
}

ZipProblem ZipArchive::ReadStart(std::string_view name, std::size_t max, std::string& out) const {
  out.clear();
  ZipEntry entry;
  ZipProblem problem = OpenEntry(name, entry);
  if (!problem.Ok()) return problem;
  out.resize(max);
  std::size_t got = 0;
  while (got < max) {
    const std::size_t n = entry.Read(out.data() + got, max - got);
    if (n == 0) break;
    got += n;
  }
  out.resize(got);
  if (!entry.Failure().empty()) return {ZipFailure::kDamaged, std::string(name) + ": " + entry.Failure()};
  return {};
}

}  // namespace tallowmere::input
