#include "input/EntrySource.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace tallowmere::input {

void EntrySource::ExpectBytes(std::size_t bytes) {
  Unpack();
  if (numbers_.empty() && blocks_.empty()) numbers_.reserve(bytes / 2 + 1);
}

void EntrySource::ExpectEntries(std::size_t entries) {
  Unpack();
  if (!blocks_.empty()) return;
  const std::size_t wanted = numbers_.size() + entries;
  if (numbers_.capacity() >= wanted) return;
  Values room;
  room.reserve(wanted);
  room.insert(room.end(), numbers_.begin(), numbers_.end());
  numbers_ = std::move(room);
}

void EntrySource::AppendNumber(double leadingNumber) {
  Unpack();
  BeginNumbers();
  Keep(leadingNumber);
}

void EntrySource::AppendNumbers(std::span<const double> leadingNumbers) {
  Unpack();
  BeginNumbers();
  while (!leadingNumbers.empty()) {
    std::size_t taken = std::min(leadingNumbers.size(), ArrayRoom());
    Values* into = &numbers_;
    if (taken == 0) {
      taken = std::min(leadingNumbers.size(), BlockRoom());
      into = &blocks_.back();
    }
    const std::span<const double> head = leadingNumbers.first(taken);
    into->insert(into->end(), head.begin(), head.end());
    count_ += taken;
    leadingNumbers = leadingNumbers.subspan(taken);
  }
}

// How many more numbers the array takes: until a block is begun, what its
// room holds, and while it is small, as many as a block.
std::size_t EntrySource::ArrayRoom() const {
  return blocks_.empty() ? std::max(numbers_.capacity(), kBlockValues) - numbers_.size() : 0;
}

// How many more numbers the last block takes, beginning a new one when it is
// full.
std::size_t EntrySource::BlockRoom() {
  if (blocks_.empty() || blocks_.back().size() == kBlockValues) {
    blocks_.emplace_back();
    blocks_.back().reserve(kBlockValues);
  }
  return kBlockValues - blocks_.back().size();
}

void EntrySource::Keep(double v) {
  if (ArrayRoom() > 0) {
    numbers_.push_back(v);
  } else {
    BlockRoom();
    blocks_.back().push_back(v);
  }
  ++count_;
}

void EntrySource::KeepText(std::string_view text, bool passedNumberTest) {
  if (!numbered_) return texts_.Append(text, passedNumberTest);
  Unpack();
  // Both places are made first, so that a failure keeps the entry nowhere;
  // the index grows by doubling, as push_back would, so that a list of
  // millions of texts is not copied once per entry.
  if (textAt_.size() == textAt_.capacity()) textAt_.reserve(std::max<std::size_t>(16, 2 * textAt_.capacity()));
  texts_.Append(text, passedNumberTest);
  textAt_.push_back(count_);
  Keep(std::numeric_limits<double>::quiet_NaN());
}

void EntrySource::BeginNumbers() {
  if (numbered_) return;
  const std::size_t held = texts_.Size();
  textAt_.resize(held);
  for (std::size_t k = 0; k < held; ++k) textAt_[k] = k;
  for (std::size_t k = 0; k < held; ++k) Keep(std::numeric_limits<double>::quiet_NaN());
  numbered_ = true;
}

std::size_t EntrySource::NextText(std::size_t index) const {
  if (!numbered_) return std::min(index, texts_.Size());
  const auto at = std::lower_bound(textAt_.begin(), textAt_.end(), index);
  return at == textAt_.end() ? count_ : *at;
}

std::size_t EntrySource::TextIndex(std::size_t index) const {
  if (!numbered_) return index;
  const auto at = std::lower_bound(textAt_.begin(), textAt_.end(), index);
  if (at == textAt_.end() || *at != index) throw std::logic_error("Entry " + std::to_string(index) + " has no text");
  return static_cast<std::size_t>(at - textAt_.begin());
}

HeldText EntrySource::TextOf(std::size_t index) const {
  const std::size_t k = TextIndex(index);
  return {texts_.Text(k), texts_.PassedNumberTest(k)};
}

void EntrySource::AppendAll(EntrySource& other) {
  const std::size_t count = other.Count();
  const Values values = other.TakeValues();
  std::size_t nextText = other.NextText(0);
  for (std::size_t i = 0; i < count; ++i) {
    if (i != nextText) {
      AppendNumber(values[i]);
      continue;
    }
    const HeldText held = other.TextOf(i);
    KeepText(held.text, held.passedNumberTest);
    nextText = other.NextText(i + 1);
  }
}

EntrySource::Values EntrySource::TakeValues(Values& room, core::TwoThreads* threads) {
  const std::size_t n = numbers_.size();
  if (!Packed() || room.capacity() < n) return TakeValues();
  // Resizing within its room writes only the elements past its old size.
  room.resize(n);
  // Each half by a thread of its own: the writing is what takes the time.
  constexpr std::size_t kHalves = 2;
  auto half = [&](std::size_t k) {
    UnpackInto(numbers_.data(), n / kHalves * k, k + 1 == kHalves ? n : n / kHalves * (k + 1), packed_, room.data());
  };
  if (threads && n >= kBlockValues)
    threads->Run(kHalves, half);
  else
    for (std::size_t k = 0; k < kHalves; ++k) half(k);
  Values().swap(numbers_);
  packed_ = {};
  return std::exchange(room, {});
}

EntrySource::Values EntrySource::TakeValues() {
  Unpack();
  if (blocks_.empty()) return std::exchange(numbers_, {});
  Values all;
  all.reserve(count_);
  all.insert(all.end(), numbers_.begin(), numbers_.end());
  Values().swap(numbers_);
  for (Values& block : blocks_) {
    all.insert(all.end(), block.begin(), block.end());
    Values().swap(block);
  }
  blocks_.clear();
  return all;
}

// Only a list of more numbers than fill a big block is worth it: the room
// past the packed numbers is given back, and a small array's is not.
std::size_t EntrySource::HoldPacked() noexcept {
  if (Packed() || !numbered_ || !blocks_.empty() || !textAt_.empty()) return 0;
  if (numbers_.size() * sizeof(double) < core::kBigBytes) return 0;
  const PackedForm form = PackWhereExact(numbers_.data(), numbers_.size());
  if (!form.Packs()) return 0;
  packed_ = form;
  const std::size_t packedBytes = numbers_.size() * static_cast<std::size_t>(form.width);
  core::GiveBackRoom(numbers_.data(), packedBytes, numbers_.capacity() * sizeof(double));
  return numbers_.size() * sizeof(double) - packedBytes;
}

// The room given back comes back zero-filled as it is written.
void EntrySource::Unpack() {
  if (!Packed()) return;
  UnpackInPlace(numbers_.data(), numbers_.size(), packed_);
  packed_ = {};
}

}  // namespace tallowmere::input
