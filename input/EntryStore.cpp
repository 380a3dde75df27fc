#include "input/EntryStore.h"

#include <limits>
#include <stdexcept>
#include <utility>

std::string_view EntryStore::Text(std::size_t index) const {
  const Record& r = records_.at(index);
  return std::string_view(buffer_.data() + r.offset, r.length);
}

void EntryStore::Append(std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("Entry text too long");
  Record r{buffer_.size(), static_cast<std::uint32_t>(text.size())};
  buffer_.insert(buffer_.end(), text.begin(), text.end());
  records_.push_back(r);
}

void EntryStore::Remove(std::size_t index) {
  if (index >= records_.size()) throw std::out_of_range("Invalid entry index");
  // The text stays in the buffer until the list is cleared; removals are rare
  // single clicks, so the waste is bounded by what the user removed.
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
  if (records_.empty()) buffer_.clear();
}

void EntryStore::Clear() {
  std::vector<Record>().swap(records_);
  std::vector<char>().swap(buffer_);
}

void EntryStore::SetText(std::size_t index, std::string_view text) {
  if (index >= records_.size()) throw std::out_of_range("Invalid entry index");
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("Entry text too long");
  // Copy first: `text` may point into our own buffer, which may move.
  std::string copy(text);
  Record r{buffer_.size(), static_cast<std::uint32_t>(copy.size())};
  buffer_.insert(buffer_.end(), copy.begin(), copy.end());
  records_[index] = r;
}

void EntryStore::SwapTexts(std::size_t a, std::size_t b) {
  if (a >= records_.size() || b >= records_.size()) throw std::out_of_range("Invalid entry index");
  std::swap(records_[a], records_[b]);
}

void EntryStore::Reserve(std::size_t entries, std::size_t bytes) {
  records_.reserve(entries);
  buffer_.reserve(bytes);
}

std::size_t EntryStore::CapacityBytes() const {
  return records_.capacity() * sizeof(Record) + buffer_.capacity();
}
