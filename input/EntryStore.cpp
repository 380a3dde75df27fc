#include "input/EntryStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

EntryStore::~EntryStore() {
  std::free(buffer_.data);
  std::free(records_.data);
}

void EntryStore::Grow(void*& data, std::size_t& capacity, std::size_t elementSize, std::size_t needed) {
  const std::size_t grown = std::max({needed, capacity * 2, std::size_t{64}});
  if (grown > std::numeric_limits<std::size_t>::max() / elementSize) throw std::bad_alloc();
  void* p = std::realloc(data, grown * elementSize);
  if (!p) throw std::bad_alloc();
  data = p;
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
  // Offsets reach 2^63 only in theory: the buffer lives in the address space.
  constexpr std::uint64_t kOffsetBits = (std::uint64_t{1} << 63) - 1;
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
  std::free(buffer_.data);
  std::free(records_.data);
  buffer_ = {};
  records_ = {};
}

void EntryStore::SwapTexts(std::size_t a, std::size_t b) {
  if (a >= records_.size || b >= records_.size) throw std::out_of_range("Invalid entry index");
  std::swap(records_.data[a], records_.data[b]);
}
