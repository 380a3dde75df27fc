#include "input/SheetCut.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>
#include <utility>

#include "input/XmlPart.h"

namespace tallowmere::input {

void CutPoint::KnowHead(std::string markup, std::size_t depth, std::string rowTag) {
  std::lock_guard lock(mutex_);
  if (state_ != State::kNoHead) return;
  markup_ = std::move(markup);
  depth_ = depth;
  rowTag_ = std::move(rowTag);
  state_ = State::kHeadKnown;
  changed_.notify_all();
}

std::optional<std::uint64_t> CutPoint::Decide() {
  std::unique_lock lock(mutex_);
  if (state_ == State::kNoHead) {
    state_ = State::kAbandoned;
    abandoned_.store(true, std::memory_order_relaxed);
    changed_.notify_all();
  }
  changed_.wait(lock, [this] { return state_ != State::kHeadKnown; });
  if (state_ == State::kCut) return cut_;
  return std::nullopt;
}

void CutPoint::Abandon() {
  std::lock_guard lock(mutex_);
  abandoned_.store(true, std::memory_order_relaxed);
  if (state_ == State::kNoHead || state_ == State::kHeadKnown) state_ = State::kAbandoned;
  changed_.notify_all();
}

bool CutPoint::AwaitHead() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return state_ != State::kNoHead; });
  return state_ == State::kHeadKnown;
}

bool CutPoint::Offer(std::uint64_t offset) {
  std::lock_guard lock(mutex_);
  if (state_ != State::kHeadKnown) return false;
  cut_ = offset;
  state_ = State::kCut;
  changed_.notify_all();
  return true;
}

void CutPoint::NoCut() {
  std::lock_guard lock(mutex_);
  if (state_ == State::kNoHead || state_ == State::kHeadKnown) state_ = State::kNoCut;
  changed_.notify_all();
}

namespace {

// The UTF-16 units of UTF-8 bytes: one for each byte that begins a
// character, two for a character beyond the BMP. Counted eight bytes at a
// time: the first part's every byte goes through here.
std::uint64_t Utf16Units(const char* bytes, std::size_t n) {
  constexpr std::uint64_t kHigh = 0x8080808080808080u;
  std::uint64_t units = n;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t w = 0;
    std::memcpy(&w, bytes + i, 8);
    const std::uint64_t continuation = w & ~(w << 1) & kHigh;                       // 10xxxxxx
    const std::uint64_t fourByteLead = w & (w << 1) & (w << 2) & (w << 3) & kHigh;  // 1111xxxx
    units -= static_cast<std::uint64_t>(std::popcount(continuation));
    units += static_cast<std::uint64_t>(std::popcount(fourByteLead));
  }
  for (; i < n; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    units -= static_cast<std::uint64_t>((b & 0xC0) == 0x80);
    units += static_cast<std::uint64_t>(b >= 0xF0);
  }
  return units;
}

bool IsTagEnd(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>' || c == '/'; }

// The part begins as UTF-16 does (a byte order mark, or a zero byte in the
// first two): its row tags are no such bytes.
bool LooksUtf16(std::string_view first) {
  if (first.size() >= 2 && ((first[0] == '\xFE' && first[1] == '\xFF') || (first[0] == '\xFF' && first[1] == '\xFE')))
    return true;
  return first.find('\0') < 2;
}

}  // namespace

void FirstPartSource::Reached() {
  if (stage_ == Stage::kToCut) {
    stage_ = Stage::kProbe;
    return;
  }
  const std::optional<std::uint64_t> cut = point_.Decide();
  stage_ = cut && !probe_.empty() ? Stage::kToCut : Stage::kAlone;
  if (cut) limit_ = *cut;
}

std::size_t FirstPartSource::FromHeld(char* buffer, std::size_t n) {
  std::memcpy(buffer, held_.data() + heldAt_, n);
  heldAt_ += n;
  return n;
}

std::size_t FirstPartSource::Read(char* buffer, std::size_t capacity) {
  for (;;) {
    switch (stage_) {
      case Stage::kAlone:
        if (heldAt_ < held_.size()) return FromHeld(buffer, std::min(capacity, held_.size() - heldAt_));
        return inner_.Read(buffer, capacity);
      case Stage::kProbe: {
        const std::size_t n = std::min(capacity, probe_.size() - probeAt_);
        std::memcpy(buffer, probe_.data() + probeAt_, n);
        probeAt_ += n;
        if (probeAt_ == probe_.size()) stage_ = Stage::kEnded;
        return n;
      }
      case Stage::kEnded:
        return 0;
      case Stage::kToTarget:
      case Stage::kToCut:
        break;
    }
    if (at_ == limit_) {
      Reached();
      continue;
    }
    if (heldAt_ == held_.size() && limit_ - at_ >= capacity) {
      // A whole chunk before the limit goes straight to the reader.
      const std::size_t n = inner_.Read(buffer, capacity);
      Count(buffer, n);
      return n;
    }
    if (heldAt_ == held_.size()) {
      held_.resize(capacity);
      held_.resize(inner_.Read(held_.data(), capacity));
      heldAt_ = 0;
      if (held_.empty()) return 0;
    }
    const std::size_t n =
        static_cast<std::size_t>(std::min<std::uint64_t>({capacity, held_.size() - heldAt_, limit_ - at_}));
    Count(held_.data() + heldAt_, n);
    return FromHeld(buffer, n);
  }
}

void FirstPartSource::Count(const char* bytes, std::size_t n) {
  if (firstBytes_.size() < 3) firstBytes_.append(bytes, std::min<std::size_t>(n, 3 - firstBytes_.size()));
  units_ += Utf16Units(bytes, n);
  at_ += n;
}

std::uint64_t FirstPartSource::UnitsToProbeEnd() const {
  const std::uint64_t probe = Utf16Units(probe_.data(), probe_.size());
  return (firstBytes_ == "\xEF\xBB\xBF" ? units_ - 1 : units_) + probe;
}

bool FindCut(ChunkSource& source, CutPoint& point, std::uint64_t& cut, std::string& fromCut) {
  std::string chunk(kXmlChunkBytes, '\0');
  std::string window;          // the bytes being searched
  std::uint64_t windowAt = 0;  // the offset of window's first
  bool first = true;
  for (;;) {
    if (point.Abandoned()) return false;
    const std::size_t n = source.Read(chunk.data(), chunk.size());
    if (n == 0) return false;
    if (first && LooksUtf16(std::string_view(chunk.data(), std::min<std::size_t>(n, 2)))) return false;
    first = false;
    const std::uint64_t end = windowAt + window.size() + n;
    if (end <= point.Target()) {
      windowAt = end;
      continue;
    }
    if (window.empty() && !point.AwaitHead()) return false;
    window.append(chunk.data(), n);
    const std::string& tag = point.RowTag();
    const std::size_t from = windowAt >= point.Target() ? 0 : static_cast<std::size_t>(point.Target() - windowAt);
    for (std::size_t at = window.find(tag, from); at != std::string::npos; at = window.find(tag, at + 1)) {
      if (at + tag.size() >= window.size()) break;  // its next byte is still to come
      if (!IsTagEnd(window[at + tag.size()])) continue;
      cut = windowAt + at;
      fromCut = window.substr(at);
      return true;
    }
    if (end - point.Target() > kCutSearchBytes) return false;
    // A tag may begin in the last bytes: they are searched again with the next.
    const std::size_t keep = std::min(window.size(), tag.size());
    windowAt += window.size() - keep;
    window.erase(0, window.size() - keep);
  }
}

std::size_t SecondPartSource::Read(char* buffer, std::size_t capacity) {
  if (point_.Abandoned()) return 0;
  if (startAt_ < start_.size()) {
    const std::size_t n = std::min(capacity, start_.size() - startAt_);
    std::memcpy(buffer, start_.data() + startAt_, n);
    startAt_ += n;
    return n;
  }
  return inner_.Read(buffer, capacity);
}

}  // namespace tallowmere::input
