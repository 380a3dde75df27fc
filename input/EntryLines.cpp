#include "input/EntryLines.h"

#include <fcntl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <span>
#include <vector>

#include "core/LineEnds.h"
#include "input/KeptEntries.h"
#include "numtext/LeadingNumber.h"

namespace tallowmere::input {

namespace {

// From this many bytes of whole lines on, two threads read them; below it the
// thread costs more than it saves.
constexpr std::size_t kParallelBytes = std::size_t{1} << 16;
// Whole lines are cut, at line ends, into parts of about this size.
constexpr std::size_t kPartBytes = std::size_t{1} << 14;

using core::FindLastLineFeed;
using core::ForEachLineFeed;

// A line without its line end: a CR before the LF (or at the very end)
// belongs to the line end.
std::size_t LineLength(const char* begin, const char* end) {
  return static_cast<std::size_t>(end - begin) - (end > begin && end[-1] == '\r' ? 1 : 0);
}

// Where the text splits into parts of about kPartBytes for the two threads:
// the first byte of each part and, last, `end`. Every part but the last ends
// at a line feed.
std::vector<const char*> CutAtLineFeeds(const char* begin, const char* end) {
  std::vector<const char*> cuts{begin};
  while (static_cast<std::size_t>(end - cuts.back()) > kPartBytes) {
    const char* at = static_cast<const char*>(
        std::memchr(cuts.back() + kPartBytes, '\n', static_cast<std::size_t>(end - cuts.back()) - kPartBytes));
    if (!at || at >= end - 1) break;
    cuts.push_back(at + 1);
  }
  cuts.push_back(end);
  return cuts;
}

}  // namespace

// What one part of the two-thread reading keeps until it is appended: the
// numbers of its plain lines, and the place of every other line together
// with how many numbers come before it.
struct EntryLinesReader::Parts {
  struct Kept : KeptEntries {
    std::exception_ptr failure;  // a failure of this part, after what it kept
    std::size_t cutLines = 0;
  };
  std::vector<Kept> kept;
};

EntryLinesReader::EntryLinesReader(EntrySink& list) : list_(list), values_(ValuesOf(list)) {}

EntryLinesReader::~EntryLinesReader() = default;

void EntryLinesReader::Take(std::string_view line, bool cut) {
  // A cut line's last byte is not the one before its line end.
  if (!cut && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kMaxCandidateBytes) {
    line = line.substr(0, kMaxCandidateBytes);
    ++cutLines_;
  }
  double value;
  if (values_ && numtext::PlainLeadingNumber(line, value))
    values_->AppendNumber(value);
  else
    list_.Append(line);
}

void EntryLinesReader::TakeLines(const char* begin, const char* end, const std::function<void()>& meanwhile) {
  if (!values_ || static_cast<std::size_t>(end - begin) < kParallelBytes) {
    ForEachLineFeed(begin, end, [&, start = begin](const char* at) mutable {
      Take(std::string_view(start, static_cast<std::size_t>(at - start)));
      start = at + 1;
    });
    if (meanwhile) meanwhile();
    return;
  }
  const std::vector<const char*> cuts = CutAtLineFeeds(begin, end);
  const std::size_t count = cuts.size() - 1;
  if (!helper_) helper_.emplace();
  if (!parts_) parts_ = std::make_unique<Parts>();
  std::vector<Parts::Kept>& kept = parts_->kept;
  if (kept.size() < count) kept.resize(count);

  auto prepare = [&](std::size_t part) {
    Parts::Kept& k = kept[part];
    const char* const first = cuts[part];
    k.Clear();
    k.failure = nullptr;
    k.cutLines = 0;
    try {
      k.values.reserve(static_cast<std::size_t>(cuts[part + 1] - first) / 4);
      ForEachLineFeed(first, cuts[part + 1], [&, start = first](const char* at) mutable {
        std::size_t length = LineLength(start, at);
        if (length > kMaxCandidateBytes) {
          length = kMaxCandidateBytes;
          ++k.cutLines;
        }
        double v;
        // The bytes after a line, up to the end of the whole text, may be
        // read with it.
        if (numtext::PlainLeadingNumberIn(start, length, end, v))
          k.values.push_back(v);
        else
          k.AddText(static_cast<std::size_t>(start - first), length);
        start = at + 1;
      });
    } catch (...) {
      k.failure = std::current_exception();
    }
  };
  auto take = [&](std::size_t part) {
    const Parts::Kept& k = kept[part];
    k.HandOver(*values_, cuts[part], [this](std::string_view line) { list_.Append(line); });
    cutLines_ += k.cutLines;
    if (k.failure) std::rethrow_exception(k.failure);
  };
  core::RunInOrder(
      *helper_, count, prepare, take,
      [&](std::size_t part) {
        prepare(part);
        take(part);
      },
      meanwhile);
}

void EntryLinesReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  const char* p = data;
  const char* const end = data + size;
  // A line begun in an earlier piece ends at the first line feed.
  if (!carry_.empty() && p < end) {
    const auto* at = static_cast<const char*>(std::memchr(p, '\n', size));
    if (!at) {
      Carry(p, size);
      if (meanwhile) meanwhile();
      return;
    }
    Carry(p, static_cast<std::size_t>(at - p));
    Take(carry_, carryCut_);
    carry_.clear();
    carryCut_ = false;
    p = at + 1;
  }
  // Every line up to the last line feed is whole; the rest begins one.
  if (const char* last = FindLastLineFeed(p, end)) {
    TakeLines(p, last + 1, meanwhile);
    p = last + 1;
  } else if (meanwhile) {
    meanwhile();
  }
  carry_.clear();
  Carry(p, static_cast<std::size_t>(end - p));
}

void EntryLinesReader::Carry(const char* data, std::size_t size) {
  // One byte beyond an entry's: a CR there may still be the line end's.
  const std::size_t room = kMaxCandidateBytes + 1 - std::min(carry_.size(), kMaxCandidateBytes + 1);
  if (size > room) carryCut_ = true;
  carry_.append(data, std::min(size, room));
}

void EntryLinesReader::Finish() {
  if (!carry_.empty()) Take(carry_, carryCut_);
  carry_.clear();
  carryCut_ = false;
}

std::size_t ReadEntryLines(EntrySink& list, int fd, const system::FileWatch& watch,
                           const core::LetEventsRun& betweenBlocks) {
  const bool regular = watch.IsRegularFile();
  const off_t size = regular ? watch.Status().st_size : 0;
  if (size > 0) {
    list.ExpectBytes(static_cast<std::size_t>(size));
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  }
  EntryLinesReader reader(list);
  ReadFileBlocks(
      fd, watch, kReadBlockBytes, size > 0 && static_cast<std::size_t>(size) > kReadBlockBytes,
      [&reader](const char* data, std::size_t n, const std::function<void()>& meanwhile) {
        reader.Feed(data, n, meanwhile);
      },
      betweenBlocks);
  reader.Finish();
  return reader.CutLines();
}

}  // namespace tallowmere::input
