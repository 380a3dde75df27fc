#include "input/EntryStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "core/BigMemory.h"

namespace tallowmere::input {

namespace {
// Offsets reach 2^63 only in theory: the buffer lives in the address space.
constexpr std::uint64_t kOffsetBits = (std::uint64_t{1} << 63) - 1;
}  // namespace

EntryStore::~EntryStore() {
  Release(buffer_);
  Release(records_);
}

EntryStore::EntryStore(EntryStore&& other) noexcept
    : buffer_(std::exchange(other.buffer_, {})), records_(std::exchange(other.records_, {})) {}

EntryStore& EntryStore::operator=(EntryStore&& other) noexcept {
  if (this != &other) {
    Clear();
    buffer_ = std::exchange(other.buffer_, {});
    records_ = std::exchange(other.records_, {});
  }
  return *this;
}

void* EntryStore::Resized(void* data, std::size_t oldBytes, std::size_t newBytes) {
  const bool wasBig = oldBytes >= core::kBigBytes, big = newBytes >= core::kBigBytes;
  if (wasBig && big) return core::ResizeBig(data, oldBytes, newBytes);
  if (!wasBig && !big) {
    void* p = std::realloc(data, newBytes);
    if (!p) throw std::bad_alloc();
    return p;
  }
  // Across the big size: a copy into the other kind, then the old let go.
  void* p = big ? core::AllocateBig(newBytes) : std::malloc(newBytes);
  if (!p) throw std::bad_alloc();
  if (oldBytes != 0) std::memcpy(p, data, std::min(oldBytes, newBytes));
  Release(data, oldBytes);
  return p;
}

void EntryStore::Release(void* data, std::size_t bytes) noexcept {
  if (bytes >= core::kBigBytes)
    core::ReleaseBig(data, bytes);
  else
    std::free(data);
}

void EntryStore::Grow(void*& data, std::size_t& capacity, std::size_t elementSize, std::size_t needed) {
  const std::size_t grown = std::max({needed, capacity * 2, std::size_t{64}});
  if (grown > std::numeric_limits<std::size_t>::max() / elementSize) throw std::bad_alloc();
  data = Resized(data, capacity * elementSize, grown * elementSize);
  capacity = grown;
}

std::string_view EntryStore::Text(std::size_t index) const {
  if (index >= records_.size) throw std::out_of_range("Invalid entry index");
  const Record& r = records_.data[index];
  return std::string_view(buffer_.data + r.offset, r.length);
}

bool EntryStore::PassedNumberTest(std::size_t index) const {
  if (index >= records_.size) throw std::out_of_range("Invalid entry index");
  return records_.data[index].tested != 0;
}

void EntryStore::Append(std::string_view text, bool passedNumberTest) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("Entry text too long");
  // A text of the store itself (copied to the end) must be found again
  // after the buffer has moved.
  const auto at = reinterpret_cast<std::uintptr_t>(text.data());
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer_.data);
  const bool own = !text.empty() && at >= begin && at < begin + buffer_.size;
  const std::size_t ownOffset = own ? at - begin : 0;
  // Both arrays have room before anything changes, so a failure leaves the
  // store as it was.
  Ensure(records_, records_.size + 1);
  Ensure(buffer_, buffer_.size + text.size());
  const char* from = own ? buffer_.data + ownOffset : text.data();
  if (!text.empty()) std::memcpy(buffer_.data + buffer_.size, from, text.size());
  records_.data[records_.size++] =
      Record{buffer_.size & kOffsetBits, passedNumberTest ? 1u : 0u, static_cast<std::uint32_t>(text.size())};
  buffer_.size += text.size();
}

void EntryStore::Remove(std::size_t index) {
  if (index >= records_.size) throw std::out_of_range("Invalid entry index");
  // The text stays in the buffer until the list is cleared; removals are rare
  // single clicks, so the waste is bounded by what the user removed.
  std::memmove(records_.data + index, records_.data + index + 1, (records_.size - index - 1) * sizeof(Record));
  --records_.size;
  if (records_.size == 0) buffer_.size = 0;
}

void EntryStore::Clear() {
  Release(buffer_);
  Release(records_);
  buffer_ = {};
  records_ = {};
}

void EntryStore::SwapTexts(std::size_t a, std::size_t b) {
  if (a >= records_.size || b >= records_.size) throw std::out_of_range("Invalid entry index");
  std::swap(records_.data[a], records_.data[b]);
}

void EntryStore::Insert(std::size_t index, std::string_view text, bool passedNumberTest) {
  if (index > records_.size) throw std::out_of_range("Invalid entry index");
  Append(text, passedNumberTest);
  const Record added = records_.data[records_.size - 1];
  std::memmove(records_.data + index + 1, records_.data + index, (records_.size - 1 - index) * sizeof(Record));
  records_.data[index] = added;
}

template <class T>
void EntryStore::ShrinkToHeld(Array<T>& a) {
  if (a.size >= a.capacity / 2 || a.capacity <= 64) return;
  const std::size_t kept = std::max(a.size, std::size_t{64});
  // A failed shrink only keeps the room.
  try {
    a.data = static_cast<T*>(Resized(a.data, a.capacity * sizeof(T), kept * sizeof(T)));
    a.capacity = kept;
  } catch (const std::bad_alloc&) {
  }
}

EntryStore EntryStore::CutTail(std::size_t from) {
  if (from > records_.size) throw std::out_of_range("Invalid entry index");
  EntryStore tail;
  if (from == 0) {
    std::swap(tail.buffer_, buffer_);
    std::swap(tail.records_, records_);
    return tail;
  }
  const std::size_t count = records_.size - from;
  if (count == 0) return tail;
  const Record* first = records_.data + from;
  // Entries appended in one go lie at the buffer's end in their order: then
  // the block of their texts goes over in one copy and leaves the buffer.
  std::uint64_t end = first->offset;
  bool block = true;
  for (std::size_t i = 0; i < count && block; ++i) {
    block = first[i].offset == end;
    end += first[i].length;
  }
  block = block && end == buffer_.size;
  if (block) {
    const std::uint64_t start = first->offset;
    const std::size_t bytes = buffer_.size - static_cast<std::size_t>(start);
    Ensure(tail.records_, count);
    Ensure(tail.buffer_, bytes);
    if (bytes != 0) std::memcpy(tail.buffer_.data, buffer_.data + start, bytes);
    for (std::size_t i = 0; i < count; ++i) {
      tail.records_.data[i] = first[i];
      tail.records_.data[i].offset = (first[i].offset - start) & kOffsetBits;
    }
    tail.records_.size = count;
    tail.buffer_.size = bytes;
    buffer_.size = static_cast<std::size_t>(start);
  } else {
    // Texts the user has rearranged: each is copied; the ones left behind
    // stay in the buffer, as after a removal.
    for (std::size_t i = from; i < records_.size; ++i) tail.Append(Text(i), PassedNumberTest(i));
  }
  records_.size = from;
  ShrinkToHeld(records_);
  ShrinkToHeld(buffer_);
  return tail;
}

EntryStore EntryStore::Head(std::size_t count) const {
  if (count > records_.size) throw std::out_of_range("Invalid entry index");
  // The records as they are and the buffer up to the last of their texts:
  // two block copies rather than one append per entry (whatever texts of
  // removed entries lie between come along).
  std::uint64_t end = 0;
  for (std::size_t i = 0; i < count; ++i)
    end = std::max<std::uint64_t>(end, records_.data[i].offset + records_.data[i].length);
  EntryStore head;
  if (count == 0) return head;
  Ensure(head.records_, count);
  Ensure(head.buffer_, static_cast<std::size_t>(end));
  std::memcpy(head.records_.data, records_.data, count * sizeof(Record));
  if (end != 0) std::memcpy(head.buffer_.data, buffer_.data, static_cast<std::size_t>(end));
  head.records_.size = count;
  head.buffer_.size = static_cast<std::size_t>(end);
  return head;
}

void EntryStore::AppendAll(EntryStore&& tail) {
  if (&tail == this || tail.Size() == 0) return;
  if (records_.size == 0) {
    *this = std::move(tail);
    return;
  }
  // Both arrays have room first, so a failure leaves both stores as they were.
  Ensure(records_, records_.size + tail.records_.size);
  Ensure(buffer_, buffer_.size + tail.buffer_.size);
  if (tail.buffer_.size != 0) std::memcpy(buffer_.data + buffer_.size, tail.buffer_.data, tail.buffer_.size);
  for (std::size_t i = 0; i < tail.records_.size; ++i) {
    Record r = tail.records_.data[i];
    r.offset = (r.offset + buffer_.size) & kOffsetBits;
    records_.data[records_.size + i] = r;
  }
  records_.size += tail.records_.size;
  buffer_.size += tail.buffer_.size;
  tail.Clear();
}

}  // namespace tallowmere::input
