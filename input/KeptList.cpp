#include "input/KeptList.h"

#include <array>
#include <cstring>
#include <exception>
#include <memory>

namespace tallowmere::input {

namespace {

constexpr std::string_view kMagic = "TMKEPT1\n";
constexpr unsigned char kListKind = 1;
constexpr unsigned char kTooLargeKind = 2;
constexpr std::size_t kHeaderBytes = kMagic.size() + 1 + 8 + 8;
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

// A checksum of 64 bits over bytes fed in pieces of any size, taken eight
// bytes at a time: a hundred megabytes cost a few hundredths of a second at
// close, and no damage of a few bytes keeps it.
class Checksum {
 public:
  void Add(const char* data, std::size_t size) {
    while (size > 0 && held_ > 0 && held_ < 8) {
      word_[held_++] = *data++;
      --size;
    }
    if (held_ == 8) Mix(word_);
    for (; size >= 8; data += 8, size -= 8) Mix(data);
    for (; size > 0; --size) word_[held_++] = *data++;
  }
  std::uint64_t Value() const {
    std::uint64_t h = hash_;
    for (std::size_t i = 0; i < held_; ++i) h = (h ^ static_cast<unsigned char>(word_[i])) * kPrime;
    return h ^ (h >> 29);
  }

 private:
  static constexpr std::uint64_t kPrime = 0x100000001b3ULL;
  void Mix(const char* bytes) {
    std::uint64_t w;
    std::memcpy(&w, bytes, 8);
    hash_ = (hash_ ^ w) * 0x9E3779B97F4A7C15ULL;
    hash_ ^= hash_ >> 31;
    held_ = 0;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
  char word_[8] = {};
  std::size_t held_ = 0;
};

std::size_t VarintBytes(std::uint64_t v) {
  std::size_t n = 1;
  while (v >= 0x80) {
    v >>= 7;
    ++n;
  }
  return n;
}

void PutVarint(std::string& out, std::uint64_t v) {
  while (v >= 0x80) {
    out.push_back(static_cast<char>((v & 0x7f) | 0x80));
    v >>= 7;
  }
  out.push_back(static_cast<char>(v));
}

void PutWord(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

std::uint64_t GetWord(std::string_view bytes, std::size_t at) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

// Collects the bytes in pieces, checksummed, and hands each full piece on.
class PieceOut {
 public:
  explicit PieceOut(const system::PieceWriter& write) : write_(write) { buffer_.reserve(kPieceBytes + 64); }
  std::string& Buffer() { return buffer_; }
  void Append(std::string_view text) {
    if (buffer_.size() + text.size() > kPieceBytes) Hand();
    if (text.size() > kPieceBytes) {
      checksum_.Add(text.data(), text.size());
      write_(text.data(), text.size());
      return;
    }
    buffer_.append(text);
  }
  void Hand() {
    checksum_.Add(buffer_.data(), buffer_.size());
    write_(buffer_.data(), buffer_.size());
    buffer_.clear();
  }
  void Finish() {
    Hand();
    PutWord(buffer_, checksum_.Value());
    write_(buffer_.data(), buffer_.size());
    buffer_.clear();
  }

 private:
  const system::PieceWriter& write_;
  std::string buffer_;
  Checksum checksum_;
};

std::uint64_t EntriesBytes(const KeptSource& source) {
  std::uint64_t bytes = 0;
  for (std::size_t i = 0; i < source.count; ++i) {
    const std::size_t length = source.text(i).size();
    bytes += VarintBytes(std::uint64_t{length} * 2 + 1) + length;
  }
  return bytes;
}

// Reads the entries of a list file's body into `list`; false at the first
// thing out of place.
bool ReadEntries(std::string_view body, std::size_t count, EntryStore& entries) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
      if (at >= body.size() || shift > 63) return false;
      const auto byte = static_cast<unsigned char>(body[at++]);
      v |= std::uint64_t{byte & 0x7fu} << shift;
      if (!(byte & 0x80)) break;
    }
    const std::uint64_t length = v / 2;
    if (length > body.size() - at || length > UINT32_MAX) return false;
    entries.Append(body.substr(at, static_cast<std::size_t>(length)), (v & 1) != 0);
    at += static_cast<std::size_t>(length);
  }
  return at == body.size();
}

}  // namespace

bool WriteKeptList(const KeptSource& source, const system::PieceWriter& write, std::uint64_t maxBytes) {
  const std::uint64_t body = EntriesBytes(source);
  const bool kept = kHeaderBytes + body + 8 <= maxBytes;
  PieceOut out(write);
  std::string& header = out.Buffer();
  header.append(kMagic);
  header.push_back(static_cast<char>(kept ? kListKind : kTooLargeKind));
  PutWord(header, source.count);
  PutWord(header, kept ? body : 0);
  if (kept) {
    std::string length;
    for (std::size_t i = 0; i < source.count; ++i) {
      const std::string_view text = source.text(i);
      length.clear();
      PutVarint(length, std::uint64_t{text.size()} * 2 + (source.passedNumberTest(i) ? 1 : 0));
      out.Append(length);
      out.Append(text);
    }
  }
  out.Finish();
  return kept;
}

KeptList ReadKeptList(std::string_view bytes) {
  KeptList list;
  list.kind = KeptList::Kind::kUnreadable;
  if (bytes.size() < kHeaderBytes + 8 || bytes.substr(0, kMagic.size()) != kMagic) return list;
  Checksum checksum;
  checksum.Add(bytes.data(), bytes.size() - 8);
  if (checksum.Value() != GetWord(bytes, bytes.size() - 8)) return list;
  const auto kind = static_cast<unsigned char>(bytes[kMagic.size()]);
  const std::uint64_t count = GetWord(bytes, kMagic.size() + 1);
  const std::uint64_t body = GetWord(bytes, kMagic.size() + 9);
  if (body != bytes.size() - kHeaderBytes - 8 || count > body) {
    if (!(kind == kTooLargeKind && body == 0)) return list;
  }
  if (kind == kTooLargeKind && body == 0) {
    list.kind = KeptList::Kind::kTooLarge;
    list.count = static_cast<std::size_t>(count);
    return list;
  }
  if (kind != kListKind) return list;
  try {
    if (!ReadEntries(bytes.substr(kHeaderBytes, static_cast<std::size_t>(body)), static_cast<std::size_t>(count),
                     list.entries)) {
      list.entries.Clear();
      return list;
    }
  } catch (const std::bad_alloc&) {
    list.entries.Clear();
    return list;
  }
  list.kind = KeptList::Kind::kList;
  list.count = static_cast<std::size_t>(count);
  return list;
}

std::string KeepList(const std::string& folder, const KeptSource& source, std::uint64_t maxBytes) {
  if (source.count == 0) {
    system::RemoveStateFile(folder, kKeptListFileName);
    return {};
  }
  return system::WriteStateFile(folder, kKeptListFileName,
                                [&](const system::PieceWriter& write) { WriteKeptList(source, write, maxBytes); });
}

KeptList LoadKeptList(const std::string& folder, std::uint64_t maxBytes) {
  const system::StateFileRead read = system::ReadStateFile(folder, kKeptListFileName, maxBytes + kHeaderBytes + 8);
  if (read.outcome == system::StateFileRead::Outcome::kAbsent) return {};
  if (read.outcome == system::StateFileRead::Outcome::kUnreadable) {
    KeptList list;
    list.kind = KeptList::Kind::kUnreadable;
    return list;
  }
  return ReadKeptList(read.bytes);
}

}  // namespace tallowmere::input
